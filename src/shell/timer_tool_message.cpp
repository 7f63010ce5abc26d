#include "shell/timer_tool_message.h"

LayoutRect RectZero() { return RectInit(0, 0, 0, 0); }

LayoutRect RectInit(int32_t a, int32_t b, int32_t c, int32_t d) { return LayoutRect{a, b, c, d}; }

ToolMessage MakeTimerToolMessage(const SPMessageData& call, ToolHandle tool) {
  const LayoutRect origin = RectZero();
  ToolMessage message{};
  message.d = call;
  message.d.self = gPlugin->pluginRef;
  message.tool = tool;
  message.cursor = RealPoint{static_cast<double>(origin.left), static_cast<double>(origin.top)};
  message.event = nullptr;
  return message;
}
