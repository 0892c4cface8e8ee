// One QApplication for all the test classes registered in this executable.

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "gui_support.h"

namespace tamrel::testing {
std::vector<TestFactory>& TestRegistry() {
  static std::vector<TestFactory> registry;
  return registry;
}
}  // namespace tamrel::testing

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  int failures = 0;
  // TAMREL_TEST_CLASS=Name runs only the classes whose name contains it.
  const QByteArray only = qgetenv("TAMREL_TEST_CLASS");
  for (const auto& make : tamrel::testing::TestRegistry()) {
    const std::unique_ptr<QObject> test = make();
    if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).contains(only)) continue;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
