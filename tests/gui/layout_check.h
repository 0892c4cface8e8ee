#pragma once
// What a fixed-size window must not do to its controls: put one partly
// outside the window, cut off the text of a label, box, button or frame
// caption, or lay two controls (or a control and a frame's caption) over
// each other.

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>

namespace tamrel::testing {

inline QRect RectIn(QWidget* window, const QWidget* w) {
  return {w->mapTo(window, QPoint(0, 0)), w->size()};
}

inline QString NameOf(const QWidget* w) {
  const QString name = w->objectName();
  if (!name.isEmpty()) return name;
  if (const auto* l = qobject_cast<const QLabel*>(w)) return "\"" + l->text() + "\"";
  return QString::fromLatin1(w->metaObject()->className());
}

// The caption of a frame, in the window's coordinates.
inline QRect GroupTitleIn(QWidget* window, QGroupBox* box) {
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  option.lineWidth = 1;
  const QRect title =
      box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  return title.translated(box->mapTo(window, QPoint(0, 0)));
}

inline QStringList LayoutFaults(QWidget* window) {
  QStringList faults;
  const QRect inside = window->rect();
  QList<QWidget*> leaves;
  for (QWidget* c : window->findChildren<QWidget*>()) {
    if (!c->isVisibleTo(window) || c->isWindow()) continue;
    // The parts of a list belong to the list.
    if (qobject_cast<QComboBox*>(c->parentWidget()) != nullptr) continue;
    const QRect r = RectIn(window, c);
    if (!inside.contains(r)) faults << NameOf(c) + " lies partly outside the window";
    const QFontMetrics fm(c->font());
    if (auto* l = qobject_cast<QLabel*>(c)) {
      const QSize need = fm.size(0, l->text());
      const QRect room = l->contentsRect();
      if (need.width() > room.width() || need.height() > room.height()) {
        faults << NameOf(c) + " cuts off its text \"" + l->text() + "\"";
      }
      leaves << c;
    } else if (auto* e = qobject_cast<QLineEdit*>(c)) {
      // The text and the box's frame and margins.
      if (fm.horizontalAdvance(e->text()) + 8 > e->width() || fm.height() + 2 > e->height()) {
        faults << NameOf(c) + " cuts off its text \"" + e->text() + "\"";
      }
      leaves << c;
    } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      if (fm.horizontalAdvance(b->text()) > b->width() || fm.height() > b->height()) {
        faults << NameOf(c) + " cuts off its caption \"" + b->text() + "\"";
      }
      leaves << c;
    } else if (auto* cbo = qobject_cast<QComboBox*>(c)) {
      // The longest entry fits beside the arrow.
      int widest = 0;
      for (int i = 0; i < cbo->count(); ++i) {
        widest = std::max(widest, fm.horizontalAdvance(cbo->itemText(i)));
      }
      if (widest + 24 > cbo->width()) faults << NameOf(c) + " is too narrow for its entries";
      leaves << c;
    } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
      const QRect title = GroupTitleIn(window, g);
      if (fm.horizontalAdvance(g->title()) > title.width() || !RectIn(window, g).contains(title)) {
        faults << NameOf(c) + " cuts off its caption \"" + g->title() + "\"";
      }
      for (QWidget* inner : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (inner->isVisibleTo(window) && RectIn(window, inner).intersects(title)) {
          faults << NameOf(inner) + " lies over the caption of " + NameOf(c);
        }
      }
    } else if (c->objectName() == QLatin1String("pic1")) {
      leaves << c;
    }
  }
  for (qsizetype i = 0; i < leaves.size(); ++i) {
    for (qsizetype j = i + 1; j < leaves.size(); ++j) {
      if (RectIn(window, leaves[i]).intersects(RectIn(window, leaves[j]))) {
        faults << NameOf(leaves[i]) + " overlaps " + NameOf(leaves[j]);
      }
    }
  }
  return faults;
}

}  // namespace tamrel::testing
