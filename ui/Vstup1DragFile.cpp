// Calculator window. The drag-function file: "Load Drag Function" and what it sets in the window.
#include "engine/dragfile.h"
#include "engine/dragtables.h"
#include "engine/numeric.h"
#include "platform/base.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

constexpr int FormFactorMode = 0;  // "Form Factor " of the drag-strength modes

}  // namespace

void Tvstup::BindDragFileHandlers() {
    Bind("Button4Click", [this](TObject* s) { Button4Click(s); });
}

void Tvstup::Button4Click(TObject*) {
    if (!OpenDialog2->Execute()) return;
    ReadDragFunctionFile(OpenDialog2->FileName);
}

void Tvstup::ReadDragFunctionFile(const std::string& path) {
    // The whole file is read and checked before anything changes, so a bad
    // file leaves the selection, the table, the file name and the fields as
    // they were.
    const DragFileData data = ReadDragFunctionFileData(path);
    if (data.Status == DragFileStatus::NotFound) {
        ShowMessage(data.Message);
        return;
    }
    if (data.Status != DragFileStatus::Ok) ShowErrorAndAbort(data.Message);
    ApplyDragFileData(data);
}

void Tvstup::ApplyDragFileData(const DragFileData& data) {
    // "Function Selection" marks a function from a file; selecting it from
    // code runs no handler, so the change handler is called to disable
    // "Add to List".
    ComboBox6->SetItemIndex(FileFunctionItem);
    ComboBox6Change(this);
    ApplyDragFunction(data);
    Edit33->SetText(data.BulletName);
    Edit2->SetText(FloatToStr(data.WeightField));
    Edit3->SetText(FloatToStr(data.DiameterField));
    // The coefficient at form factor 1 stands in the field while the mode
    // switches, so a switch from "Ballistic Coefficient" converts from it.
    Edit1->SetText(FloatToStr(data.FormFactorOneCoefficient));
    RadioGroup5->SetItemIndex(FormFactorMode);
    Edit1->SetText(FloatToStr(1));
}
