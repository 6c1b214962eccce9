// Description of the standard atmosphere at an altitude window.
#pragma once

#include "platform/forms.h"

FormDescription NmvForm();
