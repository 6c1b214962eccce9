// Description of the save options: table columns and file kind window.
#pragma once

#include "platform/forms.h"

FormDescription NastaveniulozForm();
