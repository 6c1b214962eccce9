#include "forms/nmv_form.h"

#include "forms/form_rows.h"

using namespace form_rows;

// The measured air and the altitude asked for above, the four results below
// (each "0" until the first computation) and "Compute" at the bottom.
FormDescription NmvForm() {
    constexpr int CaptionRight = 116, EditLeft = 120, EditWidth = 45, UnitLeft = 169;
    constexpr int ResultLeft = 120, ResultWidth = 45;
    FormDescription f{
        .name = "nmv",
        .caption = "ICAO Atmosphere",
        .clientWidth = 226,
        .clientHeight = 293,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .onCreate = "FormCreate",
    };
    auto& c = f.controls;
    c.push_back(Group("GroupBox1", "", 8, 6, 210, 116, "Air Parameters"));
    const char* const inputs[][5] = {
        {"Label1", "Air Temperature:", "Edit1", "Label2", "°C"},
        {"Label4", "Air Pressure:", "Edit2", "Label17", "hPa"},
        {"Label15", "At Altitude:", "Edit3", "Label8", "m a.s.l."},
        {"Label20", "Compute for Altitude:", "Edit4", "Label21", "m a.s.l."},
    };
    // The pressure's default is written at creation, with the locale's separator.
    const char* const defaults[] = {"15", "", "0", "350"};
    for (int row = 0; row < 4; ++row) {
        const auto& in = inputs[row];
        c.push_back(Caption(in[0], "GroupBox1", CaptionRight, CaptionTop(row), in[1]));
        c.push_back(Edit(in[2], "GroupBox1", EditLeft, RowTop(row), EditWidth, defaults[row]));
        c.push_back(Text(in[3], "GroupBox1", UnitLeft, CaptionTop(row), in[4]));
    }
    c.push_back(Group("GroupBox2", "", 8, 128, 210, 116, "Computation"));
    const char* const results[][5] = {
        {"Label3", "Air Temperature:", "Label13", "Label6", "°C"},
        {"Label5", "Air Pressure:", "Label14", "Label7", "hPa"},
        {"Label9", "Air Density:", "Label16", "Label11", "kg/m3"},
        {"Label10", "Speed of Sound:", "Label18", "Label12", "m/s"},
    };
    for (int row = 0; row < 4; ++row) {
        const auto& out = results[row];
        c.push_back(Caption(out[0], "GroupBox2", CaptionRight, CaptionTop(row), out[1]));
        c.push_back(Make(Kind::Label, out[2], "GroupBox2", ResultLeft, CaptionTop(row), ResultWidth,
                         14, "0")
                        .Align(taRightJustify));
        c.push_back(Text(out[3], "GroupBox2", UnitLeft, CaptionTop(row), out[4]));
    }
    c.push_back(Button("Button1", "", 71, 254, 84, 25, "Compute").OnClick("Button1Click"));
    return f;
}
