// The drag-coefficient graph window: the curve in each coefficient mode, the
// refusals, the engine's records left as they were, clones across
// activations, the bitmap export and the print.
#include <QImage>
#include <QTemporaryDir>
#include <cstring>

#include "platform/safefile.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Grafodporu1.h"

namespace {

constexpr int Slot = 0;
constexpr int Current = 0, CloneI = 1, CloneII = 2, CloneIII = 3;
// The curve is the drag table times a factor: a few ulps of the product.
constexpr double Product = 1e-12;

class DragGraph : public ToolWindowTest<Tgrafodporu> {
  protected:
    void SetUp() override {
        std::fill(&DragGraphState.CurveVisible[0][0],
                  &DragGraphState.CurveVisible[0][0] + GraphSlotCount * GraphCurveCount, 0);
        ToolWindowTest::SetUp();
    }
    std::string Activate() {
        return Run([this] { T().FormActivate(tool_.get()); });
    }
    void Mode(int item, const std::string& edit1) {
        W().RadioGroup5->SetItemIndex(item);
        W().Edit1->SetText(edit1);
    }
    bool Shown(int curve) const { return DragGraphState.CurveVisible[Slot][curve] == 1; }
    double CurveY(int curve, int point) const {
        return DragGraphState.GraphPoints[Slot][curve][1][point];
    }
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

TEST_F(DragGraph, CoefficientsScaleTheTableByTheBullet) {
    Mode(1, "0.462");
    W().Edit2->SetText("10.89");
    W().Edit3->SetText("7.62");
    ASSERT_EQ(Activate(), "");
    const double factor = 0.001422341 * 0.01089 / (0.462 * 0.00762 * 0.00762);
    EXPECT_NEAR(factor, 0.5774, 5e-5);
    for (int v : {0, 300, 340, 900, 1700})
        EXPECT_NEAR(DragGraphValues[v], factor * Engine().ActiveDragTable[v], Product) << v;

    // A variable coefficient steps at the ticked bands only. The default bands:
    // 0.462, 0.447 below 793, 0.424 below 640, 0.405 below 488 m/s.
    Mode(2, "0.462");
    W().Edit3->SetText("7.85");
    W().CheckBox6->SetChecked(false);
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
    W().Edit2->SetText("0");
    EXPECT_EQ(Activate(), "Bullet Weight less than or equal to zero.");
    W().Edit2->SetText("10");
    W().Edit3->SetText("-1");
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
    T().Button1Click(nullptr);
    W().Edit1->SetText("2");
    ASSERT_EQ(Activate(), "");
    T().Button3Click(nullptr);
    EXPECT_TRUE(Shown(CloneI) && Shown(CloneIII) && !Shown(CloneII));
    EXPECT_EQ(CurveY(CloneI, 300), Engine().ActiveDragTable[600]);
    EXPECT_EQ(CurveY(CloneIII, 300), 2 * Engine().ActiveDragTable[600]);
    EXPECT_EQ(CurveY(Current, 300), 2 * Engine().ActiveDragTable[600]);
    T().Button4Click(nullptr);
    EXPECT_TRUE(Shown(Current));
    EXPECT_FALSE(Shown(CloneI) || Shown(CloneII) || Shown(CloneIII));
}

TEST_F(DragGraph, SavesOrPrintsThePictureOrSaysItCouldNotSave) {
    Mode(0, "1");
    ASSERT_EQ(Activate(), "");
    QTemporaryDir dir;
    const std::string path = dir.filePath("Drag.bmp").toStdString();
    services_.AnswerFileDialog(path);
    EXPECT_EQ(Run([this] { T().Button6Click(nullptr); }), "");
    EXPECT_EQ(services_.fileRequests.back().fileName, "Drag.bmp");
    EXPECT_EQ(QImage(QString::fromStdString(path), "BMP").size(), QSize(658, 353));
    services_.AnswerFileDialog(dir.filePath("missing/Drag.bmp").toStdString());
    Run([this] { T().Button6Click(nullptr); });  // says so without ending the event
    EXPECT_EQ(services_.messages, std::vector<std::string>{FileWriteFailedMessage});

    T().Button5Click(nullptr);  // one landscape page
    ASSERT_EQ(services_.printedPages.size(), 1u);
    EXPECT_GT(services_.printedPages[0].first, services_.printedPages[0].second);
}

}  // namespace
