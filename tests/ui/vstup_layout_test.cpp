// The calculator window as a user sees it at its design size: every tab of
// both tab strips in view, and the radio buttons of every radio group inside
// the group's frame, below its caption.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
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

// The rectangle of a tab in the coordinates of the window's client area.
QRect TabInWindow(TPageControl* pages, int index, QWidget* client) {
    const QTabBar* bar = static_cast<QTabWidget*>(pages->Widget())->tabBar();
    const QRect tab = bar->tabRect(index);
    return QRect(bar->mapTo(client, tab.topLeft()), tab.size());
}

bool ScrollArrowsShown(TPageControl* pages) {
    const QTabBar* bar = static_cast<QTabWidget*>(pages->Widget())->tabBar();
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        if (arrow->isVisible()) return true;
    return false;
}

TEST_F(WindowLayout, EveryTabShowsAtTheDesignSize) {
    QWidget* client = W().Edit33->Widget()->parentWidget();
    // The input tabs end left of the ammunition-name field across the top.
    const QRect extras = TabInWindow(W().PageControl1, 4, client);
    EXPECT_LT(extras.right(), W().Edit33->Left());
    EXPECT_FALSE(ScrollArrowsShown(W().PageControl1));
    // The graph tabs fit their page control without scroll arrows.
    const QRect clone = TabInWindow(W().PageControl2, 2, client);
    EXPECT_LE(clone.right(), W().PageControl2->Left() + W().PageControl2->Width());
    EXPECT_FALSE(ScrollArrowsShown(W().PageControl2));
}

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
