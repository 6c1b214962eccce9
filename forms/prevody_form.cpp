#include "forms/prevody_form.h"

#include <string>

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

// One unit pair: a group box with the upper and lower edits and their units,
// the arrow button on the left (upper to lower) and on the right (lower to
// upper). Each unit label takes its edit's number.
struct PairRows {
    const char* group;
    const char* caption;
    int column, row;
    int upper, lower;
    const char *upperUnit, *lowerUnit;
    int leftButton, rightButton;
};

constexpr PairRows Pairs[] = {
    {"GroupBox5", "Distance", 0, 0, 9, 10, "cm", "in", 9, 10},
    {"GroupBox6", "Distance", 1, 0, 11, 12, "m", "ft", 11, 12},
    {"GroupBox2", "Distance", 2, 0, 3, 4, "m", "yd", 3, 4},
    {"GroupBox1", "Mass", 0, 1, 1, 2, "g", "gr", 2, 1},
    {"GroupBox7", "Mass", 1, 1, 13, 14, "g", "oz", 14, 13},
    {"GroupBox3", "Velocity", 2, 1, 5, 6, "m/s", "ft/s", 5, 6},
    {"GroupBox4", "Energy", 0, 2, 7, 8, "J", "ft.lb", 7, 8},
    {"GroupBox8", "Pressure", 1, 2, 15, 16, "MPa", "psi", 15, 16},
    {"GroupBox9", "Pressure", 2, 2, 17, 18, "MPa", "bar", 17, 18},
};

constexpr int GroupWidth = 160, GroupHeight = 72;
constexpr int ButtonWidth = 25, ButtonHeight = 45;

Row ArrowButton(int number, const std::string& group, int left) {
    const std::string name = "BitBtn" + std::to_string(number);
    return Make(Kind::BitBtn, name, group, left, 18, ButtonWidth, ButtonHeight)
        .OnClick(name + "Click");
}

}  // namespace

// Three columns of three unit pairs. The arrows on the buttons are drawn by
// the window class.
FormDescription PrevodyForm() {
    FormDescription f{
        .name = "prevody",
        .caption = "Unit Conversion",
        .clientWidth = 512,
        .clientHeight = 236,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
    for (const PairRows& p : Pairs) {
        const std::string group = p.group;
        f.controls.push_back(Group(group, "", 8 + 168 * p.column, 4 + 76 * p.row, GroupWidth,
                                   GroupHeight, p.caption));
        for (int side = 0; side < 2; ++side) {
            const int number = side == 0 ? p.upper : p.lower;
            const int top = 18 + 24 * side;
            Row edit = Edit("Edit" + std::to_string(number), group, 36, top, 58, "0");
            // The grain and ounce fields are skipped by the Tab key.
            if (number == 2 || number == 14) edit.tabStop = false;
            f.controls.push_back(edit);
            f.controls.push_back(Text("Label" + std::to_string(number), group, 98, top + 4,
                                      side == 0 ? p.upperUnit : p.lowerUnit));
        }
        f.controls.push_back(ArrowButton(p.leftButton, group, 6));
        f.controls.push_back(ArrowButton(p.rightButton, group, GroupWidth - 6 - ButtonWidth));
    }
    return f;
}
