// The small tool windows as the user drives them: fields, buttons, messages.
#include <gtest/gtest.h>

#include <QLocale>
#include <functional>
#include <memory>
#include <string>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "tools/Energie1.h"
#include "tools/Nmv1.h"
#include "tools/Oprogramu1.h"
#include "tools/Prevody1.h"
#include "tools/Teplotaprachu1.h"
#include "tools/unit_table.h"
#include "ui/Vstup1.h"

namespace {

class ToolWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        calculator_ = std::make_unique<Tvstup>();
        vstup = calculator_.get();
    }
    void TearDown() override {
        vstup = nullptr;
        calculator_.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Presses a button as an event does: the message it ended with, "" when
    // it ran through.
    std::string Press(TButton* button) {
        services_.messages.clear();
        try {
            button->Click();
        } catch (const EAbort&) {
            return services_.messages.empty() ? "(silent abort)" : services_.messages.back();
        }
        return services_.messages.empty() ? "" : "(message without abort)";
    }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> calculator_;
};

TEST_F(ToolWindows, UnitButtonsConvertEachWayAndLeaveTheSource) {
    Tprevody w;
    w.Find<TEdit>("Edit1")->SetText("1");
    EXPECT_EQ(Press(w.Find<TBitBtn>("BitBtn2")), "");
    EXPECT_EQ(w.Find<TEdit>("Edit2")->Text(), "15.4324");
    EXPECT_EQ(w.Find<TEdit>("Edit1")->Text(), "1");
    w.Find<TEdit>("Edit14")->SetText("2");
    Press(w.Find<TBitBtn>("BitBtn13"));
    EXPECT_EQ(w.Find<TEdit>("Edit13")->Text(), "56.699");
    w.Find<TEdit>("Edit18")->SetText("x");
    EXPECT_THROW(w.Find<TBitBtn>("BitBtn18")->Click(), EConvertError);
    EXPECT_EQ(w.Find<TEdit>("Edit17")->Text(), "0");
    // A result beyond the doubles is refused and the target keeps its text.
    w.Find<TEdit>("Edit1")->SetText("1e308");
    EXPECT_EQ(Press(w.Find<TBitBtn>("BitBtn2")), ResultTooLargeMessage);
    EXPECT_EQ(w.Find<TEdit>("Edit2")->Text(), "15.4324");
}

// Each arrow's shaft runs into its head: the middle column of the glyph is
// black from one end to the other, with no gap between shaft and head.
TEST_F(ToolWindows, UnitArrowsHaveNoGapBetweenShaftAndHead) {
    Tprevody w;
    for (const char* name : {"BitBtn1", "BitBtn2"}) {
        TPicture& glyph = *w.Find<TBitBtn>(name)->Glyph();
        const int middle = glyph.Width() / 2;
        for (int y = 0; y < glyph.Height(); ++y)
            EXPECT_EQ(glyph.Pixel(middle, y), clBlack) << name << " at y = " << y;
    }
}

TEST_F(ToolWindows, AtmosphereShowsRoundedResultsAndKeepsThemOnRefusal) {
    QLocale::setDefault(QLocale(QLocale::German));
    Tnmv w;
    EXPECT_EQ(w.Edit2->Text(), "1013,25");
    w.Edit4->SetText("0");
    EXPECT_EQ(Press(w.Button1), "");
    EXPECT_EQ(w.Label13->Text(), "15");
    EXPECT_EQ(w.Label14->Text(), "1013,25");
    EXPECT_EQ(w.Label16->Text(), "1,225");
    EXPECT_EQ(w.Label18->Text(), "340,29");
    w.Edit1->SetText("-300");
    EXPECT_EQ(Press(w.Button1), "Air Temperature too low.");
    w.Edit3->SetText("9000,5");
    EXPECT_EQ(Press(w.Button1), "Altitude greater than 9000 m above sea level.");
    EXPECT_EQ(w.Label14->Text(), "1013,25");
}

TEST_F(ToolWindows, VelocityWindowFollowsTheCalculatorsVelocity) {
    calculator_->Edit4->SetText("850");
    Tteplotaprachu w;
    EXPECT_EQ(w.Edit1->Text(), "850");
    EXPECT_EQ(w.Edit4->Text(), "850");
    calculator_->Edit4->SetText("800");
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
    calculator_->Edit4->SetText("800");
    calculator_->Edit2->SetText("15");
    calculator_->Edit3->SetText("7.62");
    Tenergie w;
    calculator_->Edit4->SetText("900");
    EXPECT_EQ(w.Edit1->Text(), "800");
    EXPECT_EQ(Press(w.Button1), "");
    EXPECT_EQ(w.Label1->Text(), "4800");
    EXPECT_EQ(w.Label10->Text(), "12");
    EXPECT_EQ(w.Label11->Text(), "608");
    EXPECT_EQ(w.Label21->Text(), "3540.3");
    EXPECT_EQ(w.Label24->Text(), "0.367");
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
