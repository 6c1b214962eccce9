// Description of the calculator window: every input, the result pane, the
// trajectory graph, the menu and the file dialogs.
#pragma once

#include <vector>

#include "platform/forms.h"

FormDescription VstupForm();

// The controls of the five input tabs, in their order inside the window.
void AddParametersTab(std::vector<ControlDescription>& controls);
void AddAtmosphereTab(std::vector<ControlDescription>& controls);
void AddOthersTab(std::vector<ControlDescription>& controls);
void AddDragTab(std::vector<ControlDescription>& controls);
void AddExtrasTab(std::vector<ControlDescription>& controls);
