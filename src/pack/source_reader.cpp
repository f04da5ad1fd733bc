#include "pack/source_reader.h"

#include <cstring>

namespace vocarn {

namespace {

bool is_space(unsigned char c) {
  return c == 0x20 || (c >= 0x09 && c <= 0x0D);
}

}  // namespace

void skip_utf8_bom(std::FILE* file) {
  unsigned char head[3];
  const size_t got = std::fread(head, 1, 3, file);
  if (got == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) return;
  std::clearerr(file);
  std::fseek(file, 0, SEEK_SET);
}

bool read_line(LineBuffer& buffer, std::FILE* file) {
  if (buffer.empty()) buffer.assign(kLineBufferStep, 0);
  size_t length = 0;
  int c;
  while ((c = getc_unlocked(file)) != EOF) {
    // A line of n bytes needs n + 2 bytes of buffer: its text, the NUL after
    // it and the spare NUL at the end that tells a complete line.
    if (length + 3 > buffer.size()) buffer.resize(buffer.size() + kLineBufferStep, 0);
    buffer[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  if (length == 0) return false;
  buffer[length] = 0;
  return true;
}

LineKind parse_line(char* text, char delete_char, ParsedLine& parsed) {
  char* start = text;
  while (*start != 0 && is_space(static_cast<unsigned char>(*start)))
    ++start;
  if (start[0] == 0 || start[1] == 0) return LINE_VOID;

  size_t length = std::strlen(start);
  while (is_space(static_cast<unsigned char>(start[length - 1])))
    start[--length] = 0;
  if (length == 1) return LINE_VOID;

  // The first position that begins "  " or " = " holds the separator. The
  // NUL at start[length] stops both tests at the end of the text.
  size_t separator = 0;
  size_t at = 0;
  for (;;) {
    const void* space = std::memchr(start + at, ' ', length - at);
    if (space == nullptr) return LINE_WRONG_FORMAT;
    at = static_cast<size_t>(static_cast<const char*>(space) - start);
    if (start[at + 1] == ' ') {
      separator = 2;
      break;
    }
    if (start[at + 1] == '=' && start[at + 2] == ' ') {
      separator = 3;
      break;
    }
    ++at;
  }

  start[at] = 0;
  size_t word_length = at;
  if (delete_char != 0) {
    if (void* hit = std::memchr(start, delete_char, word_length)) {
      char* p = static_cast<char*>(hit);
      std::memmove(p, p + 1, static_cast<size_t>(start + word_length - p));
      --word_length;
    }
  }
  parsed.word = start;
  parsed.word_length = static_cast<uint32_t>(word_length);
  parsed.translation = start + at + separator;
  parsed.translation_length = static_cast<uint32_t>(length - at - separator);
  return LINE_ENTRY;
}

}  // namespace vocarn
