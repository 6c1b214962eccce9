// The list of bullets and cartridges: the grid fills the window above the two
// button groups. The window's height follows the calculator window's, so the
// grid stretches with it and the groups keep to the bottom edge.
#include "forms/tabulka_form.h"

#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

void AddGrid(std::vector<ControlDescription>& c) {
    c.push_back(Group("GroupBox2", "", 8, 4, 744, 446, "").Anchors(akLeft | akTop | akBottom));
    Row grid = Make(Kind::StringGrid, "StringGrid1", "GroupBox2", 8, 14, 728, 424)
                   .Anchors(akLeft | akTop | akBottom)
                   // The header texts fill their columns; a smaller text keeps them whole.
                   .Font({.height = 10});
    grid.onMouseDown = "StringGrid1MouseDown";
    grid.colCount = 8;
    grid.rowCount = 5;
    grid.defaultRowHeight = 18;
    grid.colWidths = {40, 69, 38, 46, 71, 79, 69, 288};
    grid.gridEditing = true;
    c.push_back(grid);
}

void AddButtons(std::vector<ControlDescription>& c) {
    const TAnchors bottom = akLeft | akBottom;
    const char* const f = "GroupBox1";
    c.push_back(Group(f, "", 8, 456, 188, 64, "List Load/Save").Anchors(bottom));
    c.push_back(Button("Button3", f, 10, 24, 80, 25, "Load List").OnClick("Button3Click"));
    c.push_back(Button("Button4", f, 98, 24, 80, 25, "Save List").OnClick("Button4Click"));

    const char* const t = "GroupBox3";
    c.push_back(Group(t, "", 204, 456, 548, 64, "Table Setting").Anchors(bottom));
    c.push_back(Edit("Edit1", t, 10, 26, 40, "2"));
    c.push_back(Button("Button2", t, 56, 24, 90, 25, "Clear Row").OnClick("Button2Click"));
    c.push_back(Button("Button1", t, 154, 24, 110, 25, "Clear All Table").OnClick("Button1Click"));
    c.push_back(Button("Button5", t, 272, 24, 90, 25, "Add Row").OnClick("Button5Click"));
    c.push_back(Button("Button7", t, 370, 24, 110, 25, "Sort by Caliber").OnClick("Button7Click"));
    // Probes the decimal separator once at creation.
    c.push_back(Edit("Edit2", "", 8, 0, 40, "").Hidden());
}

Row FileDialog(Kind kind, std::string name, std::string filter) {
    Row r = Make(kind, std::move(name), "", 0, 0, 0, 0);
    r.filter = std::move(filter);
    return r;
}

}  // namespace

FormDescription TabulkaForm() {
    FormDescription form{
        .name = "tabulka",
        .caption = "List of Bullets and Cartridges",
        .clientWidth = 760,
        .clientHeight = 529,
        .border = BorderStyle::Single,
        .position = FormPosition::ScreenCenter,
        .font = {.name = "MS Sans Serif", .height = 11},
        .onCreate = "FormCreate",
        .onActivate = "FormActivate",
    };
    std::vector<ControlDescription>& c = form.controls;
    AddGrid(c);
    AddButtons(c);
    Row save = FileDialog(Kind::SaveDialog, "SaveDialog1",
                          "Text Files  (*.txt)|*.txt|Data Files (*.dat)|*.dat");
    save.defaultExt = "txt";
    save.fileName = "List";
    save.overwritePrompt = true;
    c.push_back(save);
    c.push_back(FileDialog(Kind::OpenDialog, "OpenDialog1", "Text Files  (*.txt)|*.txt"));
    return form;
}
