#include "report/pdf_copy_file.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <filesystem>
#include <system_error>

namespace tamrel {

namespace {

std::filesystem::path FsPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

// A name beside `file` that no file has yet.
QString FreeName(const QString& file) {
  constexpr int kTries = 1000;
  QString name = file + QStringLiteral(".part");
  for (int n = 1; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++n) {
    if (n == kTries) throw PrintFailure("no free name beside the PDF file");
    name = file + QStringLiteral(".%1.part").arg(n);
  }
  return name;
}

}  // namespace

PdfCopyFile::PdfCopyFile(QPrinter& printer) : printer_(printer) {
  if (printer.outputFormat() != QPrinter::PdfFormat) return;
  chosen_ = printer.outputFileName();
  const QFileInfo info(chosen_);
  if (chosen_.isEmpty() || (info.exists() && !info.isFile())) {
    throw PrintFailure("the PDF file cannot be written");
  }
  destination_ = info.isSymLink() && info.exists() ? info.canonicalFilePath() : chosen_;
  part_ = FreeName(destination_);
  printer.setOutputFileName(part_);
}

PdfCopyFile::~PdfCopyFile() {
  if (part_.isEmpty()) return;
  printer_.setOutputFileName(chosen_);
  if (!ended_) QFile::remove(part_);
}

void PdfCopyFile::End() {
  if (part_.isEmpty()) return;
  std::error_code error;
  std::filesystem::rename(FsPath(part_), FsPath(destination_), error);
  if (error) throw PrintFailure("the PDF file cannot be written");
  ended_ = true;
}

}  // namespace tamrel
