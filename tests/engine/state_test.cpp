#include "engine/state.h"

#include <gtest/gtest.h>

TEST(EngineState, StartValues) {
    ResetEngineState();
    const EngineState& e = Engine();
    EXPECT_EQ(e.Settings.RangeStep, 25.0);
    EXPECT_EQ(e.Settings.ClickValue, 1.0 / 240.0);
    EXPECT_EQ(e.Settings.IntegrationStep, 0.0);
    EXPECT_EQ(e.Settings.ComputationMode, 0);
    EXPECT_EQ(e.Traj.TrajHeight[MaxSteps - 1], 0.0);
    EXPECT_EQ(e.InterpolationSlope, 0.0);
    EXPECT_TRUE(e.DragFileName.empty());
}

TEST(EngineState, ResetPutsBackStartValues) {
    Engine().Settings.RangeStep = 100;
    Engine().Traj.TrajRange[123] = 5;
    Engine().DragFileName = "x.drg";
    Engine().Traj.WrittenEnd = 124;
    ResetEngineState();
    // At the program's start no run has written the arrays.
    EXPECT_EQ(Engine().Traj.WrittenEnd, 0);
    EXPECT_EQ(Engine().Settings.RangeStep, 25.0);
    EXPECT_EQ(Engine().Traj.TrajRange[123], 0.0);
    EXPECT_TRUE(Engine().DragFileName.empty());
}

TEST(EngineState, ScopedInputRestoresInputAndBandsOnAbort) {
    ResetEngineState();
    Engine().Input.MuzzleVelocity = 800;
    Engine().SteppedBc.Bands[2].Coefficient = 0.3;
    try {
        ScopedEngineInput keep;
        Engine().Input.MuzzleVelocity = 811;
        Engine().SteppedBc.Bands[2].Coefficient = 0.1;
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(Engine().Input.MuzzleVelocity, 800);
    EXPECT_EQ(Engine().SteppedBc.Bands[2].Coefficient, 0.3);
}
