// The window refill from the design state (ShowDesignState).

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "calc/number_text.h"
#include "calc/sections.h"
#include "mainwindow/sketch_box.h"
#include "mainwindow/tamrel_window.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

namespace tamrel {

namespace {

QStringList ProfileTypeItems(const char* (*text)(int)) {
  QStringList items;
  for (int code = 0; code < kProfileTypeCount; ++code) items << QString::fromUtf8(text(code));
  return items;
}

}  // namespace

void TamrelWindow::ShowDesignState() {
  // Focus moves the refill causes (a frame hidden, a box disabled) run no
  // handlers: the old project's text is never stored into the new one.
  const FocusBinder::QuietScope quiet(binder_);
  // The recalculations that the refill's own settings run must not rewrite
  // the yield boxes while their enabled state is still the old project's
  // (a typed-grade box would lose its "#000" text); they follow the
  // strengths used once the outermost refill is done.
  struct RefillDepth {
    TamrelWindow& w;
    explicit RefillDepth(TamrelWindow& window) : w(window) { ++w.refillDepth_; }
    ~RefillDepth() {
      if (--w.refillDepth_ == 0) w.RefreshLockedYields();
    }
  } depth(*this);

  // Project name and identification.
  SetText(field("iproj"), ds_.proj);
  SetText(field("iident"), ds_.ident);

  // What the cylinder type shows. Settings that change a control run its
  // handler here, nested.
  ApplyCylinderType();

  // The column fields.
  SetText(field("icolL"), Show(ds_.cyll, "#00"));
  SetText(field("ik1"), Show(ds_.k1, "0.00"));
  SetText(field("ik2"), Show(ds_.k2, "0.00"));
  SetText(field("inn"), Show(ds_.naxial, "#0.0"));
  SetText(field("im1a"), Show(ds_.M1a, "#0.0"));
  SetText(field("im1b"), Show(ds_.M1b, "#0.0"));
  SetText(field("im2a"), Show(ds_.M2a, "#0.0"));
  SetText(field("im2b"), Show(ds_.M2b, "#0.0"));
  SetText(field("ip"), Show(ds_.pd, "##0.000"));

  // Design format; the usage factor survives the option's handler (which
  // resets it to 1.0 for LRFD).
  const float uf = static_cast<float>(ds_.UF.value());
  if (ds_.lrfd == kLRFD) {
    Choose(opt_lrfd);
    text_ufb->setText(QStringLiteral("Allowable Usage Factor UF ="));
  } else {
    Choose(opt_wsd);
    text_ufb->setText(QStringLiteral("Basic Usage Factor, n0 ="));
  }
  ds_.UF = Variant(uf);
  SetText(field("iufb"), Show(ds_.UF, "#0.00"));

  // Material lists: emptied and filled anew, so each selection is a
  // change and runs the material handler (lookup or release, recalculation).
  QStringList grades;
  for (int g = 0; g <= ds_.mat.matlast && g < MaterialTable::kMaxGrades; ++g) {
    grades << QString::fromStdString(ds_.mat.matname[static_cast<std::size_t>(g)]);
  }
  for (PickList* list : materialLists_) list->Fill(grades);
  SetText(field("ifyp"), Show(ds_.fyp, "#000"));
  SetText(field("ifys"), Show(ds_.fys, "#000"));
  SetText(field("ifyg"), Show(ds_.fyg, "#000"));
  SetText(field("ie"), Show(ds_.emod, "0.00E+0"));
  materialLists_[0]->Select(ds_.matp);
  materialLists_[1]->Select(ds_.mats);
  materialLists_[2]->Select(ds_.matg);
  field("ifyp")->setEnabled(ds_.matp == ds_.mat.matlast);
  field("ifys")->setEnabled(ds_.mats == ds_.mat.matlast);
  field("ifyg")->setEnabled(ds_.matg == ds_.mat.matlast);

  // Profile-type lists and captions.
  const char sign = DecimalSign(ds_);
  stiffCombo_->Fill(ProfileTypeItems(StiffProfileTypeText));
  stiffCombo_->SetText(QString::fromUtf8(StiffProfileTypeText(ds_.stifftype)));
  if (IsProfileType(ds_.stifftype)) {
    calc_.SetStiffenerCaption(
        ProfileCaption(ds_.stifftype, ds_.hs, ds_.bs, ds_.tws, ds_.tfs, sign));
  }
  ringCombo_->Fill(ProfileTypeItems(RingProfileTypeText));
  ringCombo_->SetText(QString::fromUtf8(RingProfileTypeText(ds_.ringtype)));
  if (IsProfileType(ds_.ringtype)) {
    calc_.SetRingCaption(ProfileCaption(ds_.ringtype, ds_.hg, ds_.bg, ds_.twg, ds_.tfg, sign));
  }

  // The ring-frame fabrication option.
  if (ds_.ringfab == kFabricated) Choose(ringfab0);
  if (ds_.ringfab == kColdFormed) Choose(ringfab1);

  // The remaining fields.
  SetText(field("is1"), Show(ds_.stiffspacing, "#00"));
  SetText(field("ilt"), Show(ds_.stifflt, "#00"));
  SetText(field("icylr"), Show(ds_.cylr, "#00"));
  SetText(field("icyll"), Show(ds_.cyll, "#00"));
  SetText(field("igilt"), Show(ds_.ringlt, "#00"));
  SetText(field("it"), Show(ds_.cylt, "#0.0"));
  SetText(field("il"), Show(ds_.ringspacing, "#00"));
  SetText(field("isigx"), Show(ds_.Sigx, "##0.0"));
  SetText(field("ipp"), Show(ds_.pd, "##0.000"));
  SetText(field("isigy"), Show(ds_.Sigy, "##0.0"));
  SetText(field("itau"), Show(ds_.Tau, "##0.0"));

  // The note on sign conventions.
  txt1->setText(
      // The caption's carriage return and line feed: one line break on this desktop.
      QStringLiteral("Note 1: Negative sigx / sigy = compression \nNote 2: Positive pd = "
                     "inside pressure "));
}

// The part of the refill that the cylinder type decides: its option, the
// frames, checks and menus it shows, and its sketch, in the order of that
// type.
void TamrelWindow::ApplyCylinderType() {
  const bool outside = ds_.outside != 0;
  const std::optional<GeometrySketch> sketch = GeometrySketchFor(ds_.cyltype, outside);
  auto ringSettings = [&] {
    if (ds_.ring == 0) {
      SetChecked(ring_ch, false);
      SetChecked(hring_ch, false);
      pic32->hide();
    } else {
      SetChecked(ring_ch, true);
      pic32->show();
      SetChecked(hring_ch, ds_.hring != 0);
    }
  };
  auto profilesMenu = [&](bool shown) { mnuprofiles->menuAction()->setVisible(shown); };
  switch (ds_.cyltype) {
    case kCylinder:
      Choose(cylinder0);
      pic20->SetSketch(*sketch);
      Pic31->hide();
      pic32->hide();
      fr120->hide();
      fr121->hide();
      fr123->show();
      fr124->hide();
      Outside_ch->hide();
      ring_ch->hide();
      hring_ch->hide();
      profilesMenu(false);
      break;
    case kRingStiffened:
      Choose(cylinder1);
      fr120->hide();
      fr121->show();
      fr123->show();
      fr124->hide();
      Outside_ch->show();
      ring_ch->show();
      // Heavy ring-frame control shows for every stiffened type: the check
      // runs for the ring-stiffened cylinder too.
      hring_ch->show();
      fr31->setTitle(QStringLiteral("Results Stiffener Buckling"));
      pic20->SetSketch(*sketch);
      SetChecked(Outside_ch, outside);
      Pic31->hide();
      ringSettings();
      profilesMenu(true);
      mnuring->menuAction()->setVisible(true);
      mnustiff->menuAction()->setVisible(false);
      break;
    case kStringerStiffened:
      Choose(cylinder2);
      fr120->show();
      fr121->show();
      fr123->show();
      fr124->hide();
      ring_ch->show();
      hring_ch->show();
      Outside_ch->show();
      pic20->SetSketch(*sketch);
      SetChecked(Outside_ch, outside);
      Pic31->show();
      ringSettings();
      SetChecked(check_ih, ds_.ih != 0);
      profilesMenu(true);
      mnuring->menuAction()->setVisible(true);
      mnustiff->menuAction()->setVisible(true);
      fr31->setTitle(QStringLiteral("Results Stiffener Buckling"));
      break;
    case kColumnBuckling: {
      Choose(cylinder3);
      pic20->SetSketch(*sketch);
      Pic31->show();
      pic32->hide();
      fr31->setTitle(QStringLiteral("Results Global Buckling"));
      fr120->hide();
      fr121->hide();
      fr123->hide();
      Place(fr124, PlaceColumnFrame(layout_));
      fr124->show();
      Outside_ch->hide();
      ring_ch->hide();
      hring_ch->hide();
      profilesMenu(false);
      if (ds_.odmom == kMaximumMoment) Choose(odmom1);
      if (ds_.odmom == kReducedMoment) Choose(odmom2);
      break;
    }
    default: break;  // no such type: the layout is left as it is
  }
}

}  // namespace tamrel
