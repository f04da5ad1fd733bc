// The first phase of a pack: source entries become stored words, sort keys
// and stored translations, handed on in index order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "driver/errors.h"
#include "pack/block_builder.h"
#include "pack/source_reader.h"

namespace vocarn {

// The options of this phase, ecp1 and ecp2 already resolved.
struct EntryOptions {
  int32_t cp1 = 1251;
  int32_t ecp1 = 1251;
  int32_t cp2 = 1251;
  int32_t ecp2 = 1251;
  int32_t lcid = 25;
  bool lowercase = false;
  bool sort_words = true;
  char delete_char = 0;
};

// `key`: the word decoded from cp1, lower-cased under lcid when asked, with
// its NUL; `word`: key encoded in ecp1, with its NUL. Both are reused.
void prepare_word(std::string_view text, int32_t cp1, int32_t ecp1, bool lowercase, int32_t lcid,
                  std::u16string& key, std::string& word);

// The translation converted from cp2 to ecp2 through UTF-16, with its NUL.
void prepare_translation(std::string_view text, int32_t cp2, int32_t ecp2, std::u16string& scratch,
                         std::string& translation);

// Reads the whole source (binary, a BOM skipped) and adds every entry to
// `blocks` in index order: sorted by collation key (stable, so equal keys
// keep their source order) or in file order. Void lines are skipped; the
// first wrong line fails with its physical line number.
void read_entries(const char* source_path, const EntryOptions& options, LineBuffer& buffer,
                  ErrorText& error_text, BlockBuilder& blocks);

}  // namespace vocarn
