#include "pack/index_words.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "driver/file.h"
#include "text/case_mapping.h"
#include "text/code_page.h"
#include "text/collation.h"

namespace vocarn {

namespace {

// Up to the first NUL: the results of the text services carry one.
std::string_view text_of(const std::string& s) {
  return std::string_view(s.c_str());
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

}  // namespace

void prepare_word(const char* text, int32_t cp1, int32_t ecp1, bool lowercase, int32_t lcid,
                  std::u16string& key, std::string& word) {
  decode_code_page(text, cp1, key);
  if (lowercase) lowercase_utf16(key, key, lcid);
  encode_code_page(key, ecp1, word);
}

void prepare_translation(const char* text, int32_t cp2, int32_t ecp2, std::u16string& scratch,
                         std::string& translation) {
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
    skip_utf8_bom(source.get());
    ParsedLine parsed;
    int32_t line = 0;
    while (read_line(buffer, source.get())) {
      const LineKind kind = parse_line(buffer.data(), o.delete_char, parsed);
      ++line;
      if (kind == LINE_VOID) continue;
      if (kind == LINE_WRONG_FORMAT) fail_format_at_line(error_text, source_path, line);
      prepare_word(parsed.word, o.cp1, o.ecp1, o.lowercase, o.lcid, key, word);
      if (o.sort_words) {
        sorted.key_at.push_back(sorted.keys.size());
        append_collation_key(key.empty() ? u"" : key.c_str(), sorted.keys);
        sorted.word_at.push_back(sorted.words.size());
        sorted.words.append(word.c_str());
        sorted.words.push_back('\0');
        sorted.translation_at.push_back(sorted.translations.size());
        sorted.translations.append(parsed.translation, parsed.translation_length);
        sorted.translations.push_back('\0');
      } else if (o.cp2 == o.ecp2) {
        blocks.add_entry(text_of(word),
                         std::string_view(parsed.translation, parsed.translation_length));
      } else {
        prepare_translation(parsed.translation, o.cp2, o.ecp2, scratch, translation);
        blocks.add_entry(text_of(word), text_of(translation));
      }
    }
  }
  if (!o.sort_words) return;

  const size_t count = sorted.key_at.size();
  std::vector<uint32_t> order(count);
  for (size_t i = 0; i < count; ++i)
    order[i] = static_cast<uint32_t>(i);
  const char* keys = sorted.keys.data();
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return std::strcmp(keys + sorted.key_at[a], keys + sorted.key_at[b]) < 0;
  });
  std::string().swap(sorted.keys);
  std::vector<size_t>().swap(sorted.key_at);

  for (const uint32_t i : order) {
    prepare_translation(sorted.translations.data() + sorted.translation_at[i], o.cp2, o.ecp2,
                        scratch, translation);
    blocks.add_entry(std::string_view(sorted.words.data() + sorted.word_at[i]),
                     text_of(translation));
  }
}

}  // namespace vocarn
