// A calculator window of its own for every test, with scripted services, a
// clean engine and a graph without curves left by an earlier test.
#pragma once

#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"
#include "ui/plot.h"

class CalculatorHandlers : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        // The graph's records outlive every window; a curve shown by an
        // earlier test would still count as shown.
        std::fill(&MainGraphState.CurveVisible[0][0],
                  &MainGraphState.CurveVisible[0][0] + GraphSlotCount * GraphCurveCount, 0);
        MainGraphState.Dragging = 0;
        window_ = std::make_unique<Tvstup>();
    }
    void TearDown() override { window_.reset(); }

    Tvstup& W() { return *window_; }

    // Runs a code-side action the way an event does: returns the message it
    // ended with, "" when it ran through.
    std::string Run(const std::function<void()>& action) {
        services_.messages.clear();
        try {
            action();
        } catch (const EAbort&) {
            return services_.messages.empty() ? "(silent abort)" : services_.messages.back();
        }
        return services_.messages.empty() ? "" : "(message without abort)";
    }
    std::string Handle(void (Tvstup::*handler)(TObject*)) {
        return Run([&] { (W().*handler)(nullptr); });
    }
    // The result pane's lines from `first` on, and its last `n` lines.
    std::vector<std::string> LinesFrom(int first) {
        std::vector<std::string> lines;
        for (int i = first; i < MemoLines(); ++i) lines.push_back(W().Memo1->Lines()[i]);
        return lines;
    }
    std::vector<std::string> Tail(int n) { return LinesFrom(MemoLines() - n); }
    int MemoLines() { return W().Memo1->Lines().Count(); }

    ScriptedServices services_;
    std::unique_ptr<Tvstup> window_;
};
