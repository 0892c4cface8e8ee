#pragma once
// A small window of three bound boxes whose handlers write a log: the
// focus/leave binder's test bed.

#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

#include "platform/focus_binder.h"

namespace tamrel {

// A window of three bound boxes that log their focus, leave and abandon.
struct BoxWindow {
  QWidget window;
  QLineEdit a, b, c;
  FocusBinder binder;
  QStringList log;
  std::function<void(QLineEdit*)> onLeave;

  BoxWindow() {
    auto* layout = new QVBoxLayout(&window);
    for (QLineEdit* e : {&a, &b, &c}) layout->addWidget(e);
    a.setObjectName("a");
    b.setObjectName("b");
    c.setObjectName("c");
    for (QLineEdit* e : {&a, &b, &c}) {
      binder.Bind(e, {[this, e] { log << "enter " + e->objectName(); },
                      [this, e] {
                        log << "leave " + e->objectName();
                        if (onLeave) onLeave(e);
                      },
                      [this, e] { log << "abandon " + e->objectName(); }});
    }
  }
  ~BoxWindow() { window.hide(); }

  bool Show() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
};

}  // namespace tamrel
