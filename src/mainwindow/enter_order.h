#pragma once
// The Enter key's way through the main window, written as data: for each
// box or list what Enter does there and where the focus goes next, the
// first target of its list whose condition holds. Only the frames that the
// cylinder type shows are visited; a locked yield box is skipped by its
// material list.

#include <span>
#include <string_view>
#include <vector>

namespace tamrel {

enum class EnterAction {
  Move,          // the focus moves on; leaving the box commits it
  StoreAndMove,  // project name and identification: the text is stored first
  ParseAndMove,  // parse, store, rewrite and range-test first; stay on a failure
};

struct EnterTarget {
  enum class When {
    Always,
    Visible,     // the target control is visible
    Enabled,     // the target control is enabled (a yield box of a typed grade)
    FrameShown,  // the frame named in `frame` is visible
  };
  const char* control;
  When when = When::Always;
  const char* frame = nullptr;
};

struct EnterStep {
  const char* control;
  EnterAction action;
  std::vector<EnterTarget> next;  // the last one always holds
};

std::span<const EnterStep> EnterOrder();
const EnterStep* FindEnterStep(std::string_view control);

}  // namespace tamrel
