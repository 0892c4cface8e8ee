#pragma once
// What the twenty section dialogs share: the instance that lives for the
// whole run while its window comes and goes (loaded on a show request,
// unloaded by OK, by closing and when a project is opened), the placement
// beside the main window, the profile sketch, the frames "Girder data ",
// profile and "Local buckling", and the activation handler that makes the
// dialog's profile type the member's current one, recalculates and fills
// the dialog.

#include <QPointer>
#include <string>
#include <vector>

#include "calc/design_state.h"
#include "dialogs/dialog_catalogue.h"
#include "dialogs/section_dialog_host.h"
#include "dialogs/section_window.h"

class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace tamrel {

class SectionDialog {
 public:
  enum class CloseReason : std::uint8_t {
    User,           // OK or the window's close box
    ProjectOpened,  // the File commands close every dialog after reading a project
  };

  SectionDialog(const DialogEntry& entry, DesignState& ds, SectionDialogHost& host);
  virtual ~SectionDialog();
  SectionDialog(const SectionDialog&) = delete;
  SectionDialog& operator=(const SectionDialog&) = delete;

  const DialogEntry& Entry() const { return entry_; }
  bool Loaded() const { return !window_.isNull(); }
  // The dialog's window; nullptr while it is unloaded.
  SectionWindow* Window() const { return window_.data(); }
  // True once the activation has filled the loaded dialog.
  bool Filled() const { return filled_; }

  // Show request: loads an unloaded dialog (placement, sketch), shows it
  // modeless above the main window and brings it to the front. Its
  // activation handler runs when it becomes the active window.
  void Show();
  // Load handler: the window and its controls, placed against the main
  // window's rectangle at this moment, with the sketch in pic1.
  void Load();
  // Runs the closing behaviour and unloads the window; the instance stays.
  void Unload(CloseReason reason);
  // Activation handler: profile type, combo text, recalculation, fill.
  void Activate();
  // The OK button Command1.
  virtual void Confirm() = 0;
  // A number typed into a box of the dialog and not yet left: its leave
  // handler runs as leaving the box would (store, check, recalculation,
  // refill), while the box keeps the focus. False when its check failed
  // and showed its message. Dialogs without input boxes have nothing to do.
  virtual bool CommitEnteredBox() { return true; }

 protected:
  // Subclass controls: under OK in the top column (the table list) and the
  // rows of the profile frame.
  virtual void BuildTopColumn(QWidget* window, QVBoxLayout* column);
  virtual void BuildProfileRows(QWidget* window, QGridLayout* grid) = 0;
  // Tab order from the OK button; the first control gets the focus.
  virtual void SetTabOrder(QWidget* ok) = 0;
  virtual void Fill() = 0;
  virtual void Closing(CloseReason reason);

  // A caption label and a value label in a row of the profile frame.
  QLabel* AddValueRow(QGridLayout* grid, int row, const RowEntry& entry);
  QLabel* AddCaption(QGridLayout* grid, int row, const char* caption);
  // Writes the value labels of the rows from the member's current section.
  void ShowRows(const std::vector<RowEntry>& rows);
  // Writes the local-buckling labels from stiffclass or girdclass.
  void ShowClassLabels();
  void SetLabel(const char* control, const std::string& text);
  void ShowMessage(const std::string& text);

  const MemberVars& Vars() const { return VarsOf(entry_.member); }
  QFont TextFont() const;
  int Px(double twips) const;  // twips to pixels on the owner's screen

  DesignState& ds_;
  SectionDialogHost& host_;

 private:
  void BuildWindow();
  void Place();
  void MoveToPlace();
  void OnWindowActivated();
  void OnOk(QWidget* ok);
  void OnCloseRequest();

  const DialogEntry& entry_;
  QPointer<SectionWindow> window_;
  QRect placedBeside_;  // the main window's outer rectangle when the dialog was loaded
  bool showPending_ = false;
  bool filled_ = false;
  bool unloading_ = false;
  bool activating_ = false;
};

}  // namespace tamrel
