// The drag-coefficient graph window over a real calculator window: the curve
// in each coefficient mode, the refusals, the engine's records left as they
// were, clones across activations and the bitmap export.
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/safefile.h"
#include "tool_fixture.h"
#include "tools/Grafodporu1.h"
#include "ui/plot.h"

namespace {

constexpr int Slot = 0;
constexpr int Current = 0, CloneI = 1, CloneII = 2, CloneIII = 3;
// The curve is the drag table times a factor: a few ulps of the product.
constexpr double Product = 1e-12;

class DragGraph : public ToolWindowTest {
  protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        std::fill(&DragGraphState.CurveVisible[0][0],
                  &DragGraphState.CurveVisible[0][0] + GraphSlotCount * GraphCurveCount, 0);
        window_ = std::make_unique<Tgrafodporu>();
    }
    Tgrafodporu& G() { return *window_; }
    std::string Activate() {
        return Run([this] { G().FormActivate(window_.get()); });
    }
    void Mode(int item, const std::string& edit1) {
        Calc().RadioGroup5->SetItemIndex(item);
        Calc().Edit1->SetText(edit1);
    }
    bool Shown(int curve) const { return DragGraphState.CurveVisible[Slot][curve] == 1; }
    double CurveY(int curve, int point) const {
        return DragGraphState.GraphPoints[Slot][curve][1][point];
    }

    std::unique_ptr<Tgrafodporu> window_;
};

TEST_F(DragGraph, FormFactorOneWithG1IsTheG1Table) {
    Mode(0, "1");
    ASSERT_EQ(Activate(), "");
    const double* g1 = Engine().ActiveDragTable;
    for (int v = 0; v <= 1700; ++v)
        ASSERT_TRUE(DragGraphVelocity[v] == v && DragGraphValues[v] == g1[v]) << v;
    // Every second velocity goes to the graph: 851 points, the last at 1700 m/s.
    EXPECT_TRUE(Shown(Current));
    EXPECT_EQ(GraphCurveLength(DragGraphState, Slot, Current), 851);
    EXPECT_EQ(DragGraphState.GraphPoints[Slot][Current][0][850], 1700);
    EXPECT_EQ(CurveY(Current, 100), g1[200]);
}

TEST_F(DragGraph, BallisticCoefficientScalesTheTableByTheBullet) {
    Mode(1, "0.462");
    Calc().Edit2->SetText("10.89");
    Calc().Edit3->SetText("7.62");
    ASSERT_EQ(Activate(), "");
    const double factor = 0.001422341 * 0.01089 / (0.462 * 0.00762 * 0.00762);
    EXPECT_NEAR(factor, 0.5774, 5e-5);
    for (int v : {0, 300, 340, 900, 1700})
        EXPECT_NEAR(DragGraphValues[v], factor * Engine().ActiveDragTable[v], Product) << v;
}

TEST_F(DragGraph, VariableCoefficientStepsAtTheTickedBandsOnly) {
    // The default bands: 0.462, 0.447 below 793, 0.424 below 640, 0.405 below 488 m/s.
    Mode(2, "0.462");
    Calc().CheckBox6->SetChecked(false);
    ASSERT_EQ(Activate(), "");
    const double bullet = 0.01089 / 0.00785 / 0.00785 * 0.001422341;
    for (auto [v, bc] : {std::pair{1700, 0.462}, {792, 0.447}, {600, 0.447}, {487, 0.405}})
        EXPECT_NEAR(DragGraphValues[v], bullet / bc * Engine().ActiveDragTable[v], Product) << v;
}

TEST_F(DragGraph, BulletCheckedWhereItCountsAndEngineRecordsKept) {
    EngineState& e = Engine();
    e.Input.FormFactor = 0.9;
    const InputParameters input = e.Input;
    const SteppedBallisticCoefficient bands = e.SteppedBc;
    const auto unchanged = [&] {
        return std::memcmp(&input, &e.Input, sizeof input) == 0 &&
               std::memcmp(&bands, &e.SteppedBc, sizeof bands) == 0;
    };
    for (int mode : {2, 0, 1}) {
        Mode(mode, "0.5");
        EXPECT_EQ(Activate(), "") << mode;
        EXPECT_TRUE(unchanged()) << mode;
    }
    const double before = CurveY(Current, 400);
    Calc().Edit2->SetText("0");
    EXPECT_EQ(Activate(), "Bullet Weight less than or equal to zero.");
    Calc().Edit2->SetText("10");
    Calc().Edit3->SetText("-1");
    Mode(2, "0.5");
    EXPECT_EQ(Activate(), "Bullet Diameter less than or equal to zero.");
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(CurveY(Current, 400), before);  // the graph keeps its curve

    Mode(0, "1");
    EXPECT_EQ(Activate(), "");  // a form factor needs no bullet
    EXPECT_EQ(DragGraphValues[800], Engine().ActiveDragTable[800]);
}

TEST_F(DragGraph, ClonesOutliveActivationsUntilCleared) {
    Mode(0, "1");
    ASSERT_EQ(Activate(), "");
    G().Button1Click(nullptr);
    Calc().Edit1->SetText("2");
    ASSERT_EQ(Activate(), "");
    G().Button3Click(nullptr);
    EXPECT_TRUE(Shown(CloneI) && Shown(CloneIII) && !Shown(CloneII));
    EXPECT_EQ(CurveY(CloneI, 300), Engine().ActiveDragTable[600]);
    EXPECT_EQ(CurveY(CloneIII, 300), 2 * Engine().ActiveDragTable[600]);
    EXPECT_EQ(CurveY(Current, 300), 2 * Engine().ActiveDragTable[600]);
    G().Button4Click(nullptr);
    EXPECT_TRUE(Shown(Current));
    EXPECT_FALSE(Shown(CloneI) || Shown(CloneII) || Shown(CloneIII));
}

TEST_F(DragGraph, SavesThePictureOrSaysItCouldNot) {
    Mode(0, "1");
    ASSERT_EQ(Activate(), "");
    QTemporaryDir dir;
    const std::string path = dir.filePath("Drag.bmp").toStdString();
    services_.AnswerFileDialog(path);
    EXPECT_EQ(Run([this] { G().Button6Click(nullptr); }), "");
    EXPECT_EQ(services_.fileRequests.back().fileName, "Drag.bmp");
    EXPECT_EQ(QImage(QString::fromStdString(path), "BMP").size(), QSize(658, 353));

    services_.AnswerFileDialog(dir.filePath("missing/Drag.bmp").toStdString());
    EXPECT_EQ(Run([this] { G().Button6Click(nullptr); }), FileWriteFailedMessage);
}

}  // namespace

// Both hidden print commands of the tool windows print their picture on one
// landscape page.
TEST_F(DragGraph, PrintGraphPrintsOneLandscapePage) {
    ASSERT_EQ(Activate(), "");
    G().Button5Click(nullptr);
    ASSERT_EQ(services_.printedPages.size(), 1u);
    EXPECT_GT(services_.printedPages[0].first, services_.printedPages[0].second);
}
