#pragma once
// Helpers of the window tests: a registry that lets several Qt Test classes
// share one executable and one QApplication, and a message service that
// records instead of showing a modal box.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "platform/message_service.h"

namespace tamrel::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& TestRegistry();

struct RegisterTest {
  explicit RegisterTest(TestFactory f) { TestRegistry().push_back(std::move(f)); }
};

#define TAMREL_GUI_TEST(Class)                             \
  static ::tamrel::testing::RegisterTest register_##Class( \
      [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })

class RecordingMessages : public MessageService {
 public:
  void ShowExclamation(QWidget* /*owner*/, const QString& text) override {
    shown.push_back(text);
    if (onShow) onShow(text);
  }
  QStringList shown;
  std::function<void(const QString&)> onShow;
};

}  // namespace tamrel::testing
