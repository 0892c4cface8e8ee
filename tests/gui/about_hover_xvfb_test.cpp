// The about box's hover underline on a real X server (Xvfb), where moving
// the pointer gives the window system's own mouse moves: over a link it
// underlines that link, over the other elements nothing changes, over the
// window's background both links lose the underline.

#include <QLabel>
#include <QTest>

#include "main_window_fixture.h"
#include "mainwindow/about_box.h"
#include "mainwindow/info_forms.h"

namespace tamrel {

using testing::StartedWindow;

class AboutHoverXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  // The pointer over a link underlines it; over other labels or pictures
  // nothing changes; over the background both links lose the underline.
  void aboutBoxHoverUnderline() {
    StartedWindow s;
    s.w().MenuItem("mnuabout")->trigger();
    AboutBox* box = s.w().AboutWindow();
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    auto underlined = [&] {
      return QString("%1%2").arg(box->ab5->font().underline() ? "5" : "-",
                                 box->ab6->font().underline() ? "6" : "-");
    };
    struct Step {
      QWidget* over;
      const char* after;
    };
    const Step steps[] = {
        {box->ab5, "5-"},      {box->ab4, "5-"},      {box->ab6, "56"}, {box->ab1, "56"},
        {box->Picture1, "56"}, {box->Picture5, "56"}, {box->ab3, "56"}, {box, "--"},
        {box->ab6, "-6"},      {box->Line1, "-6"},    {box, "--"},
    };
    for (const Step& st : steps) {
      const QPoint at = st.over == box ? QPoint(box->width() - 5, 5) : st.over->rect().center();
      QTest::mouseMove(st.over, at);
      QTRY_COMPARE(underlined(), QString(st.after));
    }
    // Closed and loaded again: no underline.
    QTest::mouseMove(box->ab5, box->ab5->rect().center());
    QTRY_COMPARE(underlined(), QString("5-"));
    box->close();
    QTRY_VERIFY(s.w().AboutWindow() == nullptr);
    s.w().MenuItem("mnuabout")->trigger();
    box = s.w().AboutWindow();
    QCOMPARE(underlined(), QString("--"));
  }
};

TAMREL_GUI_TEST(AboutHoverXvfbTest);

}  // namespace tamrel

#include "about_hover_xvfb_test.moc"
