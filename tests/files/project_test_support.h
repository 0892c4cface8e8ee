#pragma once
// Helpers of the project-file tests: a scratch folder, fixtures, a window
// that records its caption, and comparisons of everything the reader writes.

#include <gtest/gtest.h>

#include <algorithm>
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

}  // namespace tamrel::testing
