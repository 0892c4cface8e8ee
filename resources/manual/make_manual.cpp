// Builds the theory manual PDF from its HTML source at build time:
//   make_manual <source.html> <output.pdf>

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_manual <source.html> <output.pdf>\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "make_manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument doc;
  doc.setHtml(QString::fromUtf8(source.readAll()));
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  pdf.setTitle("Tamrel DNV Theory Manual");
  pdf.setCreator("Tamrel DNV");
  doc.print(&pdf);
  return 0;
}
