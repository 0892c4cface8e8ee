// The program: one design state, the main window, the event loop. The
// program directory, where the build puts the data tables, is the
// executable's own directory with symbolic links resolved, so the installed
// link <prefix>/bin/tamrel leads to <prefix>/lib/tamrel.

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include "calc/design_state.h"
#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"
#include "platform/pictures.h"
#include "platform/qsettings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(tamrel::kProgramTitle));
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);
  }
  QApplication::setWindowIcon(tamrel::ProgramIcon());
  tamrel::DesignState ds;
  tamrel::QtMessageService messages;
  tamrel::QSettingsStore settings;
  const std::string programDir =
      QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
  tamrel::TamrelWindow window(ds, tamrel::WindowServices{messages, settings}, programDir);
  if (!window.Start()) return 1;
  window.show();
  return QApplication::exec();
}
