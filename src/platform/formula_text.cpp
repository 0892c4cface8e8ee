#include "platform/formula_text.h"

#include <QPainter>
#include <QStyle>

namespace tamrel {

namespace {

constexpr QChar kNoBreakBlank(0x00A0);

bool IsOperatorSign(QChar c) {
  return c == u'=' || c == u'<' || c == u'>' || c == u'/' || c == u'*' || c == u'+';
}

}  // namespace

QString KeepFormulasTogether(const QString& text) {
  QString out = text;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n;) {
    if (text[i] != u' ') {
      ++i;
      continue;
    }
    // A run of blanks binds when the sign before it or after it is an operator.
    qsizetype end = i;
    while (end < n && text[end] == u' ') ++end;
    const bool binds =
        (i > 0 && IsOperatorSign(text[i - 1])) || (end < n && IsOperatorSign(text[end]));
    if (binds) {
      for (qsizetype k = i; k < end; ++k) out[k] = kNoBreakBlank;
    }
    i = end;
  }
  return out;
}

NoteLabel::NoteLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
}

void NoteLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  drawFrame(&painter);
  const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextWordWrap;
  style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(),
                        KeepFormulasTogether(text()), foregroundRole());
}

}  // namespace tamrel
