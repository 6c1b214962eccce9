#include "forms/oprogramu_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription OprogramuForm() {
    return {
        .name = "oprogramu",
        .caption = "About",
        .clientWidth = 485,
        .clientHeight = 507,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
