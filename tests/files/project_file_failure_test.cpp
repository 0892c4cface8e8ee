// A read that fails changes nothing; a save that fails keeps the old file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/defaults.h"
#include "files/child_process.h"
#include "files/file_attributes.h"
#include "files/project_file.h"
#include "files/project_test_support.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tamrel {
namespace {

using namespace tamrel::testing;
using namespace std::string_literals;
using ErrKind = ProjectFileError::Kind;

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

// A copy of the project saved to path: the save succeeds and names the
// project and the caption after the path.
bool SaveSucceeds(const DesignState& ds, const std::string& path) {
  DesignState saving = ds;
  RecordingWindow savingWindow;
  saving.mainfrm = &savingWindow;
  try {
    WriteProjectFile(saving, path);
  } catch (const ProjectFileError&) {
    return false;
  }
  return saving.filename == path && savingWindow.captions.size() == 1;
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
  std::string text;     // its new text
  std::string message;  // the whole message, the file's name as <file>
};

// The lines written as a file and read over the open project: the read
// must fail as bad content whose message begins with the file's name, and
// leave the project, its format, its report switch and the caption as
// they were. Returns the message with the file's name written as <file>
// ("" when the read succeeded).
std::string RefusedRead(const std::vector<std::string>& lines) {
  TempDir dir;
  const std::string path = dir.File("bad.tmr");
  WriteBytes(path, JoinCrLf(lines));
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const DesignState before = ds;
  std::string msg;
  try {
    ReadProjectFile(ds, path);
    ADD_FAILURE() << "the read succeeded";
  } catch (const ProjectFileError& e) {
    msg = e.what();
    EXPECT_EQ(e.kind(), ErrKind::BadContent);
    EXPECT_EQ(e.path(), path);
    const std::string named = "\"" + path + "\"";
    EXPECT_EQ(msg.substr(0, named.size()), named) << msg;
    if (msg.substr(0, named.size()) == named) msg = "\"<file>\"" + msg.substr(named.size());
  }
  ExpectSameProject(before, ds);
  EXPECT_EQ(ds.fileverin, before.fileverin);
  EXPECT_EQ(ds.stiffnote, before.stiffnote);
  EXPECT_TRUE(window.captions.empty());
  return msg;
}

TEST(ProjectFileFailure, ABadFileChangesNothing) {
  const std::string d37(37, '7');
  const std::string d39(39, '7');
  const BadFile cases[] = {
      {"empty file", -1, 0, "", R"("<file>" ends before line 1)"},
      {"cut inside the lines", 30, 0, "",
       R"("<file>" ends before line 31 (format 170 has 59 lines))"},
      {"cut before its last line", 58, 0, "",
       R"("<file>" ends before line 59 (format 170 has 59 lines))"},
      {"format 130 cut before line 50", 49, 1, "130",
       R"("<file>" ends before line 50 (format 130 has 50 lines))"},
      {"format 105 cut before line 49", 48, 1, "105",
       R"("<file>" ends before line 49 (format 105 has 49 lines))"},
      {"text in a number line", 0, 7, "abc", R"("<file>", line 7 (fyp): "abc" is not a number)"},
      {"text after a number", 0, 34, "3333 mm",
       R"("<file>", line 34 (cylr): "3333 mm" is not a number)"},
      {"empty number line", 0, 36, "", R"("<file>", line 36 (Sigx): no number)"},
      {"text in an integer line", 0, 12, "two",
       R"("<file>", line 12 (cyltype): "two" is not a number)"},
      {"version that is not a number", 0, 1, "v170",
       R"("<file>", line 1 (filever): "v170" is not a number)"},
      {"integer above the range", 0, 4, "40000",
       R"("<file>", line 4 (matp): "40000" is outside -32768..32767)"},
      {"integer below the range", 0, 59, "-32769",
       R"("<file>", line 59 (odmom): "-32769" is outside -32768..32767)"},
      {"version out of range", 0, 1, "70000",
       R"("<file>", line 1 (filever): "70000" is outside -32768..32767)"},
      {"single beyond its range", 0, 28, "1E+39",
       R"("<file>", line 28 (emod): "1E+39" is beyond the range of the number)"},
      {"double beyond its range", 0, 52, "1E+999",
       R"("<file>", line 52 (naxial): "1E+999" is beyond the range of the number)"},
      // The text shown is cut before a whole letter, never inside one, nor
      // inside the escape of a character.
      {"long text with a letter across the cut", 0, 7, d39 + "\xC3\xA9 and more",
       R"("<file>", line 7 (fyp): ")" + d39 + R"(..." is not a number)"},
      {"an override ending at the cut", 0, 7,
       d37 + "\xE2\x80\xAE"
             "7",
       R"("<file>", line 7 (fyp): ")" + d37 + R"(\u{202E}..." is not a number)"},
      // A NUL or another control character is shown, and the message goes on after it.
      {"NUL in the version line", 0, 1, "170\0"s,
       R"("<file>", line 1 (filever): "170\0" is not a number)"},
      {"NUL inside a number", 0, 34,
       "33\0\x01"
       "33"s,
       R"("<file>", line 34 (cylr): "33\0\x0133" is not a number)"},
      // Text that looks like an escape is not one: its backslash is doubled.
      {"a backslash and a zero", 0, 34, R"(33\0)",
       R"("<file>", line 34 (cylr): "33\\0" is not a number)"},
      {"a backslash and an x escape", 0, 34, R"(33\x0133)",
       R"("<file>", line 34 (cylr): "33\\x0133" is not a number)"},
      {"a double quote", 0, 7, R"(1" is fine; "x)",
       R"("<file>", line 7 (fyp): "1\" is fine; \"x" is not a number)"},
      // Characters that would hide themselves or turn the message around.
      {"a C1 control", 0, 7, "235\xC2\x85",
       R"("<file>", line 7 (fyp): "235\u{85}" is not a number)"},
      {"a right-to-left override", 0, 7, "235\xE2\x80\xAE mm",
       R"("<file>", line 7 (fyp): "235\u{202E} mm" is not a number)"},
      {"isolates", 0, 34,
       "\xE2\x81\xA7"
       "3333\xE2\x81\xA9",
       R"("<file>", line 34 (cylr): "\u{2067}3333\u{2069}" is not a number)"},
      // A file that is no UTF-8 is read as Windows-1252: the five bytes that
      // code page leaves undefined are C1 controls then.
      {"undefined bytes of Windows-1252", 0, 7, "235\x81\x8D\x8F\x90\x9D",
       R"("<file>", line 7 (fyp): "235\u{81}\u{8D}\u{8F}\u{90}\u{9D}" is not a number)"},
  };
  const auto good = SplitCrLf(ReadBytes(FixturePath("new_project_170.tmr")));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = good;
    if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = std::string(c.text);
    if (c.keepLines < 0) lines.clear();
    if (c.keepLines > 0) lines.resize(static_cast<std::size_t>(c.keepLines));
    const std::string msg = RefusedRead(lines);
    EXPECT_EQ(msg, c.message);
    EXPECT_EQ(msg.find('\0'), std::string::npos) << msg;
  }
}

// A number line holding an infinity or a NaN, in any spelling the number
// reader knows, is refused as a number out of range is: the message names
// the line, the open project stays as it was. Lines of every number kind:
// 28 (emod) and 34 (cylr) single, 30 (ringspacing) and 36 (Sigx) variant,
// 12 (cyltype) integer.
TEST(ProjectFileFailure, NonFiniteNumbersAreNoProjectContent) {
  struct Line {
    int n;
    const char* name;
  };
  const Line lines[] = {
      {28, "emod"}, {34, "cylr"}, {30, "ringspacing"}, {36, "Sigx"}, {12, "cyltype"}};
  struct Spelling {
    const char* text;
    bool infinite;  // beyond the range; otherwise not a number
  };
  const Spelling spellings[] = {
      {"NaN", false},    {"nan", false},     {"-nan", false},     {"NAN(123)", false},
      {"nan()", false},  {"+nan", false},    {"INF", true},       {"-inf", true},
      {"+Inf", true},    {"Infinity", true}, {"-INFINITY", true}, {"infinity", true},
      {"  inf  ", true}, {"inf,12", true},
  };
  const auto good = SplitCrLf(ReadBytes(FixturePath("new_project_170.tmr")));
  for (const Line& l : lines) {
    for (const Spelling& sp : spellings) {
      SCOPED_TRACE(std::string("line ") + std::to_string(l.n) + ": " + sp.text);
      std::vector<std::string> text = good;
      text[static_cast<std::size_t>(l.n - 1)] = sp.text;
      const std::string msg = RefusedRead(text);
      EXPECT_NE(msg.find("\", line " + std::to_string(l.n) + " (" + l.name + "): "),
                std::string::npos)
          << msg;
      const bool integer = l.n == 12;
      const char* why = sp.infinite
                            ? (integer ? " is outside -32768..32767" : " is beyond the range")
                            : " is not a number";
      EXPECT_NE(msg.find(why), std::string::npos) << msg;
    }
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

// A save that fails: CannotSave, filename and caption unchanged. Returns
// the message.
std::string ExpectSaveFails(DesignState& ds, const RecordingWindow& window, const std::string& path,
                            FileReplaceCalls& calls = SystemFileReplaceCalls(),
                            bool* damaged = nullptr) {
  const std::string filename = ds.filename;
  std::string message;
  try {
    WriteProjectFile(ds, path, calls);
    ADD_FAILURE() << "the save succeeded";
  } catch (const ProjectFileError& e) {
    EXPECT_EQ(e.kind(), ErrKind::CannotSave);
    EXPECT_EQ(e.path(), path);
    if (damaged != nullptr) *damaged = e.fileMayBeDamaged();
    message = e.what();
    EXPECT_NE(message.find(path), std::string::npos) << message;
  }
  EXPECT_EQ(ds.filename, filename);
  EXPECT_TRUE(window.captions.empty());
  return message;
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

// A folder the user may not write: no temporary file can be made beside the
// project, but the project file itself may be written, so it is written in
// place (cut to the new length), keeps its mode, and nothing else appears.
// A new file cannot be made there: that save fails and leaves nothing.
TEST(ProjectFileFailure, SaveIntoAReadOnlyFolderWritesTheFileInPlace) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  constexpr auto kAllReadWrite = fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::group_write |
                                 fs::perms::others_read | fs::perms::others_write;
  const std::string text = ProjectFileText(ds);
  for (const std::string& old : {std::string("the old project"), std::string(5000, 'x')}) {
    SCOPED_TRACE(old.size());
    fs::permissions(dir.path(), fs::perms::owner_all);
    WriteBytes(path, old);
    fs::permissions(path, kAllReadWrite);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const int outcome = RunWithoutRoot([&] {
      if (!CanOpenForWriting(path) || CanCreateFileIn(dir)) return int{kCannotTest};
      if (!SaveSucceeds(ds, path)) return int{kUnexpected};
      return SaveFailsCleanly(ds, window, dir.File("new.tmr"));
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (outcome == kCannotTest) GTEST_SKIP() << "no user without root can reach the folder";
    EXPECT_EQ(outcome, kAsExpected);
    EXPECT_EQ(ReadBytes(path), text);
    EXPECT_EQ(fs::status(path).permissions(), kAllReadWrite);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
  }
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

// ---- Saves that cannot make a temporary file beside the project ----

TEST(ProjectFileFailure, SaveAtThePathLengthLimit) {
  PathAtTheLimit at;
  ASSERT_EQ(at.path.size(), std::size_t{PATH_MAX - 4});
  ASSERT_GE((at.folder / ".tamrel-000000000000.tmp").string().size(), std::size_t{PATH_MAX});
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  // A new file, then over an old file longer than the project.
  WriteProjectFile(ds, at.path);
  EXPECT_EQ(ReadBytes(at.path), ProjectFileText(ds));
  EXPECT_EQ(ds.filename, at.path);
  ASSERT_EQ(window.captions.size(), 1u);
  EXPECT_EQ(window.captions[0], "Tamrel DNV: " + at.path);
  WriteBytes(at.path, std::string(5000, 'x'));
  ds.proj = "Tank 2";
  WriteProjectFile(ds, at.path);
  EXPECT_EQ(ReadBytes(at.path), ProjectFileText(ds));
  EXPECT_EQ(at.Entries(), std::vector<std::string>{"p.tmr"});
  DesignState back;
  SetDefaults(back);
  ReadProjectFile(back, at.path);
  EXPECT_EQ(back.proj, "Tank 2");

  // A file name of the longest length a name may have: its temporary file
  // (a short name of its own) is made as usual.
  TempDir dir;
  const std::string longest = dir.File(std::string(NAME_MAX - 4, 'n') + ".tmr");
  WriteProjectFile(ds, longest);
  EXPECT_EQ(ReadBytes(longest), ProjectFileText(ds));
  EXPECT_EQ(dir.Entries().size(), 1u);
}

// The system's calls, on a disk that fills: the first write of the new
// content takes half of it, the next fails (ENOSPC); the writes after that
// (the old content written back) succeed, or fail too with restoreFails.
struct FillingDisk : FileReplaceCalls {
  bool restoreFails = false;
  int newWrites = 0;  // writes of the new content
  int oldWrites = 0;  // writes after the disk filled
  bool full = false;
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (!full) {
      if (newWrites++ == 0) return FileReplaceCalls::Write(fd, data, size / 2);
      full = true;
      errno = ENOSPC;
      return -1;
    }
    ++oldWrites;
    if (restoreFails) {
      errno = ENOSPC;
      return -1;
    }
    return FileReplaceCalls::Write(fd, data, size);
  }
};

// A write in place that fails: the old content is written back (also over
// the part of a longer new content already written, and cut to its own
// length again), the save is reported as failed, filename and caption stay.
// A file that was not there before is removed again.
TEST(ProjectFileFailure, AFailedWriteInPlaceWritesTheOldContentBack) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  struct Case {
    const char* name;
    std::optional<std::string> old;  // none: no file before the save
    bool restoreFails;
  };
  const Case cases[] = {
      {"old content shorter", std::string("the old project"), false},
      {"old content longer", std::string(5000, 'o'), false},
      {"no file before", std::nullopt, false},
      {"writing back fails too", std::string("the old project"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PathAtTheLimit at;
    if (c.old) WriteBytes(at.path, *c.old);
    FillingDisk calls;
    calls.restoreFails = c.restoreFails;
    bool damaged = false;
    const std::string message = ExpectSaveFails(ds, window, at.path, calls, &damaged);
    if (c.restoreFails) {
      EXPECT_NE(message.find("could not be written back"), std::string::npos) << message;
    }
    EXPECT_EQ(damaged, c.restoreFails);
    EXPECT_EQ(calls.newWrites, 2);  // half of it, then the disk is full
    if (!c.old) {
      EXPECT_EQ(calls.oldWrites, 0);
      EXPECT_TRUE(at.Entries().empty());
    } else if (!c.restoreFails) {
      EXPECT_EQ(calls.oldWrites, 1);
      EXPECT_EQ(ReadBytes(at.path), *c.old);
      EXPECT_EQ(at.Entries(), std::vector<std::string>{"p.tmr"});
    }
  }
}

// The same with a real failure: under a file-size limit (as on a full
// disk) a project that fits is saved in place; a larger one stops part of
// the way, and the project saved before is written back whole.
TEST(ProjectFileFailure, AWriteInPlaceStoppedByTheFileSizeLimit) {
#if defined(__unix__)
  PathAtTheLimit at;
  WriteBytes(at.path, "the old project");
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const std::string fits = ProjectFileText(ds);
  ASSERT_LT(fits.size(), 1024u);
  const int outcome = RunUnderFileSizeLimit(1024, false, [&] {
    try {
      WriteProjectFile(ds, at.path);
      ds.proj = std::string(3000, 'p');  // past the limit
      WriteProjectFile(ds, at.path);
    } catch (const ProjectFileError& e) {
      if (e.kind() == ErrKind::CannotSave && ReadBytes(at.path) == fits) return int{kAsExpected};
    }
    return int{kUnexpected};
  });
  EXPECT_EQ(outcome, kAsExpected);
  EXPECT_EQ(ReadBytes(at.path), fits);
  EXPECT_EQ(at.Entries(), std::vector<std::string>{"p.tmr"});
#else
  GTEST_SKIP() << "no file-size limit to set";
#endif
}

// Both writes of a save in place stopped by the file-size limit: the new
// project and the old content are both larger than the limit allows, so
// neither can be written whole and the save says the file may be damaged.
TEST(ProjectFileFailure, ASaveInPlaceWhoseWriteBackFailsTooSaysSo) {
#if defined(__unix__)
  PathAtTheLimit at;
  const std::string old(3000, 'o');
  WriteBytes(at.path, old);
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  ds.proj = std::string(3000, 'p');
  const int outcome = RunUnderFileSizeLimit(1024, false, [&] {
    try {
      WriteProjectFile(ds, at.path);
    } catch (const ProjectFileError& e) {
      const bool said =
          e.fileMayBeDamaged() &&
          std::string(e.what()).find("could not be written back") != std::string::npos;
      return said && ds.filename != at.path ? int{kAsExpected} : int{kUnexpected};
    }
    return int{kUnexpected};
  });
  EXPECT_EQ(outcome, kAsExpected);
  EXPECT_EQ(at.Entries(), std::vector<std::string>{"p.tmr"});
#else
  GTEST_SKIP() << "no file-size limit to set";
#endif
}

// ---- Saves that must keep the file what it was ----

struct FileIdentity {
  ino_t inode = 0;
  nlink_t links = 0;
  uid_t owner = 0;
  gid_t group = 0;
  mode_t mode = 0;
};

FileIdentity IdentityOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return {st.st_ino, st.st_nlink, st.st_uid, st.st_gid, st.st_mode & 07777};
}

// The file at the path still belongs to whom it belonged, with its mode.
void ExpectSameOwnerGroupMode(const FileIdentity& after, const FileIdentity& before) {
  EXPECT_EQ(after.owner, before.owner);
  EXPECT_EQ(after.group, before.group);
  EXPECT_EQ(after.mode, before.mode);
}

// A user and a group that the scratch files may belong to other than the
// saving user's ("nobody", 65534, when the tests give up root).
constexpr uid_t kOtherUser = 4321;
constexpr gid_t kOtherGroup = 4322;
constexpr gid_t kNobodyGroup = 65534;

// Files and folders of other users and groups, saved by a user who may
// write the file but does not own it (nobody, through the file's group or
// its mode), and by root. The owner, group and mode stay as they were, and
// where a new file could not keep them the file is written in place (the
// same file, inode and all). Needs root to make files of other users.
TEST(ProjectFileFailure, SavesInSharedFoldersKeepOwnerGroupAndMode) {
  if (!RunningAsRoot()) {
    GTEST_SKIP() << "needs root: files of another user and group cannot be made without it";
  }
  struct Case {
    const char* name;
    mode_t folderMode;
    uid_t owner;
    gid_t group;
    mode_t mode;
    bool asRoot;    // saved by root, else by nobody
    bool sameFile;  // the save must keep the inode (written in place)
  };
  const Case cases[] = {
      {"sticky folder, another user's file, nobody's group", 01777, kOtherUser, kNobodyGroup, 0664,
       false, true},
      {"sticky folder, a file any user may write", 01777, kOtherUser, kOtherGroup, 0666, false,
       true},
      {"group-writable file of another user in a shared folder", 0777, kOtherUser, kNobodyGroup,
       0664, false, true},
      {"the saving user's own file of another group", 0777, 65534, kOtherGroup, 0640, false, true},
      {"root saves another user's file", 0755, kOtherUser, kOtherGroup, 0640, true, false},
      {"root saves in a sticky folder", 01777, kOtherUser, kOtherGroup, 0604, true, false},
  };
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const std::string text = ProjectFileText(ds);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("p.tmr");
    WriteBytes(path, "the old project");
    ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0);
    const FileIdentity before = IdentityOf(path);
    const auto save = [&] { return SaveSucceeds(ds, path) ? int{kAsExpected} : int{kUnexpected}; };
    const int outcome = c.asRoot ? save() : RunWithoutRoot(save);
    ASSERT_NE(outcome, kCannotTest);
    EXPECT_EQ(outcome, kAsExpected);
    EXPECT_EQ(ReadBytes(path), text);
    const FileIdentity after = IdentityOf(path);
    ExpectSameOwnerGroupMode(after, before);
    if (c.sameFile) {
      EXPECT_EQ(after.inode, before.inode);
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
  }
}

// A project larger than the file-size limit allows, saved by a program
// that finds SIGXFSZ at its default action: the save fails as on a full
// disk, and the program goes on. The old file stays byte for byte, owner,
// group and mode included, with nothing beside it: in its own folder the
// temporary file cut at the limit is removed; in place (another user's
// file in a sticky folder, saved by nobody) the old content is written back.
TEST(ProjectFileFailure, ASaveBeyondTheFileSizeLimitFailsAndKeepsTheFile) {
  struct Case {
    const char* name;
    bool sticky;  // another user's file in a sticky folder (needs root to make)
  };
  const Case cases[] = {{"own folder", false}, {"in place, sticky folder", true}};
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  ds.proj = std::string(3000, 'p');
  const std::string old = "the old project";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.sticky && !RunningAsRoot()) {
      std::printf("skipped \"%s\": needs root to make a file of another user\n", c.name);
      continue;
    }
    TempDir dir;
    const std::string path = dir.File("p.tmr");
    WriteBytes(path, old);
    if (c.sticky) {
      ASSERT_EQ(::chown(path.c_str(), kOtherUser, kNobodyGroup), 0);
      ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
      ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
    }
    const FileIdentity before = IdentityOf(path);
    const int outcome =
        RunUnderFileSizeLimit(1024, c.sticky, [&] { return SaveFailsCleanly(ds, window, path); });
    EXPECT_EQ(outcome, kAsExpected);
    EXPECT_EQ(ReadBytes(path), old);
    const FileIdentity after = IdentityOf(path);
    EXPECT_EQ(after.inode, before.inode);
    ExpectSameOwnerGroupMode(after, before);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
  }
}

// A file with several names (hard links) stays one file under all of them,
// whoever saves it.
TEST(ProjectFileFailure, AHardLinkedFileStaysOneFile) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  const std::string other = dir.File("other name.tmr");
  WriteBytes(path, "the old project");
  fs::create_hard_link(path, other);
  const FileIdentity before = IdentityOf(path);
  WriteProjectFile(ds, path);
  EXPECT_EQ(ReadBytes(path), ProjectFileText(ds));
  EXPECT_EQ(ReadBytes(other), ProjectFileText(ds));
  EXPECT_EQ(IdentityOf(path).inode, before.inode);
  EXPECT_EQ(IdentityOf(other).inode, before.inode);
  EXPECT_EQ(IdentityOf(path).links, nlink_t{2});
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"other name.tmr", "p.tmr"}));
}

// A save through symbolic links writes the file the chain ends in, also one
// that does not exist yet, and every link stays a link. A loop of links is
// refused and stays as it is.
TEST(ProjectFileFailure, SavesThroughLinksWriteTheFileTheyName) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  const std::string text = ProjectFileText(ds);
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link, what it names
    const char* saved;                                       // path saved to
    const char* written;                                     // the file that must hold it
    bool oldFile;                                            // written holds a file before
  };
  const Case cases[] = {
      {"link to a file", {{"p.tmr", "real.tmr"}}, "p.tmr", "real.tmr", true},
      {"link to a missing file", {{"p.tmr", "real.tmr"}}, "p.tmr", "real.tmr", false},
      {"chain of links to a missing file",
       {{"p.tmr", "sub/q.tmr"}, {"sub/q.tmr", "../real.tmr"}},
       "p.tmr",
       "real.tmr",
       false},
      {"absolute link into a folder",
       {{"p.tmr", "@/sub/real.tmr"}},
       "p.tmr",
       "sub/real.tmr",
       false},
      // ".." after a link to a folder is that folder's parent, as the system
      // resolves it, not the folder that holds the link.
      {"\"..\" after a link to a folder", {{"ld", "sub/inner"}}, "ld/../p.tmr", "sub/p.tmr", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    fs::create_directories(dir.path() / "sub" / "inner");
    for (const auto& [link, to] : c.links) {
      const std::string target = to[0] == '@' ? dir.path().string() + to.substr(1) : to;
      fs::create_symlink(target, dir.path() / link);
    }
    if (c.oldFile) WriteBytes(dir.File(c.written), "the old project");
    window.captions.clear();
    WriteProjectFile(ds, dir.File(c.saved));
    EXPECT_EQ(ds.filename, dir.File(c.saved));
    EXPECT_EQ(ReadBytes(dir.File(c.written)), text);
    for (const auto& [link, to] : c.links) {
      EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path() / link))) << link;
    }
    EXPECT_EQ(ReadBytes(dir.File(c.saved)), text);
    // Nothing else is written: no new name beside the links or in "sub".
    std::vector<std::string> expected = {"sub"};
    for (const auto& [link, to] : c.links) {
      if (link.find('/') == std::string::npos) expected.push_back(link);
    }
    if (std::string(c.written).find('/') == std::string::npos) expected.push_back(c.written);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Entries(), expected);
  }

  // A loop: a names b, b names a.
  TempDir dir;
  fs::create_symlink("b.tmr", dir.path() / "a.tmr");
  fs::create_symlink("a.tmr", dir.path() / "b.tmr");
  ds.filename = "New File";
  window.captions.clear();
  const std::string message = ExpectSaveFails(ds, window, dir.File("a.tmr"));
  EXPECT_NE(message.find("loop"), std::string::npos) << message;
  EXPECT_EQ(fs::read_symlink(dir.path() / "a.tmr"), fs::path("b.tmr"));
  EXPECT_EQ(fs::read_symlink(dir.path() / "b.tmr"), fs::path("a.tmr"));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.tmr", "b.tmr"}));
}

// A chain of links is followed as far as the system itself follows one in
// a path (40 links): a chain of 40 saves the file it ends in, one of 41 is
// refused as a loop, the file and the links as they were.
TEST(ProjectFileFailure, AChainOfLinksIsFollowedAsFarAsTheSystemFollowsIt) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  for (const int links : {40, 41}) {
    SCOPED_TRACE(links);
    TempDir dir;
    const auto name = [&](int k) { return "l" + std::to_string(k); };
    for (int k = 0; k < links; ++k) {
      fs::create_symlink(k + 1 == links ? std::string("p.tmr") : name(k + 1), dir.path() / name(k));
    }
    WriteBytes(dir.File("p.tmr"), "the old project");
    // What the system does with the chain.
    const int fd = ::open(dir.File(name(0)).c_str(), O_RDONLY | O_CLOEXEC);
    const int error = errno;
    if (fd >= 0) ::close(fd);
    EXPECT_EQ(fd >= 0, links == 40);
    if (fd < 0) {
      EXPECT_EQ(error, ELOOP);
    }

    window.captions.clear();
    if (links == 40) {
      WriteProjectFile(ds, dir.File(name(0)));
      EXPECT_EQ(ReadBytes(dir.File("p.tmr")), ProjectFileText(ds));
    } else {
      ds.filename = "New File";
      const std::string message = ExpectSaveFails(ds, window, dir.File(name(0)));
      EXPECT_NE(message.find("loop"), std::string::npos) << message;
      EXPECT_EQ(ReadBytes(dir.File("p.tmr")), "the old project");
    }
    for (int k = 0; k < links; ++k) EXPECT_TRUE(fs::is_symlink(dir.path() / name(k))) << k;
    EXPECT_EQ(dir.Entries().size(), static_cast<std::size_t>(links) + 1);
  }
}

// The system's calls, of which SetAttribute refuses one attribute (as for
// an attribute that only some users may set).
struct RefusedAttribute : FileReplaceCalls {
  std::string refused;
  int SetAttribute(int fd, const std::string& name, const char* value, std::size_t size) override {
    if (name == refused) {
      errno = EPERM;
      return -1;
    }
    return FileReplaceCalls::SetAttribute(fd, name, value, size);
  }
};

// A file shared with one more user through its access list, with an
// attribute of its own: after a save it is still shared as it was (the
// same access list and mode, so that the mask still keeps the group to
// reading), and keeps its attribute. Where the new file cannot take an
// attribute, the file is written in place instead, keeping them all.
TEST(ProjectFileFailure, ASaveKeepsTheAccessListAndTheAttributes) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  for (const bool refused : {false, true}) {
    SCOPED_TRACE(refused ? "an attribute the new file cannot take" : "copied to the new file");
    TempDir dir;
    const std::string path = dir.File("p.tmr");
    WriteBytes(path, "the old project");
    if (!SetAttribute(path, kAccessListAttribute, SharedWithOneUser(kOtherUser)) ||
        !SetAttribute(path, "user.origin", "drawing office")) {
      GTEST_SKIP() << "the scratch folder's file system keeps no access lists or attributes";
    }
    const std::optional<std::string> acl = Attribute(path, kAccessListAttribute);
    ASSERT_TRUE(acl);
    const FileIdentity before = IdentityOf(path);
    EXPECT_EQ(before.mode, mode_t{0640});
    RefusedAttribute calls;
    calls.refused = refused ? "user.origin" : "";
    window.captions.clear();
    WriteProjectFile(ds, path, calls);
    EXPECT_EQ(ReadBytes(path), ProjectFileText(ds));
    EXPECT_EQ(Attribute(path, kAccessListAttribute), acl);
    EXPECT_EQ(Attribute(path, "user.origin"), std::optional<std::string>("drawing office"));
    const FileIdentity after = IdentityOf(path);
    EXPECT_EQ(after.mode, before.mode);
    EXPECT_EQ(after.inode == before.inode, refused);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
    if (RunningAsRoot()) {
      // The user the list names may read the file, and the mask keeps them
      // from writing it.
      const int outcome = RunInChild([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 ||
            ::setuid(kOtherUser) != 0) {
          return int{kCannotTest};
        }
        const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const int out = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        return in >= 0 && out < 0 && errno == EACCES ? int{kAsExpected} : int{kUnexpected};
      });
      EXPECT_EQ(outcome, kAsExpected);
    }
  }
}

// Drops one capability of the process (a child's); false when it cannot.
bool DropCapability(int capability) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  const auto bit = 1u << (capability % 32);
  data[capability / 32].effective &= ~bit;
  data[capability / 32].permitted &= ~bit;
  return ::syscall(SYS_capset, &header, data) == 0;
}

// Folders that let a file be written but not be replaced, saved by root:
// an append-only folder (no name made there could be removed again), and a
// sticky folder of another user, by a saver who may give a file away
// (CAP_CHOWN) but not replace another user's file in a sticky folder
// (without CAP_FOWNER): the rename is refused there. The file is written
// in place and keeps what it was; nothing is left beside it.
TEST(ProjectFileFailure, WhereTheFolderRefusesTheRenameTheFileIsWrittenInPlace) {
  if (!RunningAsRoot()) GTEST_SKIP() << "needs root to make such folders";
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  for (const bool appendOnly : {true, false}) {
    SCOPED_TRACE(appendOnly ? "append-only folder" : "sticky folder, no right to replace");
    TempDir dir;
    const fs::path folder = dir.path() / "shared";
    fs::create_directory(folder);
    const std::string path = (folder / "p.tmr").string();
    WriteBytes(path, "the old project");
    int flags = 0;
    if (appendOnly) {
      const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      ASSERT_GE(fd, 0);
      const bool set = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                       (flags |= FS_APPEND_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
      ::close(fd);
      if (!set) GTEST_SKIP() << "the scratch folder cannot be made append-only here";
    } else {
      ASSERT_EQ(::chown(folder.c_str(), kOtherUser, kOtherGroup), 0);
      ASSERT_EQ(::chmod(folder.c_str(), 01777), 0);
      ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherGroup), 0);
      ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    }
    const FileIdentity before = IdentityOf(path);
    const int outcome = RunInChild([&] {
      if (!appendOnly && !DropCapability(CAP_FOWNER)) return int{kCannotTest};
      return SaveSucceeds(ds, path) ? int{kAsExpected} : int{kUnexpected};
    });
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(folder)) entries.push_back(e.path().filename());
    if (appendOnly) {
      const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      flags &= ~FS_APPEND_FL;
      ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
      ::close(fd);
    }
    ASSERT_NE(outcome, kCannotTest);
    EXPECT_EQ(outcome, kAsExpected);
    EXPECT_EQ(ReadBytes(path), ProjectFileText(ds));
    const FileIdentity after = IdentityOf(path);
    EXPECT_EQ(after.inode, before.inode);
    ExpectSameOwnerGroupMode(after, before);
    EXPECT_EQ(entries, std::vector<std::string>{"p.tmr"});
  }
}

// The system's calls; at the flush of a folder, what the folder and the
// project hold.
struct WatchedFolderSync : FileReplaceCalls {
  const TempDir* dir = nullptr;
  std::string path;
  std::vector<fs::path> synced;
  std::string contentAtSync;
  std::vector<std::string> entriesAtSync;
  int SyncFolder(const std::string& folder) override {
    synced.push_back(folder);
    contentAtSync = ReadBytes(path);
    entriesAtSync = dir->Entries();
    return FileReplaceCalls::SyncFolder(folder);
  }
};

// The temporary file is renamed over the project, then the folder is synced
// so that the rename itself is on the disk; a temporary file that cannot be
// written whole replaces nothing, is removed, and nothing is synced.
TEST(ProjectFileFailure, TheFolderIsSyncedAfterTheRename) {
  RecordingWindow window;
  DesignState ds = OpenProject(window);
  TempDir dir;
  const std::string path = dir.File("p.tmr");
  WriteBytes(path, "the old project");
  WatchedFolderSync calls;
  calls.dir = &dir;
  calls.path = path;
  WriteProjectFile(ds, path, calls);
  ASSERT_EQ(calls.synced.size(), 1u);
  EXPECT_TRUE(fs::equivalent(calls.synced[0], dir.path()));
  EXPECT_EQ(calls.contentAtSync, ProjectFileText(ds));
  EXPECT_EQ(calls.entriesAtSync, std::vector<std::string>{"p.tmr"});

  WriteBytes(path, "the old project");
  window.captions.clear();
  ds.filename = "New File";
  struct FailingWrites : WatchedFolderSync {
    ssize_t Write(int fd, const char* data, std::size_t size) override {
      FileReplaceCalls::Write(fd, data, size / 2);
      errno = EIO;
      return -1;
    }
  } failing;
  failing.dir = &dir;
  failing.path = path;
  ExpectSaveFails(ds, window, path, failing);
  EXPECT_TRUE(failing.synced.empty());
  EXPECT_EQ(ReadBytes(path), "the old project");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.tmr"});
}

}  // namespace
}  // namespace tamrel
