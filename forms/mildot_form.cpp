#include "forms/mildot_form.h"

#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

// The distance inputs: caption, value and unit on each of three rows.
void AddDistanceGroup(std::vector<ControlDescription>& c) {
    const char* g = "GroupBox1";
    c.push_back(Group(g, "", 8, 400, 233, 89, "Object Distance from Reticle"));
    constexpr int CaptionRight = 128, ValueLeft = 134, UnitLeft = 200;
    c.push_back(Caption("Label8", g, CaptionRight, CaptionTop(0), "Real Object Size:", 120));
    c.push_back(Edit("Edit1", g, ValueLeft, RowTop(0), 60, "0,1"));
    c.push_back(Text("Label1", g, UnitLeft, CaptionTop(0), "m"));
    c.push_back(Caption("Label4", g, CaptionRight, CaptionTop(1), "Object Size in Reticle:", 120));
    c.push_back(Edit("Edit2", g, ValueLeft, RowTop(1), 60, "1"));
    c.push_back(Text("Label2", g, UnitLeft, CaptionTop(1), "Dot"));
    c.push_back(Caption("Label15", g, CaptionRight, CaptionTop(2), "Object Distance:", 120));
    c.push_back(
        Text("Label3", g, ValueLeft, CaptionTop(2) - 1, "100").Font({.height = 13, .bold = true}));
    c.push_back(Text("Label5", g, UnitLeft, CaptionTop(2), "m"));
}

}  // namespace

FormDescription MildotForm() {
    std::vector<ControlDescription> c;
    c.push_back(Make(Kind::Image, "Image1", "", 8, 8, 360, 385));
    // Never shown: the print command.
    c.push_back(Button("Button1", "", 224, 296, 73, 25, "Print")
                    .Hidden()
                    .Disabled()
                    .OnClick("Button1Click"));
    c.push_back(Button("Button2", "", 248, 400, 121, 41, "Save to .bmp").OnClick("Button2Click"));
    AddDistanceGroup(c);
    c.push_back(
        Button("Button3", "", 248, 448, 121, 41, "Compute Distance").OnClick("Button3Click"));

    Row save = Make(Kind::SaveDialog, "SaveDialog1", "", 0, 0, 0, 0);
    save.filter = "Picture  (*.bmp)|*.bmp";
    save.fileName = "MilDot.bmp";
    save.overwritePrompt = true;
    c.push_back(save);

    return {
        .name = "mildot",
        .caption = "Reticle",
        .clientWidth = 376,
        .clientHeight = 497,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .onCreate = "FormCreate",
        .onActivate = "FormActivate",
        .controls = std::move(c),
    };
}
