#include "mainwindow/help.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "platform/document_opener.h"
#include "platform/pictures.h"

namespace tamrel {

namespace {

constexpr const char* kContentsPage = "contents.html";
constexpr const char* kIndexFile = "index.txt";

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

bool LessIgnoringCase(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

QString Escaped(const QString& text) {
  return text.toHtmlEscaped();
}

}  // namespace

std::vector<HelpIndexEntry> ReadHelpIndex(const QString& folder) {
  std::vector<HelpIndexEntry> entries;
  const QString text = ReadText(QDir(folder).filePath(QString::fromLatin1(kIndexFile)));
  for (const QString& raw : text.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const qsizetype tab = raw.indexOf(QLatin1Char('\t'));
    if (tab < 0) continue;
    HelpIndexEntry e{raw.left(tab).trimmed(), raw.mid(tab + 1).trimmed()};
    if (e.keyword.isEmpty() || e.page.isEmpty()) continue;
    entries.push_back(std::move(e));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                     return LessIgnoringCase(a.keyword, b.keyword);
                   });
  return entries;
}

std::vector<HelpHit> SearchHelp(const QString& folder, const QString& query) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QStringList words = query.split(blanks, Qt::SkipEmptyParts);
  std::vector<HelpHit> hits;
  if (words.isEmpty()) return hits;
  const QDir dir(folder);
  for (const QString& file : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    QTextDocument doc;
    doc.setHtml(ReadText(dir.filePath(file)));
    const QString text = doc.toPlainText();
    const bool all = std::all_of(words.begin(), words.end(), [&](const QString& w) {
      return text.contains(w, Qt::CaseInsensitive);
    });
    if (!all) continue;
    QString title = doc.metaInformation(QTextDocument::DocumentTitle).trimmed();
    if (title.isEmpty()) title = QFileInfo(file).completeBaseName();
    hits.push_back({file, title});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) {
    return LessIgnoringCase(a.title, b.title);
  });
  return hits;
}

HelpWindow::HelpWindow(QString folder) : QWidget(nullptr), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("help"));
  setWindowTitle(QStringLiteral("Tamrel DNV Help"));
  setWindowIcon(ProgramIcon());
  resize(760, 560);

  auto* contents = new QPushButton(QStringLiteral("Contents"), this);
  contents->setObjectName(QStringLiteral("contents"));
  auto* index = new QPushButton(QStringLiteral("Index"), this);
  index->setObjectName(QStringLiteral("index"));
  auto* search = new QPushButton(QStringLiteral("Search"), this);
  search->setObjectName(QStringLiteral("search"));
  auto* back = new QPushButton(QStringLiteral("Back"), this);
  back->setObjectName(QStringLiteral("back"));

  searchBar = new QWidget(this);
  searchBar->setObjectName(QStringLiteral("searchBar"));
  query = new QLineEdit(searchBar);
  query->setObjectName(QStringLiteral("query"));
  listTopics = new QPushButton(QStringLiteral("List Topics"), searchBar);
  listTopics->setObjectName(QStringLiteral("listTopics"));
  auto* searchRow = new QHBoxLayout(searchBar);
  searchRow->setContentsMargins(0, 0, 0, 0);
  searchRow->addWidget(new QLabel(QStringLiteral("Type in the word(s) to search for:"), searchBar));
  searchRow->addWidget(query, 1);
  searchRow->addWidget(listTopics);

  browser = new QTextBrowser(this);
  browser->setObjectName(QStringLiteral("browser"));
  browser->setSearchPaths({folder_});
  browser->setOpenExternalLinks(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(index);
  buttons->addWidget(search);
  buttons->addWidget(back);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(searchBar);
  layout->addWidget(browser, 1);

  connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
  connect(index, &QPushButton::clicked, this, &HelpWindow::ShowIndex);
  connect(search, &QPushButton::clicked, this, &HelpWindow::ShowSearch);
  connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
  back->setEnabled(false);
  connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(listTopics, &QPushButton::clicked, this, &HelpWindow::RunSearch);
  connect(query, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
  // A link followed from any page is a topic.
  connect(browser, &QTextBrowser::anchorClicked, this, [this] {
    page_ = Page::Topic;
    searchBar->setVisible(false);
  });
}

QString HelpWindow::PageUrl(const QString& file) const {
  return HelpPageUrl(folder_, file).toString();
}

void HelpWindow::Present(Page page) {
  page_ = page;
  searchBar->setVisible(page == Page::Search);
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents() {
  browser->setSource(HelpPageUrl(folder_, QString::fromLatin1(kContentsPage)));
  Present(Page::Contents);
}

void HelpWindow::ShowIndex() {
  QString html = QStringLiteral("<html><head><title>Index</title></head><body><h2>Index</h2><ul>");
  for (const HelpIndexEntry& e : ReadHelpIndex(folder_)) {
    html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                .arg(Escaped(PageUrl(e.page)), Escaped(e.keyword));
  }
  html += QStringLiteral("</ul></body></html>");
  browser->setHtml(html);
  Present(Page::Index);
}

void HelpWindow::ShowSearch() {
  query->clear();
  browser->setHtml(QStringLiteral(
      "<html><head><title>Search</title></head><body><h2>Search</h2>"
      "<p>Type in the word(s) to search for, then press Enter or List Topics.</p></body></html>"));
  Present(Page::Search);
  query->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::RunSearch() {
  const QString words = query->text().trimmed();
  QString html = QStringLiteral("<html><head><title>Search</title></head><body><h2>Search</h2>");
  if (!words.isEmpty()) {
    const std::vector<HelpHit> hits = SearchHelp(folder_, words);
    html += QStringLiteral("<p>%1 topic(s) found for \"%2\":</p><ul>")
                .arg(hits.size())
                .arg(Escaped(words));
    for (const HelpHit& h : hits) {
      html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                  .arg(Escaped(PageUrl(h.page)), Escaped(h.title));
    }
    html += QStringLiteral("</ul>");
  }
  html += QStringLiteral("</body></html>");
  browser->setHtml(html);
  page_ = Page::Search;
}

QString HelpFilePath(const std::string& apppath) {
  return QDir(QString::fromStdString(apppath)).filePath(QStringLiteral("tamrel.chm"));
}

QString OpenHelpFile(const QString& path) {
  static std::map<QString, QString> opened;  // file -> folder of its pages
  const QString key = QFileInfo(path).absoluteFilePath();
  if (const auto it = opened.find(key); it != opened.end()) return it->second;
  // Registered from the file, whose size Qt checks the file's contents
  // against: a damaged or foreign file is refused, never read past its end.
  // An empty file holds no pages; it is refused here, as Qt 6.4 keeps the
  // buffer it reads an empty file into when it refuses it.
  if (QFileInfo(key).size() == 0) return {};
  const QString root = QStringLiteral("/tamrel.chm/%1").arg(opened.size() + 1);
  if (!QResource::registerResource(key, root)) return {};
  return opened.emplace(key, QLatin1Char(':') + root).first->second;
}

QUrl HelpPageUrl(const QString& folder, const QString& page) {
  const QString path = QDir(folder).absoluteFilePath(page);
  if (path.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + path);
  return QUrl::fromLocalFile(path);
}

QString TheoryManualPath(const std::string& apppath) {
  return QDir(QString::fromStdString(apppath))
      .filePath(QStringLiteral("Documentation/Tamrel DNV Theory Manual.pdf"));
}

namespace {

// The help window, made on first use; nullptr when the help file is
// missing, cannot be read or has no contents page.
HelpWindow* HelpAt(std::unique_ptr<HelpWindow>& window, const std::string& apppath) {
  const QString path = HelpFilePath(apppath);
  if (!QFileInfo::exists(path)) return nullptr;
  const QString folder = OpenHelpFile(path);
  if (folder.isEmpty() ||
      !QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(kContentsPage)))) {
    return nullptr;
  }
  if (!window || window->Folder() != folder) window = std::make_unique<HelpWindow>(folder);
  return window.get();
}

}  // namespace

void ShowHelpContents(std::unique_ptr<HelpWindow>& window, const std::string& apppath) {
  if (HelpWindow* w = HelpAt(window, apppath)) w->ShowContents();
}

void ShowHelpIndex(std::unique_ptr<HelpWindow>& window, const std::string& apppath) {
  if (HelpWindow* w = HelpAt(window, apppath)) w->ShowIndex();
}

void ShowHelpSearch(std::unique_ptr<HelpWindow>& window, const std::string& apppath) {
  if (HelpWindow* w = HelpAt(window, apppath)) w->ShowSearch();
}

void OpenTheoryManual(DocumentOpener& opener, const std::string& apppath) {
  // A manual that is not there fails at once, as the shell's open does; the
  // desktop is not asked to open it (it might say so in a message of its own).
  const QString path = TheoryManualPath(apppath);
  if (!QFileInfo::exists(path)) return;
  try {
    opener.Open(QUrl::fromLocalFile(path));
  } catch (...) {  // NOLINT(bugprone-empty-catch): nothing is reported
  }
}

}  // namespace tamrel
