// Description of the unit conversion window.
#pragma once

#include "platform/forms.h"

FormDescription PrevodyForm();
