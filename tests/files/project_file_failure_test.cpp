// A read that fails changes nothing; a save that fails keeps the old file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "calc/defaults.h"
#include "files/project_file.h"
#include "files/project_test_support.h"

#if defined(__unix__)
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tamrel {
namespace {

using namespace tamrel::testing;
using ErrKind = ProjectFileError::Kind;

bool RunningAsRoot() {
#if defined(__unix__)
  return ::geteuid() == 0;
#else
  return false;
#endif
}

// What a body run without root reports.
enum Outcome : int {
  kAsExpected = 0,
  kUnexpected = 1,
  kCannotTest = 2,  // the scratch folder is out of reach of an ordinary user
};

// Runs body where file permissions hold: in the test process, or, when the
// tests run as root (who may write anything), in a child process that has
// given up root for the user and group "nobody" (65534). Returns kCannotTest
// when that cannot be arranged.
int RunWithoutRoot(const std::function<int()>& body) {
  if (!RunningAsRoot()) return body();
#if defined(__unix__)
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return kCannotTest;
  if (pid == 0) {
    int code = kCannotTest;
    if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
        ::geteuid() != 0) {
      try {
        code = body();
      } catch (...) {
        code = kUnexpected;
      }
    }
    std::_Exit(code);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return kUnexpected;
  return WEXITSTATUS(status);
#else
  return kCannotTest;
#endif
}

bool CanOpenForWriting(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

bool CanCreateFileIn(const TempDir& dir) {
  const std::string probe = dir.File("probe");
  std::FILE* f = std::fopen(probe.c_str(), "wb");
  if (f == nullptr) return false;
  std::fclose(f);
  return std::remove(probe.c_str()) == 0;
}

// The save fails as CannotSave and leaves filename and the caption alone.
int SaveFailsCleanly(DesignState& ds, const RecordingWindow& window, const std::string& path) {
  const std::string filename = ds.filename;
  try {
    WriteProjectFile(ds, path);
    return kUnexpected;
  } catch (const ProjectFileError& e) {
    const bool clean = e.kind() == ErrKind::CannotSave && e.path() == path &&
                       ds.filename == filename && window.captions.empty();
    return clean ? kAsExpected : kUnexpected;
  }
}

// The open project before each failing read: a file of its own, read in.
DesignState OpenProject(RecordingWindow& window) {
  DesignState ds;
  SetDefaults(ds);
  ds.mainfrm = &window;
  ReadProjectFile(ds, FixturePath("project_170.tmr"));
  window.captions.clear();
  return ds;
}

struct BadFile {
  const char* name;
  int keepLines;        // lines of new_project_170.tmr kept (0: all)
  int line;             // line replaced (0: none)
  const char* text;     // its new text
  const char* message;  // part of the message, after the file's name
};

TEST(ProjectFileFailure, ABadFileChangesNothing) {
  const BadFile cases[] = {
      {"empty file", -1, 0, "", "ends before line 1"},
      {"cut inside the lines", 30, 0, "", "ends before line 31 (format 170 has 59 lines)"},
      {"cut before its last line", 58, 0, "", "ends before line 59"},
      {"format 130 cut before line 50", 49, 1, "130", "ends before line 50"},
      {"format 105 cut before line 49", 48, 1, "105", "ends before line 49"},
      {"text in a number line", 0, 7, "abc", "line 7 (fyp): \"abc\" is not a number"},
      {"text after a number", 0, 34, "3333 mm", "line 34 (cylr): \"3333 mm\" is not a number"},
      {"empty number line", 0, 36, "", "line 36 (Sigx): no number"},
      {"text in an integer line", 0, 12, "two", "line 12 (cyltype): \"two\" is not a number"},
      {"version that is not a number", 0, 1, "v170", "line 1 (filever)"},
      {"integer above the range", 0, 4, "40000",
       "line 4 (matp): \"40000\" is outside -32768..32767"},
      {"integer below the range", 0, 59, "-32769", "line 59 (odmom): \"-32769\" is outside"},
      {"version out of range", 0, 1, "70000", "line 1 (filever): \"70000\" is outside"},
      {"single beyond its range", 0, 28, "1E+39", "line 28 (emod): \"1E+39\" is beyond the range"},
      {"double beyond its range", 0, 52, "1E+999", "line 52 (naxial): \"1E+999\" is beyond"},
      // The text shown is cut before a whole letter, never inside one.
      {"long text with a letter across the cut", 0, 7,
       "777777777777777777777777777777777777777\xC3\xA9 and more",
       "line 7 (fyp): \"777777777777777777777777777777777777777...\" is not a number"},
  };
  const auto good = SplitCrLf(ReadBytes(FixturePath("new_project_170.tmr")));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = good;
    if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    if (c.keepLines < 0) lines.clear();
    if (c.keepLines > 0) lines.resize(static_cast<std::size_t>(c.keepLines));
    TempDir dir;
    const std::string path = dir.File("bad.tmr");
    WriteBytes(path, JoinCrLf(lines));

    RecordingWindow window;
    DesignState ds = OpenProject(window);
    const DesignState before = ds;
    try {
      ReadProjectFile(ds, path);
      ADD_FAILURE() << "the read succeeded";
    } catch (const ProjectFileError& e) {
      EXPECT_EQ(e.kind(), ErrKind::BadContent);
      EXPECT_EQ(e.path(), path);
      EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    ExpectSameProject(before, ds);
    EXPECT_EQ(ds.fileverin, before.fileverin);
    EXPECT_EQ(ds.stiffnote, before.stiffnote);
    EXPECT_TRUE(window.captions.empty());
  }
}

TEST(ProjectFileFailure, AMissingFileIsToldApart) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const DesignState before = ds;
  TempDir dir;
  const std::string path = dir.File("gone.tmr");
  try {
    ReadProjectFile(ds, path);
    ADD_FAILURE() << "the read succeeded";
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.kind(), ErrKind::NotFound);
    EXPECT_EQ(e.path(), path);
  }
  ExpectSameProject(before, ds);
  EXPECT_TRUE(window.captions.empty());

  // A folder in place of the file is another failure.
  try {
    ReadProjectFile(ds, dir.path().string());
    ADD_FAILURE() << "the read succeeded";
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.kind(), ErrKind::ReadFailed);
  }
  ExpectSameProject(before, ds);
}

// A save that fails: CannotSave, filename and caption unchanged, nothing left behind.
void ExpectSaveFails(DesignState& ds, const RecordingWindow& window, const std::string& path) {
  const std::string filename = ds.filename;
  try {
    WriteProjectFile(ds, path);
    ADD_FAILURE() << "the save succeeded";
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.kind(), ErrKind::CannotSave);
    EXPECT_EQ(e.path(), path);
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_EQ(ds.filename, filename);
  EXPECT_TRUE(window.captions.empty());
}

TEST(ProjectFileFailure, SaveIntoAFolderThatDoesNotExist) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  ExpectSaveFails(ds, window, dir.File("no such folder/p.tmr"));
  WriteBytes(dir.File("a file"), "x");
  ExpectSaveFails(ds, window, dir.File("a file/p.tmr"));  // a file where a folder should be
  ExpectSaveFails(ds, window, dir.path().string());       // a folder where the file should be
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"a file"});
  EXPECT_EQ(ReadBytes(dir.File("a file")), "x");
}

// A folder the user may not write: the old file (which itself could be
// written) stays as it was, and no temporary file is left.
TEST(ProjectFileFailure, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  WriteBytes(path, "the old project");
  constexpr auto kAllReadWrite = fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::group_write |
                                 fs::perms::others_read | fs::perms::others_write;
  fs::permissions(path, kAllReadWrite);
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  const int outcome = RunWithoutRoot([&] {
    if (!CanOpenForWriting(path) || CanCreateFileIn(dir)) return int{kCannotTest};
    return SaveFailsCleanly(ds, window, path);
  });
  fs::permissions(dir.path(), fs::perms::owner_all);
  if (outcome == kCannotTest) GTEST_SKIP() << "no user without root can reach the folder";
  EXPECT_EQ(outcome, kAsExpected);
  EXPECT_EQ(ReadBytes(path), "the old project");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
}

// A read-only file in a folder the user may write is not replaced behind
// the user's back either.
TEST(ProjectFileFailure, AReadOnlyFileIsNotReplaced) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  WriteBytes(path, "the old project");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir.path(), fs::perms::all);
  const int outcome = RunWithoutRoot([&] {
    if (CanOpenForWriting(path) || !CanCreateFileIn(dir)) return int{kCannotTest};
    return SaveFailsCleanly(ds, window, path);
  });
  if (outcome == kCannotTest) GTEST_SKIP() << "no user without root can reach the folder";
  EXPECT_EQ(outcome, kAsExpected);
  EXPECT_EQ(ReadBytes(path), "the old project");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
}

// A file that cannot be read: not a missing file, and nothing changes.
TEST(ProjectFileFailure, AnUnreadableFile) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const DesignState before = ds;
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  WriteBytes(path, ReadBytes(FixturePath("new_project_170.tmr")));
  fs::permissions(path, fs::perms::none);
  const int outcome = RunWithoutRoot([&] {
    if (!fs::exists(path)) return int{kCannotTest};
    try {
      ReadProjectFile(ds, path);
      return int{kUnexpected};
    } catch (const ProjectFileError& e) {
      if (e.kind() != ErrKind::ReadFailed) return int{kUnexpected};
    }
    return ds.filename == before.filename && ds.proj == before.proj && window.captions.empty()
               ? int{kAsExpected}
               : int{kUnexpected};
  });
  if (outcome == kCannotTest) GTEST_SKIP() << "no user without root can reach the folder";
  EXPECT_EQ(outcome, kAsExpected);
  ExpectSameProject(before, ds);
}

}  // namespace
}  // namespace tamrel
