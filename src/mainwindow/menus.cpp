// The menu bar of the main window (File, Profiles, Print, Help), written as
// data once; the twenty Profiles items; the Profiles menu as the pop-up of
// a right click; Exit and the closing of the main window.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>

#include "mainwindow/help.h"
#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"
#include "report/print_report.h"

namespace tamrel {

namespace {

// The menu tree, top to bottom. Level 1 is the menu bar, 2 an item of a
// menu of the bar, 3 an item of a submenu. No item has a shortcut key, a
// check mark or is ever disabled.
enum class Node : std::uint8_t {
  Menu,
  Command,
  Separator,
  ProfileItems,  // the ten profile items of the submenu above (kProfileItems)
};

struct MenuEntry {
  int level;
  Node node;
  const char* name;
  const char* caption;
  bool hiddenAtCreation = false;
};

constexpr MenuEntry kMenuTree[] = {
    {1, Node::Menu, "mnufile", "&File"},
    {2, Node::Command, "mnunew", "&New"},
    {2, Node::Command, "mnuopen", "&Open"},
    {2, Node::Command, "mnusave", "&Save"},
    {2, Node::Command, "mnusaveas", "Save &As"},
    // The recent-file entries (placeholder captions that never equal a path).
    {2, Node::Separator, "mnurecentfile(0)", "-", true},
    {2, Node::Command, "mnurecentfile(1)", "oldfile1", true},
    {2, Node::Command, "mnurecentfile(2)", "oldfile1", true},
    {2, Node::Command, "mnurecentfile(3)", "oldfile3", true},
    {2, Node::Command, "mnurecentfile(4)", "oldfile4", true},
    {2, Node::Separator, "spacer", "-"},
    {2, Node::Command, "mnuexit", "&Exit"},
    {1, Node::Menu, "mnuprofiles", "&Profiles", true},
    {2, Node::Menu, "mnustiff", "&Longitudinal stiffener"},
    {3, Node::ProfileItems, "mnustiff", nullptr},
    {2, Node::Menu, "mnuring", "&Ringframe Profile"},
    {3, Node::ProfileItems, "mnuring", nullptr},
    {1, Node::Command, "mnuprint", "Print"},  // a command on the bar itself
    {1, Node::Menu, "mnuhelp", "&Help"},
    {2, Node::Command, "mnuhelpcont", "&Contents"},
    {2, Node::Command, "mnuindex", "&Index"},
    {2, Node::Command, "mnuhelpsearch", "&Search for Help On . . . "},
    {2, Node::Command, "mnuTheory", "Theory Manual"},
    {2, Node::Separator, "line", "-"},
    {2, Node::Command, "mnuabout", "&About Tamrel"},
};

// The profile items of both submenus, in profile-type code order. The
// captions are the menu's own, worded unlike the profile-type lists.
struct ProfileItem {
  const char* caption;
  const char* stiffItem;
  const char* ringItem;
};

constexpr ProfileItem kProfileItems[kProfileTypeCount] = {
    {"&L-table", "mnustiffl", "mnugirdl"},       {"L built-up", "mnustifflb", "mnugirdlb"},
    {"&T-table", "mnustifft", "mnugirdt"},       {"T built-up", "mnustifftb", "mnugirdtb"},
    {"Flatbar table", "mnustifff", "mnugirdf"},  {"Flatbar built-up", "mnustiffflb", "mnugirdfb"},
    {"Bulb Flat", "mnustiffhp", "mnugirdhp"},    {"RHS", "mnustiffrhs", "mnugirdrhs"},
    {"Trapez-profile", "mnustiffu", "mnugirdu"}, {"I built-up", "mnustiffib", "mnugirdib"},
};

// The elements of the window whose right click pops up the Profiles menu:
// the window's background and these controls. Everything else (the five
// lists, the usage factor and the column data but its length, the column
// type, the dimensioning moments, heavy ring-frame control, check_ih, the
// sign button, the column frame and the labels not named here) has none.
constexpr const char* kPopupCarriers[] = {
    "client",  // the window background
    "fr10",
    // General
    "fr110", "iproj", "iident", "Label26", "Label25",
    // Cylinder type and Controls
    "fr111", "cylinder0", "cylinder1", "cylinder2", "Outside_ch", "ring_ch", "fr1111", "opt_lrfd",
    "opt_wsd", "cmd_lrfd", "cmd_wsd",
    // Geometry/Plate material
    "fr112", "icylr", "il", "it", "ie", "ifyp", "Label84", "Label9", "Label12", "Label7", "Label2",
    "Label3", "Label24", "Label27", "Label8", "Label29",
    // Stiffener data
    "fr120", "is1", "ilt", "ifys", "cmdpic_stiff", "Label10", "Label5", "Label4", "Label21",
    "Label18", "Label17", "prof", "stiffprof",
    // Ringframe data
    "fr121", "icyll", "igilt", "ifyg", "cmdpic_gird", "Picture", "ringfab0", "ringfab1", "Label11",
    "Label15", "Label13", "Label16", "Label14", "ringprof", "Label23", "Label20", "Label19",
    // Loading
    "fr123", "isigx", "isigy", "itau", "ipp", "Label46", "Label44", "Label74", "Label45",
    // Column data: only the length
    "icolL",
    // Sketch and results
    "fr20", "pic20", "fr30", "pic30", "fr31", "Pic31", "fr32", "pic32"};

void Name(QAction* a, const char* name) {
  a->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void TamrelWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* menus[4] = {};  // the menu at each level
  for (const MenuEntry& e : kMenuTree) {
    QMenu* in = e.level > 1 ? menus[e.level - 1] : nullptr;
    const QString caption = QString::fromLatin1(e.caption != nullptr ? e.caption : "");
    switch (e.node) {
      case Node::Menu: {
        QMenu* m = in != nullptr ? in->addMenu(caption) : bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(e.name));
        Name(m->menuAction(), e.name);
        m->menuAction()->setVisible(!e.hiddenAtCreation);
        menus[e.level] = m;
        break;
      }
      case Node::Command: {
        QAction* a = in != nullptr ? in->addAction(caption) : bar->addAction(caption);
        Name(a, e.name);
        a->setVisible(!e.hiddenAtCreation);
        break;
      }
      case Node::Separator: {
        QAction* a = in->addSeparator();
        Name(a, e.name);
        a->setVisible(!e.hiddenAtCreation);
        break;
      }
      case Node::ProfileItems: {
        const bool stiff = std::string(e.name) == "mnustiff";
        for (const ProfileItem& item : kProfileItems) {
          Name(in->addAction(QString::fromLatin1(item.caption)),
               stiff ? item.stiffItem : item.ringItem);
        }
        break;
      }
    }
  }
  mnufile = findChild<QMenu*>(QStringLiteral("mnufile"));
  mnuprofiles = findChild<QMenu*>(QStringLiteral("mnuprofiles"));
  mnustiff = findChild<QMenu*>(QStringLiteral("mnustiff"));
  mnuring = findChild<QMenu*>(QStringLiteral("mnuring"));
  mnuhelp = findChild<QMenu*>(QStringLiteral("mnuhelp"));
  mnuprint = MenuItem("mnuprint");
  for (int i = 0; i <= kRecentFileCount; ++i) {
    mnurecentfile[static_cast<std::size_t>(i)] =
        MenuItem(QStringLiteral("mnurecentfile(%1)").arg(i).toLatin1().constData());
  }
}

// A menu is not a leave, so a number still being typed in its box would be
// neither saved nor printed while the box shows it: commit an edited box
// first, as leaving it would.
void TamrelWindow::CommitPendingInput() {
  auto* box = qobject_cast<QLineEdit*>(binder_.Entered(this));
  if (box != nullptr && box->isModified()) binder_.CommitEntered(this);
}

QAction* TamrelWindow::MenuItem(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

// A number still being typed, in the main window or in an open section
// dialog, is part of the project that Save and Save As write, Print prints
// and New, Open, a recent entry and the end of the program offer for
// saving: it is committed first.
bool TamrelWindow::CommitTypedNumbers() {
  CommitPendingInput();
  return sectionDialogs_->CommitEnteredBoxes();
}

bool TamrelWindow::MayClose() const {
  return !closing_ && fileCommands_ == 0;
}

void TamrelWindow::BindMenus() {
  // A number still being typed is part of the project the file commands
  // save or drop and Print prints: it is committed first, and the command
  // stops where a section dialog's box fails its check. While a command
  // runs (its question, dialog or message up), the window is not closed.
  const auto fileCommand = [this](auto command) {
    return [this, command] {
      const FileCommandScope running(fileCommands_);
      if (!CommitTypedNumbers()) return;
      (Files().*command)();
    };
  };
  const std::map<std::string, std::function<void()>> commands = {
      {"mnunew", fileCommand(&FileCommands::New)},
      {"mnuopen", fileCommand(&FileCommands::Open)},
      {"mnusave", fileCommand(&FileCommands::Save)},
      {"mnusaveas", fileCommand(&FileCommands::SaveAs)},
      {"mnuexit", [this] { close(); }},
      {"mnuprint",
       [this] {
         if (CommitTypedNumbers()) tamrel_mnuprint_Click(ds_, reportHost_);
       }},
      {"mnuhelpcont", [this] { ShowHelpContents(help_, ds_.apppath); }},
      {"mnuindex", [this] { ShowHelpIndex(help_, ds_.apppath); }},
      {"mnuhelpsearch", [this] { ShowHelpSearch(help_, ds_.apppath); }},
      {"mnuTheory", [this] { OpenTheoryManual(Opener(), ds_.apppath); }},
      {"mnuabout", [this] { ShowAboutBox(about_, ds_, Opener(), messages_, this); }},
  };
  // A failure escaping a menu command would end the program with the
  // project unsaved: it ends the command with its message instead.
  auto guarded = [this](std::function<void()> run) {
    return [this, run] {
      try {
        run();
      } catch (const std::exception& e) {
        messages_.ShowExclamation(this, QString::fromStdString(e.what()));
      }
    };
  };
  for (const auto& [name, run] : commands) {
    connect(MenuItem(name.c_str()), &QAction::triggered, this, guarded(run));
  }
  for (int i = 1; i <= kRecentFileCount; ++i) {
    connect(mnurecentfile[static_cast<std::size_t>(i)], &QAction::triggered, this,
            guarded([this, i] {
              const FileCommandScope running(fileCommands_);
              if (CommitTypedNumbers()) Files().OpenRecent(i);
            }));
  }
  for (int code = 0; code < kProfileTypeCount; ++code) {
    const ProfileItem& item = kProfileItems[code];
    connect(MenuItem(item.stiffItem), &QAction::triggered, this,
            [this, code] { OnProfileItem(Member::Stiffener, code); });
    connect(MenuItem(item.ringItem), &QAction::triggered, this,
            [this, code] { OnProfileItem(Member::RingFrame, code); });
  }
  // F1 opens the help at its contents (the menu item itself has no key).
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { ShowHelpContents(help_, ds_.apppath); });
}

// A Profiles item: the member's profile type, then its dialog. The dialog's
// activation recalculates and shows the type in the profile list; the item
// itself changes neither the list nor the profile caption.
void TamrelWindow::OnProfileItem(Member member, int code) {
  (member == Member::Stiffener ? ds_.stifftype : ds_.ringtype) = static_cast<std::int16_t>(code);
  sectionDialogs_->ShowDialog(member, code);
}

// ---- The pop-up Profiles menu ----

void TamrelWindow::BindPopupMenu() {
  for (const char* name : kPopupCarriers) {
    QWidget* w = Control(name);
    if (w == nullptr) continue;
    popupCarriers_.insert(w);
    w->installEventFilter(this);
    // The pop-up takes the place of a box's own edit menu.
    w->setContextMenuPolicy(Qt::PreventContextMenu);
  }
}

void TamrelWindow::ShowProfilesMenu(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return;
  if (ds_.cyltype == kCylinder) return;
  // Shown also while the bar hides it (the column type), with the
  // submenus as the last refill left them.
  mnuprofiles->popup(event->globalPosition().toPoint());
}

// ---- Exit and closing ----

// Leaves the event loop without closing the other windows first (quit()
// would close them, and a built-up dialog would then run its closing
// checks and messages); they are destroyed with the main window.
void TamrelWindow::EndProgram() {
  QCoreApplication::exit(0);
}

void TamrelWindow::closeEvent(QCloseEvent* event) {
  // A second close while the question is up is no answer to it, nor is a
  // close while a file command asks or shows its dialog or a message.
  if (!MayClose()) {
    event->ignore();
    return;
  }
  bool mayEnd = false;
  {
    closing_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{closing_};
    try {
      mayEnd = CommitTypedNumbers() && Files().MayDropProject();
    } catch (const std::exception& e) {
      // The project stays: nothing is lost by a failure while saving it.
      messages_.ShowExclamation(this, QString::fromStdString(e.what()));
    }
  }
  if (!mayEnd) {
    event->ignore();
    return;
  }
  // The other windows end with the program, without their own closing
  // behaviour.
  event->accept();
  QMainWindow::closeEvent(event);
  if (endProgram_) {
    endProgram_();
  } else {
    EndProgram();
  }
}

}  // namespace tamrel
