#include "platform/testing/scripted_services.h"

#include <QImage>

ScriptedServices::ScriptedServices() : previous_(setServices(this)) {}

ScriptedServices::~ScriptedServices() {
    setServices(previous_);
}

void ScriptedServices::ShowMessage(const std::string& text) {
    messages.push_back(text);
}

void ScriptedServices::ShowModal(TForm& form) {
    modalForms.push_back(&form);
    if (onShowModal) onShowModal(form);
}

bool ScriptedServices::ExecuteFileDialog(const FileDialogRequest& request, std::string& chosen) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return false;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer) return false;
    chosen = *answer;
    return true;
}

void ScriptedServices::PrintImage(const QImage& image) {
    printedPages.emplace_back(image.width(), image.height());
}
