#include "forms/koeficienty_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription KoeficientyForm() {
    return {
        .name = "koeficienty",
        .caption = "Drag Function Conversion",
        .clientWidth = 489,
        .clientHeight = 370,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
