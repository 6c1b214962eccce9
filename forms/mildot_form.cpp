#include "forms/mildot_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription MildotForm() {
    return {
        .name = "mildot",
        .caption = "Reticle",
        .clientWidth = 376,
        .clientHeight = 497,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
