// Whether a figure fits where its window shows it. A label that shows a
// figure grows to its text (keeping the edge its alignment names); its room
// is as far as it can grow before it touches another control beside it or
// leaves its parent's inner frame. A figure that would outgrow its room would
// cover its caption or its unit, or be cut at a frame.
#pragma once

#include <string>

#include "platform/controls.h"

// Whether the label, showing `text`, stays inside its room.
bool TextFits(const TLabel& label, const std::string& text);
