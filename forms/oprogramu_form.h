// Description of the About box: the program's name, version, a logo, a disclaimer and the version
// history window.
#pragma once

#include "platform/forms.h"

FormDescription OprogramuForm();
