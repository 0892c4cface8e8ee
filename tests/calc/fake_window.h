#pragma once
// A recording stand-in for the main window: it keeps what the calculation
// core asked of the window, in order.

#include <string>
#include <vector>

#include "calc/text_surface.h"
#include "calc/window.h"

namespace tamrel::testing {

class FakeWindow : public Window {
 public:
  TextSurface* surfaces[3] = {nullptr, nullptr, nullptr};

  std::string stiffCaption, ringCaption, tripText, ringSpacingText, caption;
  ProfileIcon stiffIcon = ProfileIcon::stiff_l, ringIcon = ProfileIcon::gird_l;
  std::vector<std::string> messages;
  std::vector<std::string> events;  // focus moves and check_ih changes, in order
  bool checkIhVisible = false;

  TextSurface* ResultPictureSurface(ResultPicture which) override {
    return surfaces[static_cast<int>(which)];
  }
  void SetStiffenerCaption(const std::string& c) override { stiffCaption = c; }
  void SetStiffenerIcon(ProfileIcon i) override { stiffIcon = i; }
  void SetRingCaption(const std::string& c) override { ringCaption = c; }
  void SetRingIcon(ProfileIcon i) override { ringIcon = i; }
  void ShowExclamation(const std::string& text) override {
    messages.push_back(text);
    events.push_back("message:" + text);
  }
  void SetTrippingLengthText(const std::string& text) override { tripText = text; }
  void FocusTrippingLength() override { events.emplace_back("focus:igilt"); }
  void SetRingSpacingText(const std::string& text) override { ringSpacingText = text; }
  void FocusRadius() override { events.emplace_back("focus:icylr"); }
  void SetCheckIhVisible(bool v) override { checkIhVisible = v; }
  void SetWindowCaption(const std::string& c) override { caption = c; }
};

}  // namespace tamrel::testing
