// Whether the figures an action is about to show fit where their window shows
// them. A label that shows a figure grows to its text (keeping the edge its
// alignment names); its room is as far as it can grow before it touches
// another control beside it or leaves its parent's inner frame. A figure that
// would outgrow its room would cover its caption or its unit, or be cut at a
// frame, so the action is refused before any label changes.
#pragma once

#include <span>
#include <string>

#include "platform/controls.h"

// A label and the text an action means to show in it.
struct ShownText {
    TLabel* label;
    std::string text;
};

// The span of the parent, in its coordinates, that the label may take: from
// the nearest visible sibling on its left (or the parent's inner frame) to the
// nearest on its right, among the siblings beside its row, keeping a small gap
// to each sibling.
struct FigureRoom {
    int left;
    int right;  // one past the last column
};
FigureRoom RoomOf(const TLabel& label);

// Whether the label, showing `text`, stays inside its room.
bool TextFits(const TLabel& label, const std::string& text);

// Ends the current action with `message` (message box and silent abort)
// unless every text fits its label's room.
void RefuseUnfitting(std::span<const ShownText> texts, const std::string& message);
