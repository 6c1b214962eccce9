// The unit conversion window: nine unit pairs, each with two edits and two
// arrow buttons that convert one edit's value into the other's unit.
#pragma once

#include <array>

#include "platform/forms.h"

struct UnitConversion;

class Tprevody : public TForm {
  public:
    Tprevody();

    // The handler of every arrow button: converts the conversion's source
    // edit into its target edit; the source keeps its text.
    void Convert(const UnitConversion& conversion);

  private:
    // Edit1 to Edit18 by number; index 0 is unused.
    std::array<TEdit*, 19> edits_{};
};

extern Tprevody* prevody;
