#pragma once
// The twenty section dialogs of the program, one instance each, created on
// first use and kept for the whole run, and the entry points the main
// window calls: show the dialog of the member's current profile type, show
// the dialog of a code, and close every dialog when a project is opened.
//
// The main window keeps one SectionDialogs for the whole run, made before it
// is first shown (it starts watching window activations), and destroys it
// with itself: that closes the dialog windows without their closing
// behaviour, as ending the program does.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "calc/design_state.h"
#include "dialogs/dialog_catalogue.h"
#include "dialogs/section_dialog_host.h"

namespace tamrel {

class SectionDialog;

class SectionDialogs {
 public:
  SectionDialogs(DesignState& ds, SectionDialogHost& host);
  ~SectionDialogs();
  SectionDialogs(const SectionDialogs&) = delete;
  SectionDialogs& operator=(const SectionDialogs&) = delete;

  // The profile picture buttons: the dialog of stifftype; nothing for a code
  // outside 0..9.
  void ShowStiffDialog();
  // The dialog of ringtype, then the caption of ringprof from the ring
  // frame's current dimensions; nothing at all for a code outside 0..9.
  void ShowRingDialog();
  // The profile-type combos and the Profiles menu items, after they have set
  // the member's type code: the dialog of that code.
  void ShowDialog(Member member, int code);

  // Opening a project: closes every loaded dialog, in the fixed order of
  // the File commands, without reading their boxes back. Returns the names
  // of the dialogs closed, in that order.
  std::vector<std::string> UnloadSectionDialogs();

  // Before the project is saved, printed, offered for saving or dropped: a
  // number still being typed into a box of an open dialog is committed, as
  // leaving the box would. False when a box's check failed (its message
  // shown): the command stops there, with the focus back in that box.
  bool CommitEnteredBoxes();

  // The instance of a dialog, created on first use; nullptr for a code
  // outside 0..9.
  SectionDialog* Instance(Member member, int code);
  // The instance if it has been created.
  SectionDialog* Existing(Member member, int code) const;

 private:
  DesignState& ds_;
  SectionDialogHost& host_;
  std::array<std::unique_ptr<SectionDialog>, kProfileTypeCount> stiff_;
  std::array<std::unique_ptr<SectionDialog>, kProfileTypeCount> ring_;
};

}  // namespace tamrel
