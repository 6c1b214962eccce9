// The calculator window's tool commands: "Add to List", "Graph to .bmp",
// printing and the windows it shows.
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cmath>
#include <filesystem>

#include "platform/safefile.h"
#include "platform/sysutils.h"
#include "tests/ui/calculator_fixture.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Grafodporu1.h"
#include "ui/tools/Koeficienty1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Oprogramu1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Tabulka1.h"
#include "ui/tools/Teplotaprachu1.h"

namespace {

class ToolCommands : public CalculatorHandlers {
  protected:
    void SetUp() override {
        CalculatorHandlers::SetUp();
        vstup = window_.get();
        list_ = std::make_unique<Ttabulka>();
        tabulka = list_.get();
        tabulka->Button1Click(nullptr);  // "Clear All Table"
        W().Edit4->SetText("850");
        W().Edit22->SetText("0");
        W().Edit33->SetText("Match");
    }
    void TearDown() override {
        tabulka = nullptr;
        list_.reset();
        vstup = nullptr;
        CalculatorHandlers::TearDown();
    }
    int Rows() const { return list_->StringGrid1->RowCount() - 1; }
    // The row's seven cells joined by "|".
    std::string ListRow(int r) const {
        std::string cells = list_->StringGrid1->Cell(1, r);
        for (int c = 2; c <= 7; ++c) cells += "|" + list_->StringGrid1->Cell(c, r);
        return cells;
    }
    // A command shows its tool window, installed in its global as the program
    // creates it, without blocking.
    template <class T, class C>
    void ExpectShows(C* command, T*& global) {
        T window;
        global = &window;
        EXPECT_EQ(Run([&] { command->Click(); }), "");
        EXPECT_TRUE(window.Visible() && !window.Window()->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        global = nullptr;
    }
    std::unique_ptr<Ttabulka> list_;
};

TEST_F(ToolCommands, AddToListFillsRowOneAfterClearingThenAppends) {
    W().Button1->Click();  // "List of Ammo" enables "Add to List"
    ASSERT_TRUE(W().Button7->Enabled());
    W().Button7->Click();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(ListRow(1), "7.85|0.462|G1|10.89|850|60|Match");
    EXPECT_EQ(Handle(&Tvstup::Button7Click), "");
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Engine().Input.MuzzleVelocity, 0);  // the records keep the last computation's

    W().RadioGroup5->SetItemIndex(0);  // "Form Factor "
    EXPECT_EQ(Handle(&Tvstup::Button7Click), "List works only with Ballistic Coefficient.");
    EXPECT_EQ(Rows(), 2);
}

TEST_F(ToolCommands, VariableModeAddsTheTickedBandsOnly) {
    W().RadioGroup5->SetItemIndex(2);
    W().RadioGroup5Click(nullptr);
    W().CheckBox6->SetChecked(false);
    W().CheckBox7->SetChecked(true);
    W().CheckBox9->SetChecked(false);
    W().Edit36->SetText("0.5");
    W().Edit31->SetText("700");
    W().Edit34->SetText("500");
    EXPECT_EQ(Handle(&Tvstup::Button7Click), "");
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(ListRow(1), "7.85|0.5|G1|10.89|850|60|Match");
    EXPECT_EQ(ListRow(2), "7.85|0.447|vari.|10.89|700|60| Variable Ballistic Coefficient");
    EXPECT_EQ(ListRow(3), "7.85|0.405|vari.|10.89|500|60| Variable Ballistic Coefficient");
}

// Before any computation the bullet's mass is still 0: the correction needs
// none, and leaves the engine records as they were.
TEST_F(ToolCommands, ChronographCorrectionWorksOnCopies) {
    for (const int mode : {1, 2}) {
        tabulka->Button1Click(nullptr);
        W().RadioGroup5->SetItemIndex(mode);
        W().Edit22->SetText("10");
        const InputParameters before = Engine().Input;
        const double band1 = Engine().SteppedBc.Bands[0].Coefficient;
        EXPECT_EQ(Handle(&Tvstup::Button7Click), "");
        const double listed = StrToFloat(list_->StringGrid1->Cell(5, 1));
        EXPECT_GT(listed, 850);
        EXPECT_EQ(listed, std::round(listed));
        const InputParameters& a = Engine().Input;
        EXPECT_EQ(std::tie(a.MuzzleVelocity, a.BallisticCoefficient, a.FormFactor, a.BulletMass),
                  std::tie(before.MuzzleVelocity, before.BallisticCoefficient, before.FormFactor,
                           before.BulletMass));
        EXPECT_EQ(Engine().SteppedBc.Bands[0].Coefficient, band1);
    }
    // A refused correction adds no row.
    const int rows = Rows();
    W().Edit22->SetText("-1");
    EXPECT_EQ(Handle(&Tvstup::Button7Click), "Distance of Chronograph less than or equal to zero.");
    EXPECT_EQ(Rows(), rows);
}

TEST_F(ToolCommands, GraphToBmpWritesThePictureOrNothing) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("tools_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "graph.bmp";
    services_.AnswerFileDialog(std::nullopt);
    EXPECT_EQ(Handle(&Tvstup::Button9Click), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    services_.AnswerFileDialog(path.string());
    EXPECT_EQ(Handle(&Tvstup::Button9Click), "");
    const QImage written(QString::fromStdString(path.string()));
    EXPECT_EQ(written.width(), W().Graf0->Picture()->Width());
    EXPECT_EQ(written.height(), W().Graf0->Picture()->Height());
    EXPECT_GT(written.width(), 0);

    services_.AnswerFileDialog((folder / "missing" / "graph.bmp").string());
    Handle(&Tvstup::Button9Click);
    EXPECT_EQ(services_.messages, std::vector<std::string>{FileWriteFailedMessage});
    std::filesystem::remove_all(folder);
}

TEST_F(ToolCommands, PrintCommandsPrintOnePageEach) {
    W().Memo1->Lines().Add("line");
    W().Button17Click(nullptr);
    W().Button18Click(nullptr);
    ASSERT_EQ(services_.printedPages.size(), 2u);
    EXPECT_GT(services_.printedPages[1].first, services_.printedPages[1].second);  // landscape
}

TEST_F(ToolCommands, EachCommandShowsItsWindowWithoutBlocking) {
    ExpectShows(W().Pevodyjednotek1, prevody);
    ExpectShows(W().Pevodykoeficient1, koeficienty);
    ExpectShows(W().Nadmoskvka1, nmv);
    ExpectShows(W().Teplotaprachu1, teplotaprachu);
    ExpectShows(W().Energie1, energie);
    ExpectShows(W().Oprogramu1, oprogramu);
    ExpectShows(W().Button16, grafodporu);
    ExpectShows(W().Button1, tabulka);
    // The calculator window still takes its commands.
    W().Button2->Click();
    EXPECT_EQ(W().Memo1->Lines().Count(), 0);
}

}  // namespace
