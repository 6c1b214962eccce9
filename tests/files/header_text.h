// A results header built line by line in the written text form, with the
// lines a test varies as plain strings.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace header_text {

inline std::string Line(const char* format, double value) {
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

struct HeaderText {
    std::string ammo = "308 Win";
    std::string drag = "G1 ";
    std::vector<std::string> bands;  // whole band lines; empty for a constant coefficient
    std::string click = "                       1/4 MOA";
    std::string pressure = "  977.9";

    std::string Text() const {
        std::string t = "\n            *** Vantorra *** \n";
        t += "--------------------------------------------------\n";
        t += "                   Melvask \n";
        t += "--------------------------------------------------\n";
        t += "\n Ammo: " + ammo + "\n";
        t += "\n Drag Function: " + drag;
        for (const std::string& band : bands) t += band;
        if (bands.empty()) {
            t += Line("\n BC [lb/in2]:                   %6.4f  ", 0.462);
            t += Line("\n Form Factor [-]:               %6.4f  ", 1.0152);
        }
        t += Line("\n Bullet Weight [g]:             %6.4f  ", 10.89);
        t += Line("\n Bullet Diameter [mm]:          %6.4f  ", 7.85);
        t += Line("\n Muzzle Velocity [m/s]:        %6.1f  ", 800.5);
        t += Line("\n Sight Height [mm]:           %6.1f  ", 50);
        t += Line("\n Angle of Departure [deg]:      %6.6f  ", 0.123456);
        t += Line("\n Zero Range [m]:             %6.0f  ", 100);
        t += "\n 1 Click:" + click;
        t += Line("\n Air Temperature [C]:         %6.1f  ", 15);
        t += "\n Air Pressure [hPa]:         " + pressure + "  ";
        t += Line("\n Air Humidity [%%]:            %6.1f  ", 50);
        t += Line("\n Air Density [kg/m3]:           %6.4f  ", 1.1234);
        t += Line("\n Cross Wind [m/s]:            %6.1f  ", -2.5);
        t += Line("\n Longitudinal Wind [m/s]:     %6.1f  ", 1);
        t += Line("\n Vertical Wind [m/s]:         %6.1f  ", 0.5);
        t += Line("\n Gravity Acceleration [m/s2]:  %6.3f  ", 9.81);
        t += Line("\n Computation Step [ms]:       %6.2f  ", 0.5);
        return t;
    }
};

inline std::string Band(bool first, double velocity, double coefficient) {
    const char* const label =
        first ? "\n For Velocity over [m/s]:  %4.1f" : "\n For Velocity below [m/s]: %4.1f";
    return Line(label, velocity) + Line("  BC [lb/in2]: %4.4f", coefficient) +
           Line("  Form Factor [-]: %4.4f", 1.01);
}

inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace header_text
