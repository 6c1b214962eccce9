#include "forms/energie_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription EnergieForm() {
    return {
        .name = "energie",
        .caption = "Projectile Energy",
        .clientWidth = 321,
        .clientHeight = 241,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
