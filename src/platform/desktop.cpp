#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <cmath>

namespace tamrel {

ScreenInfo QueryScreen(const QWidget* widget) {
  const QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  ScreenInfo info;
  if (screen) {
    info.dpiX = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
    info.dpiY = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    info.geometry = screen->geometry();
  }
  return info;
}

QString LocaleOnePointOne() {
  return QLocale().toString(1.1, 'f', 1);
}

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

int TwipsToPixels(double twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

}  // namespace tamrel
