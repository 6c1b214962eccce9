// The one seam between the windows and everything that would block or leave
// the process: message boxes, modal windows, file dialogs and printing. The
// program installs the Qt implementation; tests install a scripted stand-in
// that records messages and answers dialogs, so no test ever waits for a user.
#pragma once

#include <memory>
#include <string>

class TForm;
class QImage;

// What a file dialog is asked: the fields mirror the dialog components the
// windows hold (filter in the Windows form "Text Files  (*.txt)|*.txt").
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string initialDir;
    std::string filter;
    int filterIndex = 1;
    std::string defaultExt;
    std::string fileName;
    bool overwritePrompt = false;
};

class Services {
  public:
    virtual ~Services() = default;
    // Plain message box with one OK button; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // Shows the form modally; returns when it is closed.
    virtual void ShowModal(TForm& form) = 0;
    // Runs a file dialog. Returns true and the chosen full path when the user
    // chose a file, false when the dialog was cancelled.
    virtual bool ExecuteFileDialog(const FileDialogRequest& request, std::string& chosen) = 0;
    // Prints one page holding the picture stretched over the page, landscape.
    virtual void PrintImage(const QImage& image) = 0;
};

// The installed services. Before anything is installed, messages go to
// standard error and dialogs are cancelled.
Services& services();
// Installs new services and returns the previous ones (nullptr restores the default).
Services* setServices(Services* replacement);
