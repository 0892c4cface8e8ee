// Where everything stands on the report page: the header in 11-point
// character units, the body in its 136 x 88 grid, the sketches, rules,
// profile sections and result tables of each cylinder type.

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include "calc/format.h"
#include "gui_support.h"
#include "report/report_parts.h"
#include "report_support.h"

namespace tamrel {

using testing::DrawnPage;
using Item = ReportPage::Item;

namespace {

bool Near(double a, double b, double tolerance = 1e-3) {
  return std::abs(a - b) <= tolerance;
}

#define VERIFY_NEAR(actual, expected, tolerance)                       \
  QVERIFY2(Near((actual), (expected), (tolerance)),                    \
           qPrintable(QString("%1 = %2, expected %3")                  \
                          .arg(#actual)                                \
                          .arg(static_cast<double>(actual), 0, 'f', 5) \
                          .arg(static_cast<double>(expected), 0, 'f', 5)))

// Grid values every body Part relies on.
constexpr double kXHead = 13.6;
constexpr double kXLab = 45.6;
constexpr double kXEq = 51.6;
constexpr double kXVal = 63.6;
// Sketch height 30 x 88 / 136 and profile picture height 29 x 88 / 136 / 1.41.
constexpr double kSketchH = 30.0 * 88 / 136;
constexpr double kPictureH = 29.0 * 88 / 136 / 1.41;

// The y of the first text item at x (within 1e-3) whose text is `text`.
const Item* TextAtX(const DrawnPage& page, const QString& text, double x) {
  for (const Item& item : page.items()) {
    if (item.kind == Item::Kind::Text && item.text == text && Near(item.x, x)) return &item;
  }
  return nullptr;
}

// The y of a header text's baseline, in header units (11-point lines; the
// title stands at y = 2).
double HeaderBaseline(DrawnPage& page, const Item& item) {
  const double unit = page.Text("Tamrel DNV")->devicePos.y() / 2;
  return (item.devicePos.y() + QFontMetricsF(item.font, &page.printer()).ascent()) / unit;
}

// Horizontal lines of the body that start at the left margin.
std::vector<const Item*> BodyRules(const DrawnPage& page) {
  std::vector<const Item*> rules;
  for (const Item* line : page.Lines()) {
    if (Near(line->x, kXHead) && Near(line->height, 0)) rules.push_back(line);
  }
  return rules;
}

DesignState Project(std::int16_t cyltype, std::int16_t ring = 1, std::int16_t stiffnote = 1) {
  DesignState ds = testing::ShippedProject();
  ds.cyltype = cyltype;
  ds.ring = ring;
  ds.stiffnote = stiffnote;
  Recalculate(ds);
  return ds;
}

}  // namespace

class ReportLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void bodyGrid() {
    DesignState ds = testing::ShippedProject();
    DrawnPage page(ds);
    QCOMPARE(ds.rrows.value(), 88.0);
    QCOMPARE(ds.rrows.kind(), Variant::Kind::Int16);
    QCOMPARE(ds.rcols, std::int16_t(136));
    QCOMPARE(ds.rfont, 8.0f);
    QCOMPARE(ds.xmargin.value(), 13.6);
    QCOMPARE(ds.xhead, 13.6);
    VERIFY_NEAR(ds.xeq2, 19.6, 1e-12);
    VERIFY_NEAR(ds.xval2, 31.6, 1e-12);
    VERIFY_NEAR(ds.xmat, 43.6, 1e-12);
    VERIFY_NEAR(ds.xlab, 45.6, 1e-12);
    QCOMPARE(ds.xeq, 51.6f);
    QCOMPARE(ds.xval, static_cast<double>(51.6f) + 12);
    VERIFY_NEAR(ds.xrule, 80.6, 1e-5);
    QCOMPARE(ds.xpic, 92.6f);
    QCOMPARE(ds.xpicend, 122.6f);
    QCOMPARE(page.page().ScaleWidth(), 136.0);
    QCOMPARE(page.page().ScaleHeight(), 88.0);
  }

  // The default project (stringer stiffened, ring frames on): input summary
  // beside the sketch, both profile sections side by side, the stiffener
  // table level with the shell table and the ring-frame table below.
  void stringerStiffenedPage() {
    DesignState ds = testing::ShippedProject();
    DrawnPage page(ds);

    const Item* first = page.Text("Design format/Condition and Material:");
    QVERIFY(first);
    QCOMPARE(first->x, kXHead);
    QCOMPARE(first->y, 10.0);
    QVERIFY(first->font.italic() && first->font.bold() && first->font.underline());
    QCOMPARE(first->font.pointSizeF(), 8.0);
    // Rows one apart; the plate row 1.3 below the usage factor; 1.5 before
    // each further heading. The rows reach y = 24.8.
    const std::pair<const char*, double> rows[] = {
        {"Design Condition:", 11},
        {"Allowable Usage Factor: ", 12},
        {"Plate: ", 13.3},
        {"Stiffener: ", 14.3},
        {"Ringframe: ", 15.3},
        {"Youngs modulus: ", 16.3},
        {"Geometry:", 17.8},
        {"Cylinder radius (cL plate)", 18.8},
        {"Stiff spacing:", 21.8},
        {"Lat tors buckl length: (ringframe)", 24.8},
        {"Loading:", 26.3},
        {"Sigx", 27.3},
        {"pd", 30.3},
    };
    for (const auto& [label, y] : rows) {
      const Item* item = TextAtX(page, label, kXHead);
      QVERIFY2(item, label);
      VERIFY_NEAR(item->y, y, 1e-9);
      const bool heading = QString(label) == "Geometry:" || QString(label) == "Loading:";
      QCOMPARE(item->font.bold() && item->font.italic() && item->font.underline(), heading);
    }

    // Values end at xval (value rows) or xval2 (loading rows), the unit one
    // blank after; grade names end at xmat.
    const Item* radius = page.Text("3333 mm");
    QVERIFY(radius);
    VERIFY_NEAR(radius->x + page.BodyWidth(*radius, "3333"), kXVal, 1e-4);
    QVERIFY(TextAtX(page, "r", kXLab) && TextAtX(page, "=", kXEq));
    const Item* pressure = page.Text("-0.300 MPa (positive = inside pressure)");
    QVERIFY(pressure);
    VERIFY_NEAR(pressure->x + page.BodyWidth(*pressure, "-0.300"), 31.6, 1e-4);
    QVERIFY(TextAtX(page, "=", 19.6));
    const Item* grade = page.Text("S355");
    QVERIFY(grade);
    VERIFY_NEAR(grade->x + grade->width, 43.6, 1e-4);

    // The geometry sketch of the type beside the rows, from y = 10.
    const auto pictures = page.Pictures();
    QCOMPARE(pictures.size(), size_t(3));
    QCOMPARE(pictures[0]->text, QString("pic22"));
    VERIFY_NEAR(pictures[0]->x, 92.6, 1e-5);
    QCOMPARE(pictures[0]->y, 10.0);
    VERIFY_NEAR(pictures[0]->width, 30, 1e-5);
    VERIFY_NEAR(pictures[0]->height, kSketchH, 1e-5);

    // The summary closes one unit below the sketch's bottom edge plus one.
    const double summaryRule = 10 + 1 + kSketchH + 1;  // 31.41
    const auto rules = BodyRules(page);
    QCOMPARE(rules.size(), size_t(2));
    VERIFY_NEAR(rules[0]->y, summaryRule, 1e-4);
    VERIFY_NEAR(rules[0]->x + rules[0]->width, 129.2, 1e-9);
    const Item* vertical = nullptr;
    for (const Item* line : page.Lines()) {
      if (Near(line->x, 80.6, 1e-4) && Near(line->width, 0)) vertical = line;
    }
    QVERIFY(vertical);
    VERIFY_NEAR(vertical->y, 10.5, 1e-9);
    VERIFY_NEAR(vertical->y + vertical->height, summaryRule - 0.5, 1e-4);

    // Profile sections one below the rule, the ring frame 60 to the right.
    const double sections = summaryRule + 1;
    VERIFY_NEAR(ds.ytop, 50.22, 0.01);  // (left by the result section)
    const Item* stiffHeading = page.Text("Stiffener Profile:");
    const Item* ringHeading = page.Text("Ringframe Profile:");
    QVERIFY(stiffHeading && ringHeading);
    QCOMPARE(stiffHeading->x, kXHead);
    VERIFY_NEAR(ringHeading->x, kXHead + 60, 1e-9);
    VERIFY_NEAR(stiffHeading->y, sections, 1e-4);
    VERIFY_NEAR(ringHeading->y, stiffHeading->y, 1e-5);  // ytop: single precision
    // The type line follows its heading, in the plain font.
    const Item* stiffLine = page.Text(" L100x50x6.0x6.0");
    QVERIFY(stiffLine);
    VERIFY_NEAR(stiffLine->x, stiffHeading->x + stiffHeading->width, 1e-9);
    QCOMPARE(stiffLine->y, stiffHeading->y);
    QVERIFY(!stiffLine->font.bold() && !stiffLine->font.italic() && !stiffLine->font.underline());
    // Pictures two below the heading, 29 wide.
    QCOMPARE(pictures[1]->text, QString("pic_stiff_L"));
    QCOMPARE(pictures[2]->text, QString("pic_gird_t"));
    for (const Item* p : {pictures[1], pictures[2]}) {
      VERIFY_NEAR(p->y, sections + 2, 1e-4);
      VERIFY_NEAR(p->width, 29, 1e-9);
      VERIFY_NEAR(p->height, kPictureH, 1e-5);
    }
    VERIFY_NEAR(pictures[2]->x, kXHead + 60, 1e-9);
    // Blocks: "Profile data:" level with the pictures' top, underlined only;
    // rows at the symbol, "=" and value columns (+ 60 for the ring frame).
    const Item* stiffData = page.Text("Profile data:", 0);
    const Item* ringData = page.Text("Profile data:", 1);
    QVERIFY(stiffData && ringData);
    VERIFY_NEAR(stiffData->x, kXLab, 1e-5);
    VERIFY_NEAR(ringData->x, kXLab + 60, 1e-5);
    VERIFY_NEAR(stiffData->y, sections + 2, 1e-4);
    QVERIFY(stiffData->font.underline() && !stiffData->font.bold() && !stiffData->font.italic());
    const Item* ringH = page.Text("95 mm");
    QVERIFY(ringH);
    VERIFY_NEAR(ringH->x + page.BodyWidth(*ringH, "95"), kXVal + 60, 1e-4);
    VERIFY_NEAR(ringH->y, sections + 3, 1e-4);
    QVERIFY(TextAtX(page, "=", kXEq + 60));
    const Item* stiffLB = page.Text("Local buckling:", 0);
    const Item* ringLB = page.Text("Local buckling:", 1);
    VERIFY_NEAR(stiffLB->y, sections + 11, 1e-4);
    VERIFY_NEAR(ringLB->y, sections + 11, 1e-4);
    QVERIFY(!stiffLB->font.underline());
    const Item* lastRing = page.Text(QString::fromStdString(ds.girdclass[4]));
    QVERIFY(lastRing);
    VERIFY_NEAR(lastRing->y, sections + 15, 1e-4);
    VERIFY_NEAR(lastRing->x, kXLab + 60, 1e-5);

    // Results: the rule 1.5 below the pictures, the tables one below it.
    const double resultRule = sections + 3.5 + kPictureH;
    VERIFY_NEAR(rules[1]->y, resultRule, 1e-4);
    const Item* shellTitle = page.Text(QString::fromStdString(ds.shellTable.txt[0]));
    const Item* stiffTitle = page.Text(QString::fromStdString(ds.stiffTable.txt[0]));
    const Item* ringTitle = page.Text(QString::fromStdString(ds.ringTable.txt[0]));
    QVERIFY(shellTitle && stiffTitle && ringTitle);
    QCOMPARE(shellTitle->x, kXHead);
    VERIFY_NEAR(shellTitle->y, resultRule + 1, 1e-4);
    QCOMPARE(stiffTitle->x, static_cast<double>(51.6f) + 12);
    VERIFY_NEAR(stiffTitle->y, shellTitle->y, 1e-5);
    QVERIFY(shellTitle->font.bold() && shellTitle->font.underline());
    // The ring-frame table two below the stiffener table's last row.
    VERIFY_NEAR(ringTitle->y, shellTitle->y + 1.1 + (ds.stiffTable.last - 1) + 2, 1e-4);
    QCOMPARE(ringTitle->x, kXHead);
    // Usage factors coloured by the core's rule: the stiffener fails here.
    const Item* stiffUF = page.Text(QString::fromStdString(ds.stiffTable.val[ds.stiffTable.last]));
    QVERIFY(stiffUF);
    QCOMPARE(stiffUF->colour, QColor(128, 0, 0));
    QVERIFY(stiffUF->font.bold());
    // Everything on the page.
    for (const Item& item : page.items()) {
      QVERIFY(item.y >= 0 && item.y + item.height <= 88);
    }
  }

  // s/t > 3 sqrt(r/t): the note in the stiffener column, one line, and the
  // ring-frame table 13.1 below the top of the result tables.
  void unstiffenedNote() {
    DesignState ds = testing::ShippedProject();
    ds.stiffspacing = Variant(900.0f);
    Recalculate(ds);
    QVERIFY(PanelCountsAsUnstiffened(ds));
    DrawnPage page(ds);
    const Item* shellTitle = page.Text(QString::fromStdString(ds.shellTable.txt[0]));
    const Item* note = page.TextStarting("Note: s/t>3* Sqr(r/t)");
    const Item* ringTitle = page.Text(QString::fromStdString(ds.ringTable.txt[0]));
    QVERIFY(shellTitle && note && ringTitle);
    QCOMPARE(note->x, static_cast<double>(51.6f) + 12);
    VERIFY_NEAR(note->y, shellTitle->y + 2.1, 1e-5);
    QVERIFY(note->font.bold());
    VERIFY_NEAR(ringTitle->y, shellTitle->y + 13.1, 1e-5);
    QVERIFY(!page.TextStarting("Calculation as an unstiffened"));
  }

  // The ring frame alone stands at the plain columns; without profile
  // sections there is no rule above the results.
  void sectionsByCylinderType_data() {
    QTest::addColumn<int>("cyltype");
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("stiffnote");
    QTest::addColumn<bool>("stiffSection");
    QTest::addColumn<bool>("ringSection");
    QTest::addColumn<QString>("belowShell");  // title of the table below the shell table
    QTest::newRow("cylinder") << 0 << 1 << 1 << false << false << QString();
    QTest::newRow("ring stiffened") << 1 << 1 << 1 << false << true << "ring";
    QTest::newRow("ring stiffened, ring frames off") << 1 << 0 << 1 << false << false << QString();
    QTest::newRow("stringer stiffened, ring frames off")
        << 2 << 0 << 1 << true << false << QString();
    QTest::newRow("stringer stiffened, stiffener not printed")
        << 2 << 1 << 0 << false << true << "ring";
    QTest::newRow("stringer stiffened, neither") << 2 << 0 << 0 << false << false << QString();
    QTest::newRow("column") << 3 << 1 << 1 << false << false << "column";
  }

  void sectionsByCylinderType() {
    QFETCH(int, cyltype);
    QFETCH(int, ring);
    QFETCH(int, stiffnote);
    QFETCH(bool, stiffSection);
    QFETCH(bool, ringSection);
    QFETCH(QString, belowShell);
    DesignState ds = Project(static_cast<std::int16_t>(cyltype), static_cast<std::int16_t>(ring),
                             static_cast<std::int16_t>(stiffnote));
    DrawnPage page(ds);
    QCOMPARE(page.HasText("Stiffener Profile:"), stiffSection);
    QCOMPARE(page.HasText("Ringframe Profile:"), ringSection);
    const auto rules = BodyRules(page);
    const bool profiles = stiffSection || ringSection;
    QCOMPARE(rules.size(), size_t(profiles ? 2 : 1));
    if (ringSection) {
      // At the plain columns whenever no stiffener section stands left of it.
      QCOMPARE(page.Text("Ringframe Profile:")->x, stiffSection ? kXHead + 60 : kXHead);
      const Item* data = page.Text("Profile data:", stiffSection ? 1 : 0);
      VERIFY_NEAR(data->x, stiffSection ? kXLab + 60 : kXLab, 1e-5);
    }
    QCOMPARE(ds.xshift, stiffSection ? 60.0 : 0.0);
    // The shell table one below the last rule.
    const Item* shellTitle = page.Text(QString::fromStdString(ds.shellTable.txt[0]));
    QVERIFY(shellTitle);
    VERIFY_NEAR(shellTitle->y, rules.back()->y + 1, 1e-4);
    VERIFY_NEAR(shellTitle->y, static_cast<double>(ds.ytop), 1e-5);
    if (!belowShell.isEmpty()) {
      const ResultTable& t = belowShell == "ring" ? ds.ringTable : ds.stiffTable;
      const Item* title = page.Text(QString::fromStdString(t.txt[0]));
      QVERIFY(title);
      QCOMPARE(title->x, kXHead);
      VERIFY_NEAR(title->y, shellTitle->y + 1.1 + (ds.shellTable.last - 1) + 2, 1e-6);
    }
    const QString ringTitle = QString::fromStdString(ds.ringTable.txt[0]);
    QCOMPARE(page.HasText(ringTitle), belowShell == "ring" || (cyltype == 2 && ring == 1));
  }

  // Which material and geometry rows each cylinder type prints, and where:
  // rows one apart from y = 11, the plate row 1.3 below the usage factor,
  // 1.5 before each heading.
  void inputRowsByCylinderType_data() {
    QTest::addColumn<int>("cyltype");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QStringList>("labels");  // in order, "" for the k2 row
    const QStringList head = {"Design Condition:", "Allowable Usage Factor: ", "Plate: "};
    const QStringList shell = {"Geometry:", "Cylinder radius (cL plate)",
                               "Distance between ring frames", "Cylinder wall thickness"};
    QTest::newRow("cylinder") << 0 << 1 << head + QStringList{"Youngs modulus: "} + shell;
    QTest::newRow("ring stiffened")
        << 1 << 1
        << head + QStringList{"Stiffener: ", "Ringframe: ", "Youngs modulus: "} + shell +
               QStringList{"Cylinder length", "Lat tors buckl length: (ringframe)"};
    // Ring frames off: no ring-frame material, but still its tripping length.
    QTest::newRow("ring stiffened, ring frames off")
        << 1 << 0
        << head + QStringList{"Stiffener: ", "Youngs modulus: "} + shell +
               QStringList{"Cylinder length", "Lat tors buckl length: (ringframe)"};
    QTest::newRow("stringer stiffened, ring frames off")
        << 2 << 0
        << head + QStringList{"Stiffener: ", "Youngs modulus: "} + shell +
               QStringList{"Stiff spacing:", "Lat tors buckl length: (stiffener)",
                           "Cylinder length", "Lat tors buckl length: (ringframe)"};
    QTest::newRow("column") << 3 << 1
                            << head + QStringList{"Youngs modulus: ",
                                                  "Geometry:",
                                                  "Cylinder radius (cL plate)",
                                                  "Cylinder wall thickness",
                                                  "Cylinder length",
                                                  "Effective length factor",
                                                  ""};
  }

  void inputRowsByCylinderType() {
    QFETCH(int, cyltype);
    QFETCH(int, ring);
    QFETCH(QStringList, labels);
    DesignState ds = Project(static_cast<std::int16_t>(cyltype), static_cast<std::int16_t>(ring));
    DrawnPage page(ds);
    // Every text at the label column between the first heading and
    // "Loading:", in the order printed.
    QStringList printed;
    std::vector<double> ys;
    bool inSummary = false;
    for (const Item& item : page.items()) {
      if (item.kind != Item::Kind::Text || !Near(item.x, kXHead)) continue;
      if (item.text == "Loading:") break;
      if (inSummary) {
        printed << item.text;
        ys.push_back(item.y);
      }
      if (item.text == "Design format/Condition and Material:") inSummary = true;
    }
    // The k2 row has no label: its symbol marks it.
    if (labels.endsWith("")) {
      const Item* k2 = TextAtX(page, "k2", kXLab);
      QVERIFY(k2);
      printed << "";
      ys.push_back(k2->y);
    }
    QCOMPARE(printed, labels);
    double y = 10;
    for (int i = 0; i < printed.size(); ++i) {
      const QString& label = printed[i];
      y += label == "Plate: " ? 1.3 : label == "Geometry:" ? 1.5 : 1;
      VERIFY_NEAR(ys[static_cast<std::size_t>(i)], y, 1e-9);
    }
  }

  // The type line after a profile section's heading: H and B with "00", tw
  // with "0.0", tf with "#0.0", joined by "x".
  void profileTypeLines_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("tw");
    QTest::addColumn<double>("tf");
    QTest::addColumn<QString>("line");
    const std::tuple<int, QString> types[] = {
        {0, " L200x90x9.0x12.0"}, {1, " L200x90x9.0x12.0"}, {2, " T200x90x9.0x12.0"},
        {3, " T200x90x9.0x12.0"}, {4, " Fb200x9.0"},        {5, " Fb200x9.0"},
        {6, " BF 200x9.0"},       {7, " RHS200x90x9.0"},    {8, " Trapez 200x90x9.0"},
        {9, " I200x90x9.0x12.0"},
    };
    for (const auto& [type, line] : types) {
      QTest::newRow(qPrintable(QString("type %1").arg(type)))
          << type << 200.0 << 90.0 << 9.0 << 12.0 << line;
    }
    // Every integer digit is kept; short ones are padded to two.
    QTest::newRow("large and small") << 0 << 1200.0 << 5.0 << 9.0 << 0.5 << " L1200x05x9.0x0.5";
    QTest::newRow("rounded") << 9 << 99.6 << 150.4 << 7.25 << 10.04 << " I100x150x7.3x10.0";
    QTest::newRow("unknown type") << 10 << 200.0 << 90.0 << 9.0 << 12.0 << QString();
  }

  void profileTypeLines() {
    QFETCH(int, type);
    QFETCH(double, h);
    QFETCH(double, b);
    QFETCH(double, tw);
    QFETCH(double, tf);
    QFETCH(QString, line);
    DesignState ds;
    const std::optional<std::string> got =
        ProfileTypeLine(ds, type, Variant(h), Variant(b), Variant(tw), static_cast<float>(tf));
    QCOMPARE(got.has_value(), !line.isEmpty());
    if (got) QCOMPARE(QString::fromStdString(*got), line);
  }

  // The ring frame's type line carries its fabrication, and the built-up L
  // " (built-up)" after it; each member's sketch is that of its type's
  // dialog, the built-up T and flat bar taking the table dialog's.
  void profileSectionLinesAndSketches_data() {
    QTest::addColumn<bool>("ringFrame");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("ringfab");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("sketch");
    const char* stiff[] = {"pic_stiff_L",   "pic_stiff_Lb", "pic_stiff_t",  "pic_stiff_t",
                           "pic_stiff_f",   "pic_stiff_f",  "pic_stiff_hp", "pic_stiff_rhs",
                           "pic_stiff_usp", "pic_stiff_i"};
    const char* gird[] = {"pic_gird_L",   "pic_gird_Lb", "pic_gird_t",  "pic_gird_t",
                          "pic_gird_f",   "pic_gird_f",  "pic_gird_hp", "pic_gird_rhs",
                          "pic_gird_usp", "pic_gird_i"};
    for (int type = 0; type <= 9; ++type) {
      const QString built = type == 1 ? " (built-up)" : "";
      QTest::newRow(qPrintable(QString("stiffener %1").arg(type)))
          << false << type << 0 << built << QString(stiff[type]);
      QTest::newRow(qPrintable(QString("ring frame %1").arg(type)))
          << true << type << 0 << " (Fabricated)" + built << QString(gird[type]);
    }
    QTest::newRow("cold-formed ring frame")
        << true << 7 << 1 << QString(" (Cold-formed)") << QString("pic_gird_rhs");
    QTest::newRow("cold-formed built-up L")
        << true << 1 << 1 << QString(" (Cold-formed) (built-up)") << QString("pic_gird_Lb");
  }

  void profileSectionLinesAndSketches() {
    QFETCH(bool, ringFrame);
    QFETCH(int, type);
    QFETCH(int, ringfab);
    QFETCH(QString, suffix);
    QFETCH(QString, sketch);
    DesignState ds = testing::ShippedProject();
    (ringFrame ? ds.ringtype : ds.stifftype) = static_cast<std::int16_t>(type);
    ds.ringfab = static_cast<std::int16_t>(ringfab);
    Recalculate(ds);
    DrawnPage page(ds);
    const Item* heading = page.Text(ringFrame ? "Ringframe Profile:" : "Stiffener Profile:");
    QVERIFY(heading);
    const Item* line = nullptr;
    for (const Item& item : page.items()) {
      if (item.kind == Item::Kind::Text && Near(item.x, heading->x + heading->width) &&
          Near(item.y, heading->y)) {
        line = &item;
      }
    }
    QVERIFY(line);
    const std::optional<std::string> dims =
        ringFrame ? ProfileTypeLine(ds, type, ds.hg, ds.bg, ds.twg, ds.tfg)
                  : ProfileTypeLine(ds, type, ds.hs, ds.bs, ds.tws, ds.tfs);
    QCOMPARE(line->text, QString::fromStdString(*dims) + suffix);
    const auto pictures = page.Pictures();
    QCOMPARE(pictures.size(), size_t(3));  // geometry, stiffener, ring frame
    const Item* picture = pictures[ringFrame ? 2 : 1];
    QCOMPARE(picture->text, sketch);
    VERIFY_NEAR(picture->x, heading->x, 1e-9);
    VERIFY_NEAR(picture->y, heading->y + 2, 1e-9);
  }

  // Each profile-data block starts two rows below its entry y, at the
  // symbol column plus xshift, and leaves ypos at the y of its last row.
  void profileBlockExtents_data() {
    QTest::addColumn<bool>("ringFrame");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("lastRow");   // below the entry y
    QTest::addColumn<int>("dataRows");  // rows with "="
    QTest::addColumn<int>("localRow");  // "Local buckling:" below the entry y, 0: none
    const std::tuple<const char*, bool, int, int, int, int> cases[] = {
        {"stiffener L", false, 0, 13, 8, 11},
        {"stiffener T built up", false, 3, 13, 8, 11},
        {"stiffener I", false, 9, 13, 8, 11},
        {"ring L", true, 0, 15, 8, 11},
        {"ring I", true, 9, 15, 8, 11},
        {"stiffener RHS", false, 7, 8, 6, 0},
        {"stiffener trapezoid", false, 8, 9, 7, 0},
        {"ring RHS", true, 7, 8, 6, 0},
        {"ring trapezoid", true, 8, 9, 7, 0},
        {"stiffener flat bar", false, 4, 9, 5, 8},
        {"ring flat bar built up", true, 5, 9, 5, 8},
        {"stiffener bulb flat", false, 6, 13, 9, 12},
        {"ring bulb flat", true, 6, 14, 9, 12},
    };
    for (const auto& [name, ring, type, last, rows, local] : cases) {
      QTest::newRow(name) << ring << type << last << rows << local;
    }
  }

  void profileBlockExtents() {
    QFETCH(bool, ringFrame);
    QFETCH(int, type);
    QFETCH(int, lastRow);
    QFETCH(int, dataRows);
    QFETCH(int, localRow);
    DesignState ds = testing::ShippedProject();
    (ringFrame ? ds.ringtype : ds.stifftype) = static_cast<std::int16_t>(type);
    QImage sheet(1190, 1684, QImage::Format_ARGB32);
    ReportPage page(sheet);
    page.SetFontName("arial");
    page.SetFontSize(8);
    SetReportGrid(ds);
    page.SetScale(ds.rcols, ds.rrows);
    ds.xshift = 60;
    const double y0 = 40;
    ds.ypos = y0;
    using Block = void (*)(DesignState&, ReportPage&);
    const Block stiff[] = {PrintStiffenerProfileLTI, PrintStiffenerProfileLTI,
                           PrintStiffenerProfileLTI, PrintStiffenerProfileLTI,
                           PrintStiffenerProfileFb,  PrintStiffenerProfileFb,
                           PrintStiffenerProfileBF,  PrintStiffenerProfileBox,
                           PrintStiffenerProfileBox, PrintStiffenerProfileLTI};
    const Block ring[] = {PrintRingProfileLTI, PrintRingProfileLTI, PrintRingProfileLTI,
                          PrintRingProfileLTI, PrintRingProfileFb,  PrintRingProfileFb,
                          PrintRingProfileBF,  PrintRingProfileBox, PrintRingProfileBox,
                          PrintRingProfileLTI};
    (ringFrame ? ring : stiff)[type](ds, page);
    QCOMPARE(ds.ypos, y0 + lastRow);
    int equals = 0;
    double localY = 0;
    for (const Item& item : page.Items()) {
      QVERIFY(item.x >= kXLab + 60 - 1e-4);  // every item shifted
      if (item.text == "=") {
        ++equals;
        VERIFY_NEAR(item.x, kXEq + 60, 1e-5);
        VERIFY_NEAR(item.y, y0 + 2 + equals, 1e-5);
      }
      if (item.text == "Local buckling:") localY = item.y;
      if (item.text == "Profile data:") {
        VERIFY_NEAR(item.y, y0 + 2, 1e-9);
        QVERIFY(item.font.underline());
      } else {
        QVERIFY(!item.font.underline());
      }
    }
    QCOMPARE(equals, dataRows);
    QCOMPARE(localY, localRow == 0 ? 0.0 : y0 + localRow);
  }

  // Where the locale writes a decimal comma, the report does too.
  void decimalComma() {
    DesignState ds = testing::ShippedProject();
    ds.decflag = Variant::Int(1);
    DrawnPage page(ds);
    QVERIFY(page.HasText("20,0 mm"));
    QVERIFY(page.HasText("-0,300 MPa (positive = inside pressure)"));
    QVERIFY(page.HasText(" L100x50x6,0x6,0"));
  }

  // The geometry sketch follows the cylinder type and outside stiffening.
  void geometrySketchOfTheType_data() {
    QTest::addColumn<int>("cyltype");
    QTest::addColumn<int>("outside");
    QTest::addColumn<QString>("sketch");
    QTest::newRow("cylinder") << 0 << 1 << "pic20";
    QTest::newRow("ring inside") << 1 << 0 << "pic21";
    QTest::newRow("ring outside") << 1 << 1 << "pic26";
    QTest::newRow("stringer inside") << 2 << 0 << "pic22";
    QTest::newRow("stringer outside") << 2 << 1 << "pic27";
    QTest::newRow("column") << 3 << 0 << "pic30";
  }

  void geometrySketchOfTheType() {
    QFETCH(int, cyltype);
    QFETCH(int, outside);
    QFETCH(QString, sketch);
    DesignState ds = testing::ShippedProject();
    ds.cyltype = static_cast<std::int16_t>(cyltype);
    ds.outside = static_cast<std::int16_t>(outside);
    DrawnPage page(ds);
    const auto pictures = page.Pictures();
    QVERIFY(!pictures.empty());
    QCOMPARE(pictures[0]->text, sketch);
    QCOMPARE(pictures[0]->y, 10.0);  // the same rectangle for every type
    VERIFY_NEAR(pictures[0]->x, 92.6, 1e-5);
  }

  // The header frame and texts in 11-point character units, from the left
  // edge L = cols11 / 10.
  void header() {
    DesignState ds = testing::ShippedProject();
    DrawnPage page(ds);
    QFont f("arial");
    f.setPointSizeF(11);
    const QFontMetricsF m(f, &page.printer());
    const QSizeF paper =
        page.printer().pageLayout().fullRectPixels(page.printer().resolution()).size();
    const double cols11 =
        std::round(paper.width() / m.horizontalAdvance("SmGasdfghjklpoiuytre") * 20);
    const double rows11 = std::round(paper.height() / m.lineSpacing());
    const double l = std::round(cols11 / 10);
    const double r = 0.95 * cols11;
    QVERIFY(cols11 > 100 && cols11 < 125);  // A4 portrait
    const auto boxes = page.OfKind(Item::Kind::Box);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0]->x, l);
    QCOMPARE(boxes[0]->y, 2.0);
    VERIFY_NEAR(boxes[0]->width, 0.85 * cols11, 1e-9);
    VERIFY_NEAR(boxes[0]->height, 4.8, 1e-9);
    // The seven rules of the frame, in order: x1, y1, x2, y2.
    const double rules[][4] = {
        {l, 3.4, l + 37, 3.4},  {l + 37, 4, r, 4},        {l + 80, 4.9, r, 4.9},
        {l, 5.8, r, 5.8},       {l + 37, 2, l + 37, 5.8}, {l + 80, 4, l + 80, 5.8},
        {l + 88, 2, l + 88, 4},
    };
    const auto lines = page.Lines();
    QVERIFY(lines.size() >= std::size(rules));
    for (std::size_t i = 0; i < std::size(rules); ++i) {
      const Item& line = *lines[i];
      VERIFY_NEAR(line.x, rules[i][0], 1e-9);
      VERIFY_NEAR(line.y, rules[i][1], 1e-9);
      VERIFY_NEAR(line.x + line.width, rules[i][2], 1e-9);
      VERIFY_NEAR(line.y + line.height, rules[i][3], 1e-9);
    }
    const Item* title = page.Text("Tamrel DNV");
    QCOMPARE(title->x, l + 0.5);
    QCOMPARE(title->y, 2.0);
    QVERIFY(title->font.bold());
    QCOMPARE(title->font.pointSizeF(), 15.0);
    // The header scale: cols11 across and rows11 down the drawing area.
    VERIFY_NEAR(title->devicePos.x(), (l + 0.5) * page.page().AreaWidth() / cols11, 1e-6);
    VERIFY_NEAR(title->devicePos.y(), 2 * page.page().AreaHeight() / rows11, 1e-6);
    const std::tuple<const char*, double, double, double> texts[] = {
        {"Cylinder shell buckling based on DNV-RP-C202", 0.5, 3.5, 8},
        {"Project: ", 37.5, 2.1, 8},
        {"Project", 43, 2.1, 8},
        {"Identification: ", 37.5, 4.1, 8},
        {"Test", 47, 4.1, 8},
        {"Page:", 88.5, 2.1, 8},
        {"1/1", 88.5, 2.9, 9},
        {"Time: 9:5", 80.5, 5, 8},
        {"File: new file", 0.5, 5.9, 8},
        {"Date: ", 80.5, 4.1, 8},
    };
    for (const auto& [text, dx, y, points] : texts) {
      const Item* item = QString(text) == "Date: " ? page.TextStarting(text) : page.Text(text);
      QVERIFY2(item, text);
      VERIFY_NEAR(item->x, l + dx, 1e-9);
      VERIFY_NEAR(item->y, y, 1e-9);
      QCOMPARE(item->font.pointSizeF(), points);
      QVERIFY(!item->font.bold());
    }
    // Everything of the header within the frame's right end R = 0.95 cols11.
    for (const Item& item : page.items()) {
      if (item.kind == Item::Kind::Text && item.y < 7) {
        QVERIFY2(item.x + item.width <= 0.95 * cols11, qPrintable(item.text));
      }
    }
  }

  void headerSplitsNameAndIdentificationByCharacters() {
    DesignState ds = testing::ShippedProject();
    // 46 characters, the 45th and 46th two bytes long each: the 46th starts
    // the second line at the same x.
    const QString name = QString(44, 'n') + QStringLiteral("\u00d8\u00e5");
    QCOMPARE(name.size(), 46);
    ds.proj = name.toStdString();
    // 100 characters: 1 to 38 on the first line, 39 to 98 on the second.
    QString id;
    for (int i = 0; i < 100; ++i) id += QChar('A' + i % 26);
    ds.ident = id.toStdString();
    ds.filename = "/Data/Projects/Tank A.tmr";
    DrawnPage page(ds, QPageLayout::Portrait, QDateTime(QDate(2024, 3, 7), QTime(14, 30)));
    const Item* first = page.Text(name.left(45));
    const Item* second = page.Text(name.mid(45));
    QVERIFY(first && second);
    QCOMPARE(second->x, first->x);
    VERIFY_NEAR(first->y, 2.1, 1e-9);
    VERIFY_NEAR(second->y, 3, 1e-9);
    const Item* id1 = page.Text(id.left(38));
    const Item* id2 = page.Text(id.mid(38, 60));  // the whole second line: 99 and 100 are lost
    QVERIFY(id1 && id2);
    QCOMPARE(id2->x, id1->x);
    // On the line at y = 5: printed smaller (below), it stands on the
    // baseline of that line.
    const double ascent8 = HeaderBaseline(page, *page.Text("Time: 14:30")) - 5;
    VERIFY_NEAR(HeaderBaseline(page, *id2), 5 + ascent8, 1e-9);
    QVERIFY(page.Text("Time: 14:30"));
    QVERIFY(page.Text("File: /data/projects/tank a.tmr"));
    // Sixty capitals do not fit the identification field (it ends at
    // L + 80, where the date and time fields begin): the line is printed
    // smaller, so that it ends inside its field; what fits keeps 8 points.
    const double l = first->x - 43;
    QVERIFY(id2->font.pointSizeF() < 8);
    QVERIFY(id2->x + id2->width <= l + 80);
    QVERIFY(id1->x + id1->width <= l + 80);
    QCOMPARE(first->font.pointSizeF(), 8.0);
    QCOMPARE(second->font.pointSizeF(), 8.0);
    for (const char* text : {"Date: ", "Time: 14:30", "Page:", "Identification: "}) {
      QCOMPARE(page.TextStarting(text)->font.pointSizeF(), 8.0);
    }
    // A path longer than the frame is wide ends inside the frame too.
    ds.filename = "/data/" + std::string(200, 'w') + ".tmr";
    DrawnPage longPath(ds);
    const Item* file = longPath.TextStarting("File: /data/www");
    QVERIFY(file);
    const double cols11 = longPath.OfKind(Item::Kind::Box)[0]->width / 0.85;
    QVERIFY(file->x + file->width <= 0.95 * cols11);
    QVERIFY(file->font.pointSizeF() < 8);

    // 45 characters: one line, nothing on the second.
    ds.proj = std::string(45, 'P');
    DrawnPage exact(ds, QPageLayout::Portrait, QDateTime(QDate(2024, 3, 7), QTime(10, 0)));
    const Item* only = exact.Text(QString(45, 'P'));
    QVERIFY(only);
    for (const Item& item : exact.items()) {
      QVERIFY(!(item.kind == Item::Kind::Text && Near(item.y, 3) && Near(item.x, only->x)));
    }
    QVERIFY(exact.Text("Time: 10:0"));
  }

  // A text printed smaller to fit its field stands on the baseline of its
  // label, and a second line on the baseline of its full-size line.
  void smallerHeaderTextsKeepTheBaseline() {
    DesignState ds = testing::ShippedProject();
    ds.proj = std::string(105, 'W');
    ds.ident = std::string(98, 'W');
    ds.filename = "/data/" + std::string(200, 'w') + ".tmr";
    DrawnPage page(ds);
    const auto baseline = [&page](const Item* item) { return HeaderBaseline(page, *item); };
    const Item* project = page.Text("Project: ");
    const Item* ident = page.Text("Identification: ");
    const Item* time = page.TextStarting("Time: ");
    QVERIFY(project && ident && time);
    const double ascent8 = baseline(project) - 2.1;
    // Text, the baseline it stands on.
    const std::pair<const Item*, double> smaller[] = {
        {page.Text(QString(45, 'W')), baseline(project)},
        {page.Text(QString(60, 'W'), 0), 3 + ascent8},
        {page.Text(QString(38, 'W')), baseline(ident)},
        {page.Text(QString(60, 'W'), 1), baseline(time)},
        {page.TextStarting("File: /data/www"), 5.9 + ascent8},
    };
    for (const auto& [item, expected] : smaller) {
      QVERIFY(item);
      QVERIFY2(item->font.pointSizeF() < 8, qPrintable(item->text));
      VERIFY_NEAR(baseline(item), expected, 1e-9);
      QVERIFY(item->y > expected - ascent8);  // lowered from the top of its line
    }
  }

  // Landscape: the header scale widens with the page, the body grid still
  // spans 136 x 88 units of it.
  void landscapeStretchesTheGrid() {
    DesignState ds = testing::ShippedProject();
    DrawnPage portrait(ds);
    DrawnPage landscape(ds, QPageLayout::Landscape);
    const double portraitBox = portrait.OfKind(Item::Kind::Box)[0]->width;
    const double landscapeBox = landscape.OfKind(Item::Kind::Box)[0]->width;
    VERIFY_NEAR(landscapeBox / portraitBox, 297.0 / 210, 0.03);
    for (const char* text : {"Geometry:", "3333 mm", "Ringframe Profile:", "Profile data:"}) {
      const Item* p = portrait.Text(text);
      const Item* l = landscape.Text(text);
      QVERIFY2(p && l, text);
      QCOMPARE(l->y, p->y);
      // Same place in the grid: the text is as wide (fonts keep their size),
      // so a right-aligned value starts a little further right in units.
      if (QString(text) != "3333 mm") QCOMPARE(l->x, p->x);
      VERIFY_NEAR(l->devicePos.x() / landscape.page().AreaWidth(), l->x / 136, 1e-9);
    }
  }

  // A value wider than its room still ends at its column; nothing is cut.
  void wideValuesEndAtTheirColumn() {
    DesignState ds = testing::ShippedProject();
    ds.cylr = 1.0e15f;
    ds.Sigx = Variant(-123456.0f);
    DrawnPage page(ds);
    const QString r = QString::fromStdString(FormatNumber(ds.cylr, "0", '.'));
    QCOMPARE(r.size(), 16);
    const Item* radius = page.Text(r + " mm");
    QVERIFY(radius);
    VERIFY_NEAR(radius->x + page.BodyWidth(*radius, r), kXVal, 1e-4);
    QVERIFY(radius->x < kXEq);  // runs left into the "=" column
    const Item* sigx = page.Text("-123456.0 MPa");
    QVERIFY(sigx);
    VERIFY_NEAR(sigx->x + page.BodyWidth(*sigx, "-123456.0"), 31.6, 1e-4);
    QVERIFY(sigx->x < 31.6 - 8 * 0.5);
  }

  // A damaged project (codes outside their ranges) prints what it can and
  // nothing it cannot: no profile type line, sketch or block for an unknown
  // profile type, no grade name for an unknown grade, no type rows or sketch
  // for an unknown cylinder type.
  void damagedProjectPrintsWhatItCan() {
    DesignState ds = testing::ShippedProject();
    ds.stifftype = 12;
    ds.ringtype = -3;
    ds.matp = 40;
    ds.mats = -1;
    ds.matg = 21;
    DrawnPage page(ds);
    QVERIFY(page.HasText("Stiffener Profile:"));
    QVERIFY(page.HasText("Ringframe Profile:"));
    QVERIFY(!page.HasText("Profile data:"));
    QCOMPARE(page.Pictures().size(), size_t(1));  // the geometry sketch only
    QVERIFY(page.HasText("Plate: ") && page.HasText("345 MPa"));
    QVERIFY(page.HasText(QString::fromStdString(ds.shellTable.txt[0])));

    ds.cyltype = 7;
    DrawnPage unknown(ds);
    QVERIFY(unknown.Pictures().empty());
    QVERIFY(!unknown.HasText("Stiff spacing:") && !unknown.HasText("Cylinder length"));
    QVERIFY(unknown.HasText("Distance between ring frames"));
    QVERIFY(unknown.HasText(QString::fromStdString(ds.shellTable.txt[0])));
  }

  // A project whose numbers are not finite prints them as "n/a" and is
  // laid out all the same.
  void nonFiniteValuesPrint() {
    DesignState ds = testing::ShippedProject();
    ds.cylt = Variant(0.0f);
    Recalculate(ds);
    DrawnPage page(ds);
    QVERIFY(page.HasText("0.0 mm"));
    QVERIFY(page.HasText(QString::fromStdString(ds.shellTable.txt[0])));
    for (const Item& item : page.items()) {
      QVERIFY(std::isfinite(item.x) && std::isfinite(item.y));
    }
  }

  // A device without a size cannot hold the report: the page says so and
  // the Print command ends silently (see the command tests).
  void aPageWithoutRoomFails() {
    DesignState ds = testing::ShippedProject();
    QImage tiny(1, 1, QImage::Format_ARGB32);
    ReportPage page(tiny, QSize(0, 0));
    bool failed = false;
    try {
      PrintReportPage(ds, page, QDateTime::currentDateTime());
    } catch (const ReportPageError&) {
      failed = true;
    }
    QVERIFY(failed);
  }
};

TAMREL_GUI_TEST(ReportLayoutTest);

}  // namespace tamrel

#include "report_layout_test.moc"
