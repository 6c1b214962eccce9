// Private parts of a form, shared by forms.cpp and form_builder.cpp.
#pragma once

#include <QMenuBar>
#include <QPointer>

#include "platform/canvas.h"
#include "platform/qt_private.h"

struct FormParts {
    QPointer<FormWindow> window;
    QMenuBar* menuBar = nullptr;
    TCanvas canvas;

    ~FormParts() { delete window.data(); }
};
