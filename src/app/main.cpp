// The program: one design state, the main window, the event loop. The
// program directory, where the build puts the data tables, is the
// executable's own directory with symbolic links resolved, so the installed
// link <prefix>/bin/tamrel leads to <prefix>/lib/tamrel. A write past the
// file-size limit is a write error, not the end of the program.

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include "calc/design_state.h"
#include "files/file_size_signal.h"
#include "mainwindow/tamrel_window.h"
#include "platform/message_service.h"
#include "platform/pictures.h"
#include "platform/qsettings_store.h"

int main(int argc, char** argv) {
  // Every write of the program, the settings store's too, fails under the
  // file-size limit instead of ending the program.
  tamrel::MakeFileSizeLimitAWriteError();
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
