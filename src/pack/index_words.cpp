#include "pack/index_words.h"

#include <sys/types.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "driver/file.h"
#include "text/case_mapping.h"
#include "text/code_page.h"
#include "text/collation.h"

namespace vocarn {

namespace {

// A result of the text services without its NUL: its input was cut at the
// first NUL, so the one NUL it carries is the last byte.
std::string_view text_of(const std::string& s) {
  return s.empty() ? std::string_view() : std::string_view(s.data(), s.size() - 1);
}

// The text up to its first NUL, with one NUL: what the text services give
// for a round trip that changes nothing.
void copy_text(std::string_view text, std::string& out) {
  out.assign(text.substr(0, std::min(text.size(), text.find('\0'))));
  out.push_back('\0');
}

// Entry i of an arena of NUL-ended strings, without its NUL.
std::string_view arena_entry(const std::string& arena, const std::vector<size_t>& at, size_t i) {
  const size_t end = i + 1 < at.size() ? at[i + 1] : arena.size();
  return std::string_view(arena.data() + at[i], end - at[i] - 1);
}

// Sorted mode keeps every entry in three arenas in source order: the
// collation key, the stored word and the raw translation, each NUL-ended.
// Only the permutation of entry numbers is sorted.
struct SortedEntries {
  std::string keys;
  std::string words;
  std::string translations;
  std::vector<size_t> key_at;
  std::vector<size_t> word_at;
  std::vector<size_t> translation_at;
};

// The first 8 bytes of a NUL-ended key, big-endian, zero-padded: comparing
// prefixes as numbers orders as comparing those bytes.
uint64_t key_prefix(const char* key) {
  uint64_t prefix = 0;
  int i = 0;
  for (; i < 8 && key[i] != 0; ++i)
    prefix = (prefix << 8) | static_cast<uint8_t>(key[i]);
  return i == 0 ? 0 : prefix << (8 * (8 - i));
}

// One entry of the sorted order: its key's first bytes and its number.
struct SortItem {
  uint64_t prefix;
  uint32_t entry;
};

// The entries in ascending key order. Pairs of (key prefix, entry number)
// are sorted: most comparisons end in the 8-byte prefix without touching the
// key arena, and the entry number breaks ties, so equal keys keep their
// source order.
std::vector<SortItem> sort_order(const SortedEntries& sorted) {
  const size_t count = sorted.key_at.size();
  const char* keys = sorted.keys.data();
  std::vector<SortItem> order(count);
  for (size_t i = 0; i < count; ++i) {
    order[i] = SortItem{key_prefix(keys + sorted.key_at[i]), static_cast<uint32_t>(i)};
  }
  std::sort(order.begin(), order.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    const int c = std::strcmp(keys + sorted.key_at[a.entry], keys + sorted.key_at[b.entry]);
    return c != 0 ? c < 0 : a.entry < b.entry;
  });
  return order;
}

// The word and translation arenas never hold more than the source, so they
// are reserved at its size once: growing them by doubling would copy them
// and briefly hold both copies. Untouched reserved pages cost no memory.
void reserve_for_source(std::FILE* source, SortedEntries& sorted) {
  if (fseeko(source, 0, SEEK_END) == 0) {
    const off_t size = ftello(source);
    if (size > 0) {
      sorted.words.reserve(static_cast<size_t>(size));
      sorted.translations.reserve(static_cast<size_t>(size));
    }
  }
  std::rewind(source);
}

}  // namespace

void prepare_word(std::string_view text, int32_t cp1, int32_t ecp1, bool lowercase, int32_t lcid,
                  std::u16string& key, std::string& word) {
  decode_code_page(text, cp1, key);
  if (lowercase) lowercase_utf16(key, key, lcid);
  if (!lowercase && ecp1 == cp1 && round_trip_is_identity(cp1)) {
    copy_text(text, word);  // the round trip would give these very bytes
    return;
  }
  encode_code_page(key, ecp1, word);
}

void prepare_translation(std::string_view text, int32_t cp2, int32_t ecp2, std::u16string& scratch,
                         std::string& translation) {
  if (cp2 == ecp2 && round_trip_is_identity(cp2)) {
    copy_text(text, translation);
    return;
  }
  decode_code_page(text, cp2, scratch);
  encode_code_page(scratch, ecp2, translation);
}

void read_entries(const char* source_path, const EntryOptions& o, LineBuffer& buffer,
                  ErrorText& error_text, BlockBuilder& blocks) {
  std::u16string key;
  std::string word;
  std::u16string scratch;
  std::string translation;
  SortedEntries sorted;
  if (o.sort_words) collation_lcid = o.lcid;

  {
    File source(source_path, "rb");
    if (!source.is_open()) fail_open(error_text, source_path);
    if (o.sort_words) reserve_for_source(source.get(), sorted);
    skip_utf8_bom(source.get());
    ParsedLine parsed;
    int32_t line = 0;
    while (read_line(buffer, source.get())) {
      const LineKind kind = parse_line(buffer.data(), o.delete_char, parsed);
      ++line;
      if (kind == LINE_VOID) continue;
      if (kind == LINE_WRONG_FORMAT) fail_format_at_line(error_text, source_path, line);
      prepare_word(std::string_view(parsed.word, parsed.word_length), o.cp1, o.ecp1, o.lowercase,
                   o.lcid, key, word);
      if (o.sort_words) {
        sorted.key_at.push_back(sorted.keys.size());
        append_collation_key(key.empty() ? u"" : key.c_str(), sorted.keys);
        sorted.word_at.push_back(sorted.words.size());
        sorted.words.append(text_of(word));
        sorted.words.push_back('\0');
        sorted.translation_at.push_back(sorted.translations.size());
        sorted.translations.append(parsed.translation, parsed.translation_length);
        sorted.translations.push_back('\0');
      } else if (o.cp2 == o.ecp2) {
        blocks.add_entry(text_of(word),
                         std::string_view(parsed.translation, parsed.translation_length));
      } else {
        prepare_translation(std::string_view(parsed.translation, parsed.translation_length), o.cp2,
                            o.ecp2, scratch, translation);
        blocks.add_entry(text_of(word), text_of(translation));
      }
    }
  }
  if (!o.sort_words) return;

  const std::vector<SortItem> order = sort_order(sorted);
  std::string().swap(sorted.keys);
  std::vector<size_t>().swap(sorted.key_at);

  // Every word is known now: the word index is sealed first, so that it
  // compresses while the translations are converted and blocked.
  for (const SortItem& item : order) {
    blocks.add_word(arena_entry(sorted.words, sorted.word_at, item.entry));
  }
  blocks.seal_word_index();
  for (const SortItem& item : order) {
    prepare_translation(arena_entry(sorted.translations, sorted.translation_at, item.entry), o.cp2,
                        o.ecp2, scratch, translation);
    blocks.add_translation(text_of(translation));
  }
}

}  // namespace vocarn
