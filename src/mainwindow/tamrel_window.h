#pragma once
// The main window `tamrel`: input frames on the left, the geometry sketch on
// the right, the three result pictures along the bottom, the menu bar with
// File, Profiles, Print and Help. It owns the platform pieces that give its
// handlers the behaviour they expect (focus/leave binder, option buttons,
// pick-only and editable lists), the twenty section dialogs, the about box,
// the help window, and the four views of itself that the calculation core,
// the section dialogs, the File commands and the report work through
// (window_hosts.h).

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "calc/design_state.h"
#include "dialogs/section_dialogs.h"
#include "files/file_commands.h"
#include "files/recent_files.h"
#include "mainwindow/about_box.h"
#include "mainwindow/help.h"
#include "mainwindow/input_fields.h"
#include "mainwindow/layout.h"
#include "mainwindow/main_controls.h"
#include "mainwindow/window_hosts.h"
#include "platform/document_opener.h"
#include "platform/file_dialog.h"
#include "platform/focus_binder.h"
#include "platform/pictures.h"
#include "report/printer_dialog.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMouseEvent;

namespace tamrel {

class MessageService;
class PickList;
class ProfileCombo;
class SettingsStore;
class InfoTamrelForm;
class InfoUfForm;

// The desktop services the window uses, each replaceable so that tests
// never block on a modal window or start another program. A service left
// out is the desktop's own, kept by the window for the whole run.
struct WindowServices {
  MessageService& messages;
  SettingsStore& settings;
  FileDialogService* fileDialogs = nullptr;       // the open and save dialogs
  PrinterDialogService* printerDialog = nullptr;  // the printer dialog
  DocumentOpener* opener = nullptr;               // theory manual, the about box's links
  // Ends the program once the main window has closed; empty: leave the
  // event loop (QCoreApplication::quit).
  std::function<void()> endProgram = nullptr;
};

// The controls stand in MainControls (main_controls.h), reachable by their
// program names.
class TamrelWindow : public QMainWindow, public MainControls {
  Q_OBJECT

 public:
  // programDir: where the data tables are (the executable's directory).
  TamrelWindow(DesignState& ds, WindowServices services, std::string programDir,
               QWidget* parent = nullptr);
  ~TamrelWindow() override;

  // The load handler: the whole start-up in its order. False when a data
  // table cannot be loaded (after a message naming the file and the
  // problem): the program cannot start.
  bool Start();

  // Brings every control into line with the design state.
  void ShowDesignState();

  // The window as the calculation core, the section dialogs, the File
  // commands and the report see it.
  Window& CalcWindow() { return calc_; }
  SectionDialogHost& DialogHost() { return dialogHost_; }
  FileCommandHost& FileHost() { return fileHost_; }
  ReportHost& PrintHost() { return reportHost_; }

  // Ends the program: the event loop ends; no window runs its own closing.
  static void EndProgram();

  // What the window shows and keeps, for the program and its tests.
  FocusBinder& binder() { return binder_; }
  const MainLayout& layout() const { return layout_; }
  QSize DesignOuterSize() const { return QSize(placement_.width, placement_.height); }
  GeometrySketch CurrentSketch() const;
  QWidget* InfoTamrelWindow() const;
  QWidget* InfoUfWindow() const;
  // How many times the result tables were drawn (once per recalculation).
  int ResultDrawings() const { return calc_.ResultDrawings(); }
  // The twenty section dialogs, kept for the whole run.
  SectionDialogs& SectionDialogSet() { return *sectionDialogs_; }
  // A menu item by its program name ("mnuopen", "mnustiffrhs",
  // "mnurecentfile(2)"); a menu's own item for "mnufile", "mnustiff" ...
  QAction* MenuItem(const char* name) const;
  AboutBox* AboutWindow() const { return about_.data(); }
  HelpWindow* HelpViewer() const { return help_.get(); }

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing the main window, by Exit, the close box or the system menu:
  // a changed project is first offered for saving (Cancel, or a save that
  // fails or is cancelled, keeps the window open); then the program ends at
  // once, without the closing behaviour of any other window.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class WindowForDialogs;  // ShowProfileTypeEntry
  friend class WindowForFiles;    // ApplyRecentFileMenu

  // Construction.
  void BuildMenus();
  void BindMenus();
  void BindPopupMenu();
  void BindEnterKeys();
  void BuildFrames();
  void BuildGeneral(QGroupBox* fr110);
  void BuildControls(QGroupBox* fr111);
  void BuildGeometry(QGroupBox* fr112);
  void BuildStiffener(QGroupBox* fr120);
  void BuildRingFrame(QGroupBox* fr121);
  void BuildLoading(QGroupBox* fr123);
  void BuildColumn(QGroupBox* fr124);
  void BuildResults();
  void BindFields();
  QLineEdit* NewField(const char* name, QWidget* parent, double left, double top, double width);
  QLabel* NewLabel(const QString& caption, QWidget* parent, double left, double top, double width,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
  QLabel* Label(QWidget* parent, const char* name, const char* caption, double left, double top,
                double width, bool right = false);
  void Place(QWidget* w, double left, double top, double width, double height) const;
  void Place(QWidget* w, const TwipRect& r) const;
  int Px(double twips) const;
  int Py(double twips) const;

  // Start-up.
  void DetectDecimalSeparator();
  void SizeAndCentre();
  // Sizes and places the window so that its outer rectangle, with a frame
  // of the given size round the client area, is the placement's, kept
  // inside the screen's available area (KeepOnScreen).
  void FitOuterRectangle(QSize frame);

  // Handlers.
  // Commits the edited input box of the main window that has the focus.
  void CommitPendingInput();
  // Commits the numbers still being typed in the main window and in the
  // open section dialogs before the project is saved, printed or may be
  // dropped; false when a dialog's box failed its check and the command
  // stops.
  bool CommitTypedNumbers();
  // No file command is running and the close event is not asking: a close
  // request of the window may be answered.
  bool MayClose() const;
  // Marks a file command as running for as long as it lives.
  struct FileCommandScope {
    explicit FileCommandScope(int& depth) : depth_(depth) { ++depth_; }
    ~FileCommandScope() { --depth_; }
    FileCommandScope(const FileCommandScope&) = delete;
    FileCommandScope& operator=(const FileCommandScope&) = delete;
    int& depth_;
  };
  // The Enter key in a box or list of the main window (its key handler).
  void OnEnterKey(const char* control);
  void Recalc();
  void RefreshLockedYields();
  int refillDepth_ = 0;  // ShowDesignState nesting
  void CommitField(const FieldSpec& field, QLineEdit* box);
  void CommitText(QLineEdit* box, std::string DesignState::*text);
  void FocusBack(QLineEdit* box);
  void OnCylinderType(std::int16_t type);
  void OnLrfd();
  void OnWsd();
  void OnOutside();
  void OnRing();
  void OnHeavyRing();
  void OnCheckIh();
  void OnDimensioningMoments(std::int16_t code);
  void OnRingFabrication(std::int16_t code);
  void OnLrfdInfo();
  void OnWsdInfo();
  void OnPressureSign();
  void OnMaterial(int member, int index);
  void OnStiffProfileType(int index);
  void OnRingProfileType(int index);
  void OnCylinderLengthInfo();
  void OnProfileItem(Member member, int code);
  void ShowProfilesMenu(QMouseEvent* event);
  bool EnterCommit(const FieldSpec& field, QLineEdit* box);
  QWidget* Control(const char* name) const;
  void RefillRecentFiles();
  void ApplyRecentFileMenu();
  FileCommands Files();
  DocumentOpener& Opener();
  // cbostiff or cboring shows its own entry at index code, choosing nothing.
  void ShowProfileTypeEntry(Member member, int code);
  // A message box with the exclamation icon, owned by the window.
  void Exclaim(const std::string& text);

  void ApplyCylinderType();
  void SetText(QLineEdit* box, const std::string& text);
  std::string Show(const Variant& v, const char* pattern) const;
  std::string Show(float v, const char* pattern) const;

  DesignState& ds_;
  MessageService& messages_;
  SettingsStore& settings_;
  QtFileDialogService qtFileDialogs_;
  QtPrinterDialogService qtPrinterDialog_;
  QtDocumentOpener qtOpener_;
  DocumentOpener* opener_;
  std::function<void()> endProgram_;
  std::string programDir_;
  FocusBinder binder_;
  MainLayout layout_;
  WindowPlacement placement_;
  double dpiX_ = 96;
  double dpiY_ = 96;
  bool placedOnShow_ = false;
  RecentFileMenu recentMenu_;
  SavedProject saved_;    // the project at the last New, Open or Save
  bool closing_ = false;  // the close event is asking its question
  int fileCommands_ = 0;  // file commands running (nested in their messages)
  std::array<PickList*, 3> materialLists_{};
  ProfileCombo* stiffCombo_ = nullptr;
  ProfileCombo* ringCombo_ = nullptr;
  QPointer<InfoTamrelForm> infoTamrel_;
  QPointer<InfoUfForm> infoUf_;
  QPointer<AboutBox> about_;
  std::unique_ptr<HelpWindow> help_;
  std::set<const QObject*> popupCarriers_;
  // The window as its users see it (window_hosts.h).
  WindowForCalc calc_;
  WindowForDialogs dialogHost_;
  WindowForFiles fileHost_;
  WindowForReport reportHost_;
  // Last of all: the dialogs go first when the window is destroyed, while
  // everything they use of it still stands.
  std::unique_ptr<SectionDialogs> sectionDialogs_;
};

}  // namespace tamrel
