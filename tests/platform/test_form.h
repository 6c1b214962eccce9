// A form class for tests: the test binds its handlers while the form is made.
#pragma once

#include <functional>

#include "platform/forms.h"

class TestForm : public TForm {
  public:
    using Binder = std::function<void(TestForm&)>;
    explicit TestForm(const FormDescription& description, const Binder& bind = {})
        : TForm(description) {
        if (bind) bind(*this);
        FinishCreate();
    }
    using TForm::Bind;
};
