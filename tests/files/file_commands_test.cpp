// The File menu commands over a recording host, a scratch folder and an
// in-memory settings store.

#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/defaults.h"
#include "child_process.h"
#include "files/memory_settings_store.h"
#include "files/project_file.h"
#include "files/table_loaders.h"
#include "project_test_support.h"

namespace tamrel {
namespace {

using testing::RecordingWindow;
using testing::TempDir;

class FakeHost : public FileCommandHost {
 public:
  std::deque<std::optional<std::string>> answers;  // what the next dialogs return
  std::vector<std::string> events;
  std::vector<std::string> messages;
  std::string projText = "Project", identText = "Test";
  std::string lastInitDir, lastProposed;
  // Called with the event's name when the window is refilled, the section
  // dialogs are unloaded or a dialog is shown, to look at the state then.
  std::function<void(const std::string&)> observe = [](const std::string&) {};

  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> ShowOpenDialog(const std::string& initDir) override {
    events.push_back("open dialog");
    observe("open dialog");
    lastInitDir = initDir;
    return Next();
  }
  std::optional<std::string> ShowSaveDialog(const std::string& initDir,
                                            const std::string& proposed) override {
    events.push_back("save dialog");
    observe("save dialog");
    lastInitDir = initDir;
    lastProposed = proposed;
    return Next();
  }
  void ShowExclamation(const std::string& text) override {
    messages.push_back(text);
    events.push_back("message");
  }
  std::string ProjectNameText() override { return projText; }
  std::string IdentificationText() override { return identText; }
  void ShowDesignState() override {
    events.push_back("refill");
    observe("refill");
  }
  void UnloadSectionDialogs() override {
    events.push_back("unload dialogs");
    observe("unload dialogs");
  }
  void RecentFilesChanged() override { events.push_back("recent"); }
  // The question whether to save first: recorded, answered from saveAnswers
  // (No when none is left).
  std::deque<SaveAnswer> saveAnswers;
  std::vector<std::string> questions;
  SaveAnswer AskSaveChanges(const std::string& question) override {
    questions.push_back(question);
    events.push_back("question");
    if (saveAnswers.empty()) return SaveAnswer::No;
    const SaveAnswer a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
  }
};

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() {
    ds.apppath = TAMREL_DATA_DIR;
    SetDefaults(ds);
    LoadAllTables(ds);
    ds.mainfrm = &window;
    savedProject.Take(ds);
  }

  // A project file in the scratch folder, written from the defaults with a
  // project name of its own.
  std::string MakeProject(const std::string& name, std::int16_t cyltype = kStringerStiffened) {
    DesignState other = ds;
    other.mainfrm = nullptr;
    other.proj = name;
    other.cyltype = cyltype;
    const std::string path = dir.File(name + ".tmr");
    WriteProjectFile(other, path);
    return path;
  }

  std::vector<std::string> Recent() const {
    std::vector<std::string> v;
    for (int k = 1; k <= 4; ++k) {
      v.push_back(store.GetSetting(kRecentFilesApp, kRecentFilesSection, RecentFileKey(k)));
    }
    return v;
  }

  FileCommands Commands() { return FileCommands{ds, host, store, menu, savedProject}; }

  TempDir dir;
  DesignState ds;
  RecordingWindow window;
  FakeHost host;
  MemorySettingsStore store;
  RecentFileMenu menu;
  SavedProject savedProject;
};

TEST_F(FileCommandsTest, OpenReadsMakesCurrentAndRefreshes) {
  const std::string p1 = MakeProject("P1", kColumnBuckling);
  host.answers = {p1};
  ds.lastdir = "/start/";
  Commands().Open();
  EXPECT_EQ(host.lastInitDir, "/start/");
  EXPECT_EQ(ds.proj, "P1");
  EXPECT_EQ(ds.cyltype, kColumnBuckling);
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(window.captions.back(), "Tamrel DNV: " + p1);
  EXPECT_EQ(ds.lastdir, dir.path().string() + "/");
  EXPECT_EQ(Recent()[0], p1);
  EXPECT_TRUE(menu.mnurecentfile[1].visible);
  EXPECT_EQ(menu.mnurecentfile[1].caption, "1. " + p1);
  // The dialogs close before the window is refilled and recalculated.
  const std::vector<std::string> expected = {"open dialog", "recent", "unload dialogs", "refill"};
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(ds.stiffTable.txt[0], "Global Buckling: (Ch 3.8)");  // recalculated
}

// Open and a recent entry run their steps in order: read (filename and
// caption), recent list, unload the section dialogs, lastdir (Open after the
// unload, a recent entry before it), shell-plate yield, stiffener section,
// stiffener yield, refill, recalculation.
TEST_F(FileCommandsTest, OpenAndRecentEntryStepsInOrder) {
  for (const bool recent : {false, true}) {
    SCOPED_TRACE(recent ? "recent entry" : "open");
    TempDir folder;
    // The file holds yield strengths that the lookup by grade replaces:
    // S355 gives 345 for the 20 mm plate and 355 for the 6 mm L 100x50x6.
    DesignState other = ds;
    other.mainfrm = nullptr;
    other.proj = "Ordered";
    other.fyp = Variant::Int(123);
    other.fys = Variant::Int(456);
    const std::string path = folder.File("ordered.tmr");
    WriteProjectFile(other, path);
    const std::string p0 = MakeProject("P0");
    host.answers = {p0};
    Commands().Open();  // another project is current; the list holds P0

    std::vector<std::string> seen;
    ds.lastdir = "/start/";
    ds.tmat = 200;  // before the section is computed the stiffener lookup would give 285
    ds.shellTable = ResultTable{};
    const std::string dirOfPath = folder.path().string() + "/";
    host.observe = [&](const std::string& event) {
      if (event == "unload dialogs") {
        EXPECT_EQ(ds.proj, "Ordered");
        EXPECT_EQ(ds.filename, path);
        EXPECT_EQ(window.captions.back(), "Tamrel DNV: " + path);
        EXPECT_EQ(Recent()[0], path);
        EXPECT_EQ(menu.mnurecentfile[1].caption, "1. " + path);
        EXPECT_EQ(ds.lastdir, recent ? dirOfPath : "/start/");
        EXPECT_TRUE(ds.fyp.SameAs(Variant::Int(123)));  // not yet looked up
        EXPECT_TRUE(ds.fys.SameAs(Variant::Int(456)));
      } else if (event == "refill") {
        EXPECT_EQ(ds.lastdir, dirOfPath);
        EXPECT_EQ(ds.fyp.value(), 345.0);
        EXPECT_EQ(ds.fys.value(), 355.0);
        EXPECT_EQ(ds.tmat, 6.0f);
        EXPECT_NE(ds.As.value(), 0.0);              // the stiffener section is computed
        EXPECT_TRUE(ds.shellTable.txt[0].empty());  // not yet recalculated
      }
      seen.push_back(event);
    };
    if (recent) {
      store.SaveSetting(kRecentFilesApp, kRecentFilesSection, RecentFileKey(2), path);
      ShowRecentFiles(store, menu);
      Commands().OpenRecent(2);
    } else {
      host.answers = {path};
      Commands().Open();
    }
    host.observe = [](const std::string&) {};
    const std::vector<std::string> expected =
        recent ? std::vector<std::string>{"unload dialogs", "refill"}
               : std::vector<std::string>{"open dialog", "unload dialogs", "refill"};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(ds.shellTable.txt[0].empty());  // recalculated last
    EXPECT_TRUE(host.messages.empty());
    store = MemorySettingsStore{};
    menu = RecentFileMenu{};
  }
}

TEST(RecentEntryFolder, DropsFourCharactersThenCutsBackToTheSeparator) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"/home/eng/a.tmr", "/home/eng/"},
      {"C:\\work\\b.tmr", "C:\\work\\"},
      {"/home/eng/ab", "/home/"},  // a name shorter than four characters
      {"/home/\xC3\x86r\xC3\xB8/\xC3\x86r\xC3\xB8.tmr", "/home/\xC3\x86r\xC3\xB8/"},
      {"/d/e/\xC3\x86\xC3\x86", "/d/"},  // "e/ÆÆ" are four characters, six bytes
      {"/a.tmr", "/"},
      {"plain.tmr", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(RecentEntryFolder(c.path), c.folder) << c.path;
}

TEST_F(FileCommandsTest, OpeningTheCurrentFileReadsAgainWithoutTouchingTheList) {
  const std::string p1 = MakeProject("P1"), p2 = MakeProject("P2");
  host.answers = {p1, p2, p2};
  Commands().Open();
  Commands().Open();
  ds.proj = "changed";
  Commands().Open();  // p2 again
  EXPECT_EQ(ds.proj, "P2");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p2, p1, "", ""}));
}

TEST_F(FileCommandsTest, CancelChangesNothing) {
  const DesignState before = ds;
  host.answers = {std::nullopt};
  Commands().Open();
  host.answers = {std::nullopt};
  Commands().SaveAs();
  EXPECT_EQ(ds.filename, before.filename);
  EXPECT_TRUE(dir.Entries().empty());
  EXPECT_TRUE(host.messages.empty());
}

// Save and Save As take the project name and identification from their
// boxes before the dialog, so a cancelled dialog leaves them taken.
TEST_F(FileCommandsTest, SaveTakesNameAndIdentificationBeforeTheDialog) {
  for (auto cmd : {&FileCommands::Save, &FileCommands::SaveAs}) {
    ds.proj = "old name";
    ds.ident = "old ident";
    host.projText = "typed name";
    host.identText = "typed ident";
    std::string projAtDialog, identAtDialog;
    host.observe = [&](const std::string&) {
      projAtDialog = ds.proj;
      identAtDialog = ds.ident;
    };
    host.answers = {std::nullopt};
    (Commands().*cmd)();
    EXPECT_EQ(projAtDialog, "typed name");
    EXPECT_EQ(identAtDialog, "typed ident");
    EXPECT_EQ(ds.proj, "typed name");
    EXPECT_EQ(ds.filename, "New File");
  }
  EXPECT_TRUE(dir.Entries().empty());
}

// A file that cannot be read leaves the project, its name and the list alone.
TEST_F(FileCommandsTest, FailedOpenChangesNothing) {
  const std::string p1 = MakeProject("P1");
  const std::string cut = dir.File("cut.tmr");
  {
    std::string text = testing::ReadBytes(p1);
    testing::WriteBytes(cut, text.substr(0, text.size() / 2));
  }
  host.answers = {p1};
  Commands().Open();
  ds.proj = "edited";
  host.answers = {dir.File("missing.tmr"), cut};
  Commands().Open();
  Commands().Open();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0], "can't find file - " + dir.File("missing.tmr"));
  EXPECT_NE(host.messages[1].find("cut.tmr"), std::string::npos);
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(ds.proj, "edited");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p1, "", "", ""}));
}

TEST_F(FileCommandsTest, RecentEntries) {
  const std::string p1 = MakeProject("P1"), p2 = MakeProject("P2"), p3 = MakeProject("P3");
  host.answers = {p1, p2, p3};
  Commands().Open();
  Commands().Open();
  Commands().Open();  // list: P3 P2 P1, P3 current
  ASSERT_EQ(menu.mnurecentfile[3].caption, "3. " + p1);

  // Entry 1 while it is the current project: read again, list unchanged.
  ds.proj = "edited";
  Commands().OpenRecent(1);
  EXPECT_EQ(ds.proj, "P3");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p3, p2, p1, ""}));

  // Entry 3 of another project moves it to the front.
  ds.lastdir = "";
  Commands().OpenRecent(3);
  EXPECT_EQ(ds.proj, "P1");
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(ds.lastdir, dir.path().string() + "/");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p1, p3, p2, ""}));
}

// The entry chosen opens its own file also where saving the changed
// project first (Yes, under a new name) has moved it down the list, or
// pushed it off the list.
TEST_F(FileCommandsTest, RecentEntryChosenBeforeASaveUnderANewName) {
  const std::string p1 = MakeProject("P1"), p2 = MakeProject("P2"), p3 = MakeProject("P3"),
                    p4 = MakeProject("P4");
  host.answers = {p1, p2, p3, p4};
  for (int k = 0; k < 4; ++k) Commands().Open();  // list: P4 P3 P2 P1
  Commands().New();
  ASSERT_TRUE(host.questions.empty());

  const std::string fresh = dir.File("fresh.tmr");
  ds.cylr = 4000.0f;
  host.saveAnswers = {FileCommandHost::SaveAnswer::Yes};
  host.answers = {fresh};
  Commands().OpenRecent(2);  // P3; the save makes the list fresh P4 P3 P2
  EXPECT_EQ(host.questions, std::vector<std::string>{SaveChangesQuestion("New File")});
  EXPECT_EQ(ds.filename, p3);
  EXPECT_EQ(ds.proj, "P3");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p3, fresh, p4, p2}));

  Commands().New();
  const std::string fresh2 = dir.File("fresh2.tmr");
  ds.cylr = 4100.0f;
  host.saveAnswers = {FileCommandHost::SaveAnswer::Yes};
  host.answers = {fresh2};
  Commands().OpenRecent(4);  // P2, which the save pushes off the list
  EXPECT_EQ(ds.filename, p2);
  EXPECT_EQ(ds.proj, "P2");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p2, fresh2, p3, fresh}));
}

TEST_F(FileCommandsTest, DeletedRecentFileSaysSoAndKeepsTheProject) {
  const std::string p1 = MakeProject("P1"), p2 = MakeProject("P2");
  host.answers = {p1, p2};
  Commands().Open();
  Commands().Open();
  std::filesystem::remove(p1);
  Commands().OpenRecent(2);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "can't find file - " + p1);
  EXPECT_EQ(ds.filename, p2);  // a later Save must not write P2 over the missing P1
  EXPECT_EQ(ds.proj, "P2");
}

TEST_F(FileCommandsTest, NewNamesTheNewFileInTheCaptionAndTheNextSaveAsksForAName) {
  const std::string p1 = MakeProject("P1");
  host.answers = {p1};
  Commands().Open();
  Commands().New();
  EXPECT_EQ(ds.filename, "New File");
  EXPECT_EQ(ds.proj, "Project");
  EXPECT_EQ(window.captions.back(), "Tamrel DNV: New File");

  const std::string fresh = dir.File("fresh.tmr");
  host.answers = {fresh};
  host.projText = "Typed name";
  host.events.clear();
  Commands().Save();
  EXPECT_EQ(host.events.front(), "save dialog");
  EXPECT_EQ(host.lastInitDir, "");  // starts where its last use left it
  EXPECT_EQ(ds.filename, fresh);
  EXPECT_EQ(ds.proj, "Typed name");
  EXPECT_EQ(Recent()[0], fresh);
  EXPECT_EQ(window.captions.back(), "Tamrel DNV: " + fresh);
}

TEST_F(FileCommandsTest, SaveOfAnOpenedProjectWritesInPlace) {
  const std::string p1 = MakeProject("P1");
  host.answers = {p1};
  Commands().Open();
  host.events.clear();
  host.identText = "rev C";
  Commands().Save();
  EXPECT_TRUE(host.events.empty());  // no dialog, no list change
  DesignState back = ds;
  ReadProjectFile(back, p1);
  EXPECT_EQ(back.ident, "rev C");
  EXPECT_EQ(Recent(), (std::vector<std::string>{p1, "", "", ""}));
}

TEST_F(FileCommandsTest, SaveAs) {
  const std::string p1 = MakeProject("P1"), p2 = MakeProject("P2");
  host.answers = {p1, p2};
  Commands().Open();
  Commands().Open();  // list: P2 P1

  // To the current path: written, list untouched.
  host.answers = {p2};
  Commands().SaveAs();
  EXPECT_EQ(host.lastProposed, p2);
  EXPECT_EQ(Recent(), (std::vector<std::string>{p2, p1, "", ""}));

  // To a path already further down: pushed onto the front all the same.
  host.answers = {p1};
  ds.lastdir = "/somewhere/";
  Commands().SaveAs();
  EXPECT_EQ(host.lastInitDir, "/somewhere/");
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(Recent(), (std::vector<std::string>{p1, p2, p1, ""}));
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheNameAndSaysSo) {
  const std::string p1 = MakeProject("P1");
  host.answers = {p1};
  Commands().Open();
  const std::string bad = dir.File("no-such-folder/x.tmr");
  host.answers = {bad};
  Commands().SaveAs();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "can't save file - " + bad);
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(Recent(), (std::vector<std::string>{p1, "", "", ""}));
}

// A save in place (no file can be made beside a project at the path length
// limit) under a file-size limit that neither the new project nor the old
// content fits: the message says the file may be damaged and that the
// project is still open, to be saved elsewhere; the project keeps its name.
TEST_F(FileCommandsTest, ASaveThatMayHaveDamagedTheFileSaysSo) {
  testing::PathAtTheLimit at;
  testing::WriteBytes(at.path, std::string(3000, 'o'));
  ds.filename = at.path;
  host.projText = std::string(3000, 'p');
  const int outcome = testing::RunUnderFileSizeLimit(1024, false, [&] {
    const bool saved = Commands().Save();
    const std::string expected = "can't save file - " + at.path + kDamagedFileNote;
    const bool said = host.messages == std::vector<std::string>{expected};
    return !saved && said && ds.filename == at.path ? int{testing::kAsExpected}
                                                    : int{testing::kUnexpected};
  });
  EXPECT_EQ(outcome, testing::kAsExpected);
  const std::string note = kDamagedFileNote;
  EXPECT_NE(note.find("may now be damaged"), std::string::npos);
  EXPECT_NE(note.find("The project is still open"), std::string::npos);
  EXPECT_NE(note.find("Save As"), std::string::npos);
}

// File > Save of a project larger than the file-size limit allows, in a
// program that finds SIGXFSZ at its default action: the one message, the
// project still open under its name, the old file byte for byte and
// nothing beside it; in its own folder, and in place (another user's file
// in a sticky folder, saved by nobody).
TEST_F(FileCommandsTest, SaveBeyondTheFileSizeLimitSaysSoAndKeepsTheFile) {
  for (const bool sticky : {false, true}) {
    SCOPED_TRACE(sticky ? "in place, sticky folder" : "own folder");
    if (sticky && !testing::RunningAsRoot()) {
      std::printf("skipped the sticky folder: needs root to make a file of another user\n");
      continue;
    }
    TempDir folder;
    const std::string path = folder.File("p.tmr");
    const std::string old = "the old project";
    testing::WriteBytes(path, old);
    if (sticky) {
      ASSERT_EQ(::chown(path.c_str(), 4321, 65534), 0);
      ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
      ASSERT_EQ(::chmod(folder.path().c_str(), 01777), 0);
    }
    ds.filename = path;
    host.projText = std::string(3000, 'p');
    const int outcome = testing::RunUnderFileSizeLimit(1024, sticky, [&] {
      const bool saved = Commands().Save();
      const bool said = host.messages == std::vector<std::string>{"can't save file - " + path};
      return !saved && said && ds.filename == path ? int{testing::kAsExpected}
                                                   : int{testing::kUnexpected};
    });
    EXPECT_EQ(outcome, testing::kAsExpected);
    EXPECT_EQ(testing::ReadBytes(path), old);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"p.tmr"});
  }
}

// A settings store that cannot be written (a read-only or full home folder)
// costs the recent-file list, never the command or the program.
TEST_F(FileCommandsTest, UnwritableSettingsStoreKeepsTheCommandsWorking) {
  struct ThrowingStore : MemorySettingsStore {
    void SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
      throw std::runtime_error("the settings store cannot be written");
    }
  } broken;
  FileCommands commands{ds, host, broken, menu, savedProject};
  const std::string p1 = MakeProject("P1", kColumnBuckling);
  const std::string saved = dir.File("saved.tmr");
  host.answers = {p1, saved};
  EXPECT_NO_THROW(commands.Open());
  EXPECT_EQ(ds.filename, p1);
  EXPECT_EQ(ds.stiffTable.txt[0], "Global Buckling: (Ch 3.8)");  // refilled and recalculated
  EXPECT_NO_THROW(commands.SaveAs());
  EXPECT_EQ(ds.filename, saved);
  EXPECT_TRUE(std::filesystem::exists(saved));
  EXPECT_FALSE(menu.mnurecentfile[1].visible);
  EXPECT_TRUE(host.messages.empty());
}

// A pipe given as the project file is refused at once instead of blocking.
TEST_F(FileCommandsTest, PipeIsNotReadAsAProject) {
  const std::string fifo = dir.File("pipe.tmr");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  host.answers = {fifo};
  Commands().Open();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("is not a file"), std::string::npos);
  EXPECT_EQ(ds.filename, "New File");
}

TEST(FolderOf, KeepsTheTrailingSeparator) {
  EXPECT_EQ(FolderOf("/home/eng/a.tmr"), "/home/eng/");
  EXPECT_EQ(FolderOf("C:\\work\\b.tmr"), "C:\\work\\");
  EXPECT_EQ(FolderOf("plain.tmr"), "");
}

}  // namespace
}  // namespace tamrel
