#include "forms/oprogramu_form.h"

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

// The disclaimer is four blank lines: the window shows an empty pane.
const std::vector<std::string> Disclaimer = {"  ", "  ", "   ", "  "};

// Newest first, each version opened by its date.
const std::vector<std::string> History = {
    "  History:",
    "  1. 9. 2018 - Version 2.6",
    "  Windows 10 compatibility.",
    "  Possibility to save all calculated data (x,y,z and vx,vy,vz) to the txt file.",
    "  Possibility to deactivate ICAO gradient.",
    "  ICAO Atmosphere up to 20 km.",
    "  Drag coefficient during the bullet fly in the graph.  ",
    "  15. 3. 2016 - Version 2.5",
    "  Results saved as CSV files.",
    "  Uphill and downhill range table.",
    "  12. 5. 2014 - Version 2.4",
    "  Reticle window with zero ranges and wind holds.",
    "  List of bullets and cartridges.",
    "  20. 2. 2012 - Version 2.3",
    "  Ballistic coefficient from two trajectory points.",
    "  Muzzle velocity recomputation for powder temperature and barrel length.",
    "  10. 10. 2010 - Version 2.2, the first published version.",
};

Row Pane(const char* name, int top, const std::vector<std::string>& lines) {
    Row memo = Make(Kind::Memo, name, "", 8, top, 468, 154);
    memo.items = lines;
    memo.readOnly = true;
    return memo;
}

}  // namespace

// Name and version, the details beside the logo, the disclaimer and the
// version history. The logo is put in by the window class.
FormDescription OprogramuForm() {
    const FontSpec detailFont{.name = "Arial", .height = 13};
    FormDescription f{
        .name = "oprogramu",
        .caption = "About",
        .clientWidth = 485,
        .clientHeight = 507,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
    auto& c = f.controls;
    c.push_back(Make(Kind::Panel, "Panel1", "", 8, 8, 468, 41));
    c.push_back(Make(Kind::Label, "Label3", "Panel1", 8, 9, 452, 23, "Vantorra 2.6")
                    .Font({.name = "Arial", .height = 19, .bold = true})
                    .Align(taCenter));
    c.push_back(Make(Kind::Panel, "Panel2", "", 8, 56, 468, 122));
    c.push_back(Text("Label8", "Panel2", 16, 24, "Version:  2.6").Font(detailFont));
    c.push_back(Text("Label7", "Panel2", 16, 48, "Author:   Melvask").Font(detailFont));
    c.push_back(Text("Label1", "Panel2", 16, 72, "Date:      1. 9. 2018").Font(detailFont));
    c.push_back(Make(Kind::Image, "Image2", "Panel2", 195, 8, 265, 105));
    c.push_back(Pane("Memo1", 186, Disclaimer));
    c.push_back(Pane("Memo2", 346, History));
    for (auto& control : c) {
        if (control.kind != Kind::Panel) continue;
        control.bevelInner = bvRaised;
        control.bevelOuter = bvLowered;
    }
    return f;
}
