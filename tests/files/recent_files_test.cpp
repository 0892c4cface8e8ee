#include "files/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/memory_settings_store.h"

namespace tamrel {
namespace {

const std::string P1 = "/home/eng/tanks/Tank A, \"rev 2\".tmr";
const std::string P2 = "/home/eng/tanks/tank b.tmr";
const std::string P3 = "/srv/projects/Ærø/c.tmr";
const std::string P4 = "/home/eng/d.tmr";
const std::string P5 = "/home/eng/e.tmr";

enum class Action { None, Open, Save, Promote };

std::vector<std::string> StoreList(const SettingsStore& store) {
  std::vector<std::string> list;
  for (int k = 1; k <= 4; ++k) {
    list.push_back(
        store.GetSetting("Tamrel DNV", "Recent Files", "RecentFile" + std::to_string(k)));
  }
  return list;
}

struct Sequence {
  const char* name;
  std::vector<std::string> before;  // RecentFile1.. in the store
  Action action;
  std::string path;
  std::int16_t index;
  std::vector<std::string> after;  // RecentFile1..4
  int shown;                       // entries the menu shows afterwards
};

TEST(RecentFiles, TheSevenSequences) {
  const Sequence cases[] = {
      {"first run: nothing shown", {}, Action::None, "", 0, {"", "", "", ""}, 0},
      {"save a new project as P1", {}, Action::Save, P1, 0, {P1, "", "", ""}, 1},
      {"open P5: P4 is dropped", {P1, P2, P3, P4}, Action::Open, P5, 0, {P5, P1, P2, P3}, 4},
      {"open P3: it moves to the front",
       {P1, P2, P3, P4},
       Action::Open,
       P3,
       0,
       {P3, P1, P2, P4},
       4},
      {"save as P1 while P1 stands third: P1 twice",
       {P2, P3, P1, P4},
       Action::Save,
       P1,
       0,
       {P1, P2, P3, P1},
       4},
      {"save as P2 with only P1", {P1}, Action::Save, P2, 0, {P2, P1, "", ""}, 2},
      {"choose entry 4", {P1, P2, P3, P4}, Action::Promote, P4, 4, {P4, P1, P2, P3}, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettingsStore store;
    for (std::size_t i = 0; i < c.before.size(); ++i) {
      store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile" + std::to_string(i + 1),
                        c.before[i]);
    }
    RecentFileMenu menu;
    ShowRecentFiles(store, menu);
    switch (c.action) {
      case Action::None: break;
      case Action::Open: AddRecentFileOnOpen(store, menu, c.path); break;
      case Action::Save: AddRecentFileOnSave(store, c.path); break;
      case Action::Promote: PromoteRecentFile(store, c.path, c.index); break;
    }
    ShowRecentFiles(store, menu);

    EXPECT_EQ(StoreList(store), c.after);
    EXPECT_EQ(menu.mnurecentfile[0].caption, "-");
    EXPECT_EQ(menu.mnurecentfile[0].visible, c.shown > 0);
    const char* placeholders[] = {"oldfile1", "oldfile1", "oldfile3", "oldfile4"};
    for (int k = 1; k <= 4; ++k) {
      const auto& item = menu.mnurecentfile[static_cast<std::size_t>(k)];
      if (k <= c.shown) {
        EXPECT_TRUE(item.visible) << k;
        EXPECT_EQ(item.caption,
                  std::to_string(k) + ". " + c.after[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(RecentFileCaptionPath(item.caption), c.after[static_cast<std::size_t>(k - 1)]);
      } else {
        EXPECT_FALSE(item.visible) << k;
        EXPECT_EQ(item.caption, placeholders[k - 1]) << k;
      }
    }
  }
}

// Entry k shows key "RecentFile" k, whatever order the store keeps the keys in.
TEST(RecentFiles, KeysAreShownByName) {
  MemorySettingsStore store;
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile2", P2);
  store.SaveSetting("Tamrel DNV", "Recent Files", "Other", "not a recent file");
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile1", P1);
  store.SaveSetting("Tamrel DNV", "Other Section", "RecentFile3", P3);
  RecentFileMenu menu;
  ShowRecentFiles(store, menu);
  EXPECT_EQ(menu.mnurecentfile[1].caption, "1. " + P1);
  EXPECT_EQ(menu.mnurecentfile[2].caption, "2. " + P2);
  EXPECT_FALSE(menu.mnurecentfile[3].visible);
  EXPECT_FALSE(menu.mnurecentfile[4].visible);
}

// Every key the section holds is shown, an empty value as its number alone.
TEST(RecentFiles, AnEmptyValueIsShownToo) {
  MemorySettingsStore store;
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile1", P1);
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile2", "");
  RecentFileMenu menu;
  ShowRecentFiles(store, menu);
  EXPECT_TRUE(menu.mnurecentfile[2].visible);
  EXPECT_EQ(menu.mnurecentfile[2].caption, "2. ");
  EXPECT_EQ(RecentFileCaptionPath(menu.mnurecentfile[2].caption), "");
  EXPECT_FALSE(menu.mnurecentfile[3].visible);
}

// Without "RecentFile1" nothing is shown; shown entries are never hidden again.
TEST(RecentFiles, MenuOnlyGrows) {
  MemorySettingsStore store;
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile2", P2);
  RecentFileMenu menu;
  ShowRecentFiles(store, menu);
  EXPECT_FALSE(menu.mnurecentfile[0].visible);
  EXPECT_FALSE(menu.mnurecentfile[2].visible);

  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile1", P1);
  ShowRecentFiles(store, menu);
  EXPECT_TRUE(menu.mnurecentfile[2].visible);
  store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile1", "");
  ShowRecentFiles(store, menu);
  EXPECT_TRUE(menu.mnurecentfile[2].visible);
  EXPECT_EQ(menu.mnurecentfile[1].caption, "1. " + P1);
}

// Opening compares exactly and case-sensitively with the menu's entries; the
// values that move come from the store.
TEST(RecentFiles, OpenMovesTheMatchingEntry) {
  MemorySettingsStore store;
  for (int k = 1; k <= 4; ++k) {
    store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile" + std::to_string(k),
                      std::vector<std::string>{P1, P2, P3, P4}[static_cast<std::size_t>(k - 1)]);
  }
  RecentFileMenu menu;
  ShowRecentFiles(store, menu);
  AddRecentFileOnOpen(store, menu, "/HOME/ENG/D.TMR");  // another case: a new file
  EXPECT_EQ(StoreList(store), (std::vector<std::string>{"/HOME/ENG/D.TMR", P1, P2, P3}));
  ShowRecentFiles(store, menu);
  AddRecentFileOnOpen(store, menu, P2);  // entry 3
  EXPECT_EQ(StoreList(store), (std::vector<std::string>{P2, "/HOME/ENG/D.TMR", P1, P3}));
  ShowRecentFiles(store, menu);
  AddRecentFileOnOpen(store, menu, P2);  // entry 1: only the front is set again
  EXPECT_EQ(StoreList(store), (std::vector<std::string>{P2, "/HOME/ENG/D.TMR", P1, P3}));
}

TEST(RecentFiles, PromoteByIndex) {
  const struct {
    std::int16_t index;
    std::vector<std::string> after;
  } cases[] = {
      {1, {P5, P2, P3, P4}}, {2, {P5, P1, P3, P4}}, {3, {P5, P1, P2, P4}},
      {4, {P5, P1, P2, P3}}, {0, {P5, P2, P3, P4}}, {7, {P5, P2, P3, P4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    MemorySettingsStore store;
    for (int k = 1; k <= 4; ++k) {
      store.SaveSetting("Tamrel DNV", "Recent Files", "RecentFile" + std::to_string(k),
                        std::vector<std::string>{P1, P2, P3, P4}[static_cast<std::size_t>(k - 1)]);
    }
    PromoteRecentFile(store, P5, c.index);
    EXPECT_EQ(StoreList(store), c.after);
  }
}

TEST(MemorySettingsStore, KeysInTheOrderFirstWritten) {
  MemorySettingsStore store;
  EXPECT_EQ(store.GetSetting("A", "S", "k"), "");
  EXPECT_TRUE(store.GetAllSettings("A", "S").empty());
  store.SaveSetting("A", "S", "b", "1");
  store.SaveSetting("A", "S", "a", "2");
  store.SaveSetting("A", "S", "b", "3");
  store.SaveSetting("B", "S", "c", "4");
  const SettingsStore::Pairs expected{{"b", "3"}, {"a", "2"}};
  EXPECT_EQ(store.GetAllSettings("A", "S"), expected);
  EXPECT_EQ(store.GetSetting("B", "S", "c"), "4");
  EXPECT_EQ(store.GetSetting("A", "S", "c"), "");
}

}  // namespace
}  // namespace tamrel
