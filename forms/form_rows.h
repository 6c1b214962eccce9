// Short builders for the rows of a large window description. Each builder
// makes one control; the chained setters change what differs from the usual,
// so a row stays one readable line and a handler is named by appending
// .OnClick("Button3Click") to its control.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/forms.h"

namespace form_rows {

struct Row : ControlDescription {
    Row& Hidden() {
        visible = false;
        return *this;
    }
    Row& Disabled() {
        enabled = false;
        return *this;
    }
    Row& Checked() {
        checked = true;
        return *this;
    }
    Row& Items(std::vector<std::string> list, int selected = -1) {
        items = std::move(list);
        itemIndex = selected;
        return *this;
    }
    Row& Font(FontSpec wanted) {
        font = std::move(wanted);
        return *this;
    }
    Row& Align(TAlignment a) {
        alignment = a;
        return *this;
    }
    Row& Anchors(TAnchors a) {
        anchors = a;
        return *this;
    }
    Row& Colour(TColor c) {
        color = c;
        return *this;
    }
    Row& Default() {
        isDefault = true;
        return *this;
    }
    Row& Range(int low, int high, int at) {
        min = low;
        max = high;
        position = at;
        return *this;
    }
    Row& OnClick(std::string handler) {
        onClick = std::move(handler);
        return *this;
    }
    Row& OnChange(std::string handler) {
        onChange = std::move(handler);
        return *this;
    }
    Row& OnDblClick(std::string handler) {
        onDblClick = std::move(handler);
        return *this;
    }
    Row& OnMouse(std::string down, std::string move, std::string up) {
        onMouseDown = std::move(down);
        onMouseMove = std::move(move);
        onMouseUp = std::move(up);
        return *this;
    }
};

inline Row Make(Kind kind, std::string name, std::string parent, int left, int top, int width,
                int height, std::string caption = {}) {
    Row r;
    r.name = std::move(name);
    r.kind = kind;
    r.parent = std::move(parent);
    r.left = left;
    r.top = top;
    r.width = width;
    r.height = height;
    r.caption = std::move(caption);
    return r;
}

// A label that sizes itself to its text, its top-left at (left, top).
inline Row Text(std::string name, std::string parent, int left, int top, std::string caption) {
    return Make(Kind::Label, std::move(name), std::move(parent), left, top, 0, 0,
                std::move(caption));
}

// A label whose text ends at `right`: the captions in front of a column of edits.
inline Row Caption(std::string name, std::string parent, int right, int top, std::string caption,
                   int room = 106) {
    return Make(Kind::Label, std::move(name), std::move(parent), right - room, top, room, 14,
                std::move(caption))
        .Align(taRightJustify);
}

inline Row Edit(std::string name, std::string parent, int left, int top, int width,
                std::string text) {
    return Make(Kind::Edit, std::move(name), std::move(parent), left, top, width, 21,
                std::move(text));
}

inline Row Group(std::string name, std::string parent, int left, int top, int width, int height,
                 std::string caption) {
    return Make(Kind::GroupBox, std::move(name), std::move(parent), left, top, width, height,
                std::move(caption));
}

inline Row Button(std::string name, std::string parent, int left, int top, int width, int height,
                  std::string caption) {
    return Make(Kind::Button, std::move(name), std::move(parent), left, top, width, height,
                std::move(caption));
}

inline Row Check(std::string name, std::string parent, int left, int top, int width,
                 std::string caption) {
    return Make(Kind::CheckBox, std::move(name), std::move(parent), left, top, width, 17,
                std::move(caption));
}

inline Row Radios(std::string name, std::string parent, int left, int top, int width, int height,
                  std::string caption, std::vector<std::string> items, int selected) {
    return Make(Kind::RadioGroup, std::move(name), std::move(parent), left, top, width, height,
                std::move(caption))
        .Items(std::move(items), selected);
}

inline Row Combo(std::string name, std::string parent, int left, int top, int width,
                 std::string text, std::vector<std::string> items, int selected = -1) {
    return Make(Kind::ComboBox, std::move(name), std::move(parent), left, top, width, 21,
                std::move(text))
        .Items(std::move(items), selected);
}

inline Row Sheet(std::string name, std::string pageControl, std::string caption) {
    return Make(Kind::TabSheet, std::move(name), std::move(pageControl), 0, 0, 0, 0,
                std::move(caption));
}

// Rows inside a group box: the first at 16 px below its top, one every 24 px.
constexpr int RowTop(int row) {
    return 16 + 24 * row;
}
// A caption's top inside its row, so its text sits level with the edit's text.
constexpr int CaptionTop(int row) {
    return RowTop(row) + 4;
}

}  // namespace form_rows
