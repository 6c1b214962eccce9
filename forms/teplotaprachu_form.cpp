#include "forms/teplotaprachu_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription TeplotaprachuForm() {
    return {
        .name = "teplotaprachu",
        .caption = "Muzzle Velocity Recomputation",
        .clientWidth = 305,
        .clientHeight = 247,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
