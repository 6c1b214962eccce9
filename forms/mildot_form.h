// Description of the reticle drawing and ranging window.
#pragma once

#include "platform/forms.h"

FormDescription MildotForm();
