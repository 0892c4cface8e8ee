#include "mainwindow/tamrel_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <cmath>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/number_text.h"
#include "calc/sections.h"
#include "files/table_loaders.h"
#include "mainwindow/enter_order.h"
#include "mainwindow/info_forms.h"
#include "mainwindow/sketch_box.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/formula_text.h"
#include "platform/message_service.h"
#include "platform/picture_box.h"

namespace tamrel {

namespace {

// Rows inside the input frames, in twips: first row below the frame's
// caption, then one row every kRow.
constexpr double kRow0 = 240;
constexpr double kRow = 345;
constexpr double kBoxHeight = 300;
double RowTop(int k) {
  return kRow0 + k * kRow;
}

}  // namespace

TamrelWindow::TamrelWindow(DesignState& ds, WindowServices services, std::string programDir,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ds_(ds),
      messages_(services.messages),
      settings_(services.settings),
      qtPrinterDialog_(messages_),
      opener_(services.opener),
      endProgram_(std::move(services.endProgram)),
      programDir_(std::move(programDir)),
      binder_(this),
      calc_(*this, *this, messages_, binder_, [this] { RefreshLockedYields(); }),
      dialogHost_(*this, ds_, messages_, binder_),
      fileHost_(*this, messages_,
                services.fileDialogs != nullptr ? *services.fileDialogs : qtFileDialogs_),
      reportHost_(*this, messages_,
                  services.printerDialog != nullptr ? *services.printerDialog : qtPrinterDialog_) {
  setObjectName(QStringLiteral("tamrel"));
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(8.25);
  setFont(font);
  const ScreenInfo screen = QueryScreen(nullptr);
  dpiX_ = screen.dpiX;
  dpiY_ = screen.dpiY;
  setWindowIcon(ProgramIcon());
  layout_ = LayOutMainWindow(kMainWidthTwips, kMainHeightTwips);
  BuildMenus();
  BuildFrames();
  BindFields();
  BindMenus();
  BindPopupMenu();
  BindEnterKeys();
  // One instance of each section dialog for the whole run; they watch the
  // window activations from now on.
  sectionDialogs_ = std::make_unique<SectionDialogs>(ds_, dialogHost_);
}

TamrelWindow::~TamrelWindow() {
  // Nothing of the window may act while its controls are destroyed.
  if (ds_.mainfrm == &calc_) ds_.mainfrm = nullptr;
  disconnect(qApp, nullptr, &binder_, nullptr);
  for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
}

int TamrelWindow::Px(double twips) const {
  return TwipsToPixels(twips, dpiX_);
}
int TamrelWindow::Py(double twips) const {
  return TwipsToPixels(twips, dpiY_);
}

void TamrelWindow::Place(QWidget* w, double left, double top, double width, double height) const {
  const int x = Px(left);
  const int y = Py(top);
  w->setGeometry(x, y, Px(left + width) - x, Py(top + height) - y);
}

void TamrelWindow::Place(QWidget* w, const TwipRect& r) const {
  Place(w, r.left, r.top, r.width, r.height);
}

// ---- Construction ----

QLabel* TamrelWindow::NewLabel(const QString& caption, QWidget* parent, double left, double top,
                               double width, Qt::Alignment align) {
  auto* label = new QLabel(caption, parent);
  label->setAlignment(align);
  Place(label, left, top, width, kBoxHeight);
  return label;
}

QLabel* TamrelWindow::Label(QWidget* parent, const char* name, const char* caption, double left,
                            double top, double width, bool right) {
  QLabel* label = NewLabel(QString::fromLatin1(caption), parent, left, top, width,
                           (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* TamrelWindow::NewField(const char* name, QWidget* parent, double left, double top,
                                  double width) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  Place(box, left, top, width, kBoxHeight);
  SetBoxColour(box, kLeftBoxColour);
  fields[name] = box;
  return box;
}

namespace {

QGroupBox* NewFrame(const char* name, const char* caption, QWidget* parent) {
  auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

template <class W>
W* Named(W* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

QToolButton* NewPictureButton(const char* name, QWidget* parent, const QPixmap& face) {
  auto* b = Named(new QToolButton(parent), name);
  b->setIcon(QIcon(face));
  b->setIconSize(face.size());
  b->setAutoRaise(false);
  return b;
}

}  // namespace

void TamrelWindow::BuildFrames() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("client"));
  setCentralWidget(central);

  fr10 = NewFrame("fr10", "Cylinder  ", central);
  fr110 = NewFrame("fr110", "General", fr10);
  fr111 = NewFrame("fr111", "Cylinder type and Controls", fr10);
  fr112 = NewFrame("fr112", "Geometry/Plate material (mm, MPa)", fr10);
  fr120 = NewFrame("fr120", "Stiffener data  (mm)", fr10);
  fr121 = NewFrame("fr121", "Ringframe data (mm)", fr10);
  fr123 = NewFrame("fr123", "Loading (MPa)", fr10);
  fr124 = NewFrame("fr124", "Column data", fr10);
  fr20 = NewFrame("fr20", "Cylinder", central);
  pic20 = Named(new SketchBox(fr20), "pic20");

  // Frames and pictures stand at the layout's places (the start-up lays
  // them out again, in its order); the controls inside the frames keep
  // their design places.
  const MainLayout& l = layout_;
  for (auto [w, r] : {std::pair<QWidget*, TwipRect>{fr10, l.fr10},
                      {fr110, l.fr110},
                      {fr111, l.fr111},
                      {fr112, l.fr112},
                      {fr120, l.fr120},
                      {fr121, l.fr121},
                      {fr123, l.fr123},
                      {fr124, l.fr124},
                      {fr20, l.fr20},
                      {pic20, l.pic20}}) {
    Place(w, r);
  }
  BuildGeneral(fr110);
  BuildControls(fr111);
  BuildGeometry(fr112);
  BuildStiffener(fr120);
  BuildRingFrame(fr121);
  BuildLoading(fr123);
  BuildColumn(fr124);
  fr124->hide();
  BuildResults();

  Test = Named(new QLineEdit(central), "Test");
  Place(Test, 0, 0, 600, kBoxHeight);
}

void TamrelWindow::BuildGeneral(QGroupBox* f) {
  Label(f, "Label26", "Project name:", 120, 180, 2000);
  NewField("iproj", f, 120, 480, 4480);
  Label(f, "Label25", "Identification:", 120, 810, 2000);
  NewField("iident", f, 120, 1110, 4480);
}

void TamrelWindow::BuildControls(QGroupBox* f) {
  fr1111 = NewFrame("fr1111", "LRFD/WSD", f);
  Place(fr1111, 120, 210, layout_.fr111.width - 240, 960);
  opt_lrfd = Named(new QRadioButton(QStringLiteral("LRFD"), fr1111), "opt_lrfd");
  opt_lrfd->setToolTip(QStringLiteral(" UFpermissible = 1.0 "));
  Place(opt_lrfd, 120, 240, 900, kBoxHeight);
  const int face = Py(240);
  cmd_lrfd = NewPictureButton("cmd_lrfd", fr1111, InfoButtonPixmap(face));
  Place(cmd_lrfd, 1050, 240, 330, kBoxHeight);
  opt_wsd = Named(new QRadioButton(QStringLiteral("WSD"), fr1111), "opt_wsd");
  Place(opt_wsd, 120, 570, 900, kBoxHeight);
  text_ufb = Label(fr1111, "text_ufb", "Basic Usage Factor, n0 =", 1050, 570, 2250, true);
  NewField("iufb", fr1111, 3360, 570, 650);
  cmd_wsd = NewPictureButton("cmd_wsd", fr1111, InfoButtonPixmap(face));
  Place(cmd_wsd, 4080, 570, 330, kBoxHeight);

  const char* types[] = {"Cylinder ", "Ring stiffened ", "Stringer stiffened ", "Column buckling"};
  QRadioButton** options[] = {&cylinder0, &cylinder1, &cylinder2, &cylinder3};
  for (int k = 0; k < 4; ++k) {
    *options[k] = new QRadioButton(QString::fromLatin1(types[k]), f);
    (*options[k])->setObjectName(QStringLiteral("cylinder%1").arg(k));
    Place(*options[k], 120, 1245 + k * 300, 2250, kBoxHeight);
  }
  Outside_ch = Named(new QCheckBox(QStringLiteral("Outside stiffening"), f), "Outside_ch");
  ring_ch = Named(new QCheckBox(QStringLiteral("Ringframe control"), f), "ring_ch");
  hring_ch = Named(new QCheckBox(QStringLiteral("Heavy Ringframe control"), f), "hring_ch");
  Place(Outside_ch, 2400, 1245, 2250, kBoxHeight);
  Place(ring_ch, 2400, 1545, 2250, kBoxHeight);
  Place(hring_ch, 2400, 1845, 2250, kBoxHeight);
}

void TamrelWindow::BuildGeometry(QGroupBox* f) {
  struct Row {
    const char* captionLabel;
    const char* caption;
    const char* symbolLabel;
    const char* symbol;
    const char* field;
  };
  const Row rows[] = {{"Label84", "Cylinder radius (cL plate)", "Label9", "r =", "icylr"},
                      {"Label12", "Distance between ring frames", "Label7", "l =", "il"},
                      {"Label2", "Cylinder wall thickness", "Label3", "t =", "it"},
                      {"Label24", "Youngs modulus", "Label27", "E =", "ie"}};
  for (int k = 0; k < 4; ++k) {
    Label(f, rows[k].captionLabel, rows[k].caption, 120, RowTop(k), 2300);
    Label(f, rows[k].symbolLabel, rows[k].symbol, 2450, RowTop(k), 400, true);
    NewField(rows[k].field, f, 2900, RowTop(k), 1000);
  }
  Label(f, "Label8", "Material:", 120, RowTop(4), 700);
  cbofyp = Named(new QComboBox(f), "cbofyp");
  Place(cbofyp, 820, RowTop(4), 1600, kBoxHeight);
  Label(f, "Label29", "fyp:", 2450, RowTop(4), 400, true);
  NewField("ifyp", f, 2900, RowTop(4), 1000);
}

void TamrelWindow::BuildStiffener(QGroupBox* f) {
  Label(f, "Label10", "Stiff spacing: ", 120, RowTop(0), 1900);
  Label(f, "Label5", "s =", 2050, RowTop(0), 400, true);
  NewField("is1", f, 2500, RowTop(0), 900);
  Label(f, "Label4", "Lat tors buckl length:", 120, RowTop(1), 1900);
  Label(f, "Label1", "lt =", 2050, RowTop(1), 400, true);
  NewField("ilt", f, 2500, RowTop(1), 900);
  Label(f, "prof", "Profile:", 120, RowTop(2), 700);
  cbostiff = Named(new QComboBox(f), "cbostiff");
  Place(cbostiff, 820, RowTop(2), 1700, kBoxHeight);
  stiffprof = Label(f, "stiffprof", "", 2600, RowTop(2), 2250);
  Label(f, "Label21", "Material:", 120, RowTop(3), 700);
  cbofys = Named(new QComboBox(f), "cbofys");
  Place(cbofys, 820, RowTop(3), 1700, kBoxHeight);
  Label(f, "Label18", "fys:", 2550, RowTop(3), 400, true);
  NewField("ifys", f, 3000, RowTop(3), 850);
  Label(f, "Label17", "MPa", 3900, RowTop(3), 600);
  const int icon = Py(600);
  cmdpic_stiff = Named(new QToolButton(f), "cmdpic_stiff");
  cmdpic_stiff->setIconSize(QSize(icon, icon));
  Place(cmdpic_stiff, layout_.fr120.width - 900, RowTop(0), 720, 645);
}

void TamrelWindow::BuildRingFrame(QGroupBox* f) {
  Label(f, "Label11", "Cylinder length:", 120, RowTop(0), 1900);
  Label(f, "Label15", "L =", 2050, RowTop(0), 400, true);
  NewField("icyll", f, 2500, RowTop(0), 900);
  Picture = NewPictureButton("Picture", f, InfoButtonPixmap(Py(240)));
  Place(Picture, 3450, RowTop(0), 330, kBoxHeight);
  Label(f, "Label13", "Lat tors buckl length:", 120, RowTop(1), 1900);
  Label(f, "Label16", "lt =", 2050, RowTop(1), 400, true);
  NewField("igilt", f, 2500, RowTop(1), 900);
  Label(f, "Label14", "Profile:", 120, RowTop(2), 700);
  cboring = Named(new QComboBox(f), "cboring");
  Place(cboring, 820, RowTop(2), 1700, kBoxHeight);
  ringprof = Label(f, "ringprof", "", 2600, RowTop(2), 2250);
  Label(f, "Label23", "Material:", 120, RowTop(3), 700);
  cbofyg = Named(new QComboBox(f), "cbofyg");
  Place(cbofyg, 820, RowTop(3), 1700, kBoxHeight);
  Label(f, "Label20", "fys:", 2550, RowTop(3), 400, true);
  NewField("ifyg", f, 3000, RowTop(3), 850);
  Label(f, "Label19", "MPa", 3900, RowTop(3), 600);
  ringfab0 = Named(new QRadioButton(QStringLiteral("Fabricated ring frame"), f), "ringfab0");
  ringfab0->setToolTip(QStringLiteral(" Welded profile"));
  ringfab1 = Named(new QRadioButton(QStringLiteral("Cold-formed ring frame"), f), "ringfab1");
  Place(ringfab0, 120, RowTop(4), 2300, kBoxHeight);
  Place(ringfab1, 2500, RowTop(4), 2300, kBoxHeight);
  const int icon = Py(600);
  cmdpic_gird = Named(new QToolButton(f), "cmdpic_gird");
  cmdpic_gird->setIconSize(QSize(icon, icon));
  Place(cmdpic_gird, layout_.fr121.width - 900, RowTop(0), 720, 645);
}

void TamrelWindow::BuildLoading(QGroupBox* f) {
  const char* labelNames[] = {"Label46", "Label44", "Label74", "Label45"};
  const char* labels[] = {"Sigx =", "Sigy=", "Tau =", "pd ="};
  const char* names[] = {"isigx", "isigy", "itau", "ipp"};
  for (int k = 0; k < 4; ++k) {
    Label(f, labelNames[k], labels[k], 120, RowTop(k), 700, true);
    NewField(names[k], f, 900, RowTop(k), 900);
  }
  Command3 = Named(new QPushButton(QStringLiteral("+/-"), f), "Command3");
  Place(Command3, 1860, RowTop(3), 480, kBoxHeight);
  // The sign note beside the stresses, right of their boxes on the rows of
  // Sigx to Tau (the "+/-" button stands on the pd row): wide enough for
  // three lines, broken only outside its formulas.
  txt1 = Named(new NoteLabel(f), "txt1");
  txt1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Place(txt1, 1890, RowTop(0) + 30, layout_.fr123.width - 1890 - 90, RowTop(3) - RowTop(0) - 60);
}

void TamrelWindow::BuildColumn(QGroupBox* f) {
  Label(f, "Label6", "Column length L =", 120, RowTop(0), 2300, true);
  NewField("icolL", f, 2480, RowTop(0), 900);
  Label(f, "Label22", "mm", 3440, RowTop(0), 500);
  Label(f, "Label28", "Buckling length factor  k1 =", 120, RowTop(1), 2300, true);
  NewField("ik1", f, 2480, RowTop(1), 650);
  Label(f, "Label30", "k2 =", 3180, RowTop(1), 450, true);
  NewField("ik2", f, 3690, RowTop(1), 650);
  struct Load {
    const char* labelName;
    const char* label;
    const char* field;
    const char* unitName;
    const char* unit;
  };
  const Load left[] = {{"Label31", "N =", "inn", "Label32", "kN"},
                       {"Label35", "M1a=", "im1a", "Label36", "kNm"},
                       {"Label39", "M2a =", "im2a", "Label40", "kNm"}};
  const Load right[] = {{"Label33", "pd =", "ip", "Label34", "MPa"},
                        {"Label37", "M1b =", "im1b", "Label38", "kNm"},
                        {"Label41", "M2b =", "im2b", "Label42", "kNm"}};
  for (int k = 0; k < 3; ++k) {
    Label(f, left[k].labelName, left[k].label, 120, RowTop(2 + k), 700, true);
    NewField(left[k].field, f, 900, RowTop(2 + k), 900);
    Label(f, left[k].unitName, left[k].unit, 1860, RowTop(2 + k), 500);
    Label(f, right[k].labelName, right[k].label, 2400, RowTop(2 + k), 700, true);
    NewField(right[k].field, f, 3180, RowTop(2 + k), 900);
    Label(f, right[k].unitName, right[k].unit, 4140, RowTop(2 + k), 550);
  }
  fr12 = NewFrame("fr12", "Dimensioning moments  for buckling", f);
  Place(fr12, 120, RowTop(5) - 30, layout_.fr124.width - 240, 640);
  odmom1 = Named(new QRadioButton(QStringLiteral("Maximum along the member"), fr12), "odmom1");
  odmom2 = Named(new QRadioButton(QStringLiteral("Reduced value"), fr12), "odmom2");
  odmom2->setToolTip(QStringLiteral(" Ref Norsok N-004, Table 6-2, Note 1 "));
  Place(odmom1, 120, 270, 2500, kBoxHeight);
  Place(odmom2, 2700, 270, 1800, kBoxHeight);
}

void TamrelWindow::BuildResults() {
  QWidget* central = centralWidget();
  fr30 = NewFrame("fr30", "Results Shell Buckling", central);
  fr31 = NewFrame("fr31", "Results Stiffener Buckling", central);
  fr32 = NewFrame("fr32", "Results Panel Ring Buckling", central);
  pic30 = Named(new PictureBox(fr30), "pic30");
  Pic31 = Named(new PictureBox(fr31), "Pic31");
  pic32 = Named(new PictureBox(fr32), "pic32");
  const MainLayout& l = layout_;
  for (auto [w, r] : {std::pair<QWidget*, TwipRect>{fr30, l.fr30},
                      {pic30, l.pic30},
                      {fr31, l.fr31},
                      {Pic31, l.Pic31},
                      {fr32, l.fr32},
                      {pic32, l.pic32}}) {
    Place(w, r);
  }
  for (PictureBox* p : {pic30, Pic31, pic32}) {
    p->SetScale(dpiX_ * 120.0 / 1440.0, dpiY_ * 240.0 / 1440.0);
  }
  check_ih = Named(new QCheckBox(QStringLiteral("Special Calc. of Ih (ref ch 3.5.2.7)"), pic32),
                   "check_ih");
  check_ih->setToolTip(
      QStringLiteral(" If the cylinder is effectively supported at the ends, see also definition "
                     "of L "));
  check_ih->setAutoFillBackground(false);  // on the white picture
  Place(check_ih, 90, l.pic32.height - 345, 3600, kBoxHeight);
}

// ---- Start-up ----

bool TamrelWindow::Start() {
  // The main-window reference and the program directory.
  ds_.mainfrm = &calc_;
  ds_.apppath = programDir_;
  ds_.lastdir = programDir_;
  // The tables are read by full path, so the process's current directory is
  // left alone; the file dialogs start in the program directory instead.
  qtFileDialogs_.SetFirstFolder(QString::fromStdString(programDir_));
  // Detect the locale's decimal sign.
  DetectDecimalSeparator();
  // Size the window for the screen's dots per inch, centred.
  SizeAndCentre();
  // Place the frames and pictures laid out from the window size.
  for (auto [w, r] : {std::pair<QWidget*, TwipRect>{fr20, layout_.fr20},
                      {fr10, layout_.fr10},
                      {fr111, layout_.fr111},
                      {fr112, layout_.fr112},
                      {fr120, layout_.fr120},
                      {fr121, layout_.fr121},
                      {fr123, layout_.fr123},
                      {pic20, layout_.pic20},
                      {fr30, layout_.fr30},
                      {pic30, layout_.pic30},
                      {fr31, layout_.fr31},
                      {Pic31, layout_.Pic31},
                      {fr32, layout_.fr32},
                      {pic32, layout_.pic32}}) {
    Place(w, r);
  }
  {
    TwipRect r = layout_.fr124;
    Place(fr124, r);
  }
  // The decimal-sign test box is never shown.
  Test->hide();
  // List the recent files of the per-user store.
  RefillRecentFiles();
  // Start with the new-project defaults.
  SetDefaults(ds_);
  // Load the data tables, in their order.
  try {
    LoadAllTables(ds_);
  } catch (const TableLoadError& e) {
    messages_.ShowExclamation(
        this, QStringLiteral("Tamrel DNV cannot start: a data table could not be loaded.\n\n%1")
                  .arg(QString::fromStdString(e.what())));
    return false;
  }
  // Fill the window from the design state and calculate.
  ShowDesignState();
  Recalc();
  // The window caption names the project file.
  calc_.SetWindowCaption("Tamrel DNV: " + ds_.filename);
  saved_.Take(ds_);
  return true;
}

void TamrelWindow::DetectDecimalSeparator() {
  Test->setText(LocaleOnePointOne());
  ds_.decflag = Variant::Int(DecimalSignFlag(Test->text().toStdString()));
}

void TamrelWindow::SizeAndCentre() {
  const ScreenInfo screen = QueryScreen(this);
  dpiX_ = screen.dpiX;
  dpiY_ = screen.dpiY;
  placement_ =
      PlaceMainWindow(screen.dpiX, screen.dpiY, screen.geometry.width(), screen.geometry.height());
  // Before the window is shown its frame is not known: a border of 4 and a
  // title bar of 23 pixels at 96 dots per inch stand in for it.
  const int border = static_cast<int>(std::lround(4 * dpiX_ / 96.0));
  const int title = static_cast<int>(std::lround(23 * dpiY_ / 96.0));
  FitOuterRectangle(QSize(2 * border, title + 2 * border));
}

// The outer rectangle, border and title bar included, takes the placement's
// size and place; the client area holds the menu bar and the laid-out
// frames, which need at least the height of the result band's bottom edge.
void TamrelWindow::FitOuterRectangle(QSize frame) {
  const ScreenInfo screen = QueryScreen(this);
  const int menu = menuBar()->sizeHint().height();
  const int content = Py(layout_.fr30.bottom()) + Py(60);
  const QSize client(placement_.width - frame.width(),
                     std::max(placement_.height - frame.height(), menu + content));
  const QRect outer(screen.geometry.topLeft() + QPoint(placement_.left, placement_.top),
                    client + frame);
  PlaceFrame(this, KeepOnScreen(outer, screen.available), client);
}

void TamrelWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
  if (placedOnShow_) return;
  placedOnShow_ = true;
  // The window system's own frame, once it stands round the window, gives
  // the outer rectangle its size and place; until then the whole window as
  // far as it is known is centred.
  CentreOnScreen(this);
  PlaceWhenFramed(this, [this] { FitOuterRectangle(OuterRectangle(this).size() - size()); });
}

void TamrelWindow::RefillRecentFiles() {
  ShowRecentFiles(settings_, recentMenu_);
  ApplyRecentFileMenu();
}

void TamrelWindow::ApplyRecentFileMenu() {
  for (std::size_t i = 0; i < mnurecentfile.size(); ++i) {
    const RecentFileItem& item = recentMenu_.mnurecentfile[i];
    // A "&" in a path is text, not an access key.
    if (i > 0) {
      mnurecentfile[i]->setText(
          QString::fromStdString(item.caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    mnurecentfile[i]->setVisible(item.visible);
  }
}

GeometrySketch TamrelWindow::CurrentSketch() const {
  return pic20->Sketch();
}

QWidget* TamrelWindow::InfoTamrelWindow() const {
  return infoTamrel_.data();
}
QWidget* TamrelWindow::InfoUfWindow() const {
  return infoUf_.data();
}

// ---- Events of the controls: the pop-up menu and the Enter key ----

bool TamrelWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window system's close request (the close box, the system menu)
  // reaches the window itself, before the widget's own close handling:
  // while a file command or the closing asks its question, shows its file
  // dialog or a message, the request is refused there. Past this point a
  // close already under way would take it as its own and end the program.
  // A modal box blocks the request only while it stands: one handled in
  // the same batch of events as the box's answer, before the command has
  // taken that answer, is refused by the count of running file commands.
  if (event->type() == QEvent::Close && watched == windowHandle() && !MayClose()) {
    event->ignore();
    return true;
  }
  auto* w = qobject_cast<QWidget*>(watched);
  if (w == nullptr) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonRelease && popupCarriers_.count(w) != 0) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Each element answers only for itself: a release that a child passed
    // on to its frame is the child's.
    if (w->childAt(mouse->position().toPoint()) != nullptr) return false;
    ShowProfilesMenu(mouse);
    return mouse->button() == Qt::RightButton;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      const QByteArray name = w->objectName().toLatin1();
      if (FindEnterStep(name.constData()) != nullptr) {
        OnEnterKey(name.constData());
        return true;  // consumed: the box never sees the key
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- What the section dialogs need ----

void TamrelWindow::ShowProfileTypeEntry(Member member, int code) {
  ProfileCombo* combo = member == Member::Stiffener ? stiffCombo_ : ringCombo_;
  combo->SetText(code >= 0 && code < combo->combo()->count() ? combo->combo()->itemText(code)
                                                             : QString());
}

}  // namespace tamrel
