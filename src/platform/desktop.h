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
  int dpiX = 96;    // logical dots per inch, horizontal
  int dpiY = 96;    // and vertical
  QRect geometry;   // the whole screen, pixels
  QRect available;  // the part of it that panels and docks leave to windows
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

// Runs place once, when the shown top-level window stands in the window
// system's frame (border and title bar) and the manager has put it on the
// screen: by then its outer size is known, and the manager has done what
// it does with a new window (its own placement, a rule that maximizes it)
// and has settled the frame. place sizes and moves the window. It is not
// run where the window is maximized, full screen or minimized by then,
// nor where the window system frames no window. After that the window is
// left alone, wherever the manager or the user puts it.
void PlaceWhenFramed(QWidget* window, std::function<void()> place);

// Sizes a top-level window's client area and moves its outer rectangle
// (its frame, where it has one) to a point of the screen, in one request
// worked out from the window system's own record of the frame as it
// stands now.
void PlaceFrame(QWidget* window, QPoint topLeft, QSize client);

// Moves a top-level window's outer rectangle (its frame, where it has one)
// to a point of the screen.
void MoveFrameTo(QWidget* window, QPoint topLeft);

// Where an outer rectangle stands on the screen: where it was put, as far
// as that lies inside the available area. Along a side where it fits it is
// moved just far enough to lie wholly inside (a dialog beside a main
// window near the screen's edge keeps its buttons on the screen); along a
// side where it is larger than that area it starts at the area's near
// edge, so its top-left corner (title bar, menu bar and close box) stays
// inside, and as much of itself as it can.
QPoint KeepOnScreen(const QRect& outer, const QRect& available);

// Moves a top-level window so that its outer rectangle (the frame as far
// as the window system has put one round it yet) is centred on its screen,
// kept inside the available area (KeepOnScreen).
void CentreOnScreen(QWidget* window);

}  // namespace tamrel
