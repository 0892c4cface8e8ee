#pragma once
// The information picture forms: InfoTAMREL explains the cylinder length L,
// InfoUF shows the DNV-OS-C201 loading conditions and basic usage factors
// behind the WSD usage factor. Fixed-size, modeless, owned by the main
// window, opened centred on the screen; a click on the (lower) picture
// closes the form. A closed form is deleted and made anew when shown again.

#include <QPointer>
#include <QWidget>
#include <functional>

class QPainter;

namespace tamrel {

// A picture drawn by a function, reporting clicks.
class DrawnPicture : public QWidget {
  Q_OBJECT

 public:
  using Draw = std::function<void(QPainter&, const QRectF&)>;
  DrawnPicture(Draw draw, QWidget* parent);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Draw draw_;
};

class InfoTamrelForm : public QWidget {
  Q_OBJECT

 public:
  explicit InfoTamrelForm(QWidget* owner);
  DrawnPicture* Picture1 = nullptr;
};

class InfoUfForm : public QWidget {
  Q_OBJECT

 public:
  explicit InfoUfForm(QWidget* owner);
  DrawnPicture* Picture1 = nullptr;  // Table E1: closes the form
  DrawnPicture* Picture2 = nullptr;  // Table D1: reacts to nothing
};

// Shows a form, centred on the screen, or brings up the one already open.
template <class Form>
Form* ShowInfoForm(QPointer<Form>& current, QWidget* owner);

}  // namespace tamrel
