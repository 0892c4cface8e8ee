// A fuzz target without libFuzzer: runs the target once on every file named
// on the command line or held in a folder named there. The regular builds
// use it to run the seed corpora through the targets' checks (GCC, and under
// ASan and UBSan in the sanitize build); a broken invariant aborts.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path p(argv[i]);
    if (fs::is_directory(p)) {
      std::vector<fs::path> inFolder;
      for (const auto& e : fs::directory_iterator(p)) {
        if (e.is_regular_file()) inFolder.push_back(e.path());
      }
      std::sort(inFolder.begin(), inFolder.end());
      files.insert(files.end(), inFolder.begin(), inFolder.end());
    } else if (fs::is_regular_file(p)) {
      files.push_back(p);
    } else {
      std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
      std::exit(2);
    }
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<fs::path> files = Inputs(argc, argv);
  if (files.empty()) {
    std::fprintf(stderr, "no input to run\n");
    return 2;
  }
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "%s\n", f.string().c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs run\n", files.size());
  return 0;
}
