// The engine's process-wide records: the SI input set, the computation
// settings, the result arrays of the last integration run, the spin and
// Coriolis parameters, the spin-drift tables, the drag tables and the scratch
// values through which the calculator window's searches talk to the
// integrator. Nothing is allocated per run; every run overwrites what the
// previous one left. There is exactly one instance, reached through Engine().
#pragma once

#include <string>

constexpr int MaxSteps = 30000;          // points of the trajectory arrays
constexpr int MaxDragSpeed = 1700;       // m/s, top of every drag function
constexpr int DragTableSize = 1710;      // entries of the per-m/s tables
constexpr int DragTableRows = 12;        // row 0 (file) and the eleven built-in functions
constexpr int DragTableSlots = 210;      // slots per row: velocities, then coefficients
constexpr double SpeedOfSound = 340.29;  // m/s, turns Mach numbers into speeds
constexpr int MilDotEntries = 40;        // entries of each reticle result row

// Shot and atmosphere inputs in SI units, refilled from the calculator window
// at the start of every computing action.
struct InputParameters {
    double BallisticCoefficient = 0;  // lb/in²
    double FormFactor = 0;            // dimensionless; 0 in the variable mode
    double BulletDiameter = 0;        // m
    double BulletMass = 0;            // kg
    double MuzzleVelocity = 0;        // m/s
    double DepartureAngle = 0;        // degrees above the horizontal
    double SightHeight = 0;           // m, line of sight above the bore
    double ZeroRange = 0;             // m
    double Gravity = 0;               // m/s²
    double LongitudinalWind = 0;      // m/s, positive blowing in the shot direction
    double CrossWind = 0;             // m/s, positive towards the shooter's right
    double VerticalWind = 0;          // m/s, positive upward
    double AirPressure = 0;           // Pa
    double AirHumidity = 0;           // %
    double AirTemperature = 0;        // K
};

// Ballistic coefficient (lb/in²) and form factor convert into each other
// through the bullet: coefficient = DragStrengthFactor × mass (kg) /
// (diameter² (m²) × form factor); 1 lb/in² is 703.07 kg/m².
constexpr double DragStrengthFactor = 0.001422341;

struct BcBand {
    double Coefficient = 0;  // lb/in²
    double Velocity = 0;     // m/s, the band applies below this speed
};

// Ballistic coefficient that steps down with velocity, bands 1 to 5 at 0 to 4.
// The set-up also records how it read the drag strength, so that what is
// saved describes the computation and not the controls as they stand later.
struct SteppedBallisticCoefficient {
    BcBand Bands[5];
    int CoefficientMode = -1;  // coefficient-mode item of the last set-up; -1 none
    bool BandInUse[5] = {};    // the bands that set-up read (variable mode only)
};

// Cross wind given at up to five ranges.
inline constexpr int MaxCrossWindSites = 5;
struct VariableCrossWind {
    double CrossWindPositions[MaxCrossWindSites] = {};  // m
    double CrossWindSpeeds[MaxCrossWindSites] = {};     // m/s
};

// How many sites of the variable cross wind are in use, counted from the
// first: item k of "Count of Sites:" stands for k + 2 sites. Typed-over text
// selects no item and counts as the fewest, two.
int CrossWindSitesInUse(int sitesItem);

struct ComputationSettings {
    // 0 idle, 1 trajectory table, 2 zeroing run, 3 apex search for MRD/GEE,
    // 4 ballistic coefficient from a velocity, 5 coefficient and angle from two points.
    int ComputationMode = 0;
    double IntegrationStep = 0;       // s
    double RangeStep = 25.0;          // m between table rows
    double ClickValue = 1.0 / 240.0;  // degrees per sight click: a quarter MOA
    double ComputationRangeX = 0;     // m range limit; 1e6 means none
    double ComputationRangeY = 0;     // m lower height limit; 1e6 means none
};

// Result arrays of the last run, one entry per stored integration point,
// point 0 at the muzzle; valid entries are 0 to LastPointIndex.
struct TrajectoryArrays {
    double TrajTime[MaxSteps] = {};             // s
    double TrajRange[MaxSteps] = {};            // m
    double TrajHeight[MaxSteps] = {};           // m during a run, cm after it
    double TrajWindage[MaxSteps] = {};          // m during a run, cm after a table run
    double TrajVelocityX[MaxSteps] = {};        // m/s
    double TrajVelocityY[MaxSteps] = {};        // m/s
    double TrajVelocityZ[MaxSteps] = {};        // m/s
    double TrajCrossWind[MaxSteps] = {};        // m/s
    double TrajInclination[MaxSteps] = {};      // degrees
    double TrajSpecificEnergy[MaxSteps] = {};   // J/cm²
    double TrajDerivedSeries[MaxSteps] = {};    // series computed for the graph
    double TrajDragCoefficient[MaxSteps] = {};  // dimensionless
    int LastPointIndex = 0;
    // Every array but the derived series holds 0 from this point on, so a
    // clear need go no further. The arrays start as zeros, so nothing counts
    // as written; runs raise the mark over what they write.
    int WrittenEnd = 0;
};

// Sets the arrays of the last run to 0 as far as runs have written them (the
// arrays are some megabytes, a run a few pages) and marks them unwritten. The
// graph's derived series is the graph's own and is left as it is. The input set-up clears the
// arrays before every action; the table run after a zeroing clears what the zeroing runs wrote.
void ClearTrajectoryArrays(TrajectoryArrays& t);

struct SpinAndCoriolisParameters {
    double Latitude = 0;                   // rad
    double ShotAzimuth = 0;                // rad, from north
    double EarthRotationRate = 0;          // rad/s; 7.292e-5 with Coriolis on
    double BarrelTwist = 0;                // m per turn
    double BulletLength = 0;               // m
    double AxialMomentOfInertia = 0;       // kg·m²
    double TransverseMomentOfInertia = 0;  // kg·m²
    double InitialSpinRate = 0;            // rad/s
    double SpinRate = 0;                   // rad/s at the current evaluation
    double CurrentLiftCoefficient = 0;
    double CurrentMomentCoefficient = 0;
};

// Per-m/s aerodynamic coefficients of the spin-drift model, entries 0..1700.
struct SpinDriftTables {
    double LiftCoefficientTable[DragTableSize] = {};
    double OverturningMomentTable[DragTableSize] = {};
};

// Computation mode 5: two measured trajectory heights.
struct TrajectoryFit {
    double FitDistance1 = 0;        // m; 1e6 once the first height is recorded
    double FitDistance2 = 0;        // m
    double FitComputedHeight1 = 0;  // m relative to the line of sight
    double FitComputedHeight2 = 0;  // m
    double FitMeasuredHeight1 = 0;  // m
    double FitMeasuredHeight2 = 0;  // m
};

// Computation mode 3: departure angle for a given maximum height.
struct MrdGeeSearch {
    double ApexHeight = 0;        // m above the line of sight
    double ApexHeightTarget = 0;  // m
    double GeeDistance = 0;       // m where the path comes back to the line of sight
};

// Uphill/downhill table: the target relative to the muzzle.
struct SlopeShot {
    double SlopeTargetHeight = 0;    // m; non-zero selects the up/downhill files
    double SlopeTargetDistance = 0;  // m
};

// Results of the reticle computation, drawn by the reticle window. Both rows
// are used from entry 1; entry 0 and entries past the reticle's marks stay 0.
struct MilDotTable {
    // Entry k: where the trajectory meets vertical mark k counted from the
    // top (m, whole metres); 0 where it never does.
    double MilDotVertical[MilDotEntries] = {};
    // Entry j: horizontal mark j left of the centre, either the distance (m)
    // at which the cross wind has drifted the bullet by j marks or the cross
    // wind (m/s) that drifts it by j marks at the shooting distance.
    double MilDotHorizontal[MilDotEntries] = {};
};

// The shot of the last run that completed, recorded as it ends: what its
// result arrays were computed with. The input set-up of a later action
// rewrites InputParameters before its checks, so a failed action must not
// change what the graph derives from the arrays.
struct CompletedRun {
    double BulletMass = 0;      // kg
    double SightHeight = 0;     // m
    double DepartureAngle = 0;  // degrees
    double ZeroRange = 0;       // m
};

struct EngineState {
    InputParameters Input;
    SteppedBallisticCoefficient SteppedBc;
    VariableCrossWind Wind;
    ComputationSettings Settings;
    TrajectoryArrays Traj;
    CompletedRun LastRun;
    SpinAndCoriolisParameters Spin;
    SpinDriftTables SpinTables;

    // Working values of the equations of motion and the integrator.
    double FlightTime = 0;              // s, time of the stage being evaluated
    double StateVector[6] = {};         // vx, vy, vz (m/s), x, y, z (m)
    double CurrentSpeed = 0;            // m/s, air-relative speed of the last evaluation
    double CurrentDragCoefficient = 0;  // of the last evaluation

    TrajectoryFit Fit;
    MrdGeeSearch Mrd;
    SlopeShot Slope;
    MilDotTable MilDot;
    double MeasuredVelocity = 0;  // m/s, target of the coefficient-from-velocity search
    double CurrentEnergy = 0;     // J, row variable of the table writers

    // The line of the most recent InterpolateLinear call anywhere.
    double InterpolationSlope = 0;
    double InterpolationIntercept = 0;

    // Built-in drag functions, row k = item k of the drag-function list.
    double DragTables[DragTableRows][DragTableSlots] = {};
    // Drag coefficient of the function in use at every whole m/s 0..1700.
    double ActiveDragTable[DragTableSize] = {};
    // Path of the drag-function file loaded last.
    std::string DragFileName;
};

// The single process-wide instance.
EngineState& Engine();

// Puts every record back to its program-start value, the arrays all zeros
// and nothing written (for tests and the benchmark). A test that writes the
// arrays itself and then wants a clear to reach its points raises
// `Traj.WrittenEnd` over them, as a run does.
void ResetEngineState();

// Keeps the input set and the coefficient bands as they are across a scope.
// The tool windows compute with the set-up's readers, which write these
// records; the records must still describe the last computation afterwards,
// because "Save" and the init file write them. Restores also when the scope
// ends through an abort.
class ScopedEngineInput {
  public:
    ScopedEngineInput() : input_(Engine().Input), bands_(Engine().SteppedBc) {}
    ~ScopedEngineInput() {
        Engine().Input = input_;
        Engine().SteppedBc = bands_;
    }
    ScopedEngineInput(const ScopedEngineInput&) = delete;
    ScopedEngineInput& operator=(const ScopedEngineInput&) = delete;

  private:
    InputParameters input_;
    SteppedBallisticCoefficient bands_;
};
