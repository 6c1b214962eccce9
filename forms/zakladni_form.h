// Description of the start window.
#pragma once

#include "platform/forms.h"

FormDescription ZakladniForm();
