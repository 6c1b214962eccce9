#include "platform/base.h"

#include "platform/services.h"

void Abort() {
    throw EAbort();
}

void ShowMessage(const std::string& text) {
    services().ShowMessage(text);
}
