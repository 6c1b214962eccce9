// The calculator window: the controls outside the input tabs, the graph
// choices, the menu and the dialogs. The order of the rows is the order of
// the window's child controls and their stacking: the two bevels come first,
// so the graph is child 2 (its plot slot), and a control that overlaps
// another is described after it so it lies on top.
#include "forms/vstup_form.h"

#include <string>
#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

namespace {

// The label the integrator shows over the graph while it runs.
const std::string ProcessingCaption = std::string(23, ' ') + "Processing" + std::string(23, ' ');

void AddGraphArea(std::vector<ControlDescription>& c) {
    c.push_back(Make(Kind::Bevel, "Bevel1", "", 0, 0, 777, 2).Anchors(akLeft | akTop | akRight));
    c.back().shape = bsTopLine;
    c.push_back(Make(Kind::Bevel, "Bevel2", "", 481, 32, 6, 196));
    c.back().shape = bsLeftLine;
    c.push_back(Make(Kind::Image, "Graf0", "", 432, 233, 337, 269)
                    .Anchors(akLeft | akTop | akRight | akBottom)
                    .OnDblClick("Graf0DblClick")
                    .OnMouse("Graf0MouseDown", "Graf0MouseMove", "Graf0MouseUp"));
    c.push_back(Button("Button9", "", 685, 237, 80, 22, "Graph to .bmp")
                    .Anchors(akTop | akRight)
                    .OnClick("Button9Click"));
    c.push_back(Make(Kind::Label, "Label49", "", 438, 238, 325, 20, ProcessingCaption)
                    .Align(taCenter)
                    .Colour(clYellow)
                    .Font({.height = 16, .bold = true})
                    .Hidden());
}

void AddInputTabs(std::vector<ControlDescription>& c) {
    // The larger font is the tab strip's; the pages keep the window's font,
    // which the rows of the groups are laid out for.
    c.push_back(Make(Kind::PageControl, "PageControl1", "", 7, 8, 468, 225).Font({.height = 13}));
    const char* const captions[] = {"Parameters", "Atmosphere", "Others", "Drag", "Extras"};
    for (int page = 0; page < 5; ++page)
        c.push_back(Sheet("TabSheet" + std::to_string(page + 1), "PageControl1", captions[page])
                        .Font({.name = "MS Sans Serif", .height = 11}));
    AddParametersTab(c);
    AddAtmosphereTab(c);
    AddOthersTab(c);
    AddDragTab(c);
    AddExtrasTab(c);
    c.push_back(Edit("Edit33", "", 356, 8, 413, "308 Sierra MatchKing 168gr."));
}

void AddRangeAndDisplay(std::vector<ControlDescription>& c) {
    const char* const r = "GroupBox3";
    c.push_back(Group(r, "", 496, 36, 130, 66, "Computation Range"));
    c.push_back(Check("CheckBox4", r, 8, RowTop(0) + 2, 36, "X:").OnClick("CheckBox4Click"));
    c.push_back(Edit("Edit15", r, 46, RowTop(0), 50, "300").Disabled());
    c.push_back(Text("Label98", r, 100, CaptionTop(0), "m"));
    c.push_back(
        Check("CheckBox5", r, 8, RowTop(1) + 2, 36, "Y:").Checked().OnClick("CheckBox5Click"));
    c.push_back(Edit("Edit16", r, 46, RowTop(1), 50, "0"));
    c.push_back(Text("Label99", r, 100, CaptionTop(1), "m"));

    const char* const p = "GroupBox10";
    c.push_back(Group(p, "", 496, 106, 130, 46, "X, Y Position"));
    c.push_back(Edit("Edit17", p, 8, RowTop(0), 54, "0"));
    c.push_back(Edit("Edit18", p, 68, RowTop(0), 54, "0"));

    // The overlays need a computed trajectory: Compute! enables them.
    const char* const d = "GroupBox5";
    c.push_back(Group(d, "", 496, 155, 130, 70, "Display"));
    c.push_back(Check("CheckBox1", d, 8, RowTop(0) + 2, 96, "Line of Sight")
                    .Disabled()
                    .OnClick("CheckBox1Click"));
    c.push_back(Make(Kind::Image, "Image1", d, 106, RowTop(0) + 2, 17, 17).Hidden());
    c.push_back(Check("CheckBox2", d, 8, RowTop(1) + 2, 96, "Line of Depart.")
                    .Disabled()
                    .OnClick("CheckBox2Click"));
    c.push_back(Make(Kind::Image, "Image2", d, 106, RowTop(1) + 2, 17, 17).Hidden());
}

void AddGraphChoices(std::vector<ControlDescription>& c) {
    c.push_back(Make(Kind::PageControl, "PageControl2", "", 632, 32, 142, 196));
    c.push_back(Sheet("TabSheet6", "PageControl2", "Axis Y"));
    c.push_back(Sheet("TabSheet7", "PageControl2", "Axis X"));
    c.push_back(Sheet("TabSheet8", "PageControl2", "Clone"));
    c.push_back(Radios("RadioGroup1", "TabSheet6", 2, 0, 134, 168, "Axis Y",
                       {"Traj. Height   [cm]", "Velocity         [m/s]", "Energy          [J]",
                        "Velocity x      [m/s]", "Velocity y      [m/s]", "Windage       [cm]",
                        "Cross-Wind   [m/s]", "Inclination     [deg]", "Specific En.  [J/cm2]",
                        "Drag coeff.   [-]"},
                       0)
                    .Disabled()
                    .OnClick("RadioGroup1Click"));
    c.push_back(Radios("RadioGroup2", "TabSheet7", 2, 0, 134, 60, "Axis X",
                       {"Time       [s]", "Range    [m]"}, 1)
                    .OnClick("RadioGroup2Click"));
    c.push_back(
        Button("Button6", "TabSheet8", 8, 8, 122, 25, "Clear Clones").OnClick("Button6Click"));
    c.push_back(Make(Kind::BitBtn, "BitBtn1", "TabSheet8", 8, 40, 122, 25, "Clone I")
                    .Disabled()
                    .OnClick("BitBtn1Click"));
    c.push_back(Make(Kind::BitBtn, "BitBtn2", "TabSheet8", 8, 72, 122, 25, "Clone II")
                    .Disabled()
                    .OnClick("BitBtn2Click"));
}

void AddResultPane(std::vector<ControlDescription>& c) {
    c.push_back(Make(Kind::Memo, "Memo1", "", 8, 232, 417, 270)
                    .Items({" Computing Result:"})
                    .Anchors(akLeft | akTop | akBottom));
    c.push_back(Button("Button2", "", 356, 470, 50, 25, "Clear")
                    .Anchors(akLeft | akBottom)
                    .OnClick("Button2Click"));
    // Never shown: the go-ahead flag of the save-options dialog and the two
    // print commands.
    c.push_back(
        Check("CheckBox12", "", 8, 480, 140, "Pro ukl\u00e1d\u00e1n\u00ed toto je").Hidden());
    c.push_back(Button("Button17", "", 280, 470, 70, 25, "Tisk")
                    .Hidden()
                    .Disabled()
                    .OnClick("Button17Click"));
    c.push_back(Button("Button18", "", 600, 237, 80, 22, "Print Graph")
                    .Hidden()
                    .Disabled()
                    .OnClick("Button18Click"));
}

void AddMenu(std::vector<ControlDescription>& c) {
    c.push_back(Make(Kind::MainMenu, "MainMenu1", "", 0, 0, 0, 0));
    const struct {
        const char* name;
        const char* caption;
        const char* onClick;
    } items[] = {
        {"Pevodyjednotek1", "Units Conversion", "Pevodyjednotek1Click"},
        {"Pevodykoeficient1", "Drag Function Conversion ", "Pevodykoeficient1Click"},
        {"Nadmoskvka1", "ICAO Atmosphere", "Nadmoskvka1Click"},
        {"Teplotaprachu1", "Powder Temperature and Barrel Length", "Teplotaprachu1Click"},
        {"Energie1", "Energy", "Energie1Click"},
        {"Oprogramu1", "About", "Oprogramu1Click"},
    };
    for (const auto& item : items)
        c.push_back(Make(Kind::MenuItem, item.name, "MainMenu1", 0, 0, 0, 0, item.caption)
                        .OnClick(item.onClick));
}

Row FileDialog(Kind kind, std::string name, std::string filter, std::string ext = {},
               std::string fileName = {}) {
    Row r = Make(kind, std::move(name), "", 0, 0, 0, 0);
    r.filter = std::move(filter);
    r.defaultExt = std::move(ext);
    r.fileName = std::move(fileName);
    r.overwritePrompt = kind == Kind::SaveDialog;
    return r;
}

void AddDialogs(std::vector<ControlDescription>& c) {
    c.push_back(FileDialog(Kind::SaveDialog, "SaveDialog1", "Text Files  (*.txt)|*.txt", "txt",
                           "Vantorra.txt"));
    c.push_back(FileDialog(Kind::SaveDialog, "SaveDialog2", "Picture  (*.bmp)|*.bmp", "bmp",
                           "Vantorra.bmp"));
    c.push_back(FileDialog(Kind::SaveDialog, "SaveDialog3", "CSV Files (*.csv)|*.csv", "csv",
                           "Vantorra.csv"));
    c.push_back(FileDialog(Kind::OpenDialog, "OpenDialog1", "Ballistic Data  (*.txt)|*.txt"));
    c.push_back(FileDialog(Kind::OpenDialog, "OpenDialog2", "Drag Function  (*.drg)|*.drg"));
}

}  // namespace

FormDescription VstupForm() {
    FormDescription form{
        .name = "vstup",
        .caption = "Vantorra",
        .clientWidth = 777,
        .clientHeight = 509,
        .border = BorderStyle::Sizeable,
        .position = FormPosition::ScreenCenter,
        .font = {.name = "MS Sans Serif", .height = 11},
        .onCreate = "FormCreate",
        .onDestroy = "FormDestroy",
        .onResize = "FormResize",
    };
    std::vector<ControlDescription>& c = form.controls;
    AddGraphArea(c);
    AddInputTabs(c);
    AddRangeAndDisplay(c);
    AddGraphChoices(c);
    AddResultPane(c);
    AddMenu(c);
    AddDialogs(c);
    return form;
}
