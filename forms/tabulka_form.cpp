#include "forms/tabulka_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription TabulkaForm() {
    return {
        .name = "tabulka",
        .caption = "List of Bullets and Cartridges",
        .clientWidth = 760,
        .clientHeight = 529,
        .border = BorderStyle::Single,
        .position = FormPosition::ScreenCenter,
    };
}
