// Runs a fuzz target without libFuzzer, as a normal test: every file in the
// seed folders named on the command line, then a fixed set of mutations of
// each (bytes changed, digits and signs inserted, pieces cut out, the end
// cut off). The target aborts on a broken property, which fails the test.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr int MUTATIONS_PER_SEED = 300;

std::string Mutated(const std::string& seed, std::mt19937& random) {
  std::string input = seed;
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits && !input.empty(); ++i) {
    const size_t at = random() % input.size();
    switch (random() % 5) {
      case 0: input[at] = static_cast<char>(random()); break;
      case 1: input.insert(at, std::string(1 + random() % 12, static_cast<char>('0' + random() % 10))); break;
      case 2: input.insert(at, random() % 2 ? "-" : " "); break;
      case 3: input.erase(at, random() % 40); break;
      case 4: input[at] = static_cast<char>(input[at] ^ (1 << (random() % 8))); break;
    }
  }
  if (!input.empty() && random() % 4 == 0) input.resize(random() % input.size());
  return input;
}

void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> seeds;
  for (int i = 1; i < argc; ++i)
    for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
      if (entry.is_regular_file()) seeds.push_back(entry.path());
  std::sort(seeds.begin(), seeds.end());
  if (seeds.empty()) {
    std::fprintf(stderr, "no seeds found\n");
    return 1;
  }
  std::mt19937 random(1);
  for (const std::filesystem::path& path : seeds) {
    std::ifstream in(path, std::ios::binary);
    const std::string seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Run(seed);
    for (int i = 0; i < MUTATIONS_PER_SEED; ++i) Run(Mutated(seed, random));
  }
  std::printf("%zu seeds and %zu mutations passed\n", seeds.size(), seeds.size() * MUTATIONS_PER_SEED);
  return 0;
}
