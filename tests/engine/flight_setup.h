// Test helpers for the flight: fill the engine's records from inputs in the
// calculator window's units the way the input set-up does, and record the
// messages that an aborted action shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/integrator.h"
#include "platform/services.h"

// One shot in the units the user types: g, mm, m/s, degrees, °C, hPa, %.
struct ShotInputs {
    double BallisticCoefficient = 0.462;  // lb/in², G1
    double MassGrams = 10.89;
    double DiameterMm = 7.85;
    double VelocityMs = 800;
    double SightHeightMm = 40;
    double DepartureAngleDeg = 0.1;
    double ZeroRangeM = 100;
    double TemperatureC = 15;
    double PressureHPa = 1013.25;
    double HumidityPercent = 0;
    double Gravity = 9.81;        // m/s²
    double CrossWind = 0;         // m/s
    double LongitudinalWind = 0;  // m/s
    double VerticalWind = 0;      // m/s
    double LatitudeDeg = 0;       // used with Coriolis
    double AzimuthDeg = 0;        // used with Coriolis
};

// Puts the engine back to its start values, builds the G1 table, and writes
// the shot into the records with the set-up's conversions (pressure 0 or less
// becomes 1e-11 Pa); clears the trajectory arrays. With coriolis the rotation
// rate, latitude and azimuth are set as the set-up sets them.
void SetUpShot(const ShotInputs& shot, bool coriolis = false);

// The start-up bullet's proportions for the spin-drift model, built into the records.
void BuildStartUpSpinModel(std::vector<std::string>* lines = nullptr);

// Mode-1 range and height limits in m; 1e6 means none.
void SetTableRun(double rangeX, double heightY);

// Height (cm) and speed in the vertical plane (m/s) at range x, on the line
// between the two stored points around it.
double HeightAtRange(double x);
double SpeedAtRange(double x);

// Records every message box instead of showing it.
class RecordingServices final : public Services {
  public:
    RecordingServices();
    ~RecordingServices() override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowModal(TForm&) override {}
    bool ExecuteFileDialog(const FileDialogRequest&, std::string&) override { return false; }
    void PrintImage(const QImage&) override {}

    std::vector<std::string> messages;

  private:
    Services* previous_;
};

// Runs the action and returns the message it aborted with ("" when it did not abort).
std::string AbortMessageOf(const std::function<void()>& action);
