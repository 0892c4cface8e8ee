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

}  // namespace tamrel
