// Calculator window. The tool windows opened from the menu and the buttons,
// the trajectory graph as a bitmap file, and the two print commands.
#include "platform/dialogs.h"
#include "ui/Vstup1.h"
#include "ui/plot.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Grafodporu1.h"
#include "ui/tools/Koeficienty1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Oprogramu1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Tabulka1.h"
#include "ui/tools/Teplotaprachu1.h"

namespace {

// Where the print commands put their content on the page (printer pixels).
constexpr int PrintedTextLeft = 250;
constexpr int PrintedTextTop = 300;

// The tool windows are modeless: showing one returns at once and leaves the
// calculator window usable. Each refreshes itself from the calculator window
// when it is activated. A window-less test has none of them.
void ShowToolWindow(TForm* window) {
    if (window) window->Show();
}

}  // namespace

void Tvstup::BindToolHandlers() {
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Pevodyjednotek1Click", [this](TObject* s) { Pevodyjednotek1Click(s); });
    Bind("Pevodykoeficient1Click", [this](TObject* s) { Pevodykoeficient1Click(s); });
    Bind("Nadmoskvka1Click", [this](TObject* s) { Nadmoskvka1Click(s); });
    Bind("Teplotaprachu1Click", [this](TObject* s) { Teplotaprachu1Click(s); });
    Bind("Energie1Click", [this](TObject* s) { Energie1Click(s); });
    Bind("Oprogramu1Click", [this](TObject* s) { Oprogramu1Click(s); });
    Bind("Button16Click", [this](TObject* s) { Button16Click(s); });
    Bind("Button9Click", [this](TObject* s) { Button9Click(s); });
    Bind("Button17Click", [this](TObject* s) { Button17Click(s); });
    Bind("Button18Click", [this](TObject* s) { Button18Click(s); });
}

void Tvstup::Button1Click(TObject*) {
    ShowToolWindow(tabulka);
    Button7->SetEnabled(true);
}

void Tvstup::Pevodyjednotek1Click(TObject*) {
    ShowToolWindow(prevody);
}

void Tvstup::Pevodykoeficient1Click(TObject*) {
    ShowToolWindow(koeficienty);
}

void Tvstup::Nadmoskvka1Click(TObject*) {
    ShowToolWindow(nmv);
}

void Tvstup::Teplotaprachu1Click(TObject*) {
    ShowToolWindow(teplotaprachu);
}

void Tvstup::Energie1Click(TObject*) {
    ShowToolWindow(energie);
}

void Tvstup::Oprogramu1Click(TObject*) {
    ShowToolWindow(oprogramu);
}

void Tvstup::Button16Click(TObject*) {
    ShowToolWindow(grafodporu);
}

void Tvstup::Button9Click(TObject*) {
    if (!SaveDialog2->Execute()) return;
    GraphSavePicture(*Graf0->Picture(), SaveDialog2->FileName);
}

void Tvstup::Button17Click(TObject*) {
    TPrinter& printer = Printer();
    printer.BeginDoc();
    TCanvas& canvas = *printer.Canvas();
    const TStrings& lines = Memo1->Lines();
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines[i];
        canvas.TextOut(PrintedTextLeft, PrintedTextTop + i * canvas.TextHeight(line), line);
    }
    printer.EndDoc();
}

void Tvstup::Button18Click(TObject*) {
    GraphPrint(*Graf0->Picture());
}
