// A calculator window that the tool windows reach as the program's windows do,
// and for ToolWindowTest one tool window of the test's own.
#pragma once

#include <memory>

#include "tests/ui/calculator_fixture.h"

class ToolTest : public CalculatorHandlers {
  protected:
    void SetUp() override {
        CalculatorHandlers::SetUp();
        vstup = window_.get();
    }
    void TearDown() override {
        vstup = nullptr;
        CalculatorHandlers::TearDown();
    }
    std::string Press(TButton* button) {
        return Run([button] { button->Click(); });
    }
};

template <class Window>
class ToolWindowTest : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        tool_ = std::make_unique<Window>();
    }
    void TearDown() override {
        tool_.reset();
        ToolTest::TearDown();
    }
    Window& T() { return *tool_; }

    std::unique_ptr<Window> tool_;
};
