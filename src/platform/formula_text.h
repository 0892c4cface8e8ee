#pragma once
// Texts laid out as they are written: a line never breaks inside a formula.
//
// The program's messages and notes carry formulas in running text
// ("UF = 1.15", " 50 <= fyp <= 2000 ", "sigx / sigy = compression"). Where a
// text has to wrap, it may break only at a blank outside a formula; a blank
// beside an operator sign binds its neighbours.

#include <QLabel>
#include <QString>

namespace tamrel {

// The text with every blank beside an operator sign (= < > / * +) made a
// non-breaking blank. For showing only: the text itself stays as written.
QString KeepFormulasTogether(const QString& text);

// A label whose caption wraps only at blanks outside formulas. Its text()
// is the caption as set.
class NoteLabel : public QLabel {
  Q_OBJECT

 public:
  explicit NoteLabel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tamrel
