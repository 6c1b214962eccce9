// Description of the muzzle velocity for another powder temperature or barrel length window.
#pragma once

#include "platform/forms.h"

FormDescription TeplotaprachuForm();
