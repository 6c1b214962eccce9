#include "forms/grafodporu_form.h"

#include <vector>

#include "forms/form_rows.h"

using namespace form_rows;

FormDescription GrafodporuForm() {
    std::vector<ControlDescription> c;
    // The graph comes first: the plot component finds it as child control 0.
    c.push_back(Make(Kind::Image, "Graf1", "", 103, 8, 658, 353)
                    .Anchors(akLeft | akTop | akRight | akBottom)
                    .OnDblClick("Graf1DblClick")
                    .OnMouse("Graf1MouseDown", "Graf1MouseMove", "Graf1MouseUp"));
    c.push_back(Group("GroupBox1", "", 8, 3, 89, 302, ""));
    const char* g = "GroupBox1";
    c.push_back(Button("Button1", g, 8, 13, 73, 25, "Clone I").OnClick("Button1Click"));
    c.push_back(Button("Button2", g, 8, 40, 73, 25, "Clone II").OnClick("Button2Click"));
    c.push_back(Button("Button3", g, 8, 67, 73, 25, "Clone III").OnClick("Button3Click"));
    c.push_back(Button("Button4", g, 8, 94, 73, 25, "Clear").OnClick("Button4Click"));
    c.push_back(Button("Button6", g, 8, 133, 73, 25, "Save to .bmp").OnClick("Button6Click"));
    // Never shown: the print command.
    c.push_back(Button("Button5", g, 8, 160, 73, 25, "Print Graph")
                    .Hidden()
                    .Disabled()
                    .OnClick("Button5Click"));
    c.push_back(Text("Label1", g, 13, 224, "X, Y Position:"));
    c.push_back(Edit("Edit1", g, 8, 239, 73, "X"));
    c.push_back(Edit("Edit2", g, 8, 266, 73, "Y"));

    Row save = Make(Kind::SaveDialog, "SaveDialog1", "", 0, 0, 0, 0);
    save.filter = "Picture  (*.bmp)|*.bmp";
    save.fileName = "Drag.bmp";
    save.overwritePrompt = true;
    c.push_back(save);

    return {
        .name = "grafodporu",
        .caption = "Drag Function Graph",
        .clientWidth = 769,
        .clientHeight = 369,
        .border = BorderStyle::Single,
        .position = FormPosition::ScreenCenter,
        .onCreate = "FormCreate",
        .onActivate = "FormActivate",
        .onResize = "FormResize",
        .controls = std::move(c),
    };
}
