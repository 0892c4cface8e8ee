#include "report/run_printer.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "calc/design_state.h"
#include "platform/desktop.h"

namespace tamrel {

namespace {

constexpr QLatin1String kProjectSuffix(".tmr");
constexpr QLatin1String kPdfSuffix(".pdf");

}  // namespace

RunPrinter::RunPrinter() = default;
RunPrinter::~RunPrinter() = default;

QPrinter& RunPrinter::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Tamrel DNV"));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
      printer_->setOutputFormat(QPrinter::PdfFormat);
    }
  }
  return *printer_;
}

QString RunPrinter::OfferedPdfFile(const std::string& projectFile) const {
  if (!pdfFile_.isEmpty()) return pdfFile_;
  return ProposedPdfFile(projectFile, DocumentsFolder());
}

QString ProposedPdfFile(const std::string& projectFile, const QString& documents) {
  if (projectFile.empty() || projectFile == kNewFile) {
    return QDir(documents).filePath(QStringLiteral("report.pdf"));
  }
  QString path = QString::fromStdString(projectFile);
  if (path.endsWith(kProjectSuffix, Qt::CaseInsensitive)) path.chop(kProjectSuffix.size());
  return path + kPdfSuffix;
}

}  // namespace tamrel
