#include "report/pdf_output_name.h"

#include <QFile>
#include <filesystem>

#include "files/file_replace.h"

namespace tamrel {

std::optional<QString> PdfOutputFile(const QString& chosen) {
  if (chosen.isEmpty()) return chosen;  // Qt's own check asks for a name
  const std::filesystem::path name = QFile::encodeName(chosen).toStdString();
  try {
    // The file the PDF writer will replace, found as it finds it.
    const std::filesystem::path end = FileToReplace(name);
    if (end == name) return chosen;
    return QFile::decodeName(QByteArray::fromStdString(end.string()));
  } catch (const FileReplaceError&) {
    return std::nullopt;
  }
}

}  // namespace tamrel
