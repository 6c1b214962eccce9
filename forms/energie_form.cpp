#include "forms/energie_form.h"

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

constexpr int CaptionRight = 96;

// A result figure, right-aligned so the digits end next to its unit.
Row Figure(const char* name, int left, int top) {
    return Make(Kind::Label, name, "GroupBox1", left, top, 50, 14, "0").Align(taRightJustify);
}

}  // namespace

// One group box without caption: the three inputs with their unit choice,
// "Compute", then each figure in SI and imperial units side by side.
FormDescription EnergieForm() {
    FormDescription f{
        .name = "energie",
        .caption = "Projectile Energy",
        .clientWidth = 321,
        .clientHeight = 241,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .onCreate = "FormCreate",
    };
    auto& c = f.controls;
    c.push_back(Group("GroupBox1", "", 6, 2, 309, 233, ""));
    const char* const inputs[][7] = {
        {"Label2", "Velocity:", "Edit1", "800", "Label5", "m/s", "CheckBox1"},
        {"Label3", "Bullet Weight:", "Edit2", "15", "Label4", "g", "CheckBox2"},
        {"Label20", "Bullet Diameter:", "Edit3", "7,62", "Label19", "mm", "CheckBox3"},
    };
    for (int row = 0; row < 3; ++row) {
        const auto& in = inputs[row];
        const int top = 10 + 24 * row;
        c.push_back(Caption(in[0], "GroupBox1", CaptionRight, top + 4, in[1], 90));
        c.push_back(Edit(in[2], "GroupBox1", 100, top, 60, in[3]));
        c.push_back(Text(in[4], "GroupBox1", 164, top + 4, in[5]));
        c.push_back(Check(in[6], "GroupBox1", 200, top + 2, 80, "SI Units")
                        .Checked()
                        .OnClick(std::string(in[6]) + "Click"));
    }
    c.push_back(Button("Button1", "GroupBox1", 100, 84, 75, 25, "Compute").OnClick("Button1Click"));
    // Row label, SI figure and unit, imperial figure and unit.
    const char* const results[][5] = {
        {"Label8", "Label1", "Label9", "J", "Label21"},
        {"Label6", "Label10", "Label12", "kg.m/s", "Label22"},
        {"Label18", "Label14", "Label15", "J/cm2", "Label23"},
        {"Label13", "Label16", "Label17", "g/cm2", "Label24"},
    };
    const char* const rowCaptions[] = {
        "Energy:", "Momentum:", "Specific Energy:", "Sectional Density:"};
    const char* const imperial[][2] = {{"Label25", "ft.lb"},
                                       {"Label26", "lb.ft/s"},
                                       {"Label27", "ft.lb/in2"},
                                       {"Label28", "lb/in2"}};
    for (int row = 0; row < 4; ++row) {
        const auto& r = results[row];
        const int top = 120 + 21 * row;
        c.push_back(Caption(r[0], "GroupBox1", CaptionRight, top, rowCaptions[row], 90));
        c.push_back(Figure(r[1], 100, top));
        c.push_back(Text(r[2], "GroupBox1", 153, top, r[3]));
        c.push_back(Figure(r[4], 194, top));
        c.push_back(Text(imperial[row][0], "GroupBox1", 247, top, imperial[row][1]));
    }
    c.push_back(Caption("Label7", "GroupBox1", CaptionRight, 120 + 21 * 4, "IPSC Factor:", 90));
    c.push_back(Figure("Label11", 100, 120 + 21 * 4));
    return f;
}
