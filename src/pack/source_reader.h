// The source text format: reading physical lines and classifying them.
// Used by the packer's source and abbreviation passes and by the test mode.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace vocarn {

enum LineKind : int {
  LINE_ENTRY = 0,         // trimmed text of 2+ bytes holding a separator
  LINE_VOID = 1,          // trimmed text of 0 or 1 byte
  LINE_WRONG_FORMAT = 2,  // trimmed text of 2+ bytes without a separator
};

// An entry split in place inside the line buffer; valid until the next read.
struct ParsedLine {
  char* word = nullptr;  // NUL-terminated, the delete character removed
  uint32_t word_length = 0;
  char* translation = nullptr;  // NUL-terminated
  uint32_t translation_length = 0;
};

// Owned by the caller and reused for every line of a pass. Its size starts at
// 1,024 bytes with the first read and grows in steps of 1,024; the current
// line is the NUL-terminated text at its start.
using LineBuffer = std::vector<char>;

inline constexpr size_t kLineBufferStep = 1024;

// Skips EF BB BF at the start of a freshly opened binary stream; otherwise
// leaves the stream at its start.
void skip_utf8_bom(std::FILE* file);

// Reads one physical line, its line feed included, into the buffer. Each byte
// is read once; the buffer ends up at least the smallest multiple of 1,024
// that holds the line plus two bytes. False at end of file or on a read error.
bool read_line(LineBuffer& buffer, std::FILE* file);

// Trims and classifies the NUL-terminated line in place. For LINE_ENTRY it
// fills `parsed`; delete_char (0 for none) is removed once from the word.
LineKind parse_line(char* text, char delete_char, ParsedLine& parsed);

}  // namespace vocarn
