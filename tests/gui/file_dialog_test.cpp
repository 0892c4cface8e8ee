// The desktop's file dialogs as the File commands ask for them: the
// "*.tmr" filter, the default extension, the start folder (or where the
// last use left the dialog), the proposed name; Cancel gives nothing.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui_support.h"
#include "platform/file_dialog.h"

namespace tamrel {

class FileDialogTest : public QObject {
  Q_OBJECT

  // Answers the dialog once it is open, after looking at it.
  void Answer(std::function<void(QFileDialog*)> answer) {
    QTimer::singleShot(0, this, [this, answer] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        Answer(answer);  // not open yet
        return;
      }
      answer(dialog);
    });
  }

 private slots:
  void openDialogStartsInTheFolderWithTheFilter() {
    QTemporaryDir dir;
    const QString existing = dir.filePath("tank.tmr");
    QFile f(existing);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QtFileDialogService service;
    FileDialogRequest request;
    request.directory = dir.path();
    request.fileName = "*.tmr";
    QString folder, suffix;
    QStringList filters;
    bool open = false;
    Answer([&](QFileDialog* d) {
      folder = d->directory().absolutePath();
      filters = d->nameFilters();
      suffix = d->defaultSuffix();
      open =
          d->acceptMode() == QFileDialog::AcceptOpen && d->fileMode() == QFileDialog::ExistingFile;
      d->selectFile(existing);
      static_cast<QDialog*>(d)->accept();  // the OK button
    });
    const std::optional<QString> chosen = service.OpenFile(nullptr, request);
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, existing);
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(filters, QStringList({"*.tmr"}));
    QCOMPARE(suffix, QString("tmr"));
    QVERIFY(open);

    Answer([](QFileDialog* d) { d->reject(); });
    QVERIFY(!service.OpenFile(nullptr, request).has_value());
  }

  // A proposed full path opens its folder with its name; a name typed
  // without extension gets "tmr"; an existing file is not replaced without
  // a question; without a start folder the dialog opens where its last use
  // left it.
  void saveDialogProposesTheNameAndRemembersTheFolder() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub");
    const QString sub = QDir(dir.filePath("sub")).absolutePath();
    QtFileDialogService service;
    FileDialogRequest request;
    request.directory = dir.path();
    request.fileName = sub + "/proposed.tmr";
    QString folder;
    QStringList selected;
    bool asksBeforeReplacing = false;
    Answer([&](QFileDialog* d) {
      folder = d->directory().absolutePath();
      selected = d->selectedFiles();
      asksBeforeReplacing = !d->testOption(QFileDialog::DontConfirmOverwrite);
      d->selectFile("New File");
      static_cast<QDialog*>(d)->accept();  // the OK button
    });
    const std::optional<QString> chosen = service.SaveFile(nullptr, request);
    QCOMPARE(folder, sub);
    QCOMPARE(selected, QStringList({sub + "/proposed.tmr"}));
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, sub + "/New File.tmr");
    QVERIFY(asksBeforeReplacing);

    FileDialogRequest again;  // no start folder, the pattern as name
    again.fileName = "*.tmr";
    Answer([&](QFileDialog* d) {
      folder = d->directory().absolutePath();
      d->reject();
    });
    QVERIFY(!service.SaveFile(nullptr, again).has_value());
    QCOMPARE(folder, sub);
  }
};

TAMREL_GUI_TEST(FileDialogTest);

}  // namespace tamrel

#include "file_dialog_test.moc"
