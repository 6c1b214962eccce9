// A results header and its text as the writer writes it, for the file tests.
#pragma once

#include <sstream>
#include <string>

#include "files/ResultsHeader.h"

// A constant-coefficient "G1" header with a value of its own in every line.
inline ResultsHeaderData ExampleHeader() {
    ResultsHeaderData h;
    h.AmmoName = "308 Win";
    InputParameters& in = h.Input;
    in.BallisticCoefficient = 0.462;
    in.FormFactor = 1.0152;
    in.BulletMass = 0.01089;
    in.BulletDiameter = 0.00785;
    in.MuzzleVelocity = 800.5;
    in.SightHeight = 0.05;
    in.DepartureAngle = 0.123456;
    in.ZeroRange = 100;
    in.AirTemperature = 288.15;
    in.AirPressure = 97790;
    in.AirHumidity = 50;
    in.CrossWind = -2.5;
    in.LongitudinalWind = 1;
    in.VerticalWind = 0.5;
    in.Gravity = 9.81;
    h.SteppedBc.CoefficientMode = 1;  // "Ballistic Coefficient"
    h.IntegrationStep = 0.0005;
    return h;
}

inline std::string Written(const ResultsHeaderData& header) {
    std::ostringstream out;
    WriteResultsHeader(out, header);
    return out.str();
}

// The text behind the label's colon, up to the line end, replaced.
inline std::string WithValue(std::string text, const std::string& label, const std::string& value) {
    const std::size_t colon = text.find(label + ":") + label.size() + 1;
    const std::size_t end = text.find('\n', colon);
    return text.replace(colon, end == std::string::npos ? end : end - colon, value);
}

inline std::string WithCrLf(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, 1, '\r');
    return text;
}
