#pragma once
// Helpers of the project-file tests: a scratch folder, fixtures, a window
// that records its caption, and comparisons of everything the reader writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "calc/design_state.h"
#include "calc/window.h"
#include "files/project_inputs.h"

namespace tamrel::testing {

namespace fs = std::filesystem;

inline std::string FixturePath(const std::string& name) {
  return std::string(TAMREL_FIXTURE_DIR) + "/project/" + name;
}

inline std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A scratch folder of its own, removed at the end.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() /
            ("tamrel-files-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Names of everything in the folder.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};

class RecordingWindow : public NullWindow {
 public:
  std::vector<std::string> captions;
  void SetWindowCaption(const std::string& caption) override { captions.push_back(caption); }
};

inline ::testing::AssertionResult SameVariant(const Variant& expected, const Variant& actual) {
  if (expected.SameAs(actual)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "expected kind " << static_cast<int>(expected.kind()) << " value " << expected.value()
         << ", got kind " << static_cast<int>(actual.kind()) << " value " << actual.value();
}

inline void ExpectSameBuiltUpSets(const DesignState& expected, const DesignState& actual) {
  for (const auto* sets : {&StiffenerSets(), &RingSets()}) {
    for (const auto& set : *sets) {
      SCOPED_TRACE(set.name);
      for (auto m : set.variants) EXPECT_TRUE(SameVariant(expected.*m, actual.*m));
      EXPECT_EQ(expected.*set.last, actual.*set.last);
    }
  }
}

// Everything the reader may write: the file's variables, the built-up sets,
// filename and fileverin.
inline void ExpectSameProject(const DesignState& expected, const DesignState& actual) {
  const FileInputs in;
  for (const auto& [name, m] : in.texts) EXPECT_EQ(expected.*m, actual.*m) << name;
  for (const auto& [name, m] : in.integers) EXPECT_EQ(expected.*m, actual.*m) << name;
  for (const auto& [name, m] : in.singles) EXPECT_EQ(expected.*m, actual.*m) << name;
  for (const auto& [name, m] : in.numbers) EXPECT_TRUE(SameVariant(expected.*m, actual.*m)) << name;
  EXPECT_EQ(expected.filename, actual.filename);
  ExpectSameBuiltUpSets(expected, actual);
}

// A folder under base whose path has exactly `length` characters, made of
// names of at most 200 characters.
inline fs::path DeepFolder(const fs::path& base, std::size_t length) {
  fs::path p = base;
  while (p.string().size() + 1 < length) {
    const std::size_t remaining = length - p.string().size();
    const std::size_t name = remaining > 201 ? std::min<std::size_t>(200, remaining - 3)
                                             : remaining - 1;  // one for the separator
    p /= std::string(name, 'd');
  }
  fs::create_directories(p);
  return p;
}

// A project path a few characters short of the system's path limit: the
// file name fits, the save's temporary name (24 characters) does not.
struct PathAtTheLimit {
  TempDir dir;
  fs::path folder;
  std::string path;
  explicit PathAtTheLimit(const std::string& name = "p.tmr") {
    folder = DeepFolder(dir.path(), PATH_MAX - 4 - 1 - name.size());
    path = (folder / name).string();
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
};

}  // namespace tamrel::testing
