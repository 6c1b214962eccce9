#include "forms/prevody_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription PrevodyForm() {
    return {
        .name = "prevody",
        .caption = "Unit Conversion",
        .clientWidth = 512,
        .clientHeight = 236,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
