#include "mainwindow/window_hosts.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include "calc/checks.h"
#include "mainwindow/tamrel_window.h"
#include "platform/file_dialog.h"
#include "platform/focus_binder.h"
#include "platform/message_service.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"

namespace tamrel {

namespace {

void Exclaim(MessageService& messages, QWidget* owner, const std::string& text) {
  messages.ShowExclamation(owner, QString::fromStdString(text));
}

bool CanTakeFocus(const QWidget* w) {
  return w->isVisibleTo(w->window()) && w->isEnabled();
}

}  // namespace

// ---- The calculation core's window ----

// The tables are drawn at the end of every recalculation, whoever ran it:
// the locked yield boxes follow the strengths it used.
void WindowForCalc::StartResultDrawing() {
  ++resultDrawings_;
  startDrawing_();
}

TextSurface* WindowForCalc::ResultPictureSurface(ResultPicture which) {
  switch (which) {
    case ResultPicture::Shell: return c_.pic30;
    case ResultPicture::Stiffener: return c_.Pic31;
    case ResultPicture::Ring: return c_.pic32;
  }
  return nullptr;
}

void WindowForCalc::SetStiffenerCaption(const std::string& caption) {
  c_.stiffprof->setText(QString::fromStdString(caption));
}

void WindowForCalc::SetStiffenerIcon(ProfileIcon icon) {
  ShowProfileIcon(c_.cmdpic_stiff, icon, stiffIconShown_);
}

void WindowForCalc::SetRingCaption(const std::string& caption) {
  c_.ringprof->setText(QString::fromStdString(caption));
}

void WindowForCalc::SetRingIcon(ProfileIcon icon) {
  ShowProfileIcon(c_.cmdpic_gird, icon, ringIconShown_);
}

// Every recalculation names the profile icons; an icon is drawn only when it
// differs from the one the button shows, in the button's icon size.
void WindowForCalc::ShowProfileIcon(QToolButton* button, ProfileIcon icon, ShownIcon& shown) {
  const int size = button->iconSize().width();
  if (shown.icon == icon && shown.size == size) return;
  button->setIcon(QIcon(ProfileIconPixmap(icon, size)));
  button->setProperty("profileIcon", QString::fromLatin1(ProfileIconName(icon)));
  shown = ShownIcon{icon, size};
}

void WindowForCalc::ShowExclamation(const std::string& text) {
  Exclaim(messages_, &window_, text);
}

void WindowForCalc::SetTrippingLengthText(const std::string& text) {
  c_.field("igilt")->setText(QString::fromStdString(text));
}

void WindowForCalc::SetRingSpacingText(const std::string& text) {
  c_.field("il")->setText(QString::fromStdString(text));
}

// Focus moves asked for inside a recalculation run only the target's focus
// handler, never a leave handler: no recalculation inside a recalculation.
void WindowForCalc::FocusTrippingLength() {
  QLineEdit* box = c_.field("igilt");
  if (CanTakeFocus(box)) binder_.MoveFocus(box);
}

void WindowForCalc::FocusRadius() {
  QLineEdit* box = c_.field("icylr");
  if (CanTakeFocus(box)) binder_.MoveFocus(box);
}

void WindowForCalc::SetCheckIhVisible(bool visible) {
  c_.check_ih->setVisible(visible);
}

void WindowForCalc::SetWindowCaption(const std::string& caption) {
  window_.setWindowTitle(QString::fromStdString(caption));
}

// ---- The section dialogs' host ----

QWidget* WindowForDialogs::DialogOwner() {
  return &w_;
}

QRect WindowForDialogs::OwnerFrameGeometry() {
  return w_.frameGeometry();
}

void WindowForDialogs::ShowProfileTypeEntry(Member member, int code) {
  w_.ShowProfileTypeEntry(member, code);
}

void WindowForDialogs::SetRingProfileCaption(const std::string& caption) {
  w_.CalcWindow().SetRingCaption(caption);
}

void WindowForDialogs::RecalculateProject() {
  Recalculate(ds_);
}

// ---- The File commands' host ----

std::optional<std::string> WindowForFiles::ShowOpenDialog(const std::string& initDir) {
  FileDialogRequest request;
  request.directory = QString::fromStdString(initDir);
  request.fileName = QStringLiteral("*.tmr");
  const std::optional<QString> chosen = dialogs_.OpenFile(&w_, request);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::optional<std::string> WindowForFiles::ShowSaveDialog(const std::string& initDir,
                                                          const std::string& proposed) {
  FileDialogRequest request;
  request.directory = QString::fromStdString(initDir);
  request.fileName = QString::fromStdString(proposed);
  const std::optional<QString> chosen = dialogs_.SaveFile(&w_, request);
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

void WindowForFiles::ShowExclamation(const std::string& text) {
  Exclaim(messages_, &w_, text);
}

FileCommandHost::SaveAnswer WindowForFiles::AskSaveChanges(const std::string& question) {
  switch (messages_.AskYesNoCancel(&w_, QString::fromStdString(question))) {
    case MessageService::Answer::Yes: return SaveAnswer::Yes;
    case MessageService::Answer::No: return SaveAnswer::No;
    case MessageService::Answer::Cancel: return SaveAnswer::Cancel;
  }
  return SaveAnswer::Cancel;
}

std::string WindowForFiles::ProjectNameText() {
  return w_.field("iproj")->text().toStdString();
}

std::string WindowForFiles::IdentificationText() {
  return w_.field("iident")->text().toStdString();
}

void WindowForFiles::ShowDesignState() {
  w_.ShowDesignState();
}

void WindowForFiles::UnloadSectionDialogs() {
  w_.SectionDialogSet().UnloadSectionDialogs();
}

void WindowForFiles::RecentFilesChanged() {
  w_.ApplyRecentFileMenu();
}

// ---- The report's host ----

QWidget* WindowForReport::ReportOwner() {
  return &window_;
}

void WindowForReport::ShowExclamation(const std::string& text) {
  Exclaim(messages_, &window_, text);
}

}  // namespace tamrel
