// Calculator window. Maximum barrel twist: the longest twist (inches per
// turn) that still stabilises the bullet, by one of three rules of thumb.
#include <cmath>

#include "engine/numeric.h"
#include "platform/sysutils.h"
#include "ui/Vstup1.h"

namespace {

constexpr double MillimetresToInches = 0.03937007874015748;
constexpr double MetresToFeet = 3.28;  // the rules' velocities are in ft/s
constexpr double InchesToCentimetres = 2.54;

// Items of the method list.
constexpr int Greenhill = 0;
constexpr int Sierra = 1;
constexpr int CharlieDell = 2;

// Greenhill's constant rises with the muzzle velocity (m/s, both bounds strict).
double GreenhillConstant(double velocity) {
    if (velocity > 853) return 180;
    if (velocity > 457) return 150;
    return 120;
}

}  // namespace

void Tvstup::BindTwistHandlers() {
    Bind("Button13Click", [this](TObject* s) { Button13Click(s); });
}

void Tvstup::Button13Click(TObject*) {
    const int method = ComboBox4->ItemIndex();
    if (method < Greenhill || method > CharlieDell) ShowErrorAndAbort("Method is not chosen.");
    const double diameter = StrToFloat(Edit3->Text()) * MillimetresToInches;
    const double velocity = StrToFloat(Edit4->Text());  // m/s
    const double length = StrToFloat(Edit23->Text()) * MillimetresToInches;
    // Every rule divides by the length, and Dell's takes the velocity's root.
    if (length <= 0) ShowErrorAndAbort("Bullet Length less than or equal to zero.");
    if (diameter <= 0) ShowErrorAndAbort("Bullet Diameter less than or equal to zero.");
    if (velocity <= 0) ShowErrorAndAbort("Velocity less than or equal to zero.");

    const double feetPerSecond = velocity * MetresToFeet;
    const double shape = diameter * diameter / length;
    double twist = 0;  // inches per turn
    switch (method) {
        case Greenhill:
            twist = GreenhillConstant(velocity) * shape;
            break;
        case Sierra:
            twist = 0.06 * feetPerSecond * shape;
            break;
        case CharlieDell:
            twist = 3.5 * std::sqrt(feetPerSecond) * shape;
            break;
    }
    TStrings& memo = Memo1->Lines();
    memo.Add("  ");
    memo.Add(FormatLine("  Maximum Barrel Twist:    %6.1f  in.", twist));
    memo.Add(FormatLine("  Maximum Barrel Twist:   %6.1f  cm", twist * InchesToCentimetres));
}
