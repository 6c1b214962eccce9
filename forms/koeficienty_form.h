// Description of the conversion of form factor and ballistic coefficient between drag functions
// window.
#pragma once

#include "platform/forms.h"

FormDescription KoeficientyForm();
