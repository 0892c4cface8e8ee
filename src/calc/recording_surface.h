#pragma once
// A text surface that draws nothing and records everything: used by tests to
// check positions, fonts and colours of the result tables, and by the
// golden-results tool to print each drawn row.
//
// Fixed metrics: every character is kCharWidth units wide (bold or not), one
// text line is kLineHeight units high, the left edge is x = 0.

#include <string>
#include <string_view>
#include <vector>

#include "calc/text_surface.h"

namespace tamrel {

class RecordingSurface : public TextSurfaceState {
 public:
  static constexpr double kCharWidth = 0.5;
  static constexpr double kLineHeight = 1.0;

  // One drawn text, with where and how it was drawn.
  struct Text {
    std::string text;
    double x = 0;
    double y = 0;
    bool bold = false;
    bool underline = false;
    Colour colour = Colour::Black;
    bool lineBreak = false;  // drawn by PrintLine
  };

  // One recorded operation: a clear, or a text.
  struct Op {
    enum class Kind { Clear, Text };
    Kind kind = Kind::Text;
    Text text;  // for Kind::Text
  };

  // The texts drawn at one y, in the order drawn.
  struct Row {
    double y = 0;
    std::vector<Text> texts;
    std::string Joined() const;  // all texts of the row run together
  };

  void Clear() override;
  void Print(std::string_view text) override;
  void PrintLine(std::string_view text) override;
  double TextWidth(std::string_view text) const override;

  // Every operation since construction, in order.
  const std::vector<Op>& ops() const { return ops_; }
  int ClearCount() const;
  // The texts drawn since the last clear (what the surface shows), in order.
  std::vector<Text> Visible() const;
  std::vector<std::string> VisibleTexts() const;
  // The visible texts grouped by y (equal within 1e-6), rows ordered by y.
  std::vector<Row> Rows() const;
  // The visible texts drawn at y (within 1e-6), in order.
  std::vector<Text> TextsAt(double y) const;

 private:
  void Record(std::string_view text, bool lineBreak);

  std::vector<Op> ops_;
};

// "red", "green" or "black".
const char* ColourName(Colour c);

}  // namespace tamrel
