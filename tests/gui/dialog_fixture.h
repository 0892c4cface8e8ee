#pragma once
// A stand-in for the main window as the section dialogs see it, over a
// design state with the new-project defaults and the program's own tables.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/design_state.h"
#include "calc/fake_window.h"
#include "dialogs/section_dialog.h"
#include "dialogs/section_dialog_host.h"
#include "dialogs/section_dialogs.h"
#include "files/table_loaders.h"
#include "gui_support.h"
#include "platform/focus_binder.h"

namespace tamrel::testing {

class FakeDialogHost : public SectionDialogHost {
 public:
  explicit FakeDialogHost(DesignState& ds) : ds_(ds) {
    owner.setWindowTitle(QStringLiteral("main window"));
    owner.resize(640, 480);
  }

  QWidget* DialogOwner() override { return &owner; }
  QRect OwnerFrameGeometry() override { return frame; }
  void ShowProfileTypeEntry(Member member, int code) override {
    comboEntries.emplace_back(member, code);
  }
  void SetRingProfileCaption(const std::string& caption) override {
    ringprof = caption;
    ++ringprofWrites;
  }
  void RecalculateProject() override {
    ++recalcs;
    Recalculate(ds_);
    if (onRecalculate) onRecalculate();
  }
  MessageService& Messages() override { return *messages; }
  FocusBinder& Binder() override { return binder; }

  QWidget owner;
  QRect frame{100, 50, 1024, 768};
  std::unique_ptr<MessageService> ownedMessages = std::make_unique<RecordingMessages>();
  MessageService* messages = ownedMessages.get();
  FocusBinder binder;
  int recalcs = 0;
  std::vector<std::pair<Member, int>> comboEntries;
  std::string ringprof = "unchanged";
  int ringprofWrites = 0;
  std::function<void()> onRecalculate;

  RecordingMessages& Recorded() { return static_cast<RecordingMessages&>(*ownedMessages); }

 private:
  DesignState& ds_;
};

// Defaults, the program's tables and a recording main window.
struct DialogWorld {
  DesignState ds;
  FakeWindow window;
  FakeDialogHost host{ds};
  SectionDialogs dialogs{ds, host};

  DialogWorld() {
    SetDefaults(ds);
    ds.apppath = TAMREL_DATA_DIR;
    LoadAllTables(ds);
    ds.mainfrm = &window;
    Recalculate(ds);
  }
  ~DialogWorld() {
    for (Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        if (SectionDialog* d = dialogs.Existing(m, code); d && d->Window()) d->Window()->hide();
      }
    }
  }

  // Shows the dialog of a member's code as the main window does and waits
  // until the window system has made it the active window.
  SectionDialog* Open(Member member, int code) {
    if (member == Member::Stiffener) {
      ds.stifftype = static_cast<std::int16_t>(code);
      dialogs.ShowStiffDialog();
    } else {
      ds.ringtype = static_cast<std::int16_t>(code);
      dialogs.ShowRingDialog();
    }
    SectionDialog* d = dialogs.Existing(member, code);
    if (d == nullptr || d->Window() == nullptr) return nullptr;
    if (!WaitActive(d->Window())) return nullptr;
    return d;
  }

  // QTest::qWaitForWindowActive also accepts a window whose owner's other
  // dialog is active; the section dialogs need the window itself active.
  static bool WaitActive(QWidget* window) {
    const bool active =
        QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    QCoreApplication::processEvents();
    return active;
  }
  static bool Activate(QWidget* window) {
    window->activateWindow();
    return WaitActive(window);
  }

  template <class T = QWidget>
  static T* Control(SectionDialog* d, const char* name) {
    return d->Window()->findChild<T*>(QString::fromLatin1(name));
  }
};

}  // namespace tamrel::testing
