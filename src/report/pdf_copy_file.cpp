#include "report/pdf_copy_file.h"

#include <QFile>
#include <filesystem>
#include <string_view>

namespace tamrel {

namespace {

// The path as the system names it. It is not cleaned: ".." after a link to
// a folder is the link's parent folder to the system, not the folder that
// holds the link.
std::filesystem::path Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

PdfCopyFile::PdfCopyFile(const QString& chosen) {
  if (chosen.isEmpty()) throw PrintFailure("no PDF file chosen");
  try {
    destination_ =
        QFile::decodeName(QByteArray::fromStdString(FileToReplace(Local(chosen)).string()));
  } catch (const FileReplaceError& e) {
    throw PrintFailure(std::string("the PDF file: ") + e.what());
  }
}

void PdfCopyFile::Write(const QByteArray& pdf, FileReplaceCalls& calls) const {
  try {
    ReplaceFile(Local(destination_),
                std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), calls);
  } catch (const FileReplaceError& e) {
    throw PrintFailure(std::string("the PDF file: ") + e.what());
  }
}

}  // namespace tamrel
