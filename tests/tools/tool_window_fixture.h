// A calculator window and one tool window of their own for every test, the
// tool window reaching the calculator window as the program's windows do.
#pragma once

#include <memory>

#include "tests/ui/calculator_fixture.h"

template <class Window>
class ToolWindowTest : public CalculatorHandlers {
  protected:
    void SetUp() override {
        CalculatorHandlers::SetUp();
        vstup = window_.get();
        tool_ = std::make_unique<Window>();
    }
    void TearDown() override {
        tool_.reset();
        vstup = nullptr;
        CalculatorHandlers::TearDown();
    }
    Window& T() { return *tool_; }

    std::unique_ptr<Window> tool_;
};
