#pragma once
// The main window as each of its users sees it: the calculation core, the
// section dialogs, the File commands and the report. Each is a small class
// owned by the window that reaches the window's controls and services; the
// window itself stays the Qt main window with its controls and handlers.

#include <QRect>
#include <functional>
#include <optional>
#include <string>

#include "calc/window.h"
#include "dialogs/section_dialog_host.h"
#include "files/file_commands.h"
#include "mainwindow/main_controls.h"
#include "report/print_report.h"

class QToolButton;
class QWidget;

namespace tamrel {

class FileDialogService;
class FocusBinder;
class MessageService;
class PrinterDialogService;
class TamrelWindow;

// The calculation core's window: the result pictures, the profile captions
// and icons, its messages and focus moves, the window caption.
class WindowForCalc final : public Window {
 public:
  // window: the main window, owner of the messages and holder of the
  // caption; startDrawing: what the window does before the result tables
  // are drawn.
  WindowForCalc(QWidget& window, MainControls& controls, MessageService& messages,
                FocusBinder& binder, std::function<void()> startDrawing)
      : window_(window),
        c_(controls),
        messages_(messages),
        binder_(binder),
        startDrawing_(std::move(startDrawing)) {}

  TextSurface* ResultPictureSurface(ResultPicture which) override;
  void StartResultDrawing() override;
  void SetStiffenerCaption(const std::string& caption) override;
  void SetStiffenerIcon(ProfileIcon icon) override;
  void SetRingCaption(const std::string& caption) override;
  void SetRingIcon(ProfileIcon icon) override;
  void ShowExclamation(const std::string& text) override;
  void SetTrippingLengthText(const std::string& text) override;
  void FocusTrippingLength() override;
  void SetRingSpacingText(const std::string& text) override;
  void FocusRadius() override;
  void SetCheckIhVisible(bool visible) override;
  void SetWindowCaption(const std::string& caption) override;

  // How many times the result tables were drawn (once per recalculation).
  int ResultDrawings() const { return resultDrawings_; }

 private:
  // The icon a profile button shows, and the icon size it was drawn in.
  struct ShownIcon {
    std::optional<ProfileIcon> icon;
    int size = 0;
  };
  static void ShowProfileIcon(QToolButton* button, ProfileIcon icon, ShownIcon& shown);

  QWidget& window_;
  MainControls& c_;
  MessageService& messages_;
  FocusBinder& binder_;
  std::function<void()> startDrawing_;
  ShownIcon stiffIconShown_;
  ShownIcon ringIconShown_;
  int resultDrawings_ = 0;
};

// What the section dialogs need: the owner of their windows, the profile
// lists and caption, the recalculation, the messages and the binder.
class WindowForDialogs final : public SectionDialogHost {
 public:
  WindowForDialogs(TamrelWindow& window, DesignState& ds, MessageService& messages,
                   FocusBinder& binder)
      : w_(window), ds_(ds), messages_(messages), binder_(binder) {}

  QWidget* DialogOwner() override;
  QRect OwnerFrameGeometry() override;
  void ShowProfileTypeEntry(Member member, int code) override;
  void SetRingProfileCaption(const std::string& caption) override;
  void RecalculateProject() override;
  MessageService& Messages() override { return messages_; }
  FocusBinder& Binder() override { return binder_; }

 private:
  TamrelWindow& w_;
  DesignState& ds_;
  MessageService& messages_;
  FocusBinder& binder_;
};

// What the File commands need: the file dialogs, the question whether to
// save, the project-name boxes, the refill, the section dialogs and the
// recent-file entries.
class WindowForFiles final : public FileCommandHost {
 public:
  WindowForFiles(TamrelWindow& window, MessageService& messages, FileDialogService& dialogs)
      : w_(window), messages_(messages), dialogs_(dialogs) {}

  std::optional<std::string> ShowOpenDialog(const std::string& initDir) override;
  std::optional<std::string> ShowSaveDialog(const std::string& initDir,
                                            const std::string& proposed) override;
  void ShowExclamation(const std::string& text) override;
  SaveAnswer AskSaveChanges(const std::string& question) override;
  std::string ProjectNameText() override;
  std::string IdentificationText() override;
  void ShowDesignState() override;
  void UnloadSectionDialogs() override;
  void RecentFilesChanged() override;

 private:
  TamrelWindow& w_;
  MessageService& messages_;
  FileDialogService& dialogs_;
};

// What the report needs: the owner of the printer dialog, the dialog, the
// printer of the run and the messages.
class WindowForReport final : public ReportHost {
 public:
  WindowForReport(QWidget& window, MessageService& messages, PrinterDialogService& dialog)
      : window_(window), messages_(messages), dialog_(dialog) {}

  QWidget* ReportOwner() override;
  PrinterDialogService& PrinterDialog() override { return dialog_; }
  RunPrinter& ReportPrinter() override { return printer_; }
  void ShowExclamation(const std::string& text) override;

 private:
  QWidget& window_;
  MessageService& messages_;
  PrinterDialogService& dialog_;
  RunPrinter printer_;  // the printer of the run, from the first Print on
};

}  // namespace tamrel
