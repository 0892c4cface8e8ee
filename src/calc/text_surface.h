#pragma once
// What the result-table routines draw on: a result picture of the main
// window, the printed page, or a recording surface in tests. Positions and
// widths are in the surface's own scale units (on screen one vertical unit is
// one text line).

#include <cstdint>
#include <string>
#include <string_view>

namespace tamrel {

// The classic 16-colour palette entries the result tables use.
enum class Colour : std::uint8_t { Black = 0, Green = 2, Red = 4 };

// Red, green and blue (0..255) of a palette entry: the screen pictures and
// the printed page draw the same colours.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

constexpr Rgb PaletteRgb(Colour c) {
  switch (c) {
    case Colour::Green: return Rgb{0, 128, 0};
    case Colour::Red: return Rgb{128, 0, 0};
    case Colour::Black: break;
  }
  return Rgb{0, 0, 0};
}

class TextSurface {
 public:
  virtual ~TextSurface() = default;

  virtual void Clear() = 0;
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // Draws text at the current position and leaves the position at its end.
  virtual void Print(std::string_view text) = 0;
  // Draws text, then moves to the start of the next line (x back to the left
  // edge, y one text line down).
  virtual void PrintLine(std::string_view text) = 0;
  // Width of a text in the current font, in scale units.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual void SetBold(bool on) = 0;
  virtual void SetUnderline(bool on) = 0;
  virtual void SetColour(Colour c) = 0;

  void SetPos(double x, double y) {
    SetCurrentX(x);
    SetCurrentY(y);
  }
};

// What every text surface keeps the same way: the current position, bold,
// underline and colour. A surface built on it measures, draws and clears;
// it moves the position only through the helpers below.
class TextSurfaceState : public TextSurface {
 public:
  double CurrentX() const final { return x_; }
  double CurrentY() const final { return y_; }
  void SetCurrentX(double x) final { x_ = x; }
  void SetCurrentY(double y) final { y_ = y; }
  void SetBold(bool on) final { bold_ = on; }
  void SetUnderline(bool on) final { underline_ = on; }
  void SetColour(Colour c) final { colour_ = c; }

  bool bold() const { return bold_; }
  bool underline() const { return underline_; }
  Colour colour() const { return colour_; }

 protected:
  // Back to the top left corner, as a clear leaves it.
  void MoveHome() {
    x_ = 0;
    y_ = 0;
  }
  // Past a text just drawn: x moves on by its width.
  void Advance(double width) { x_ += width; }
  // To the start of the next line, `height` further down.
  void NewLine(double height) {
    x_ = 0;
    y_ += height;
  }

 private:
  double x_ = 0;
  double y_ = 0;
  bool bold_ = false;
  bool underline_ = false;
  Colour colour_ = Colour::Black;
};

}  // namespace tamrel
