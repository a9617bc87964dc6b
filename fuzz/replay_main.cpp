// Runs a fuzz target without libFuzzer: every file of the corpus
// directories named on the command line, then a fixed number of
// pseudo-random inputs (fixed seed, so a failure repeats) made by mutating
// the corpus.  Used by the tests in every build; the coverage-guided runs
// use the same targets linked with libFuzzer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  std::vector<std::vector<uint8_t>> corpus;
  long runs = 20000;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("-runs=", 0) == 0) {
      runs = std::atol(a.c_str() + 6);
      continue;
    }
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(a)) {
      for (const auto& e : std::filesystem::directory_iterator(a)) files.push_back(e.path());
    } else {
      files.emplace_back(a);
    }
    for (const auto& p : files) {
      std::ifstream in(p, std::ios::binary);
      corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  for (const auto& c : corpus) LLVMFuzzerTestOneInput(c.data(), c.size());
  if (corpus.empty()) corpus.emplace_back();

  uint64_t state = 0x9E3779B97F4A7C15ull;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  std::vector<uint8_t> buf;
  for (long r = 0; r < runs; ++r) {
    buf = corpus[next() % corpus.size()];
    const int edits = 1 + static_cast<int>(next() % 8);
    for (int e = 0; e < edits; ++e) {
      const uint64_t x = next();
      switch (x % 4) {
        case 0:  // overwrite a byte
          if (!buf.empty()) buf[(x >> 8) % buf.size()] = static_cast<uint8_t>(x >> 32);
          break;
        case 1:  // insert a byte
          buf.insert(buf.begin() + static_cast<long>(buf.empty() ? 0 : (x >> 8) % buf.size()),
                     static_cast<uint8_t>(x >> 40));
          break;
        case 2:  // cut the tail
          if (!buf.empty()) buf.resize((x >> 8) % buf.size());
          break;
        default:  // append random bytes
          for (int k = 0; k < 8; ++k) buf.push_back(static_cast<uint8_t>(next()));
      }
    }
    LLVMFuzzerTestOneInput(buf.data(), buf.size());
  }
  std::printf("%zu corpus inputs and %ld generated inputs ran\n", corpus.size(), runs);
  return 0;
}
