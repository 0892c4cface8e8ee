#include "platform/qsettings_store.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "files/recent_files.h"

namespace tamrel {
namespace {

// A store of its own in the test-mode settings location, emptied before and after.
class QSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    for (const char* app : {kRecentFilesApp, "Tamrel DNV test"}) {
      QSettings s(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(app));
      s.clear();
      s.sync();
    }
  }
  QSettingsStore store;
};

TEST_F(QSettingsStoreTest, NeverTheUsersSettings) {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, QString::fromUtf8(kRecentFilesApp));
  EXPECT_TRUE(s.fileName().contains(QStringLiteral("/.qttest/"))) << s.fileName().toStdString();
  EXPECT_TRUE(s.fileName().startsWith(QDir::homePath())) << s.fileName().toStdString();
}

TEST_F(QSettingsStoreTest, PathsRoundTrip) {
  const std::vector<std::string> paths = {
      "/home/eng/my projects/Tank A, rev 2.tmr",
      "C:\\Projects\\Tank \"B\", north\\c.tmr",
      "/srv/\xC3\x86r\xC3\xB8 \xE2\x80\x93 tanks/d;e=f.tmr",
      "@at the start, [brackets] and #hash.tmr",
      "  leading and trailing blanks  ",
  };
  for (std::size_t i = 0; i < paths.size(); ++i) {
    store.SaveSetting(kRecentFilesApp, kRecentFilesSection, RecentFileKey(static_cast<int>(i) + 1),
                      paths[i]);
  }
  QSettingsStore fresh;  // another instance reads what the first wrote through
  for (std::size_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(fresh.GetSetting(kRecentFilesApp, kRecentFilesSection,
                               RecentFileKey(static_cast<int>(i) + 1)),
              paths[i]);
  }
  const SettingsStore::Pairs all = fresh.GetAllSettings(kRecentFilesApp, kRecentFilesSection);
  ASSERT_EQ(all.size(), paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(all[i].first, RecentFileKey(static_cast<int>(i) + 1));
    EXPECT_EQ(all[i].second, paths[i]);
  }
}

TEST_F(QSettingsStoreTest, MissingKeysAndSectionsAreEmpty) {
  EXPECT_EQ(store.GetSetting(kRecentFilesApp, kRecentFilesSection, "RecentFile1"), "");
  EXPECT_TRUE(store.GetAllSettings(kRecentFilesApp, kRecentFilesSection).empty());
  store.SaveSetting("Tamrel DNV test", kRecentFilesSection, "RecentFile1", "/a.tmr");
  store.SaveSetting(kRecentFilesApp, "Other", "RecentFile1", "/b.tmr");
  EXPECT_EQ(store.GetSetting(kRecentFilesApp, kRecentFilesSection, "RecentFile1"), "");
  EXPECT_EQ(store.GetSetting("Tamrel DNV test", kRecentFilesSection, "RecentFile1"), "/a.tmr");
}

// The recent-file list on the real store: open four, save a fifth.
TEST_F(QSettingsStoreTest, RecentFileListOnTheStore) {
  RecentFileMenu menu;
  ShowRecentFiles(store, menu);
  EXPECT_FALSE(menu.mnurecentfile[0].visible);
  for (const char* p : {"/p1.tmr", "/p, 2.tmr", "/p \"3\".tmr", "/p4.tmr"}) {
    AddRecentFileOnOpen(store, menu, p);
    ShowRecentFiles(store, menu);
  }
  AddRecentFileOnSave(store, "/p5.tmr");
  ShowRecentFiles(store, menu);
  EXPECT_EQ(menu.mnurecentfile[1].caption, "1. /p5.tmr");
  EXPECT_EQ(menu.mnurecentfile[2].caption, "2. /p4.tmr");
  EXPECT_EQ(menu.mnurecentfile[3].caption, "3. /p \"3\".tmr");
  EXPECT_EQ(menu.mnurecentfile[4].caption, "4. /p, 2.tmr");
  for (const auto& item : menu.mnurecentfile) EXPECT_TRUE(item.visible);
}

}  // namespace
}  // namespace tamrel

int main(int argc, char** argv) {
  // Test mode keeps the settings under ~/.qttest; a home folder of its own
  // per process keeps parallel test processes apart as well.
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  qputenv("HOME", home.path().toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Tamrel test"));
  QCoreApplication::setApplicationName(QStringLiteral("test_platform_settings"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
