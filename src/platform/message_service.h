#pragma once
// Message boxes as a service, so that tests never block on a modal window.

#include <QString>

class QWidget;

namespace tamrel {

class MessageService {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~MessageService() = default;
  // A message box with the exclamation icon and an OK button.
  virtual void ShowExclamation(QWidget* owner, const QString& text) = 0;
  // The same box with the buttons Yes, No and Cancel; Escape and the
  // window's close box answer Cancel.
  virtual Answer AskYesNoCancel(QWidget* owner, const QString& text) = 0;
};

// The desktop's modal message box, titled with the program's name.
class QtMessageService : public MessageService {
 public:
  void ShowExclamation(QWidget* owner, const QString& text) override;
  Answer AskYesNoCancel(QWidget* owner, const QString& text) override;
};

inline constexpr const char* kProgramTitle = "Tamrel DNV";

}  // namespace tamrel
