// The services of the running program: Qt message boxes, modal windows, file
// dialogs and printing. The program installs one instance with setServices.
#pragma once

#include "platform/services.h"

class QtServices final : public Services {
  public:
    void ShowMessage(const std::string& text) override;
    // Modal to the window whose action showed it, so windows shown without
    // blocking elsewhere keep taking input.
    void ShowModal(TForm& form) override;
    bool ExecuteFileDialog(const FileDialogRequest& request, std::string& chosen) override;
    void PrintImage(const QImage& image) override;
};
