#include "ui/tools/Prevody1.h"

#include <string>

#include "compute/unit_table.h"
#include "engine/numeric.h"
#include "forms/prevody_form.h"
#include "platform/sysutils.h"

Tprevody* prevody = nullptr;

namespace {

// A filled arrow, pointing down (left buttons: upper to lower) or up.
void DrawArrow(TPicture& glyph, bool down) {
    constexpr int Width = 9, Height = 16, Head = 5;
    glyph.SetSize(Width, Height);
    TCanvas& c = *glyph.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, Width, Height));
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    const int tip = down ? Height - 1 : 0;
    const int toward = down ? -1 : 1;
    // The head as rows growing from the tip, then the shaft.
    for (int row = 0; row < Head; ++row) {
        c.MoveTo(Width / 2 - row, tip + toward * row);
        c.LineTo(Width / 2 + row + 1, tip + toward * row);
    }
    // The shaft is drawn downwards in both cases: a line drawn upwards would
    // leave out its first pixel, the one next to the head.
    const int shaftTop = down ? 0 : Head;
    const int shaftEnd = down ? Height - Head : Height;
    for (int x = Width / 2 - 1; x <= Width / 2 + 1; ++x) {
        c.MoveTo(x, shaftTop);
        c.LineTo(x, shaftEnd);
    }
}

}  // namespace

Tprevody::Tprevody() : TForm(PrevodyForm()) {
    for (int n = 1; n < static_cast<int>(edits_.size()); ++n)
        edits_[n] = Find<TEdit>("Edit" + std::to_string(n));
    for (const UnitConversion& c : UnitConversions) {
        const std::string button = "BitBtn" + std::to_string(c.button);
        // The upper edit of a pair is the one with the odd number.
        DrawArrow(*Find<TBitBtn>(button)->Glyph(), c.source % 2 == 1);
        Bind(button + "Click", [this, &c](TObject*) { Convert(c); });
    }
    FinishCreate();
}

void Tprevody::Convert(const UnitConversion& conversion) {
    const double value = StrToFloat(edits_[conversion.source]->Text());
    const double converted = ConvertUnits(value, conversion);
    RefuseUnshowable({converted});
    edits_[conversion.target]->SetText(FloatToStr(converted));
}
