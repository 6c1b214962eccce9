// The calculator window as a user sees it at its design size: the radio
// buttons of every radio group inside the group's frame, below its caption.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <memory>
#include <string>

#include "engine/state.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

namespace {

class WindowLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        window_ = std::make_unique<Tvstup>();
        window_->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_->Window()));
    }
    void TearDown() override {
        window_->Hide();
        window_.reset();
    }
    Tvstup& W() { return *window_; }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
};

TEST_F(WindowLayout, RadioButtonsLieInsideTheFrameBelowTheCaption) {
    for (TRadioGroup* group :
         {W().RadioGroup1, W().RadioGroup2, W().RadioGroup3, W().RadioGroup4, W().RadioGroup5,
          W().RadioGroup6, W().RadioGroup7, W().RadioGroup8}) {
        auto* box = static_cast<QGroupBox*>(group->Widget());
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel);
        const QRect frame =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame);
        for (const QRadioButton* button : box->findChildren<QRadioButton*>()) {
            const std::string name = group->Name() + " " + button->text().toStdString();
            EXPECT_GT(button->geometry().top(), caption.bottom()) << name;
            EXPECT_GT(button->geometry().top(), frame.top()) << name;
            EXPECT_LT(button->geometry().bottom(), frame.bottom()) << name;
        }
    }
}

}  // namespace
