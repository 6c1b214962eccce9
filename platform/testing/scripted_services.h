// Services for tests: nothing blocks and everything is recorded. Messages are
// kept, file dialogs take their answers from a queue (an empty queue cancels),
// modal windows are recorded and handed to an optional callback, printed pages
// are kept. Constructing one installs it; destroying it restores the previous
// services.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

class ScriptedServices final : public Services {
  public:
    ScriptedServices();
    ~ScriptedServices() override;
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    void ShowMessage(const std::string& text) override;
    void ShowModal(TForm& form) override;
    bool ExecuteFileDialog(const FileDialogRequest& request, std::string& chosen) override;
    void PrintImage(const QImage& image) override;

    // Queues the answer of the next file dialog: a full path, or nullopt to cancel.
    void AnswerFileDialog(std::optional<std::string> path) {
        fileAnswers.push_back(std::move(path));
    }

    std::vector<std::string> messages;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<TForm*> modalForms;
    // Runs inside ShowModal, e.g. to press buttons of the window and close it.
    std::function<void(TForm&)> onShowModal;
    // Width and height of each printed page.
    std::vector<std::pair<int, int>> printedPages;

  private:
    Services* previous_;
};
