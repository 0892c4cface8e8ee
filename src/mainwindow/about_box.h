#pragma once
// The about box `about`: the program's name in the title colour, its
// description, the version and a further line, the logo and the icon, and
// two link labels that open the program's web page and mail address in the
// desktop's programs. Fixed size, modeless, owned by the main window and
// centred on the screen each time it is loaded; one instance, which a
// click on the name, the description, the version line or the icon closes.
//
// The pointer over a link underlines it; only a move over the window's
// background takes the underline off both links again.

#include <QPointer>
#include <QWidget>

#include "calc/design_state.h"

class QFrame;
class QLabel;

namespace tamrel {

class DocumentOpener;
class DrawnPicture;
class MessageService;

// The program's placeholder web page and mail address.
inline constexpr const char* kAboutWebAddress = "https://example.com/tamrel";
inline constexpr const char* kAboutMailAddress = "mailto:tamrel@example.com";
// The project's version number, set once in the top CMakeLists.txt.
#ifndef TAMREL_VERSION
#error "TAMREL_VERSION is set by the build"
#endif
inline constexpr const char* kAboutVersion = "Version " TAMREL_VERSION;
inline constexpr const char* kAboutFurtherLine = "Buckling checks for steel cylinders";
inline constexpr const char* kBrowserError =
    " There was an error when trying to open a default browser ";

class AboutBox : public QWidget {
  Q_OBJECT

 public:
  AboutBox(const DesignState& ds, DocumentOpener& opener, MessageService& messages, QWidget* owner);

  QLabel *ab1 = nullptr, *ab2 = nullptr, *ab3 = nullptr, *ab4 = nullptr, *ab5 = nullptr,
         *ab6 = nullptr;
  QFrame* Line1 = nullptr;
  DrawnPicture* Picture1 = nullptr;  // the logo
  DrawnPicture* Picture5 = nullptr;  // the icon: closes the box

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QLabel* NewLabel(const char* name, const QString& text, double left, double top, double width,
                   double height, double points, bool bold, const QColor& colour);
  void Place(QWidget* w, double left, double top, double width, double height) const;
  void OpenLink(const char* address);

  DocumentOpener& opener_;
  MessageService& messages_;
  int dpiX_ = 96;
  int dpiY_ = 96;
};

// "&About Tamrel": loads the about box if it is not open (centred on the
// screen) and shows it, or only brings up the one that is open.
AboutBox* ShowAboutBox(QPointer<AboutBox>& current, const DesignState& ds, DocumentOpener& opener,
                       MessageService& messages, QWidget* owner);

}  // namespace tamrel
