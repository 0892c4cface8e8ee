#include "mainwindow/info_forms.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/desktop.h"
#include "platform/pictures.h"

namespace tamrel {

namespace {

constexpr Qt::WindowFlags kFormFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void SetUpForm(QWidget* form, const char* name, const QString& caption, double widthTwips,
               double heightTwips) {
  form->setObjectName(QString::fromLatin1(name));
  form->setWindowTitle(caption);
  form->setAttribute(Qt::WA_DeleteOnClose);
  const ScreenInfo screen = QueryScreen(form->parentWidget());
  form->setFixedSize(TwipsToPixels(widthTwips, screen.dpiX),
                     TwipsToPixels(heightTwips, screen.dpiY));
}

void PlacePicture(QWidget* picture, double left, double top, double width, double height) {
  const ScreenInfo screen = QueryScreen(picture->window());
  picture->setGeometry(TwipsToPixels(left, screen.dpiX), TwipsToPixels(top, screen.dpiY),
                       TwipsToPixels(width, screen.dpiX), TwipsToPixels(height, screen.dpiY));
}

}  // namespace

DrawnPicture::DrawnPicture(Draw draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawnPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  draw_(p, QRectF(rect()));
}

void DrawnPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

InfoTamrelForm::InfoTamrelForm(QWidget* owner) : QWidget(owner, kFormFlags) {
  SetUpForm(this, "InfoTAMREL", QStringLiteral("Definition of Cylinder length L"), 5565, 8160);
  Picture1 = new DrawnPicture(DrawCylinderLengthInfo, this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  PlacePicture(Picture1, 0, 0, 5565, 8160);
  connect(Picture1, &DrawnPicture::clicked, this, &QWidget::close);
}

InfoUfForm::InfoUfForm(QWidget* owner) : QWidget(owner, kFormFlags) {
  SetUpForm(this, "InfoUF", QStringLiteral("Basic Usage Factor (DNV-OS-C201, Sec 2, Table D1/E1)"),
            7515, 3885);
  setAutoFillBackground(true);
  Picture2 = new DrawnPicture(DrawLoadingConditionsTable, this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  PlacePicture(Picture2, 0, 0, 7500, 2160);
  Picture1 = new DrawnPicture(DrawBasicUsageFactorTable, this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  PlacePicture(Picture1, 0, 2160, 7500, 1695);
  connect(Picture1, &DrawnPicture::clicked, this, &QWidget::close);
}

template <class Form>
Form* ShowInfoForm(QPointer<Form>& current, QWidget* owner) {
  if (!current) {
    current = new Form(owner);
    // Centred on the screen by its outer rectangle: again once the window
    // system has framed it, when its border and title are known.
    CentreOnScreen(current);
    Form* form = current;
    PlaceWhenFramed(form, [form] { CentreOnScreen(form); });
  }
  current->show();
  current->raise();
  current->activateWindow();
  return current;
}

template InfoTamrelForm* ShowInfoForm(QPointer<InfoTamrelForm>&, QWidget*);
template InfoUfForm* ShowInfoForm(QPointer<InfoUfForm>&, QWidget*);

}  // namespace tamrel
