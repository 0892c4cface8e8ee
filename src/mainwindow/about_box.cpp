#include "mainwindow/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "mainwindow/info_forms.h"
#include "platform/desktop.h"
#include "platform/document_opener.h"
#include "platform/message_service.h"
#include "platform/pictures.h"

namespace tamrel {

namespace {

constexpr Qt::WindowFlags kAboutFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Client area in twips.
constexpr double kClientWidth = 6690;
constexpr double kClientHeight = 3390;

QColor ColourOf(std::int32_t rgb) {
  return QColor(rgb & 0xff, (rgb >> 8) & 0xff, (rgb >> 16) & 0xff);
}

QFont Arial(double points, bool bold = false) {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

bool IsLeftClick(QEvent* event, QWidget* w) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  const auto* m = static_cast<QMouseEvent*>(event);
  return m->button() == Qt::LeftButton && w->rect().contains(m->position().toPoint());
}

void SetUnderline(QLabel* label, bool on) {
  QFont f = label->font();
  if (f.underline() == on) return;
  f.setUnderline(on);
  label->setFont(f);
}

}  // namespace

AboutBox::AboutBox(const DesignState& ds, DocumentOpener& opener, MessageService& messages,
                   QWidget* owner)
    : QWidget(owner, kAboutFlags), opener_(opener), messages_(messages) {
  setObjectName(QStringLiteral("about"));
  setAttribute(Qt::WA_DeleteOnClose);
  const ScreenInfo screen = QueryScreen(owner);
  dpiX_ = screen.dpiX;
  dpiY_ = screen.dpiY;
  setFont(Arial(9));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setFixedSize(TwipsToPixels(kClientWidth, dpiX_), TwipsToPixels(kClientHeight, dpiY_));
  setWindowIcon(ProgramIcon());

  // The load handler, in its order: centred on the screen, caption, texts.
  // The whole window is centred, border and title included: again once the
  // window system has framed it, when its outer size is known.
  CentreOnScreen(this);
  PlaceWhenFramed(this, [this] { CentreOnScreen(this); });
  setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kProgramTitle));
  const QColor title = ColourOf(ds.titlecolor);
  ab1 =
      NewLabel("ab1", QString::fromLatin1(kProgramTitle), 1440, 180, 4380, 780, 27.75, true, title);
  ab2 = NewLabel("ab2", QStringLiteral("Cylinder shell buckling based on DNV-RP-C202"), 1485, 900,
                 5085, 240, 9.75, false, Qt::black);
  ab3 = NewLabel("ab3", QString::fromLatin1(kAboutVersion), 1485, 1170, 4635, 540, 9.75, false,
                 Qt::black);
  ab4 = NewLabel("ab4", QString::fromLatin1(kAboutFurtherLine), 2880, 2295, 3675, 270, 9.75, false,
                 Qt::black);
  ab5 = NewLabel("ab5", QStringLiteral("Web page"), 2880, 2610, 1515, 225, 9.75, false, title);
  ab6 = NewLabel("ab6", QStringLiteral("Send e-mail"), 2880, 2880, 1515, 270, 9.75, false, title);
  ab5->setToolTip(QString::fromLatin1(kAboutWebAddress));
  ab6->setToolTip(QString::fromLatin1(kAboutMailAddress).mid(7));
  for (QLabel* link : {ab5, ab6}) {
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
  }

  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line1->setFrameShape(QFrame::NoFrame);
  Line1->setAutoFillBackground(true);
  QPalette linePal = Line1->palette();
  linePal.setColor(QPalette::Window, QColor(128, 128, 128));
  Line1->setPalette(linePal);
  Line1->setGeometry(0, TwipsToPixels(1800, dpiY_), TwipsToPixels(6705, dpiX_), 1);

  Picture1 =
      new DrawnPicture([title](QPainter& p, const QRectF& r) { DrawAboutLogo(p, r, title); }, this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Place(Picture1, 135, 2205, 2250, 885);
  Picture5 = new DrawnPicture(
      [](QPainter& p, const QRectF& r) {
        p.fillRect(r, Qt::white);
        DrawProgramIcon(p, r);
      },
      this);
  Picture5->setObjectName(QStringLiteral("Picture5"));
  Place(Picture5, 315, 495, 750, 750);
  connect(Picture5, &DrawnPicture::clicked, this, &QWidget::close);

  // Mouse events stay with the element they happen on: moving over a label
  // or a picture never counts as moving over the background.
  for (QWidget* w :
       std::initializer_list<QWidget*>{ab1, ab2, ab3, ab4, ab5, ab6, Line1, Picture1, Picture5}) {
    w->setAttribute(Qt::WA_NoMousePropagation);
  }
  setMouseTracking(true);
}

void AboutBox::Place(QWidget* w, double left, double top, double width, double height) const {
  const int x = TwipsToPixels(left, dpiX_);
  const int y = TwipsToPixels(top, dpiY_);
  w->setGeometry(x, y, TwipsToPixels(left + width, dpiX_) - x,
                 TwipsToPixels(top + height, dpiY_) - y);
}

QLabel* AboutBox::NewLabel(const char* name, const QString& text, double left, double top,
                           double width, double height, double points, bool bold,
                           const QColor& colour) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(Arial(points, bold));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->installEventFilter(this);
  Place(label, left, top, width, height);
  return label;
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label == nullptr) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove) {
    if (label == ab5 || label == ab6) SetUnderline(label, true);
    return true;
  }
  if (IsLeftClick(event, label)) {
    if (label == ab1 || label == ab2 || label == ab3) {
      close();
      return true;
    }
    if (label == ab5) OpenLink(kAboutWebAddress);
    if (label == ab6) OpenLink(kAboutMailAddress);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void AboutBox::mouseMoveEvent(QMouseEvent* event) {
  // Over the window's background: both links lose the underline.
  SetUnderline(ab5, false);
  SetUnderline(ab6, false);
  QWidget::mouseMoveEvent(event);
}

void AboutBox::OpenLink(const char* address) {
  // A failure the desktop reports only through its result shows nothing.
  try {
    opener_.Open(QUrl(QString::fromLatin1(address)));
  } catch (...) {
    messages_.ShowExclamation(this, QString::fromLatin1(kBrowserError));
  }
}

AboutBox* ShowAboutBox(QPointer<AboutBox>& current, const DesignState& ds, DocumentOpener& opener,
                       MessageService& messages, QWidget* owner) {
  if (!current) current = new AboutBox(ds, opener, messages, owner);
  current->show();
  current->raise();
  current->activateWindow();
  return current;
}

}  // namespace tamrel
