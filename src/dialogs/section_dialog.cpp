#include "dialogs/section_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/activation_tracker.h"
#include "dialogs/placement.h"
#include "platform/desktop.h"
#include "platform/focus_binder.h"
#include "platform/message_service.h"

namespace tamrel {

namespace {

// Widest texts the value labels must hold without being cut off.
constexpr const char* kWidestValue = "8.888E+88 mm4";
constexpr const char* kWidestClass = "ef/tw <= 8888 (Eq 3.10.5) ==> NOK";

QFont FrameCaptionFont() {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(8.25);
  f.setBold(true);
  return f;
}

QGroupBox* Frame(const char* name, const QString& caption) {
  auto* box = new QGroupBox(caption);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(FrameCaptionFont());
  return box;
}

}  // namespace

SectionDialog::SectionDialog(const DialogEntry& entry, DesignState& ds, SectionDialogHost& host)
    : ds_(ds), host_(host), entry_(entry) {
  ActivationTracker::Instance();
}

SectionDialog::~SectionDialog() {
  // The program ends (or the main window goes): no closing behaviour runs.
  if (window_) {
    window_->onActivated = nullptr;
    window_->onFramed = nullptr;
    window_->onCloseRequest = nullptr;
    delete window_.data();
  }
}

QFont SectionDialog::TextFont() const {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(9);
  // Stated outright: a control inside a frame must not take on the bold
  // of the frame's caption.
  f.setBold(false);
  f.setUnderline(false);
  return f;
}

int SectionDialog::Px(double twips) const {
  return TwipsToPixels(twips, QueryScreen(host_.DialogOwner()).dpiX);
}

void SectionDialog::BuildTopColumn(QWidget* /*window*/, QVBoxLayout* /*column*/) {}

void SectionDialog::Closing(CloseReason /*reason*/) {}

void SectionDialog::Show() {
  if (!Loaded()) Load();
  SectionWindow* w = window_.data();
  if (!w->isActiveWindow()) showPending_ = true;
  const bool wasVisible = w->isVisible();
  w->show();
  if (wasVisible) w->raise();  // already open: to the front, where it is
  w->activateWindow();
}

void SectionDialog::Load() {
  if (Loaded()) return;
  BuildWindow();
  Place();
  filled_ = false;
  showPending_ = false;
}

void SectionDialog::BuildWindow() {
  auto* w = new SectionWindow(host_.DialogOwner());
  window_ = w;
  w->setObjectName(QString::fromLatin1(entry_.name));
  w->setWindowTitle(QString::fromLatin1(entry_.caption));
  w->setFont(TextFont());
  w->onActivated = [this] { OnWindowActivated(); };
  w->onCloseRequest = [this] { OnCloseRequest(); };

  // The dialog keeps its design size: the sketch, OK and the two frames
  // below them stand close, as on the design, with 8 pixels at the sides
  // (at 96 dpi) and 4 above, between and below.
  const int m = Px(120);
  const int gap = Px(60);
  auto* outer = new QVBoxLayout(w);
  outer->setContentsMargins(0, gap, 0, gap);
  outer->setSpacing(gap);

  // Sketch at the top left, OK (and the table list) at the top right.
  auto* top = new QHBoxLayout;
  top->setContentsMargins(m, 0, m, 0);
  auto* pic = new ProfileSketchBox(entry_.sketch, w);
  const int side = Px(2625);
  pic->setFixedSize(side, side);
  top->addWidget(pic, 0, Qt::AlignTop);
  top->addStretch(1);
  auto* column = new QVBoxLayout;
  column->setSpacing(m);
  auto* ok = new QPushButton(QStringLiteral("OK"), w);
  ok->setObjectName(QStringLiteral("Command1"));
  // Enter on the focused button presses it; the window is no QDialog, so
  // Enter elsewhere never presses it.
  ok->setAutoDefault(true);
  ok->setFixedSize(Px(1215), Px(375));
  // The press takes no focus: a message from the leave handler of the box
  // being left would come up between press and release and swallow the
  // click. The click takes the focus instead (Tab still reaches OK).
  ok->setFocusPolicy(Qt::TabFocus);
  QObject::connect(ok, &QPushButton::clicked, w, [this, ok] { OnOk(ok); });
  column->addWidget(ok, 0, Qt::AlignRight);
  BuildTopColumn(w, column);
  column->addStretch(1);
  top->addLayout(column);
  outer->addLayout(top);

  // "Girder data ": the profile frame on the left, local buckling on the right.
  auto* fr21 = Frame("fr21", QStringLiteral("Girder data "));
  auto* frRow = new QHBoxLayout;
  frRow->setContentsMargins(m, 0, m, 0);
  frRow->addWidget(fr21);
  outer->addLayout(frRow);
  auto* frLayout = new QHBoxLayout(fr21);
  frLayout->setContentsMargins(m, 0, m, gap);
  frLayout->setSpacing(m);

  auto* profile = Frame(entry_.frameName, QString::fromLatin1(entry_.frameCaption));
  auto* grid = new QGridLayout(profile);
  grid->setContentsMargins(m, 0, m, gap);
  grid->setHorizontalSpacing(Px(60));
  grid->setVerticalSpacing(0);
  BuildProfileRows(w, grid);
  grid->setRowStretch(grid->rowCount(), 1);
  frLayout->addWidget(profile, 0);

  const std::vector<ClassLabel> classes = ClassLabels(entry_.shape, entry_.member);
  if (!classes.empty()) {
    auto* local = Frame("Frame1", QStringLiteral("Local buckling"));
    auto* localLayout = new QVBoxLayout(local);
    localLayout->setContentsMargins(gap, 0, gap, gap);
    auto* picture = new QWidget(local);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFont(TextFont());
    auto* texts = new QVBoxLayout(picture);
    texts->setContentsMargins(gap, 0, gap, 0);
    texts->setSpacing(Px(30));
    const QFontMetrics fm(TextFont());
    for (const bool flange : {false, true}) {
      bool heading = false;
      for (const ClassLabel& c : classes) {
        if (c.flange != flange) continue;
        if (!heading) {
          if (flange) texts->addSpacing(m);
          QFont underlined = TextFont();
          underlined.setUnderline(true);
          auto* title = new QLabel(flange ? QStringLiteral("Flange:") : QStringLiteral("Web:"));
          title->setFont(underlined);
          texts->addWidget(title);
          heading = true;
        }
        auto* label = new QLabel(picture);
        label->setObjectName(QString::fromLatin1(c.control));
        label->setFont(TextFont());
        label->setMinimumWidth(fm.horizontalAdvance(QString::fromLatin1(kWidestClass)));
        texts->addWidget(label);
      }
    }
    texts->addStretch(1);
    localLayout->addWidget(picture);
    frLayout->addWidget(local, 1);
  } else {
    frLayout->addStretch(1);
  }

  SetTabOrder(ok);

  // Fixed size: the design size, or what the controls need where the
  // platform's fonts and frames are larger.
  outer->activate();
  QSize client(Px(entry_.widthTwips), Px(entry_.heightTwips));
  client = client.expandedTo(w->minimumSizeHint());
  if (const RolledEntry* r = FindRolled(entry_.member, entry_.code); r && r->widthFromFrame) {
    // This dialog's width follows its frame: 1.06 times the frame, which
    // starts at 0.02 times the dialog's width.
    const int frameWidth = client.width() - 2 * m;
    const int width = static_cast<int>(std::lround(1.06 * frameWidth));
    fr21->setFixedWidth(frameWidth);
    frRow->setContentsMargins(static_cast<int>(std::lround(0.02 * width)), 0, 0, 0);
    frRow->addStretch(1);
    client.setWidth(width);
  }
  w->setFixedSize(client);
}

QLabel* SectionDialog::AddCaption(QGridLayout* grid, int row, const char* caption) {
  auto* label = new QLabel(QString::fromLatin1(caption));
  label->setFont(TextFont());
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(label, row, 0);
  return label;
}

QLabel* SectionDialog::AddValueRow(QGridLayout* grid, int row, const RowEntry& entry) {
  AddCaption(grid, row, entry.caption);
  auto* value = new QLabel;
  value->setObjectName(QString::fromLatin1(entry.control));
  value->setFont(TextFont());
  value->setMinimumWidth(QFontMetrics(TextFont()).horizontalAdvance(kWidestValue));
  grid->addWidget(value, row, 1, 1, 2);
  return value;
}

void SectionDialog::SetLabel(const char* control, const std::string& text) {
  if (!window_) return;
  if (auto* label = window_->findChild<QLabel*>(QString::fromLatin1(control))) {
    label->setText(QString::fromStdString(text));
  }
}

void SectionDialog::ShowRows(const std::vector<RowEntry>& rows) {
  for (const RowEntry& row : rows) {
    SetLabel(row.control, Vars().Of(row.quantity).Format(ds_, row.pattern) + row.unit);
  }
}

void SectionDialog::ShowClassLabels() {
  const auto& texts = ds_.*(Vars().classes);
  for (const ClassLabel& c : ClassLabels(entry_.shape, entry_.member)) {
    SetLabel(c.control, texts[static_cast<std::size_t>(c.element)]);
  }
}

void SectionDialog::ShowMessage(const std::string& text) {
  host_.Messages().ShowExclamation(window_.data(), QString::fromStdString(text));
}

// Placed against the main window's outer rectangle at load time, with the
// dialog's outer size: its client area and frame. Before the dialog is
// shown its frame is taken to be the main window's; once the window system
// has framed it, moments later, it is placed again with its own frame,
// against the main window's rectangle then: a main window just shown may
// have had no frame yet at load time, or not yet its outer size and place.
void SectionDialog::Place() {
  placedBeside_ = host_.OwnerFrameGeometry();
  MoveToPlace();
  window_->onFramed = [this] {
    if (!Loaded()) return;
    const QWidget* o = host_.DialogOwner();
    if (o != nullptr && HasWindowFrame(o)) {
      placedBeside_ = host_.OwnerFrameGeometry();
    }
    MoveToPlace();
  };
}

void SectionDialog::MoveToPlace() {
  QWidget* owner = host_.DialogOwner();
  const ScreenInfo screen = QueryScreen(owner);
  const QRect& main = placedBeside_;
  QSize outer = window_->frameGeometry().size();
  if (!window_->Framed() && owner != nullptr && owner->isVisible()) {
    outer += owner->frameGeometry().size() - owner->size();
  }
  const TwipsRect mainTwips{
      PixelsToTwips(main.x(), screen.dpiX), PixelsToTwips(main.y(), screen.dpiY),
      PixelsToTwips(main.width(), screen.dpiX), PixelsToTwips(main.height(), screen.dpiY)};
  const TwipsPosition at = PlaceSectionDialog(mainTwips, PixelsToTwips(outer.width(), screen.dpiX),
                                              PixelsToTwips(outer.height(), screen.dpiY), entry_.f);
  // The position of a window is that of its frame. The dialog is kept
  // inside the screen's available area, wholly where it fits; one larger
  // than that area keeps its title bar on the screen.
  const QPoint topLeft(TwipsToPixels(at.left, screen.dpiX), TwipsToPixels(at.top, screen.dpiY));
  MoveFrameTo(window_, KeepOnScreen(QRect(topLeft, outer), screen.available));
}

void SectionDialog::OnWindowActivated() {
  // Runs when the dialog was just shown, or when the user switches to it from
  // another window of the program; not when a message box closes, nor when
  // the program comes back from another application.
  const ActivationTracker::Record before = ActivationTracker::Instance().Previous();
  const bool fromOtherWindow =
      before.window != nullptr && before.window != window_.data() && !before.modal;
  if (!showPending_ && !fromOtherWindow) return;
  showPending_ = false;
  Activate();
}

void SectionDialog::Activate() {
  if (!Loaded() || activating_ || unloading_) return;
  activating_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{activating_};
  ds_.*(Vars().type) = entry_.code;
  host_.ShowProfileTypeEntry(entry_.member, entry_.code);
  host_.RecalculateProject();
  if (!Loaded()) return;
  Fill();
  filled_ = true;
}

void SectionDialog::OnOk(QWidget* ok) {
  // A click on OK first takes the focus from the box that held it, so that
  // box's leave handler (store, check, recalculation, refill) has run before
  // confirming starts; confirming runs also where that handler's check has
  // put the focus back into the box.
  host_.Binder().TakeFocus(ok);
  if (!Loaded()) return;
  Confirm();
}

void SectionDialog::OnCloseRequest() {
  Unload(CloseReason::User);
}

void SectionDialog::Unload(CloseReason reason) {
  if (!Loaded() || unloading_) return;
  unloading_ = true;
  Closing(reason);
  QPointer<SectionWindow> w = window_;
  window_ = nullptr;
  filled_ = false;
  showPending_ = false;
  unloading_ = false;
  if (w) {
    w->onActivated = nullptr;
    w->onFramed = nullptr;
    w->onCloseRequest = nullptr;
    w->hide();
    w->deleteLater();
  }
}

}  // namespace tamrel
