// Description of the projectile energy figures window.
#pragma once

#include "platform/forms.h"

FormDescription EnergieForm();
