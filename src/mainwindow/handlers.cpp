// The main window's handlers: input boxes (focus, leave), option buttons,
// check boxes, command buttons, material and profile-type lists.

#include <QAnyStringView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>
#include <exception>

#include "calc/checks.h"
#include "calc/format.h"
#include "calc/number_text.h"
#include "calc/numeric.h"
#include "calc/sections.h"
#include "calc/yield.h"
#include "mainwindow/info_forms.h"
#include "mainwindow/tamrel_window.h"
#include "platform/controls.h"
#include "platform/message_service.h"

namespace tamrel {

namespace {

constexpr const char* kAlsMessage =
    " For ALS condition, Allowable Usage Factor is recommended to be UF = 1.15 ";

}  // namespace

void TamrelWindow::BindFields() {
  for (auto& [name, box] : fields) {
    QLineEdit* b = box;
    const bool numeric = name != "iproj" && name != "iident";
    FocusBinder::Hooks hooks;
    hooks.enter = [b, numeric] {
      SetBoxColour(b, kFocusedBoxColour);
      if (numeric) SelectAllQueued(b);
    };
    if (numeric) {
      const FieldSpec* spec = FindField(name);
      hooks.leave = [this, spec, b] { CommitField(*spec, b); };
      // A program focus move (a recalculation asking for another field)
      // commits nothing: text typed and not committed is put back to the
      // value calculated with, so the box never shows what is not used.
      hooks.abandon = [this, spec, b] {
        SetBoxColour(b, kLeftBoxColour);
        if (b->isModified()) SetText(b, spec->variable.Format(ds_, spec->pattern));
      };
    } else {
      std::string DesignState::*text = name == "iproj" ? &DesignState::proj : &DesignState::ident;
      hooks.leave = [this, b, text] { CommitText(b, text); };
      // Likewise for the texts: the box shows the name the project holds
      // (the one the report prints).
      hooks.abandon = [this, b, text] {
        SetBoxColour(b, kLeftBoxColour);
        if (b->isModified()) SetText(b, ds_.*text);
      };
    }
    binder_.Bind(box, std::move(hooks));
  }

  // Option buttons act when they become the chosen one; check boxes on every
  // change of value, from the user or from the refill.
  MakeOptionGroup({cylinder0, cylinder1, cylinder2, cylinder3});
  MakeOptionGroup({opt_lrfd, opt_wsd});
  MakeOptionGroup({odmom1, odmom2});
  MakeOptionGroup({ringfab0, ringfab1});
  OnChosen(cylinder0, [this] { OnCylinderType(kCylinder); });
  OnChosen(cylinder1, [this] { OnCylinderType(kRingStiffened); });
  OnChosen(cylinder2, [this] { OnCylinderType(kStringerStiffened); });
  OnChosen(cylinder3, [this] { OnCylinderType(kColumnBuckling); });
  OnChosen(opt_lrfd, [this] { OnLrfd(); });
  OnChosen(opt_wsd, [this] { OnWsd(); });
  OnChosen(odmom1, [this] { OnDimensioningMoments(kMaximumMoment); });
  OnChosen(odmom2, [this] { OnDimensioningMoments(kReducedMoment); });
  OnChosen(ringfab0, [this] { OnRingFabrication(kFabricated); });
  OnChosen(ringfab1, [this] { OnRingFabrication(kColdFormed); });
  OnValueChanged(Outside_ch, [this] { OnOutside(); });
  OnValueChanged(ring_ch, [this] { OnRing(); });
  OnValueChanged(hring_ch, [this] { OnHeavyRing(); });
  OnValueChanged(check_ih, [this] { OnCheckIh(); });

  // Command buttons take the focus when clicked, so that the box left
  // commits before the button acts.
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           cmd_lrfd, cmd_wsd, Picture, cmdpic_stiff, cmdpic_gird, Command3}) {
    b->setFocusPolicy(Qt::StrongFocus);
  }
  connect(cmd_lrfd, &QToolButton::clicked, this, [this] { OnLrfdInfo(); });
  connect(cmd_wsd, &QToolButton::clicked, this, [this] { OnWsdInfo(); });
  connect(Command3, &QPushButton::clicked, this, [this] { OnPressureSign(); });
  connect(Picture, &QToolButton::clicked, this, [this] { OnCylinderLengthInfo(); });
  // The profile buttons show the dialog of the type already chosen.
  connect(cmdpic_stiff, &QToolButton::clicked, this,
          [this] { sectionDialogs_->ShowStiffDialog(); });
  connect(cmdpic_gird, &QToolButton::clicked, this, [this] { sectionDialogs_->ShowRingDialog(); });

  QComboBox* materials[] = {cbofyp, cbofys, cbofyg};
  for (int m = 0; m < 3; ++m) {
    materialLists_[static_cast<std::size_t>(m)] =
        new PickList(materials[m], [this, m](int i) { OnMaterial(m, i); });
  }
  stiffCombo_ = new ProfileCombo(cbostiff, [this](int i) { OnStiffProfileType(i); });
  ringCombo_ = new ProfileCombo(cboring, [this](int i) { OnRingProfileType(i); });
}

// ---- Input boxes ----

void TamrelWindow::CommitField(const FieldSpec& f, QLineEdit* box) {
  const bool usageFactor = f.kind == FieldSpec::Kind::UsageFactor;
  const std::optional<float> value = ParseNumber(ds_.decflag, box->text().toStdString());
  if (!value) {
    // Nothing stored, the text stays as typed, no recalculation.
    Exclaim(kInputStringMismatch);
    FocusBack(box);
    if (!usageFactor) SetBoxColour(box, kLeftBoxColour);
    return;
  }
  bool inRange = true;
  try {
    f.variable.Set(ds_, Variant(*value));
    SetText(box, f.variable.Format(ds_, f.pattern));
    switch (f.kind) {
      case FieldSpec::Kind::TrippingLength:
        if (ds_.ringlt < 50) {
          Exclaim(kTrippingLowMessage);
          FocusBack(box);
        } else if (ds_.ringlt > TrippingLengthLimit(ds_)) {
          Exclaim(kTrippingMessage);
          ds_.ringlt = TrippingLengthBelowLimit(ds_);
          SetText(box, Show(ds_.ringlt, "#00"));
          FocusBack(box);
        }
        break;
      case FieldSpec::Kind::Modulus: {
        // The test sees E as the box shows it (three significant digits).
        const std::optional<double> shown =
            ParseLocaleNumber(box->text().toStdString(), DecimalSign(ds_));
        if (!shown || *shown < 1000) {
          Exclaim(kModulusMessage);
          FocusBack(box);
        }
        break;
      }
      case FieldSpec::Kind::Plain:
      case FieldSpec::Kind::UsageFactor:
        for (const RangeTest& t : f.tests) {
          if (t.message == nullptr || !t.fails(ds_)) continue;
          Exclaim(t.message);
          if (t.focusBack) FocusBack(box);
          inRange = false;
          break;
        }
        break;
    }
    // An out-of-range value stays stored and is calculated with, except the
    // usage factor.
    if (!usageFactor || inRange) Recalc();
  } catch (const std::exception&) {
    // Any other failure ends the commit quietly; the usage-factor box then
    // keeps its colour, as after a type mismatch.
    if (usageFactor) return;
  }
  if (!usageFactor || inRange) SetBoxColour(box, kLeftBoxColour);
}

// Enter in a parse-and-move box: parse, store, rewrite and range-test, as
// leaving does, but every failed test keeps the focus and nothing is
// recalculated (the leave that the move then runs does that). False when
// the focus stays.
bool TamrelWindow::EnterCommit(const FieldSpec& f, QLineEdit* box) {
  // The box never lost the focus, so no focus handler selects its text:
  // select it here, as coming back after Tab does, so that the correction
  // replaces the text instead of being added to it.
  auto keepFocus = [this, box] {
    FocusBack(box);
    SelectAllQueued(box);
  };
  const std::optional<float> value = ParseNumber(ds_.decflag, box->text().toStdString());
  if (!value) {
    Exclaim(kInputStringMismatch);
    keepFocus();
    return false;
  }
  try {
    f.variable.Set(ds_, Variant(*value));
    SetText(box, f.variable.Format(ds_, f.pattern));
    for (const RangeTest& t : f.tests) {
      if (t.message == nullptr || !t.fails(ds_)) continue;
      Exclaim(t.message);
      keepFocus();
      return false;
    }
  } catch (const std::exception&) {
    return false;  // any other failure ends the key quietly
  }
  return true;
}

void TamrelWindow::CommitText(QLineEdit* box, std::string DesignState::*text) {
  ds_.*text = box->text().toStdString();
  SetBoxColour(box, kLeftBoxColour);
}

void TamrelWindow::FocusBack(QLineEdit* box) {
  // Inside a leave the binder only records this; the box then gets its
  // focus handler (highlight, whole text selected) and nothing else runs.
  if (box->isVisibleTo(this) && box->isEnabled()) box->setFocus(Qt::OtherFocusReason);
}

// ---- Recalculation ----

void TamrelWindow::Recalc() {
  Recalculate(ds_);
  RefreshLockedYields();
}

void TamrelWindow::RefreshLockedYields() {
  if (refillDepth_ > 0) return;
  const char sign = DecimalSign(ds_);
  const std::pair<const char*, const Variant*> yields[] = {
      {"ifyp", &ds_.fyp}, {"ifys", &ds_.fys}, {"ifyg", &ds_.fyg}};
  for (const auto& [name, value] : yields) {
    QLineEdit* box = fields.at(name);
    if (box->isEnabled()) continue;
    // Every recalculation comes here, mostly with the strengths unchanged: a
    // locked box is given its text only when the text differs.
    const std::string text = PlainNumberText(*value, sign);
    if (QAnyStringView(box->text()) != QUtf8StringView(text)) SetText(box, text);
  }
}

// ---- Option buttons, check boxes, command buttons ----

void TamrelWindow::OnCylinderType(std::int16_t type) {
  ds_.cyltype = type;
  Recalc();
  // The column's length is the distance between ring frames.
  if (type == kColumnBuckling) ds_.ringspacing = ds_.cyll;
  ShowDesignState();
}

void TamrelWindow::OnLrfd() {
  ds_.lrfd = kLRFD;
  ds_.UF = Variant(1.0);
  cmd_wsd->hide();
  cmd_lrfd->show();
  Recalc();
  ShowDesignState();
}

void TamrelWindow::OnWsd() {
  ds_.lrfd = kWSD;  // the usage factor is kept, read as the basic usage factor n0
  cmd_wsd->show();
  cmd_lrfd->hide();
  Recalc();
  ShowDesignState();
}

void TamrelWindow::OnOutside() {
  ds_.outside = Outside_ch->isChecked() ? 1 : 0;
  Recalc();
  ShowDesignState();
}

void TamrelWindow::OnRing() {
  if (!ring_ch->isChecked()) {
    ds_.ring = 0;
    ds_.hring = 0;
  } else {
    ds_.ring = 1;
  }
  Recalc();
  ShowDesignState();
}

void TamrelWindow::OnHeavyRing() {
  ds_.hring = hring_ch->isChecked() ? 1 : 0;
  Recalc();
  ShowDesignState();
}

void TamrelWindow::OnCheckIh() {
  ds_.ih = check_ih->isChecked() ? 1 : 0;
  Recalc();
}

void TamrelWindow::OnDimensioningMoments(std::int16_t code) {
  ds_.odmom = code;
  Recalc();
}

void TamrelWindow::OnRingFabrication(std::int16_t code) {
  ds_.ringfab = code;
  Recalc();
}

void TamrelWindow::OnLrfdInfo() {
  Exclaim(kAlsMessage);
}

void TamrelWindow::OnWsdInfo() {
  ShowInfoForm(infoUf_, this);
}

void TamrelWindow::OnCylinderLengthInfo() {
  ShowInfoForm(infoTamrel_, this);
}

void TamrelWindow::OnPressureSign() {
  ds_.pd = -ds_.pd;
  SetText(field("ipp"), Show(ds_.pd, "##0.000"));
  Recalc();
}

// ---- Lists ----

void TamrelWindow::OnMaterial(int member, int index) {
  static const char* const boxes[] = {"ifyp", "ifys", "ifyg"};
  std::int16_t DesignState::*const grades[] = {&DesignState::matp, &DesignState::mats,
                                               &DesignState::matg};
  QLineEdit* box = fields.at(boxes[member]);
  const auto i = static_cast<std::int16_t>(index);
  ds_.*grades[member] = i;
  if (i == ds_.mat.matlast) {
    box->setEnabled(true);  // a yield strength typed by the user
  } else {
    const Variant* fy = nullptr;
    switch (member) {
      case 0:
        GetShellYield(ds_, i);
        fy = &ds_.fyp;
        break;
      case 1:
        GetStiffenerYield(ds_, i);
        fy = &ds_.fys;
        break;
      default:
        GetRingYield(ds_, i);
        fy = &ds_.fyg;
        break;
    }
    {
      // Locking the box is the program's move: no leave of it.
      FocusBinder::QuietScope quiet(binder_);
      box->setEnabled(false);
    }
    SetText(box, PlainNumberText(*fy, DecimalSign(ds_)));
  }
  Recalc();
}

// A chosen profile type: its dialog, and the caption of the current
// dimensions. No recalculation here: the dialog recalculates and fills
// itself when it becomes active, and the section routine it runs writes
// the caption again.
void TamrelWindow::OnStiffProfileType(int index) {
  const auto code = static_cast<std::int16_t>(index);
  ds_.stifftype = code;
  if (!IsProfileType(code)) return;
  sectionDialogs_->ShowDialog(Member::Stiffener, code);
  calc_.SetStiffenerCaption(
      ProfileCaption(code, ds_.hs, ds_.bs, ds_.tws, ds_.tfs, DecimalSign(ds_)));
}

void TamrelWindow::OnRingProfileType(int index) {
  const auto code = static_cast<std::int16_t>(index);
  ds_.ringtype = code;
  if (!IsProfileType(code)) return;
  sectionDialogs_->ShowDialog(Member::RingFrame, code);
  calc_.SetRingCaption(ProfileCaption(code, ds_.hg, ds_.bg, ds_.twg, ds_.tfg, DecimalSign(ds_)));
}

// ---- Helpers ----

void TamrelWindow::Exclaim(const std::string& text) {
  messages_.ShowExclamation(this, QString::fromStdString(text));
}

void TamrelWindow::SetText(QLineEdit* box, const std::string& text) {
  box->setText(QString::fromStdString(text));
}

std::string TamrelWindow::Show(const Variant& v, const char* pattern) const {
  return FormatNumber(v, pattern, DecimalSign(ds_));
}

std::string TamrelWindow::Show(float v, const char* pattern) const {
  return FormatNumber(v, pattern, DecimalSign(ds_));
}

}  // namespace tamrel
