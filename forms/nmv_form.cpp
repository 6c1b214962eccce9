#include "forms/nmv_form.h"

// The window so far: its caption and frame; its controls come with its behaviour.
FormDescription NmvForm() {
    return {
        .name = "nmv",
        .caption = "ICAO Atmosphere",
        .clientWidth = 226,
        .clientHeight = 293,
        .border = BorderStyle::Dialog,
        .position = FormPosition::ScreenCenter,
    };
}
