#include "platform/services.h"

#include <cstdio>

namespace {

// Used until the program or a test installs its own services: nothing may
// block, so messages go to standard error and every dialog is cancelled.
class FallbackServices final : public Services {
  public:
    void ShowMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    void ShowModal(TForm&) override {}
    bool ExecuteFileDialog(const FileDialogRequest&, std::string&) override { return false; }
    void PrintImage(const QImage&) override {}
};

FallbackServices fallback;
Services* current = &fallback;

}  // namespace

Services& services() {
    return *current;
}

Services* setServices(Services* replacement) {
    Services* previous = current == &fallback ? nullptr : current;
    current = replacement ? replacement : &fallback;
    return previous;
}
