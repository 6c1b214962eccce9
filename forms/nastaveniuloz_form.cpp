#include "forms/nastaveniuloz_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription NastaveniulozForm() {
    return {
        .name = "nastaveniuloz",
        .caption = "Save Computation to File",
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
