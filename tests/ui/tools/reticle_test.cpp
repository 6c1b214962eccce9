// The reticle window: distances from an object's size in marks, the hold-point
// search with its range messages, the label thresholds and the seven pictures.
#include <QImage>
#include <tuple>

#include "engine/reticles.h"
#include "platform/controls.h"
#include "tests/ui/tools/tool_fixture.h"
#include "ui/tools/Mildot1.h"
#include "ui/tools/ReticlePicture.h"

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
    // 250 m lies halfway between marks 7 (y 208) and 8 (y 236); 3 m/s halfway
    // between wind marks 1 (x 152) and 2 (x 124).
    const std::tuple<double, double, int, int> rows[] = {
        {250, 0, 180, 222}, {250, -3, 138, 222}, {250, 3, 222, 222},
        {1, 0, 180, 180},   {400, 10, 320, 264},
    };
    for (auto [distance, wind, x, y] : rows) {
        const HoldPoint hold = FindHoldPoint(SampleTable(), MilDotMarks, distance, wind, true);
        EXPECT_TRUE(hold.Outcome == HoldOutcome::Cross && hold.X == x && hold.Y == y)
            << distance << " " << wind << ": " << hold.X << ", " << hold.Y;
    }
}

TEST(HoldPointSearch, OutsideTheTableGivesTheRangeMessages) {
    using enum HoldOutcome;
    const auto outcome = [](const MilDotTable& t, double distance, double wind, bool cross) {
        return FindHoldPoint(t, MilDotMarks, distance, wind, cross).Outcome;
    };
    MilDotTable t = SampleTable();
    EXPECT_EQ(outcome(t, 0.5, 0, true), DistanceOutOfRange);
    EXPECT_EQ(outcome(t, 401, 0, true), DistanceOutOfRange);
    EXPECT_EQ(outcome({}, 250, 0, true), DistanceOutOfRange);
    EXPECT_EQ(outcome(t, 250, -10.5, true), WindSpeedOutOfRange);
    // A distance row that is empty (no cross wind) or ends before the distance.
    EXPECT_EQ(outcome(t, 250, 0, false), DistanceOutOfWindRange);
    for (int j = 1; j < MilDotEntries; ++j) t.MilDotHorizontal[j] = j;
    EXPECT_EQ(outcome(t, 250, 3, true), WindSpeedOutOfRange);
    // A distance row ends where it stops rising: 100, 200, 300, then 250.
    for (int j = 1; j <= 4; ++j) t.MilDotHorizontal[j] = j == 4 ? 250 : 100.0 * j;
    EXPECT_EQ(outcome(t, 350, 2, false), DistanceOutOfWindRange);
    // Halfway between marks 2 (x 124) and 3 (x 96).
    EXPECT_EQ(FindHoldPoint(t, MilDotMarks, 250, 2, false).X, 360 - 110);
}

QImage Drawn(int item, const MilDotTable& table) {
    TPicture picture;
    picture.SetSize(360, 385);
    DrawReticle(*picture.Canvas(), item, table);
    return picture.Image();
}

TEST(ReticleDrawing, OwnPictureEachLabellingDistancesAboveOneAndWindsNotZero) {
    QImage empty[ReticleCount + 1];
    for (int item = -1; item < ReticleCount; ++item) empty[item + 1] = Drawn(item, {});
    for (int a = 0; a <= ReticleCount; ++a)
        for (int b = a + 1; b <= ReticleCount; ++b)
            EXPECT_NE(empty[a], empty[b]) << a - 1 << " " << b - 1;
    for (int item = 0; item < ReticleCount; ++item) {
        MilDotTable t;
        t.MilDotVertical[5] = 1;
        EXPECT_EQ(Drawn(item, t), empty[item + 1]) << item;
        t.MilDotVertical[5] = 2;
        EXPECT_NE(Drawn(item, t), empty[item + 1]) << item;
        t = {};
        t.MilDotHorizontal[4] = -3;  // a mark every reticle labels
        EXPECT_NE(Drawn(item, t), empty[item + 1]) << item;
    }
}

class ReticleWindow : public ToolWindowTest<Tmildot> {
  protected:
    std::string ComputeDistance() {
        return Run([this] { T().Button3Click(nullptr); });
    }
    TColor At(int x, int y) { return T().Image1->Picture()->Pixel(x, y); }
    bool RedInRows(int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 360; ++x)
                if (At(x, y) == clRed) return true;
        return false;
    }
};

TEST_F(ReticleWindow, ObjectDistanceFromItsSizeInMarksRefusingZoomsFirst) {
    T().Edit1->SetText("0.1");
    T().Edit2->SetText("1");
    W().Edit42->SetText("24");
    const std::tuple<int, const char*, const char*> rows[] = {
        {MilDotItem, "24", "100"}, {MilDotItem, "12", "50"}, {SightronItem, "24", "172"}};
    for (auto [item, zoom, distance] : rows) {
        W().ComboBox7->SetItemIndex(item);
        W().Edit43->SetText(zoom);
        T().Label3->SetCaption("");
        EXPECT_EQ(ComputeDistance(), "");
        EXPECT_EQ(T().Label3->Caption(), distance) << item << " " << zoom;
    }
    T().Edit2->SetText("0");
    W().Edit43->SetText("0");
    EXPECT_EQ(ComputeDistance(), "Zoom less than or equal to zero.");
    W().Edit43->SetText("24");
    EXPECT_EQ(ComputeDistance(), "Number of Marks less than or equal to zero.");
    EXPECT_EQ(T().Label3->Caption(), "172");
}

TEST_F(ReticleWindow, CrossOrItsMessageOnlyWithAReticleAndPrintsOnePage) {
    Engine().MilDot = SampleTable();
    W().CheckBox13->SetChecked(true);
    W().RadioGroup8->SetItemIndex(1);  // "Cross Wind"
    W().Edit64->SetText("250");
    W().ComboBox7->SetItemIndex(MilDotItem);
    mildot = tool_.get();
    ShowReticleWindow();
    mildot = nullptr;
    EXPECT_EQ(At(180, 232), clRed);  // the cross at (180, 222)
    EXPECT_EQ(At(190, 222), clRed);
    EXPECT_EQ(At(180, 100), clBlack);

    W().Edit64->SetText("500");
    T().DrawPicture();
    EXPECT_TRUE(RedInRows(115, 130));  // "Distance out of calculated Range"
    EXPECT_NE(At(180, 232), clRed);

    W().ComboBox7->SetText("typed");
    T().DrawPicture();
    EXPECT_FALSE(RedInRows(115, 385));
    EXPECT_EQ(At(180, 100), clWhite);  // no reticle
    EXPECT_EQ(At(6, 180), clBlack);    // the ring

    T().Button1Click(nullptr);  // one landscape page
    ASSERT_EQ(services_.printedPages.size(), 1u);
    EXPECT_GT(services_.printedPages[0].first, services_.printedPages[0].second);
}

}  // namespace
