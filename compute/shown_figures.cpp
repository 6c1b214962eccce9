#include "compute/shown_figures.h"

#include <cmath>

#include "engine/numeric.h"

bool FigureShowable(double figure, FigureFormat format) {
    if (!std::isfinite(figure)) return false;
    return format == FigureFormat::General || std::fabs(figure) < FixedFigureLimit;
}

void RefuseUnshowable(std::span<const double> figures, FigureFormat format,
                      const std::string& message) {
    for (double figure : figures)
        if (!FigureShowable(figure, format)) ShowErrorAndAbort(message);
}

void RefuseUnshowable(std::initializer_list<double> figures, FigureFormat format,
                      const std::string& message) {
    RefuseUnshowable(std::span<const double>(figures.begin(), figures.size()), format, message);
}
