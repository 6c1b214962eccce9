#include "forms/grafodporu_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription GrafodporuForm() {
    return {
        .name = "grafodporu",
        .caption = "Drag Function Graph",
        .clientWidth = 769,
        .clientHeight = 369,
        .border = BorderStyle::Single,
        .position = FormPosition::ScreenCenter,
    };
}
