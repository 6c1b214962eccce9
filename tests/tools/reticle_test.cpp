// The reticle window: distances from an object's size in the reticle, the
// hold-point search with its range messages, the label thresholds, and the
// pictures of the seven reticles.
#include <QImage>

#include "engine/reticles.h"
#include "platform/controls.h"
#include "tool_fixture.h"
#include "tools/Mildot1.h"
#include "tools/ReticlePicture.h"

namespace {

constexpr int MilDotItem = 0, SightronItem = 1;
constexpr ReticleGeometry MilDotMarks{28, 12};

// Vertical marks 6 to 9 met at 1, 200, 300 and 400 m; wind marks 1 to 5 at 2 to 10 m/s.
MilDotTable SampleTable() {
    MilDotTable t;
    const double vertical[] = {1, 200, 300, 400};
    for (int i = 0; i < 4; ++i) t.MilDotVertical[6 + i] = vertical[i];
    for (int j = 1; j <= 5; ++j) t.MilDotHorizontal[j] = 2.0 * j;
    return t;
}

TEST(HoldPointSearch, CrossSitsBetweenTheMarksAndMirrorsWithTheWind) {
    const MilDotTable t = SampleTable();
    struct Row {
        double distance, wind;
        int x, y;
    };
    // 250 m lies halfway between marks 7 (y 208) and 8 (y 236); 3 m/s halfway
    // between wind marks 1 (x 152) and 2 (x 124).
    for (const Row& r : {Row{250, 0, 180, 222}, Row{250, -3, 138, 222}, Row{250, 3, 222, 222},
                         Row{1, 0, 180, 180}, Row{400, 10, 320, 264}}) {
        const HoldPoint hold = FindHoldPoint(t, MilDotMarks, r.distance, r.wind, true);
        EXPECT_TRUE(hold.Outcome == HoldOutcome::Cross && hold.X == r.x && hold.Y == r.y)
            << r.distance << " " << r.wind << ": " << hold.X << ", " << hold.Y;
    }
}

TEST(HoldPointSearch, OutsideTheTableGivesTheRangeMessages) {
    const MilDotTable t = SampleTable();
    using enum HoldOutcome;
    EXPECT_EQ(FindHoldPoint(t, MilDotMarks, 0.5, 0, true).Outcome, DistanceOutOfRange);
    EXPECT_EQ(FindHoldPoint(t, MilDotMarks, 401, 0, true).Outcome, DistanceOutOfRange);
    EXPECT_EQ(FindHoldPoint(MilDotTable{}, MilDotMarks, 250, 0, true).Outcome, DistanceOutOfRange);
    EXPECT_EQ(FindHoldPoint(t, MilDotMarks, 250, -10.5, true).Outcome, WindSpeedOutOfRange);
    // A distance row that is empty (no cross wind) or ends before the distance.
    EXPECT_EQ(FindHoldPoint(t, MilDotMarks, 250, 0, false).Outcome, DistanceOutOfWindRange);
    MilDotTable full = t;
    for (int j = 1; j < MilDotEntries; ++j) full.MilDotHorizontal[j] = j;
    EXPECT_EQ(FindHoldPoint(full, MilDotMarks, 250, 3, true).Outcome, WindSpeedOutOfRange);
    // A distance row ends where it stops rising: 100, 200, 300, then 250.
    for (int j = 1; j <= 4; ++j) full.MilDotHorizontal[j] = j == 4 ? 250 : 100.0 * j;
    EXPECT_EQ(FindHoldPoint(full, MilDotMarks, 350, 2, false).Outcome, DistanceOutOfWindRange);
    const HoldPoint hold = FindHoldPoint(full, MilDotMarks, 250, 2, false);
    EXPECT_EQ(hold.X, 360 - 110);  // halfway between marks 2 (x 124) and 3 (x 96)
}

QImage Drawn(int item, const MilDotTable& table) {
    TPicture picture;
    picture.SetSize(360, 385);
    DrawReticle(*picture.Canvas(), item, table);
    return picture.Image();
}

TEST(ReticleDrawing, EachReticleDrawsItsOwnPicture) {
    QImage pictures[ReticleCount + 1];
    for (int item = -1; item < ReticleCount; ++item) pictures[item + 1] = Drawn(item, {});
    for (int a = 0; a <= ReticleCount; ++a)
        for (int b = a + 1; b <= ReticleCount; ++b)
            EXPECT_NE(pictures[a], pictures[b]) << a - 1 << " " << b - 1;
}

TEST(ReticleDrawing, LabelsOnlyDistancesAboveOneAndWindsOtherThanZero) {
    for (int item = 0; item < ReticleCount; ++item) {
        MilDotTable t;
        const QImage empty = Drawn(item, t);
        t.MilDotVertical[5] = 1;
        EXPECT_EQ(Drawn(item, t), empty) << item;
        t.MilDotVertical[5] = 2;
        EXPECT_NE(Drawn(item, t), empty) << item;
        t = {};
        t.MilDotHorizontal[4] = -3;  // a mark every reticle labels
        EXPECT_NE(Drawn(item, t), empty) << item;
    }
}

class ReticleWindow : public ToolWindowTest {
  protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        window_ = std::make_unique<Tmildot>();
    }
    Tmildot& M() { return *window_; }
    std::string ComputeDistance() {
        return Run([this] { M().Button3Click(nullptr); });
    }
    TColor At(int x, int y) { return M().Image1->Picture()->Pixel(x, y); }
    bool RedInRows(int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 360; ++x)
                if (At(x, y) == clRed) return true;
        return false;
    }

    std::unique_ptr<Tmildot> window_;
};

TEST_F(ReticleWindow, ObjectDistanceFromItsSizeInMarks) {
    struct Row {
        int item;
        const char *defaultZoom, *actualZoom, *distance;
    };
    M().Edit1->SetText("0.1");
    M().Edit2->SetText("1");
    for (const Row& r : {Row{MilDotItem, "24", "24", "100"}, Row{MilDotItem, "24", "12", "50"},
                         Row{SightronItem, "24", "24", "172"}}) {
        Calc().ComboBox7->SetItemIndex(r.item);
        Calc().Edit42->SetText(r.defaultZoom);
        Calc().Edit43->SetText(r.actualZoom);
        M().Label3->SetCaption("");
        EXPECT_EQ(ComputeDistance(), "");
        EXPECT_EQ(M().Label3->Caption(), r.distance) << r.item << " " << r.actualZoom;
    }
}

TEST_F(ReticleWindow, ObjectDistanceRefusesZoomsFirstThenMarks) {
    Calc().ComboBox7->SetItemIndex(MilDotItem);
    M().Edit2->SetText("0");
    Calc().Edit43->SetText("0");
    EXPECT_EQ(ComputeDistance(), "Zoom less than or equal to zero.");
    Calc().Edit43->SetText("24");
    EXPECT_EQ(ComputeDistance(), "Number of Marks less than or equal to zero.");
    EXPECT_EQ(M().Label3->Caption(), "100");
}

TEST_F(ReticleWindow, CrossOrItsMessageOnlyWithAReticle) {
    Engine().MilDot = SampleTable();
    Calc().CheckBox13->SetChecked(true);
    Calc().RadioGroup8->SetItemIndex(1);  // "Cross Wind"
    Calc().Edit64->SetText("250");
    Calc().ComboBox7->SetItemIndex(MilDotItem);
    mildot = window_.get();
    ShowReticleWindow();
    mildot = nullptr;
    EXPECT_EQ(At(180, 232), clRed);  // the cross at (180, 222)
    EXPECT_EQ(At(190, 222), clRed);
    EXPECT_EQ(At(180, 100), clBlack);

    Calc().Edit64->SetText("500");
    M().DrawPicture();
    EXPECT_TRUE(RedInRows(115, 130));  // "Distance out of calculated Range"
    EXPECT_NE(At(180, 232), clRed);

    Calc().ComboBox7->SetText("typed");
    M().DrawPicture();
    EXPECT_FALSE(RedInRows(115, 385));
    EXPECT_EQ(At(180, 100), clWhite);  // no reticle
    EXPECT_EQ(At(6, 180), clBlack);    // the ring
}

}  // namespace

TEST_F(ReticleWindow, PrintPrintsOneLandscapePage) {
    M().Button1Click(nullptr);
    ASSERT_EQ(services_.printedPages.size(), 1u);
    EXPECT_GT(services_.printedPages[0].first, services_.printedPages[0].second);
}
