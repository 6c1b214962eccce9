// The small tool windows as the user drives them: fields, buttons, messages.
#include <QPushButton>

#include "compute/unit_table.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Oprogramu1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Teplotaprachu1.h"

namespace {

using ToolWindows = ToolTest;

TEST_F(ToolWindows, UnitButtonsConvertEachWayAndLeaveTheSource) {
    Tprevody w;
    const auto edit = [&w](const char* name) { return w.Find<TEdit>(name); };
    const auto button = [&w](const char* name) { return w.Find<TBitBtn>(name); };
    edit("Edit1")->SetText("1");
    EXPECT_EQ(Press(button("BitBtn2")), "");
    EXPECT_EQ(edit("Edit2")->Text(), "15.4324");
    EXPECT_EQ(edit("Edit1")->Text(), "1");
    edit("Edit14")->SetText("2");
    Press(button("BitBtn13"));
    EXPECT_EQ(edit("Edit13")->Text(), "56.699");
    edit("Edit18")->SetText("x");
    EXPECT_THROW(button("BitBtn18")->Click(), EConvertError);
    EXPECT_EQ(edit("Edit17")->Text(), "0");
    // A result beyond the doubles is refused and the target keeps its text.
    edit("Edit1")->SetText("1e308");
    EXPECT_EQ(Press(button("BitBtn2")), ResultTooLargeMessage);
    EXPECT_EQ(edit("Edit2")->Text(), "15.4324");
    // The middle column of each arrow is black from end to end: no gap
    // between shaft and head.
    for (const char* name : {"BitBtn1", "BitBtn2"}) {
        TPicture& glyph = *button(name)->Glyph();
        for (int y = 0; y < glyph.Height(); ++y)
            EXPECT_EQ(glyph.Pixel(glyph.Width() / 2, y), clBlack) << name << " at y = " << y;
        // The button shows the arrow alone: its background colour is left out.
        const QImage icon =
            static_cast<QPushButton*>(button(name)->Widget())->icon().pixmap(9, 16).toImage();
        EXPECT_EQ(qAlpha(icon.pixel(0, 15)), 0);
    }
}

TEST_F(ToolWindows, AtmosphereShowsRoundedResultsAndKeepsThemOnRefusal) {
    QLocale::setDefault(QLocale(QLocale::German));
    Tnmv w;
    EXPECT_EQ(w.Edit2->Text(), "1013,25");
    w.Edit4->SetText("0");
    EXPECT_EQ(Press(w.Button1), "");
    std::string shown;
    for (TLabel* l : {w.Label13, w.Label14, w.Label16, w.Label18}) shown += l->Text() + " ";
    EXPECT_EQ(shown, "15 1013,25 1,225 340,29 ");
    w.Edit1->SetText("-300");
    EXPECT_EQ(Press(w.Button1), "Air Temperature too low.");
    w.Edit3->SetText("9000,5");
    EXPECT_EQ(Press(w.Button1), "Altitude greater than 9000 m above sea level.");
    EXPECT_EQ(w.Label14->Text(), "1013,25");
}

TEST_F(ToolWindows, VelocityWindowFollowsTheCalculatorsVelocity) {
    W().Edit4->SetText("850");
    Tteplotaprachu w;
    EXPECT_EQ(w.Edit1->Text(), "850");
    EXPECT_EQ(w.Edit4->Text(), "850");
    W().Edit4->SetText("800");
    w.Edit1->SetText("700");
    w.FormActivate(&w);
    EXPECT_EQ(w.Edit1->Text(), "800");
    EXPECT_EQ(Press(w.Button1), "");
    EXPECT_EQ(w.Label1->Text(), "811.2");
    EXPECT_EQ(Press(w.Button2), "");
    EXPECT_EQ(w.Label10->Text(), "788");
    w.Edit6->SetText("85.5");
    EXPECT_EQ(Press(w.Button2), "Change of Barrel Length too large.");
    EXPECT_EQ(w.Label10->Text(), "788");
}

TEST_F(ToolWindows, EnergyWindowCopiesOnceAndShowsBothUnitSystems) {
    W().Edit4->SetText("800");
    W().Edit2->SetText("15");
    W().Edit3->SetText("7.62");
    Tenergie w;
    W().Edit4->SetText("900");
    EXPECT_EQ(w.Edit1->Text(), "800");
    EXPECT_EQ(Press(w.Button1), "");
    std::string shown;
    for (TLabel* l : {w.Label1, w.Label10, w.Label11, w.Label21, w.Label24})
        shown += l->Text() + " ";
    EXPECT_EQ(shown, "4800 12 608 3540.3 0.367 ");
    w.CheckBox2->SetChecked(false);
    EXPECT_EQ(w.Find<TLabel>("Label4")->Text(), "gr");
    EXPECT_EQ(w.Edit2->Text(), "15");
    w.Edit2->SetText("0");
    EXPECT_EQ(Press(w.Button1), "Bullet Weight less than or equal to zero.");
    EXPECT_EQ(w.Label1->Text(), "4800");
}

TEST_F(ToolWindows, AboutBoxShowsItsLogoAndHistory) {
    Toprogramu w;
    EXPECT_EQ(w.Image2->Picture()->Width(), 265);
    EXPECT_EQ(w.Image2->Picture()->Height(), 105);
    EXPECT_EQ(w.Memo1->Lines().Count(), 4);
    EXPECT_EQ(w.Memo2->Lines()[0], "  History:");
    EXPECT_EQ(w.Memo2->Lines()[1], "  1. 9. 2018 - Version 2.6");
    EXPECT_EQ(w.Find<TLabel>("Label3")->Text(), "Vantorra 2.6");
}

}  // namespace
