#pragma once
// The help: the help file "tamrel.chm" in the program directory, which
// holds the help pages (contents.html, the keyword list index.txt, one
// "keyword<TAB>page" a line, and the topic pages) bound into one resource
// file, shown in a small help window with the three entry points of a help
// viewer: the contents, the index and the full-text search. The theory
// manual opens in the desktop's PDF viewer.
//
// Every command is fire-and-forget: a missing or unreadable help file or
// manual shows nothing and changes nothing. The help window has no owner
// (it stays beside the main window, not above it) and is the same window
// each time; it ends with the program.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace tamrel {

class DocumentOpener;

struct HelpIndexEntry {
  QString keyword;
  QString page;  // file name in the help folder
};

// The keyword list of index.txt in alphabetical order (case ignored); lines
// that are empty, start with "#" or have no page are left out.
std::vector<HelpIndexEntry> ReadHelpIndex(const QString& folder);

// A page of the help folder that holds every word of a query.
struct HelpHit {
  QString page;   // file name
  QString title;  // the page's title
};
// Every page whose text holds all words of the query, case ignored, in
// order of title; nothing for an empty query.
std::vector<HelpHit> SearchHelp(const QString& folder, const QString& query);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  enum class Page { Contents, Index, Search, Topic };

  explicit HelpWindow(QString folder);

  void ShowContents();
  void ShowIndex();
  // The search page with an empty query: no search is started.
  void ShowSearch();
  // Runs the query typed into the search field and lists the pages found.
  void RunSearch();

  Page CurrentPage() const { return page_; }
  const QString& Folder() const { return folder_; }

  QTextBrowser* browser = nullptr;
  QWidget* searchBar = nullptr;
  QLineEdit* query = nullptr;
  QPushButton* listTopics = nullptr;

 private:
  void Present(Page page);
  QString PageUrl(const QString& file) const;

  QString folder_;
  Page page_ = Page::Contents;
};

// The help file in the program directory, and the theory manual in its
// folder "Documentation".
QString HelpFilePath(const std::string& apppath);
QString TheoryManualPath(const std::string& apppath);

// The folder of the pages held in a help file (a resource path), opened
// once per file for the whole run; empty when the file cannot be read as a
// help file.
QString OpenHelpFile(const QString& path);

// The address of a page of a help folder, for the help window's links.
QUrl HelpPageUrl(const QString& folder, const QString& page);

// The routines of the Help module: the help window at its contents, its
// index or its search page, made on first use. Nothing happens when the
// help file is missing or has no contents page.
void ShowHelpContents(std::unique_ptr<HelpWindow>& window, const std::string& apppath);
void ShowHelpIndex(std::unique_ptr<HelpWindow>& window, const std::string& apppath);
void ShowHelpSearch(std::unique_ptr<HelpWindow>& window, const std::string& apppath);

// The theory manual in the desktop's viewer, when it is there; the result is
// not examined and nothing is reported.
void OpenTheoryManual(DocumentOpener& opener, const std::string& apppath);

}  // namespace tamrel
