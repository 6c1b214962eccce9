// Description of the list of bullets and cartridges window.
#pragma once

#include "platform/forms.h"

FormDescription TabulkaForm();
