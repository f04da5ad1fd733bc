// The text services on the packer's hot path: code page round trips and
// collation keys.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "text/code_page.h"
#include "text/collation.h"

namespace {

// Russian-like 1251 words: Cyrillic syllables, some capitalised.
std::vector<std::string> make_words(size_t count) {
  const std::string consonants = "\xE1\xE2\xE3\xE4\xE6\xE7\xEA\xEB\xEC\xED\xEF\xF0\xF1\xF2";
  const std::string vowels = "\xE0\xE5\xB8\xE8\xEE\xF3\xFB\xFD\xFE\xFF";
  std::mt19937 random(2026);
  std::vector<std::string> words(count);
  for (std::string& w : words) {
    const int syllables = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < syllables; ++i) {
      w += consonants[random() % consonants.size()];
      w += vowels[random() % vowels.size()];
    }
    if (random() % 10 == 0) w[0] = static_cast<char>(w[0] - 32);
  }
  return words;
}

void BM_RoundTrip1251(benchmark::State& state) {
  // A translation-sized text of about 160 bytes of mixed Cyrillic and Latin.
  std::string text;
  for (const std::string& w : make_words(20)) text += w + " tree, ";
  std::u16string wide;
  std::string back;
  for (auto _ : state) {
    vocarn::decode_code_page(text, 1251, wide);
    vocarn::encode_code_page(wide, 1251, back);
    benchmark::DoNotOptimize(back.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RoundTrip1251);

void BM_CollationKeys500k(benchmark::State& state) {
  const std::vector<std::string> words = make_words(500000);
  std::vector<std::u16string> wide(words.size());
  for (size_t i = 0; i < words.size(); ++i) vocarn::decode_code_page(words[i], 1251, wide[i]);
  vocarn::collation_lcid = 25;
  std::string keys;
  for (auto _ : state) {
    keys.clear();
    for (const std::u16string& w : wide) vocarn::append_collation_key(w.c_str(), keys);
    benchmark::DoNotOptimize(keys.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * wide.size()));
}
BENCHMARK(BM_CollationKeys500k)->Unit(benchmark::kMillisecond);

}  // namespace
