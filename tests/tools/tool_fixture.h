// A calculator window for the tool window under test to read, with scripted
// services and a clean engine.
#pragma once

#include <gtest/gtest.h>

#include <QLocale>
#include <functional>
#include <memory>
#include <string>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

class ToolWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        calculator_ = std::make_unique<Tvstup>();
        vstup = calculator_.get();
    }
    void TearDown() override {
        vstup = nullptr;
        calculator_.reset();
    }

    Tvstup& Calc() { return *calculator_; }

    // Runs an action the way an event does: returns the message it ended
    // with, "" when it ran through.
    std::string Run(const std::function<void()>& action) {
        services_.messages.clear();
        try {
            action();
        } catch (const EAbort&) {
            return services_.messages.empty() ? "(silent abort)" : services_.messages.back();
        }
        return services_.messages.empty() ? "" : services_.messages.back();
    }

    ScriptedServices services_;

  private:
    std::unique_ptr<Tvstup> calculator_;
};
