// Fuzz target: the project-file reader. The bytes are the content of a
// project file read over an open project, as the Open command reads it:
//  - a failed read changes nothing of the open project and sets no caption;
//  - a project read, written, read and written again gives the same bytes;
//  - after the calculation Open makes, every usage-factor row drawn keeps
//    the colour rule; the computed project, written, read and written
//    again, gives the same bytes too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_program.h"

namespace tamrel::fuzz {
namespace {

using namespace tamrel::testing;

constexpr const char* kPath = "fuzzed, \"project\".tmr";

// The project open before the read: every variable a file carries, and
// every built-up set, differs from the new-project defaults, so that a
// read that fails halfway cannot go unseen.
const DesignState& OpenProject() {
  static const DesignState open = [] {
    DesignState ds = Started();
    const FileInputs in;
    for (const auto& [name, m] : in.texts) ds.*m = "open project";
    for (const auto& [name, m] : in.integers) ds.*m = 3;
    for (const auto& [name, m] : in.singles) ds.*m = 0.375f;
    for (const auto& [name, m] : in.numbers) ds.*m = Variant(-0.625);
    for (const auto* sets : {&StiffenerSets(), &RingSets()}) {
      for (const auto& set : *sets) {
        for (auto m : set.variants) ds.*m = Variant(1.5);
        ds.*set.last = 2.5f;
      }
    }
    ds.filename = "open.tmr";
    return ds;
  }();
  return open;
}

// A text the program wrote, read back and written again.
std::string WrittenAgain(const std::string& written) {
  try {
    return ProjectFileText(ReadBackText(Started(), written));
  } catch (const ProjectFileError& e) {
    Broken(std::string("a file the program wrote cannot be read back: ") + e.what());
  }
}

void Check(std::string_view content) {
  PictureWindow window;
  DesignState ds = OpenProject();
  ds.mainfrm = &window;
  try {
    ReadProjectFileContent(ds, content, kPath);
  } catch (const ProjectFileError& e) {
    TAMREL_FUZZ_REQUIRE(e.kind() == ProjectFileError::Kind::BadContent, e.what());
    const std::string changed = ProjectBitsDiffer(OpenProject(), ds);
    TAMREL_FUZZ_REQUIRE(changed.empty(), "the failed read changed " + changed + ": " + e.what());
    TAMREL_FUZZ_REQUIRE(ds.stiffnote == OpenProject().stiffnote, e.what());
    TAMREL_FUZZ_REQUIRE(window.captions.empty(), e.what());
    return;
  }
  TAMREL_FUZZ_REQUIRE(ds.filename == kPath, ds.filename);
  TAMREL_FUZZ_REQUIRE(
      window.captions == std::vector<std::string>{std::string("Tamrel DNV: ") + kPath}, "caption");
  TAMREL_FUZZ_REQUIRE(ds.stiffnote == 1, "stiffnote");

  const std::string written = ProjectFileText(ds);
  const std::string again = WrittenAgain(written);
  TAMREL_FUZZ_REQUIRE(again == written,
                      "read and written again: " + FirstDifferentLine(written, again));

  window.Fresh();
  CalculateAsOpenDoes(ds);
  RequireColourRule(ds, window, "after the calculation of Open");

  const std::string saved = ProjectFileText(ds);
  const std::string savedAgain = WrittenAgain(saved);
  TAMREL_FUZZ_REQUIRE(savedAgain == saved,
                      "computed, read and written again: " + FirstDifferentLine(saved, savedAgain));
}

}  // namespace
}  // namespace tamrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamrel::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
