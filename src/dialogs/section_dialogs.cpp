#include "dialogs/section_dialogs.h"

#include <cstring>

#include "calc/sections.h"
#include "dialogs/activation_tracker.h"
#include "dialogs/built_up_dialog.h"
#include "dialogs/rolled_section_dialog.h"

namespace tamrel {

SectionDialogs::SectionDialogs(DesignState& ds, SectionDialogHost& host) : ds_(ds), host_(host) {
  // Watch window activations from the start, so that the first dialog
  // knows which window the user came from.
  ActivationTracker::Instance();
}

SectionDialogs::~SectionDialogs() = default;

SectionDialog* SectionDialogs::Existing(Member member, int code) const {
  if (!IsProfileType(code)) return nullptr;
  const auto& set = member == Member::Stiffener ? stiff_ : ring_;
  return set[static_cast<std::size_t>(code)].get();
}

SectionDialog* SectionDialogs::Instance(Member member, int code) {
  if (!IsProfileType(code)) return nullptr;
  auto& slot = (member == Member::Stiffener ? stiff_ : ring_)[static_cast<std::size_t>(code)];
  if (!slot) {
    if (const RolledEntry* r = FindRolled(member, code)) {
      slot = std::make_unique<RolledSectionDialog>(*r, ds_, host_);
    } else if (const BuiltUpEntry* b = FindBuiltUp(member, code)) {
      slot = std::make_unique<BuiltUpDialog>(*b, ds_, host_);
    }
  }
  return slot.get();
}

void SectionDialogs::ShowDialog(Member member, int code) {
  if (SectionDialog* d = Instance(member, code)) d->Show();
}

void SectionDialogs::ShowStiffDialog() {
  ShowDialog(Member::Stiffener, ds_.stifftype);
}

void SectionDialogs::ShowRingDialog() {
  const int code = ds_.ringtype;
  if (!IsProfileType(code)) return;
  ShowDialog(Member::RingFrame, code);
  host_.SetRingProfileCaption(
      ProfileCaption(ds_.ringtype, ds_.hg, ds_.bg, ds_.twg, ds_.tfg, DecimalSign(ds_)));
}

bool SectionDialogs::CommitEnteredBoxes() {
  for (const auto* set : {&stiff_, &ring_}) {
    for (const auto& d : *set) {
      if (d && d->Loaded() && !d->CommitEnteredBox()) return false;
    }
  }
  return true;
}

std::vector<std::string> SectionDialogs::UnloadSectionDialogs() {
  std::vector<std::string> closed;
  for (const char* name : UnloadOrder()) {
    for (const Member member : {Member::Stiffener, Member::RingFrame}) {
      const auto& set = member == Member::Stiffener ? stiff_ : ring_;
      for (const auto& d : set) {
        if (!d || std::strcmp(d->Entry().name, name) != 0 || !d->Loaded()) continue;
        d->Unload(SectionDialog::CloseReason::ProjectOpened);
        closed.emplace_back(name);
      }
    }
  }
  return closed;
}

}  // namespace tamrel
