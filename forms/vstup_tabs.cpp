// The five input tabs of the calculator window. Inside a group the rows lie
// 24 px apart; captions end at a common right edge in front of their edits,
// units follow the edits. Decimal defaults are stored with a comma, as the
// window was designed; start-up rewrites them in the user's notation.
#include <vector>

#include "forms/form_rows.h"
#include "forms/vstup_form.h"

using namespace form_rows;

namespace {

// The caption column of the wide groups ends here and their edits start at
// EditColumn, so a field moved to another place keeps the same look.
constexpr int CaptionEdge = 108;
constexpr int EditColumn = 112;
constexpr int FieldWidth = 52;
constexpr int UnitColumn = EditColumn + FieldWidth + 4;

}  // namespace

void AddParametersTab(std::vector<ControlDescription>& c) {
    const char* const g = "GroupBox2";
    c.push_back(Group(g, "TabSheet1", 2, 0, 226, 194, "Basic Parameters"));
    c.push_back(Caption("Label75", g, CaptionEdge, CaptionTop(0), "Ballistic Coefficient:"));
    c.push_back(Caption("Label1", g, CaptionEdge, CaptionTop(0), "Form Factor:").Hidden());
    c.push_back(Edit("Edit1", g, EditColumn, RowTop(0), FieldWidth, "0,462"));
    c.push_back(Text("Label51", g, UnitColumn, CaptionTop(0), "lb/in2"));
    c.push_back(Caption("Label3", g, CaptionEdge, CaptionTop(1), "Bullet Weight:"));
    c.push_back(Edit("Edit2", g, EditColumn, RowTop(1), FieldWidth, "10,89"));
    c.push_back(Text("Label4", g, UnitColumn, CaptionTop(1), "g"));
    c.push_back(Caption("Label5", g, CaptionEdge, CaptionTop(2), "Bullet Diameter:"));
    c.push_back(Edit("Edit3", g, EditColumn, RowTop(2), FieldWidth, "7,62"));
    c.push_back(Text("Label8", g, UnitColumn, CaptionTop(2), "mm"));
    c.push_back(Caption("Label9", g, CaptionEdge, CaptionTop(3), "Muzzle Velocity:"));
    c.push_back(Edit("Edit4", g, EditColumn, RowTop(3), FieldWidth, "800"));
    c.push_back(Text("Label10", g, UnitColumn, CaptionTop(3), "m/s"));
    c.push_back(Caption("Label11", g, CaptionEdge, CaptionTop(4), "Sight Height:"));
    c.push_back(Edit("Edit5", g, EditColumn, RowTop(4), FieldWidth, "40"));
    c.push_back(Text("Label13", g, UnitColumn, CaptionTop(4), "mm"));
    // Three fields share the zero-range row. "Zero Range X,Y" moves Edit19 to
    // left 88 and shows Edit63 beside it, so that caption ends before 88.
    c.push_back(Caption("Label7", g, CaptionEdge, CaptionTop(5), "Zero Range:"));
    c.push_back(Caption("Label6", g, CaptionEdge, CaptionTop(5), "Angle of Departure:").Hidden());
    c.push_back(Caption("Label64", g, 85, CaptionTop(5), "Zero Range X,Y:", 83).Hidden());
    c.push_back(Edit("Edit6", g, EditColumn, RowTop(5), FieldWidth, "0,1").Hidden().Disabled());
    c.push_back(Edit("Edit19", g, EditColumn, RowTop(5), FieldWidth, "100"));
    c.push_back(
        Edit("Edit63", g, 88 + FieldWidth + 4, RowTop(5), FieldWidth, "0").Hidden().Disabled());
    c.push_back(Text("Label2", g, UnitColumn, CaptionTop(5), "m"));
    c.push_back(Text("Label19", g, UnitColumn, CaptionTop(5), "deg").Hidden());
    c.push_back(Text("Label72", g, 88 + 2 * FieldWidth + 12, CaptionTop(5), "m").Hidden());
    c.push_back(Caption("Label14", g, CaptionEdge, CaptionTop(6), "Distance to Chrono.:"));
    c.push_back(Edit("Edit22", g, EditColumn, RowTop(6), FieldWidth, "0"));
    c.push_back(Text("Label15", g, UnitColumn, CaptionTop(6), "m"));

    c.push_back(Radios("RadioGroup3", "TabSheet1", 232, 0, 136, 72, "Computation Modes",
                       {"Angle of Departure", "Zero Range", "Zero Range X,Y"}, 1)
                    .OnClick("RadioGroup3Click"));

    const char* const u = "GroupBox7";
    c.push_back(Group(u, "TabSheet1", 232, 74, 136, 120, "Drop Units"));
    c.push_back(Caption("Label16", u, 42, CaptionTop(0), "Step:", 40));
    c.push_back(Combo("ComboBox1", u, 46, RowTop(0), 60, "  25",
                      {"     1", "     5", "   10  ", "   25", "   50", " 100", " 200", "1000"})
                    .OnChange("ComboBox1Change"));
    c.push_back(Text("Label17", u, 110, CaptionTop(0), "m"));
    c.push_back(Caption("Label18", u, 42, CaptionTop(1), "1 Click:", 40));
    c.push_back(Combo("ComboBox2", u, 46, RowTop(1), 86, "",
                      {"1/2  MOA", "1/3  MOA", "1/4  MOA", "1/8  MOA", "10mm/100m", "7mm/100m",
                       "5mm/100m", "Value in mm", "Value in MOA"},
                      2)
                    .OnChange("ComboBox2Change"));
    c.push_back(Caption("Label20", u, 42, CaptionTop(2), "1 Click:", 40));
    c.push_back(Edit("Edit24", u, 46, RowTop(2), 32, "10").Disabled());
    c.push_back(Text("Label56", u, 82, CaptionTop(2), "mm/100m"));
    c.push_back(Text("Label48", u, 82, CaptionTop(2), "MOA").Hidden());
    c.push_back(Caption("Label21", u, 42, CaptionTop(3), "Click:", 40));
    c.push_back(Make(Kind::UpDown, "UpDown1", u, 46, RowTop(3), 16, 22)
                    .Range(-500, 500, 0)
                    .OnClick("UpDown1Click"));
    // The count in bold 16 px: "-500" in bold 19 px would be 38 px wide, more
    // than the 32 px between the arrows and "Zero".
    c.push_back(Make(Kind::Label, "Label12", u, 64, RowTop(3), 30, 22, "0")
                    .Align(taCenter)
                    .Font({.height = 16, .bold = true}));
    c.push_back(Button("Button8", u, 96, RowTop(3), 36, 22, "Zero").OnClick("Button8Click"));

    const char* const b = "GroupBox4";
    c.push_back(Group(b, "TabSheet1", 372, 0, 90, 194, ""));
    c.push_back(Button("Button1", b, 6, 12, 78, 30, "List of Ammo").OnClick("Button1Click"));
    c.push_back(
        Button("Button7", b, 6, 48, 78, 30, "Add to List").Disabled().OnClick("Button7Click"));
    c.push_back(Button("Button5", b, 6, 84, 78, 30, "Save").Disabled().OnClick("Button5Click"));
    c.push_back(Button("Button15", b, 6, 120, 78, 30, "Load").OnClick("Button15Click"));
    c.push_back(Button("Button3", b, 6, 156, 78, 30, "Compute!")
                    .Font({.height = 13, .bold = true})
                    .Default()
                    .OnClick("Button3Click"));
}

void AddAtmosphereTab(std::vector<ControlDescription>& c) {
    const char* const g = "GroupBox1";
    c.push_back(Group(g, "TabSheet2", 2, 0, 214, 194, "Parameters"));
    c.push_back(Caption("Label23", g, CaptionEdge, CaptionTop(0), "Air Temperature:"));
    c.push_back(Edit("Edit13", g, EditColumn, RowTop(0), 48, "15"));
    c.push_back(Text("Label25", g, 164, CaptionTop(0), "\u00b0C"));
    c.push_back(Caption("Label26", g, CaptionEdge, CaptionTop(1), "Air Pressure:"));
    c.push_back(Edit("Edit8", g, EditColumn, RowTop(1), 48, "1013,25").Disabled());
    c.push_back(Text("Label27", g, 164, CaptionTop(1), "hPa"));
    c.push_back(Caption("Label28", g, CaptionEdge, CaptionTop(2), "Altitude:"));
    c.push_back(Edit("Edit29", g, EditColumn, RowTop(2), 48, "300"));
    c.push_back(Text("Label29", g, 164, CaptionTop(2), "m a.s.l."));
    c.push_back(Caption("Label30", g, CaptionEdge, CaptionTop(3), "Air Humidity:"));
    c.push_back(Edit("Edit9", g, EditColumn, RowTop(3), 48, "0"));
    c.push_back(Text("Label31", g, 164, CaptionTop(3), "%"));
    // The wind mode relabels these two; right-aligned like the other
    // captions, every text ends at its field.
    c.push_back(Caption("Label22", g, CaptionEdge, CaptionTop(4), "Cross Wind:"));
    c.push_back(Edit("Edit10", g, EditColumn, RowTop(4), 48, "0"));
    c.push_back(Text("Label32", g, 164, CaptionTop(4), "m/s"));
    c.push_back(Caption("Label24", g, CaptionEdge, CaptionTop(5), "Longitudinal Wind:"));
    c.push_back(Edit("Edit11", g, EditColumn, RowTop(5), 48, "0"));
    c.push_back(Text("Label34", g, 164, CaptionTop(5), "m/s"));
    c.push_back(Caption("Label33", g, CaptionEdge, CaptionTop(6), "Vertical Wind:"));
    c.push_back(Edit("Edit55", g, EditColumn, RowTop(6), 48, "0"));
    c.push_back(Text("Label35", g, 164, CaptionTop(6), "m/s"));

    c.push_back(Radios("RadioGroup4", "TabSheet2", 220, 0, 116, 56, "Cross Wind",
                       {"Constant", "Variable"}, 0)
                    .OnClick("RadioGroup4Click"));
    c.push_back(Radios("RadioGroup7", "TabSheet2", 220, 58, 116, 56, "Wind Modes",
                       {"Cross, Longitud.", "Speed and Angle"}, 0)
                    .OnClick("RadioGroup7Click"));
    c.push_back(Radios("RadioGroup6", "TabSheet2", 220, 116, 116, 56, "Pressure Modes",
                       {"Direct Value", "From Altitude"}, 1)
                    .OnClick("RadioGroup6Click"));
    c.push_back(Check("CheckBox14", "TabSheet2", 224, 176, 112, "No ICAO Gradient"));

    // The variable wind: every field starts disabled; the cross-wind mode
    // enables the count and the fields of the chosen number of sites.
    const char* const v = "GroupBox18";
    c.push_back(Group(v, "TabSheet2", 340, 0, 122, 194, "Variable Cross Wind"));
    c.push_back(Text("Label36", v, 6, CaptionTop(0), "Count of Sites:"));
    c.push_back(Combo("ComboBox3", v, 80, RowTop(0), 36, "", {"2", "3", "4", "5"}, 0)
                    .Disabled()
                    .OnChange("ComboBox3Change"));
    c.push_back(Text("Label39", v, 4, CaptionTop(1), "Distance [m]"));
    c.push_back(Text("Label41", v, 70, CaptionTop(1), "v [m/s]"));
    const char* const distances[] = {"0", "100", "200", "300", "400"};
    const char* const speeds[] = {"4", "-4", "8", "10", "12"};
    for (int site = 0; site < 5; ++site) {
        const int top = RowTop(site + 2);
        c.push_back(
            Edit("Edit" + std::to_string(44 + site), v, 6, top, 48, distances[site]).Disabled());
        c.push_back(
            Edit("Edit" + std::to_string(49 + site), v, 62, top, 48, speeds[site]).Disabled());
    }
}

void AddOthersTab(std::vector<ControlDescription>& c) {
    const char* const s = "GroupBox9";
    c.push_back(Group(s, "TabSheet3", 2, 0, 182, 140, "Shooting Up/Downhill"));
    c.push_back(Caption("Label104", s, 92, CaptionTop(0), "Slant Distance:", 88));
    c.push_back(Caption("Label37", s, 92, CaptionTop(0), "Horizontal Dist.:", 88).Hidden());
    c.push_back(Edit("Edit7", s, 96, RowTop(0), 44, "100"));
    c.push_back(Text("Label42", s, 144, CaptionTop(0), "m"));
    c.push_back(Caption("Label105", s, 92, CaptionTop(1), "Angle:", 88));
    c.push_back(Caption("Label38", s, 92, CaptionTop(1), "Height:", 88).Hidden());
    c.push_back(Edit("Edit14", s, 96, RowTop(1), 44, "45"));
    c.push_back(Text("Label106", s, 144, CaptionTop(1), "deg"));
    c.push_back(Text("Label40", s, 144, CaptionTop(1), "m").Hidden());
    c.push_back(Make(Kind::RadioButton, "RadioButton1", s, 6, RowTop(2) + 2, 172, 17,
                     "Horizontal Distance and Height")
                    .OnClick("RadioButton1Click"));
    c.push_back(Make(Kind::RadioButton, "RadioButton2", s, 6, RowTop(3) + 2, 172, 17,
                     "Slant Distance and Angle")
                    .Checked()
                    .OnClick("RadioButton2Click"));
    c.push_back(Button("Button11", s, 96, RowTop(4), 74, 22, "Compute").OnClick("Button11Click"));

    const char* const t = "GroupBox12";
    c.push_back(Group(t, "TabSheet3", 2, 142, 182, 52, "Computation Step"));
    c.push_back(Make(Kind::ScrollBar, "ScrollBar1", t, 8, RowTop(0) + 2, 78, 17)
                    .Range(1, 300, 10)
                    .OnChange("ScrollBar1Change"));
    c.push_back(Make(Kind::Label, "Label50", t, 90, CaptionTop(0), 22, 14, "1")
                    .Align(taCenter)
                    .Font({.bold = true}));
    c.push_back(Text("Label43", t, 114, CaptionTop(0), "ms"));
    c.push_back(Check("CheckBox8", t, 132, RowTop(0) + 2, 42, "Auto").Checked());

    const char* const m = "GroupBox8";
    c.push_back(Group(m, "TabSheet3", 188, 0, 124, 68, "MRD, GEE"));
    c.push_back(Text("Label44", m, 6, CaptionTop(0), "Max. Traj. Height:"));
    c.push_back(Edit("Edit41", m, 6, RowTop(1), 30, "4"));
    c.push_back(Text("Label45", m, 40, CaptionTop(1), "cm"));
    c.push_back(Button("Button10", m, 56, RowTop(1), 62, 22, "MRD, GEE").OnClick("Button10Click"));

    const char* const w = "GroupBox13";
    c.push_back(Group(w, "TabSheet3", 188, 70, 124, 94, "Barrel Twist"));
    // The caption and the unit sit closer to the frame than in other groups:
    // the row is only just wide enough for both.
    c.push_back(Text("Label46", w, 3, CaptionTop(0), "Bullet Length:"));
    c.push_back(Edit("Edit23", w, 72, RowTop(0), 28, "31,4"));
    c.push_back(Text("Label47", w, 102, CaptionTop(0), "mm"));
    c.push_back(Combo("ComboBox4", w, 6, RowTop(1), 112, "Method Selection",
                      {"A. G. Greenhill", "Sierra", "Charlie Dell"}));
    c.push_back(Button("Button13", w, 6, RowTop(2), 112, 22, "Maximum Barrel Twist")
                    .OnClick("Button13Click"));

    const char* const r = "GroupBox19";
    c.push_back(Group(r, "TabSheet3", 316, 0, 146, 194, "Reticle Calculation"));
    c.push_back(Text("Label52", r, 6, CaptionTop(0), "Default / Actual:"));
    c.push_back(Edit("Edit42", r, 86, RowTop(0), 20, "24"));
    c.push_back(Text("Label53", r, 108, CaptionTop(0), "/"));
    c.push_back(Edit("Edit43", r, 113, RowTop(0), 20, "24"));
    c.push_back(Text("Label54", r, 134, CaptionTop(0), "X"));
    c.push_back(Text("Label55", r, 6, CaptionTop(1), "Shooting Distance:"));
    c.push_back(Edit("Edit64", r, 100, RowTop(1), 30, "300"));
    c.push_back(Text("Label57", r, 133, CaptionTop(1), "m"));
    c.push_back(Combo("ComboBox7", r, 6, RowTop(2), 134, "",
                      {"MilDot (1Mil)", "Sightron LRMOA (2MOA)", "Leupold TMR (1/2Mil)",
                       "Vortex EBR-1 MOA (2MOA)", "Vortex EBR-1 MRAD (1/2Mil)",
                       "Nightforce MOAR (1MOA)", "Meopta MilDot 2 (1/2Mil)"},
                      0)
                    .OnChange("ComboBox7Change"));
    c.push_back(Radios("RadioGroup8", r, 6, RowTop(3) - 2, 134, 52, "Horizontal Dots",
                       {"Distance", "Cross Wind"}, 1)
                    .OnClick("RadioGroup8Click"));
    c.push_back(Check("CheckBox13", r, 8, RowTop(5) + 6, 120, "Show Cross").Checked());
    c.push_back(Button("Button20", r, 6, RowTop(6) + 4, 64, 22, "Show")
                    .Disabled()
                    .OnClick("Button20Click"));
    c.push_back(
        Button("Button19", r, 76, RowTop(6) + 4, 64, 22, "Compute").OnClick("Button19Click"));
}

void AddDragTab(std::vector<ControlDescription>& c) {
    const char* const f = "GroupBox17";
    c.push_back(Group(f, "TabSheet4", 2, 0, 130, 70, "Drag Function"));
    c.push_back(Combo("ComboBox6", f, 8, RowTop(0), 114, "G1",
                      {"Function Selection", "G1", "G2", "G5", "G6", "G7", "G8", "GL", "GS", "GC",
                       "RA4", "1943"})
                    .OnChange("ComboBox6Change"));
    c.push_back(
        Button("Button4", f, 8, RowTop(1), 114, 22, "Load Drag Function").OnClick("Button4Click"));
    c.push_back(Radios("RadioGroup5", "TabSheet4", 2, 72, 130, 72, "Computation Modes",
                       {"Form Factor ", "Ballistic Coefficient", "Variable Ball. Coeff."}, 1)
                    .OnClick("RadioGroup5Click"));
    c.push_back(Button("Button16", "TabSheet4", 2, 150, 130, 24, "Drag Function Graph ")
                    .OnClick("Button16Click"));

    // The velocity bands: every field starts disabled; "Variable Ball. Coeff."
    // enables them.
    const char* const v = "GroupBox16";
    c.push_back(Group(v, "TabSheet4", 136, 0, 150, 166, "Variable Ballistic Coefficient"));
    c.push_back(Text("Label58", v, 24, CaptionTop(0), "Velocity (m/s)"));
    c.push_back(Text("Label59", v, 95, CaptionTop(0), "BC:"));
    struct Band {
        const char* caption;
        const char* velocityEdit;
        const char* velocity;
        const char* bcEdit;
        const char* bc;
        const char* box;  // the check box that switches the band on, if any
        bool ticked;
        const char* onClick;
    };
    const Band bands[] = {
        {"over", "Edit30", "793", "Edit36", "0,462", nullptr, false, nullptr},
        {"below", "Edit31", "793", "Edit37", "0,447", nullptr, false, nullptr},
        {"below", "Edit32", "640", "Edit38", "0,424", "CheckBox6", true, "CheckBox6Click"},
        {"below", "Edit34", "488", "Edit39", "0,405", "CheckBox7", true, "CheckBox7Click"},
        {"below", "Edit35", "0", "Edit40", "0", "CheckBox9", false, "CheckBox9Click"},
    };
    for (int k = 0; k < 5; ++k) {
        const Band& band = bands[k];
        const int row = k + 1;
        c.push_back(Text("Label" + std::to_string(107 + k), v, 6, CaptionTop(row), band.caption));
        c.push_back(Edit(band.velocityEdit, v, 36, RowTop(row), 42, band.velocity).Disabled());
        c.push_back(Edit(band.bcEdit, v, 82, RowTop(row), 42, band.bc).Disabled());
        if (band.box) {
            Row box =
                Check(band.box, v, 130, RowTop(row) + 2, 16, "").Disabled().OnClick(band.onClick);
            if (band.ticked) box.Checked();
            c.push_back(box);
        }
    }

    const char* const t = "GroupBox14";
    c.push_back(Group(t, "TabSheet4", 290, 0, 172, 114, "Ball. Coeff. from Trajectory"));
    c.push_back(Caption("Label65", t, 66, CaptionTop(0), "Distance X1:", 62));
    c.push_back(Edit("Edit25", t, 70, RowTop(0), 40, "100"));
    c.push_back(Text("Label66", t, 113, CaptionTop(0), "m"));
    c.push_back(Caption("Label67", t, 66, CaptionTop(1), "Height Y1:", 62));
    c.push_back(Edit("Edit26", t, 70, RowTop(1), 40, "39"));
    c.push_back(Text("Label68", t, 113, CaptionTop(1), "cm"));
    c.push_back(Caption("Label69", t, 66, CaptionTop(2), "Distance X2:", 62));
    c.push_back(Edit("Edit27", t, 70, RowTop(2), 40, "300"));
    c.push_back(Text("Label70", t, 113, CaptionTop(2), "m"));
    c.push_back(Caption("Label71", t, 66, CaptionTop(3), "Height Y2:", 62));
    c.push_back(Edit("Edit28", t, 70, RowTop(3), 40, "0"));
    c.push_back(Text("Label73", t, 113, CaptionTop(3), "cm"));
    c.push_back(Button("Button14", t, 134, RowTop(3), 32, 22, "GO!").OnClick("Button14Click"));

    const char* const s = "GroupBox11";
    c.push_back(Group(s, "TabSheet4", 290, 116, 172, 68, "Ball. Coeff. from Velocity "));
    c.push_back(Caption("Label74", s, 66, CaptionTop(0), "Distance:", 62));
    c.push_back(Edit("Edit20", s, 70, RowTop(0), 40, "300"));
    c.push_back(Text("Label76", s, 113, CaptionTop(0), "m"));
    c.push_back(Caption("Label77", s, 66, CaptionTop(1), "Velocity:", 62));
    c.push_back(Edit("Edit21", s, 70, RowTop(1), 40, "415"));
    c.push_back(Text("Label78", s, 113, CaptionTop(1), "m/s"));
    c.push_back(Button("Button12", s, 134, RowTop(1), 32, 22, "GO!").OnClick("Button12Click"));
}

void AddExtrasTab(std::vector<ControlDescription>& c) {
    const char* const d = "GroupBox21";
    c.push_back(
        Group(d, "TabSheet5", 2, 0, 270, 86, "Shot Direction and Latitude, Grav. Acceleration"));
    c.push_back(
        Caption("Label79", d, 188, CaptionTop(0), "Direct. (0=N, 90=E, 180=S, 270=W):", 184));
    c.push_back(Edit("Edit54", d, 192, RowTop(0), 40, "0").Disabled());
    c.push_back(Text("Label80", d, 236, CaptionTop(0), "deg"));
    c.push_back(
        Caption("Label81", d, 188, CaptionTop(1), "Latitude (Southern Hemisph. with - ):", 184));
    c.push_back(Edit("Edit56", d, 192, RowTop(1), 40, "50").Disabled());
    c.push_back(Text("Label82", d, 236, CaptionTop(1), "deg"));
    c.push_back(Caption("Label83", d, 188, CaptionTop(2), "Grav. Acceleration G:", 184));
    c.push_back(Edit("Edit58", d, 192, RowTop(2), 40, "9,81"));
    c.push_back(Text("Label84", d, 236, CaptionTop(2), "m/s2"));

    const char* const e = "GroupBox20";
    c.push_back(Group(e, "TabSheet5", 276, 0, 186, 86, "Extras"));
    c.push_back(Check("CheckBox11", e, 8, RowTop(0) + 2, 170, "G acc. to Latitude")
                    .OnClick("CheckBox11Click"));
    c.push_back(
        Check("CheckBox10", e, 8, RowTop(1) + 2, 170, "Coriolis Force").OnClick("CheckBox10Click"));
    c.push_back(Check("CheckBox3", e, 8, RowTop(2) + 2, 170, "Drift").OnClick("CheckBox3Click"));

    // The bullet model of the spin drift: every field starts disabled;
    // "Drift" enables them. Two columns of rows and the drawing at the
    // right; the rows start higher than in other groups so four fit, yet
    // low enough that the frame's top line passes above the first captions.
    const char* const p = "GroupBox15";
    c.push_back(Group(p, "TabSheet5", 2, 88, 460, 108, "Bullet Proportions"));
    struct Field {
        const char* caption;
        const char* edit;
        const char* text;
        const char* unit;
    };
    const Field columns[2][3] = {{{"Total Length (L0):", "Edit57", "3,98", "cal."},
                                  {"Nose Length (L2):", "Edit59", "1,86", "cal."},
                                  {"Boattail Length (L3):", "Edit60", "0,51", "cal."}},
                                 {{"Base Diameter (D2):", "Edit61", "0,74", "cal."},
                                  {"Meplat Diameter (D3):", "Edit62", "0,25", "cal."},
                                  {"Barrel Twist:", "Edit12", "30,5", "cm"}}};
    constexpr int Raise = 2;
    // The first column's captions end at 102 so the longest starts inside
    // the frame.
    const int edges[2] = {102, 262};
    int label = 85;
    for (int column = 0; column < 2; ++column) {
        const int edge = edges[column];
        for (int row = 0; row < 3; ++row) {
            const Field& f = columns[column][row];
            c.push_back(Caption("Label" + std::to_string(label++), p, edge, CaptionTop(row) - Raise,
                                f.caption, 99 + 9 * column));
            c.push_back(Edit(f.edit, p, edge + 3, RowTop(row) - Raise, 27, f.text).Disabled());
            c.push_back(Text("Label" + std::to_string(label++), p, edge + 32,
                             CaptionTop(row) - Raise, f.unit));
        }
    }
    c.push_back(Caption("Label" + std::to_string(label++), p, edges[0], CaptionTop(3) - Raise,
                        "Twist Direction:", 99));
    c.push_back(
        Combo("ComboBox5", p, edges[0] + 3, RowTop(3) - Raise, 56, "Right", {"Right", "Left"}, 0)
            .Disabled());
    c.push_back(Make(Kind::Bevel, "Bevel3", p, 314, 12, 144, 91));
    c.push_back(Make(Kind::Image, "Image3", p, 316, 14, 140, 87));
}
