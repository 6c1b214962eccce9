// Description of the graph of the drag coefficient over velocity window.
#pragma once

#include "platform/forms.h"

FormDescription GrafodporuForm();
