// The calculator window: its description, its start-up defaults and the
// drag-function choice.
#include <gtest/gtest.h>

#include <QLocale>
#include <memory>
#include <string>

#include "engine/dragtables.h"
#include "engine/state.h"
#include "platform/sysutils.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace {

// "G1" at 1700 m/s, the top entry of the active table.
constexpr double G1At1700 = 0.4988;
// Values written through the float-to-text conversion and read back.
constexpr double TextRoundTrip = 1e-12;

class CalculatorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineState();
        window_ = std::make_unique<Tvstup>();
    }
    void TearDown() override {
        window_.reset();
        QLocale::setDefault(QLocale::c());
    }
    Tvstup& W() { return *window_; }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
};

TEST_F(CalculatorWindow, StartsWithTheDefaultsOfStartUp) {
    EXPECT_EQ(W().Edit1->Text(), FloatToStr(0.462));
    EXPECT_EQ(W().Edit3->Text(), FloatToStr(7.85));
    EXPECT_EQ(W().Edit8->Text(), FloatToStr(977.9));
    EXPECT_EQ(W().Edit12->Text(), FloatToStr(30.5));
    EXPECT_EQ(W().Edit40->Text(), "0");
    EXPECT_EQ(W().ComboBox6->ItemIndex(), 1);
    EXPECT_EQ(W().ComboBox6->Text(), "G1");
    EXPECT_NEAR(Engine().ActiveDragTable[MaxDragSpeed], G1At1700, TextRoundTrip);
    EXPECT_TRUE(W().Button7->Enabled());
    EXPECT_DOUBLE_EQ(Engine().Settings.IntegrationStep, 0.0005);
    EXPECT_EQ(W().ScrollBar1->Position(), 10);
    EXPECT_EQ(W().Label50->Caption(), "1");
    EXPECT_TRUE(services_.messages.empty());
}

}  // namespace
