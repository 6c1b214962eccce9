#include "forms/teplotaprachu_form.h"

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

// Three input rows and the result row of one computation, "Compute" at the
// right of its result.
void AddComputation(std::vector<ControlDescription>& c, const char* group,
                    const char* const rows[4][5], const char* const defaults[3],
                    const char* button) {
    constexpr int CaptionRight = 136, EditLeft = 140, EditWidth = 50, UnitLeft = 194;
    for (int row = 0; row < 4; ++row) {
        const auto& r = rows[row];
        c.push_back(Caption(r[0], group, CaptionRight, CaptionTop(row), r[1], 128));
        if (row < 3)
            c.push_back(Edit(r[2], group, EditLeft, RowTop(row), EditWidth, defaults[row]));
        else
            c.push_back(
                Make(Kind::Label, r[2], group, EditLeft, CaptionTop(row), EditWidth, 14, "0")
                    .Align(taRightJustify));
        c.push_back(Text(r[3], group, UnitLeft, CaptionTop(row), r[4]));
    }
    c.push_back(Button(button, group, 218, RowTop(3) - 2, 64, 25, "Compute")
                    .OnClick(std::string(button) + "Click"));
}

}  // namespace

// The powder-temperature computation above, the barrel-length one below.
FormDescription TeplotaprachuForm() {
    FormDescription f{
        .name = "teplotaprachu",
        .caption = "Muzzle Velocity Recomputation",
        .clientWidth = 305,
        .clientHeight = 247,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .onActivate = "FormActivate",
    };
    auto& c = f.controls;
    c.push_back(
        Group("GroupBox1", "", 8, 6, 289, 114, "Recomputation according to Powder Temperature"));
    const char* const temperature[4][5] = {
        {"Label2", "Velocity:", "Edit1", "Label5", "m/s"},
        {"Label3", "At Powder Temperature:", "Edit2", "Label6", "°C"},
        {"Label4", "Compute for Temperature:", "Edit3", "Label7", "°C"},
        {"Label8", "Computed Velocity:", "Label1", "Label9", "m/s"},
    };
    const char* const temperatureDefaults[3] = {"800", "15", "25"};
    AddComputation(c, "GroupBox1", temperature, temperatureDefaults, "Button1");
    c.push_back(
        Group("GroupBox2", "", 8, 126, 289, 114, "Recomputation according to Barrel Length"));
    const char* const length[4][5] = {
        {"Label11", "Table Velocity:", "Edit4", "Label14", "m/s"},
        {"Label12", "At Barrel Length:", "Edit5", "Label15", "cm"},
        {"Label13", "Compute for Length:", "Edit6", "Label16", "cm"},
        {"Label17", "Computed Velocity:", "Label10", "Label18", "m/s"},
    };
    const char* const lengthDefaults[3] = {"800", "60", "55"};
    AddComputation(c, "GroupBox2", length, lengthDefaults, "Button2");
    return f;
}
