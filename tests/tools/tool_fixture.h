// A calculator window for the tool window under test to read, with scripted
// services and a clean engine.
#pragma once

#include <gtest/gtest.h>

#include <QLocale>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "engine/state.h"
#include "platform/base.h"
#include "platform/testing/scripted_services.h"
#include "ui/Vstup1.h"

class ToolWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        ResetEngineState();
        vstup = new Tvstup();
    }
    void TearDown() override { delete std::exchange(vstup, nullptr); }

    Tvstup& Calc() { return *vstup; }
    // Runs an action as an event does: the message it ended with, or "".
    std::string Run(const std::function<void()>& action) {
        services_.messages.clear();
        try {
            action();
        } catch (const EAbort&) {
        }
        return services_.messages.empty() ? "" : services_.messages.back();
    }

    ScriptedServices services_;
};
