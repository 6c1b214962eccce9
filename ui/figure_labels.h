// The one check of a window that shows its results as figures in labels:
// every figure must be a finite number (the general format writes any finite
// figure in at most a few characters, with an exponent where needed), and its
// text must fit the room the window gives the label between its caption and
// its unit. Only then are the labels set, so a refusal changes none of them.
#pragma once

#include <initializer_list>
#include <string>

#include "compute/shown_figures.h"
#include "platform/controls.h"

struct LabelFigure {
    TLabel* label;
    double figure;
};

// Shows each figure in its label in the general format, or ends the action
// with `message` and changes nothing.
void ShowFigures(std::initializer_list<LabelFigure> figures,
                 const std::string& message = ResultTooLargeMessage);
