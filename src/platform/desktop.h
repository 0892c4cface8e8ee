#pragma once
// What the program asks the desktop: the screen's dots per inch and size,
// the locale's way of writing a decimal number, the user's documents
// folder, and the twips (1/1440 inch) in which the windows are designed.

#include <QRect>
#include <QString>

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

}  // namespace tamrel
