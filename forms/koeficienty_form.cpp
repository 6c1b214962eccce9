// The drag-function conversion window: the mode and the bullet on the left,
// the two buttons below the mode, the result lines across the bottom, wide
// enough for the longest of them.
#include "forms/koeficienty_form.h"

#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

constexpr int CaptionEdge = 124;
constexpr int EditColumn = 130;
constexpr int FieldWidth = 64;
constexpr int UnitColumn = EditColumn + FieldWidth + 4;

void AddParameters(std::vector<ControlDescription>& c) {
    const char* const g = "GroupBox15";
    c.push_back(Group(g, "", 170, 8, 311, 148, "Parametres"));
    c.push_back(Caption("Label1", g, CaptionEdge, CaptionTop(0), "Form Factor:", 120));
    c.push_back(
        Caption("Label75", g, CaptionEdge, CaptionTop(0), "Ballistic Coefficient:", 120).Hidden());
    c.push_back(Edit("Edit1", g, EditColumn, RowTop(0), FieldWidth, "0"));
    c.push_back(Text("Label2", g, UnitColumn, CaptionTop(0), "lb/in2"));
    c.push_back(Caption("Label4", g, CaptionEdge, CaptionTop(1), "Bullet Weight:", 120));
    c.push_back(Edit("Edit2", g, EditColumn, RowTop(1), FieldWidth, "0"));
    c.push_back(Text("Label17", g, UnitColumn, CaptionTop(1), "g"));
    c.push_back(Caption("Label15", g, CaptionEdge, CaptionTop(2), "Bullet Diameter:", 120));
    c.push_back(Edit("Edit3", g, EditColumn, RowTop(2), FieldWidth, "0"));
    c.push_back(Text("Label25", g, UnitColumn, CaptionTop(2), "mm"));
    c.push_back(Caption("Label3", g, CaptionEdge, CaptionTop(3), "Muzzle Velocity:", 120));
    c.push_back(Edit("Edit4", g, EditColumn, RowTop(3), FieldWidth, "0"));
    c.push_back(Text("Label21", g, UnitColumn, CaptionTop(3), "m/s"));
    c.push_back(Caption("Label5", g, CaptionEdge, CaptionTop(4) + 2, "Drag Function:", 120));
    // A drop-down list: some reference function is always chosen.
    Row functions = Combo(
        "ComboBox1", g, EditColumn, RowTop(4) + 2, FieldWidth + 30, "G1",
        {"Loaded Fun.", "G1", "G2", "G5", "G6", "G7", "G8", "GL", "GS", "GC", "RA4", "1943"}, 1);
    functions.editable = false;
    c.push_back(functions);
}

}  // namespace

FormDescription KoeficientyForm() {
    FormDescription form{
        .name = "koeficienty",
        .caption = "Drag Function Conversion",
        .clientWidth = 489,
        .clientHeight = 370,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
        .font = {.name = "MS Sans Serif", .height = 11},
        .onActivate = "FormActivate",
    };
    std::vector<ControlDescription>& c = form.controls;
    c.push_back(Radios("RadioGroup1", "", 8, 8, 154, 64, "Conversion Modes",
                       {"Form Factor", "Ballistic Coefficient"}, 0)
                    .OnClick("RadioGroup1Click"));
    c.push_back(Button("Button1", "", 8, 84, 154, 25, "Convert").OnClick("Button1Click"));
    c.push_back(Button("Button2", "", 8, 116, 154, 25, "Clear").OnClick("Button2Click"));
    AddParameters(c);
    c.push_back(Make(Kind::Memo, "Memo1", "", 8, 164, 473, 198).Items({" Computing Result:"}));
    return form;
}
