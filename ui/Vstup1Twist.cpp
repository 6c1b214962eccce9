// Calculator window. Maximum barrel twist: the longest twist (inches per
// turn) that still stabilises the bullet, by one of three rules of thumb.
#include "compute/barrel_twist.h"
#include "compute/shown_figures.h"
#include "engine/numeric.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

constexpr double InchesToCentimetres = 2.54;

}  // namespace

void Tvstup::BindTwistHandlers() {
    Bind("Button13Click", [this](TObject* s) { Button13Click(s); });
}

void Tvstup::Button13Click(TObject*) {
    const int method = ComboBox4->ItemIndex();
    if (method < static_cast<int>(TwistRule::Greenhill) ||
        method > static_cast<int>(TwistRule::CharlieDell))
        ShowErrorAndAbort("Method is not chosen.");
    const double diameter = StrToFloat(Edit3->Text());  // mm
    const double velocity = StrToFloat(Edit4->Text());  // m/s
    const double length = StrToFloat(Edit23->Text());   // mm
    // Every rule divides by the length, and Dell's takes the velocity's root.
    if (length <= 0) ShowErrorAndAbort("Bullet Length less than or equal to zero.");
    if (diameter <= 0) ShowErrorAndAbort("Bullet Diameter less than or equal to zero.");
    if (velocity <= 0) ShowErrorAndAbort("Velocity less than or equal to zero.");

    const double inches =
        MaximumBarrelTwist(static_cast<TwistRule>(method), diameter, velocity, length);  // in/turn
    const double twist[] = {inches, inches * InchesToCentimetres};
    RefuseUnshowable(twist, FigureFormat::Fixed);
    TStrings& memo = Memo1->Lines();
    memo.Add("  ");
    memo.Add(FormatLine("  Maximum Barrel Twist:    %6.1f  in.", twist[0]));
    memo.Add(FormatLine("  Maximum Barrel Twist:   %6.1f  cm", twist[1]));
}
