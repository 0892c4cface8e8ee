#include "report/pdf_output_name.h"

#include <sys/stat.h>

#include <QFile>
#include <filesystem>

#include "files/regular_file.h"

namespace tamrel {

std::optional<QString> PdfOutputFile(const QString& chosen) {
  const std::filesystem::path name = QFile::encodeName(chosen).toStdString();
  const std::optional<std::filesystem::path> end = FollowLinks(name);
  if (!end) return std::nullopt;
  struct stat st {};
  if (::stat(end->c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return std::nullopt;
  if (*end == name) return chosen;
  return QFile::decodeName(QByteArray::fromStdString(end->string()));
}

}  // namespace tamrel
