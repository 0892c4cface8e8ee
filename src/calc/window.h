#pragma once
// The calculation core's only way to the main window: the result pictures it
// draws on, the profile captions and icons, the few messages it shows and the
// focus moves it asks for. The main window implements it; tests use a
// recording fake. Every effect is optional: a design state without a window
// (the golden-results tool, benchmarks) simply has none.

#include <cstdint>
#include <string>

#include "calc/text_surface.h"

namespace tamrel {

enum class ResultPicture : std::uint8_t {
  Shell,      // pic30: shell table
  Stiffener,  // Pic31: stiffener table, unstiffened note or column table
  Ring,       // pic32: ring-frame table
};

// Icons of the profile buttons cmdpic_stiff and cmdpic_gird.
enum class ProfileIcon : std::uint8_t {
  stiff_l,
  stiff_t,
  stiff_f,
  stiff_hp,
  stiff_rhs,
  stiff_u,
  stiff_i,
  gird_l,
  gird_t,
  gird_f,
  gird_hp,
  gird_rhs,
  gird_u,
  gird_i,
};

const char* ProfileIconName(ProfileIcon icon);  // "ico_stiff_l" ...

class Window {
 public:
  virtual ~Window() = default;

  // The result picture to draw on; nullptr when there is none.
  virtual TextSurface* ResultPictureSurface(ResultPicture which) = 0;
  // Every recalculation ends in drawing the result tables; this comes first,
  // before any picture is asked for, whoever ran the recalculation.
  virtual void StartResultDrawing() {}

  // Label stiffprof / ringprof and button cmdpic_stiff / cmdpic_gird.
  virtual void SetStiffenerCaption(const std::string& caption) = 0;
  virtual void SetStiffenerIcon(ProfileIcon icon) = 0;
  virtual void SetRingCaption(const std::string& caption) = 0;
  virtual void SetRingIcon(ProfileIcon icon) = 0;

  // Message box with the exclamation icon and an OK button.
  virtual void ShowExclamation(const std::string& text) = 0;

  // The ring-frame tripping-length field igilt: its text, and the focus.
  virtual void SetTrippingLengthText(const std::string& text) = 0;
  virtual void FocusTrippingLength() = 0;
  // The ring-spacing field il: its text (the column type sets the ring
  // spacing to the column length while the field is hidden).
  virtual void SetRingSpacingText(const std::string& text) = 0;
  // The radius field icylr takes the focus.
  virtual void FocusRadius() = 0;

  // Check box check_ih "Special Calc. of Ih": shown only under external pressure.
  virtual void SetCheckIhVisible(bool visible) = 0;

  // The main window's caption ("Tamrel DNV: " followed by the project path).
  virtual void SetWindowCaption(const std::string& caption) = 0;
};

// A window that takes every request and does nothing with it: the base of
// tools, benchmarks and tests that care about a few requests only.
class NullWindow : public Window {
 public:
  TextSurface* ResultPictureSurface(ResultPicture) override { return nullptr; }
  void SetStiffenerCaption(const std::string&) override {}
  void SetStiffenerIcon(ProfileIcon) override {}
  void SetRingCaption(const std::string&) override {}
  void SetRingIcon(ProfileIcon) override {}
  void ShowExclamation(const std::string&) override {}
  void SetTrippingLengthText(const std::string&) override {}
  void FocusTrippingLength() override {}
  void SetRingSpacingText(const std::string&) override {}
  void FocusRadius() override {}
  void SetCheckIhVisible(bool) override {}
  void SetWindowCaption(const std::string&) override {}
};

}  // namespace tamrel
