#include "pack/source_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vocarn {
namespace {

struct Parsed {
  LineKind kind;
  std::string word;
  std::string translation;
  uint32_t word_length = 0;
};

Parsed parse(std::string line, char delete_char = 0) {
  ParsedLine parsed;
  Parsed result;
  result.kind = parse_line(line.data(), delete_char, parsed);
  if (result.kind == LINE_ENTRY) {
    result.word = parsed.word;
    result.translation = parsed.translation;
    result.word_length = parsed.word_length;
    EXPECT_EQ(parsed.word_length, result.word.size());
    EXPECT_EQ(parsed.translation_length, result.translation.size());
  }
  return result;
}

TEST(ParseLine, SplitsEntriesAtTheFirstSeparator) {
  struct Case {
    const char* line;
    const char* word;
    const char* translation;
  } cases[] = {
      {"word  translation", "word", "translation"},
      {"word = translation", "word", "translation"},
      {"word   translation", "word", " translation"},
      {"word  = translation", "word", "= translation"},
      {"word =  translation", "word", " translation"},
      {"a b  c  d", "a b", "c  d"},
      {"a = b = c", "a", "b = c"},
      {"  word  translation \t\r\n", "word", "translation"},
      {"\xE4\xEE\xEC  \xE0\xE1", "\xE4\xEE\xEC", "\xE0\xE1"},
      {"ab  c\0junk  after", "ab", "c"},
  };
  for (const Case& c : cases) {
    const Parsed p = parse(c.line);
    ASSERT_EQ(p.kind, LINE_ENTRY) << c.line;
    EXPECT_EQ(p.word, c.word) << c.line;
    EXPECT_EQ(p.translation, c.translation) << c.line;
  }
}

TEST(ParseLine, ClassifiesVoidAndWrongLines) {
  struct Case {
    std::string line;
    LineKind kind;
  } cases[] = {
      {"", LINE_VOID},
      {"\n", LINE_VOID},
      {" \t \t\r\n", LINE_VOID},
      {"x", LINE_VOID},
      {"  x  \r\n", LINE_VOID},
      {"a  ", LINE_VOID},
      {"ab", LINE_WRONG_FORMAT},
      {"ab  ", LINE_WRONG_FORMAT},
      {"word translation", LINE_WRONG_FORMAT},
      {"word\ttranslation", LINE_WRONG_FORMAT},
      {"word=translation", LINE_WRONG_FORMAT},
      {"word =translation", LINE_WRONG_FORMAT},
      {"word\xA0\xA0translation", LINE_WRONG_FORMAT},
      {std::string("ab\0  cd", 7), LINE_WRONG_FORMAT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parse(c.line).kind, c.kind) << c.line;
}

TEST(ParseLine, RemovesTheFirstDeleteCharacterFromTheWordOnly) {
  Parsed p = parse("ab'c'd  x'y", '\'');
  ASSERT_EQ(p.kind, LINE_ENTRY);
  EXPECT_EQ(p.word, "abc'd");
  EXPECT_EQ(p.word_length, 5u);
  EXPECT_EQ(p.translation, "x'y");

  p = parse("'  x", '\'');
  ASSERT_EQ(p.kind, LINE_ENTRY);
  EXPECT_EQ(p.word, "");
  EXPECT_EQ(p.translation, "x");

  // The separator is found before the removal: deleting a space neither
  // makes nor breaks one.
  p = parse("a b  c", ' ');
  ASSERT_EQ(p.kind, LINE_ENTRY);
  EXPECT_EQ(p.word, "ab");
  EXPECT_EQ(p.translation, "c");
  EXPECT_EQ(parse("a b", ' ').kind, LINE_WRONG_FORMAT);
}

std::FILE* stream_of(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

std::vector<std::string> read_all(const std::string& bytes, bool skip_bom,
                                  std::vector<size_t>* sizes = nullptr) {
  std::FILE* file = stream_of(bytes);
  if (skip_bom) skip_utf8_bom(file);
  LineBuffer buffer;
  std::vector<std::string> lines;
  while (read_line(buffer, file)) {
    lines.emplace_back(buffer.data());
    if (sizes) sizes->push_back(buffer.size());
  }
  std::fclose(file);
  return lines;
}

TEST(ReadLine, DeliversPhysicalLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(read_all("", true), Lines{});
  EXPECT_EQ(read_all("\xEF\xBB\xBF", true), Lines{});
  EXPECT_EQ(read_all("\xEF\xBB\xBF"
                     "a  b\r\nc  d",
                     true),
            (Lines{"a  b\r\n", "c  d"}));
  EXPECT_EQ(read_all("\xEF\xBBx\n", true), (Lines{"\xEF\xBBx\n"}));
  EXPECT_EQ(read_all("\xEF\xBB", true), (Lines{"\xEF\xBB"}));
  EXPECT_EQ(read_all("a\n\nb\n", false), (Lines{"a\n", "\n", "b\n"}));
  EXPECT_EQ(read_all("a\rb\n", false), (Lines{"a\rb\n"}));
  // A NUL ends the text of its line, not the line.
  EXPECT_EQ(read_all(std::string("ab\0cd\nef\n", 9), false), (Lines{"ab", "ef\n"}));
}

TEST(ReadLine, GrowsTheBufferInSteps) {
  struct Case {
    size_t line_bytes;  // line feed included
    size_t size;
  } cases[] = {{1022, 1024}, {1023, 2048}, {2046, 2048}, {2047, 3072}, {5000, 5120}};
  for (const Case& c : cases) {
    const std::string line = std::string(c.line_bytes - 1, 'x') + "\n";
    std::vector<size_t> sizes;
    const auto lines = read_all(line + "short\n", false, &sizes);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], line);
    EXPECT_EQ(lines[1], "short\n");
    EXPECT_EQ(sizes[0], c.size) << c.line_bytes;
    EXPECT_EQ(sizes[1], c.size) << "short lines never shrink it";
  }
}

TEST(ReadLine, ALongLineIsOneLine) {
  const std::string long_line = "w  " + std::string(3000, 't') + "\n";
  const auto lines = read_all("a  b\n" + long_line + "c  d\n", false);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], long_line);
  EXPECT_EQ(lines[2], "c  d\n");
}

}  // namespace
}  // namespace vocarn
