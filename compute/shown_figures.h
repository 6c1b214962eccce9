// The one check a window makes before it shows the figures of an action: no
// label, result line or graph may show "INF", "NAN" or a figure of hundreds of
// digits. A window gathers the figures it is about to show, has them checked
// here once, and shows them only when they pass, so a refusal changes nothing
// and a new formula cannot slip past the check.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

// The refusal of a window that has no nearer message for a result that is no
// number or too large to show.
inline constexpr const char* ResultTooLargeMessage = "Result too large.";

enum class FigureFormat {
    // The general format of labels and edits: an exponent keeps any finite
    // figure short.
    General,
    // Fixed-point printing ("%9.4f") and the graphs: every digit before the
    // point is written, so only magnitudes below 1e15 (at most fifteen
    // digits, where the general format also still writes plain digits).
    Fixed,
};

inline constexpr double FixedFigureLimit = 1e15;

bool FigureShowable(double figure, FigureFormat format);

// Ends the current action with `message` (message box and silent abort)
// unless every figure can be shown in that format.
void RefuseUnshowable(std::span<const double> figures, FigureFormat format = FigureFormat::General,
                      const std::string& message = ResultTooLargeMessage);
void RefuseUnshowable(std::initializer_list<double> figures,
                      FigureFormat format = FigureFormat::General,
                      const std::string& message = ResultTooLargeMessage);
