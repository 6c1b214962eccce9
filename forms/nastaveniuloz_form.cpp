#include "forms/nastaveniuloz_form.h"

#include <string>
#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

FormDescription NastaveniulozForm() {
    std::vector<ControlDescription> c;
    const char* const g = "GroupBox1";
    c.push_back(Group(g, "", 8, 6, 256, 264, "Save"));
    // One box per optional column of the table; the range column is always written.
    const char* const captions[] = {
        "Trajectory Height in cm",
        "Trajectory Height in MOA",
        "Trajectory Height in Clicks",
        "Velocity",
        "Energy",
        "Time of Flight",
        "Windage in cm",
        "Windage in Clicks",
        "Angle of Inclination",
        "Specific Energy",
    };
    auto box = [&](int k) {
        Row r = Check("CheckBox" + std::to_string(k + 1), g, 16, RowTop(k) + 4, 228, captions[k]);
        if (k == 2 || k == 5 || k == 7) r.Checked();
        return r;
    };
    for (int k = 0; k < 8; ++k) c.push_back(box(k));
    c.push_back(Button("Button1", "", 86, 382, 100, 30, "Continue")
                    .Font({.height = 13})
                    .OnClick("Button1Click"));
    c.push_back(Radios("RadioGroup1", "", 8, 276, 256, 98, "Save to File",
                       {"TXT (Notepad)", "CSV for German Excel (, ;)",
                        "CSV for English Excel (. ,)", "All Calculated Data to TXT"},
                       0));
    c.push_back(box(8));
    c.push_back(box(9));
    return {
        .name = "nastaveniuloz",
        .caption = "Save Computation to File",
        .clientWidth = 272,
        .clientHeight = 420,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .font = {.name = "Tahoma", .size = 8},
        .controls = std::move(c),
    };
}
