#include "pack/abbreviations.h"

#include "driver/file.h"

namespace vocarn {

void read_abbreviations(const char* abbr_path, char delete_char, LineBuffer& buffer,
                        ErrorText& error_text, std::string& section, uint32_t& abbr) {
  File file(abbr_path, "r");
  if (!file.is_open()) fail_open(error_text, abbr_path);
  section.reserve(10240);
  ParsedLine parsed;
  int32_t line = 0;
  while (read_line(buffer, file.get())) {
    const LineKind kind = parse_line(buffer.data(), delete_char, parsed);
    ++line;
    if (kind == LINE_VOID) continue;
    if (kind == LINE_WRONG_FORMAT) fail_format_at_line(error_text, abbr_path, line);
    section.append(parsed.word, parsed.word_length);
    section.append("  ");
    section.append(parsed.translation, parsed.translation_length);
    section.push_back('\0');
    ++abbr;
  }
}

}  // namespace vocarn
