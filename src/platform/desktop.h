#pragma once
// What the program asks the desktop: the screen's dots per inch and size,
// the locale's way of writing a decimal number, the user's documents
// folder, and the twips (1/1440 inch) in which the windows are designed.

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace tamrel {

struct ScreenInfo {
  int dpiX = 96;   // logical dots per inch, horizontal
  int dpiY = 96;   // and vertical
  QRect geometry;  // the whole screen, pixels
};

// The screen the widget is on (the primary screen when it has none yet).
ScreenInfo QueryScreen(const QWidget* widget);

// The number 1.1 formatted with one decimal in the user's locale.
QString LocaleOnePointOne();

// The user's documents folder as Qt's standard locations name it; the home
// folder where they name none or the folder does not exist.
QString DocumentsFolder();

// Twips to pixels at a number of dots per inch, rounded to whole pixels.
int TwipsToPixels(double twips, double dpi);

// True once the window system has put its frame (border and title bar)
// round the top-level window: the outer rectangle holds the window and is
// larger. While a window manager is still framing the window, the frame it
// reports for a moment may be smaller than the window: that is no frame yet.
bool HasWindowFrame(const QWidget* window);

// The outer rectangle of a top-level window: the client area and the frame
// that the window system has put round it (none yet: the client area).
QRect OuterRectangle(const QWidget* window);

// Runs place as soon as the window system has put its frame (border and
// title bar) round the shown top-level window: its outer size is known only
// then. place sizes and moves the window and returns the outer rectangle
// it asked for. While the manager is still settling a new frame, a request
// may land off its mark: the window is looked at for a few seconds at the
// most and placed again while it stands elsewhere, until it has stood where
// it was put for a moment; then it is left alone. Where the window system
// frames no window, place never runs.
void PlaceWhenFramed(QWidget* window, std::function<QRect()> place);

// Moves a top-level window's outer rectangle (its frame, where it has one)
// to a point of the screen.
void MoveFrameTo(QWidget* window, QPoint topLeft);

// Moves a top-level window so that its outer rectangle (the frame as far as
// the window system has put one round it yet) is centred on its screen;
// returns that rectangle.
QRect CentreOnScreen(QWidget* window);

}  // namespace tamrel
