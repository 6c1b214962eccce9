#include "platform/qtservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/qt_private.h"

namespace {

// The window a message, dialog or modal window belongs over: the one whose
// action raised it, so that it is that window, not the modal calculator
// window, that comes back to the front when the box is closed. Outside an
// event (or for a window not on screen) the modal or active window.
QWidget* CallerWindow(const QWidget* except) {
    if (const TForm* form = EventForm()) {
        QWidget* window = form->Window();
        if (window && window->isVisible() && window != except) return window;
    }
    QWidget* caller = QApplication::activeModalWidget();
    if (!caller) caller = QApplication::activeWindow();
    if (!caller && MainForm()) caller = MainForm()->Window();
    return caller == except ? nullptr : caller;
}

}  // namespace

void QtServices::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QStr(text),
                    QMessageBox::Ok, CallerWindow(nullptr));
    // The font every window description starts from, not the desktop's.
    box.setFont(MergeFont(box.font(), FormDescription{}.font));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtServices::ShowModal(TForm& form) {
    auto* window = static_cast<QDialog*>(form.Window());
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    QWidget* caller = CallerWindow(window);
    if (caller && window->parentWidget() != caller)
        window->setParent(caller, window->windowFlags());
    window->setWindowModality(caller ? Qt::WindowModal : Qt::ApplicationModal);
    window->exec();
}

bool QtServices::ExecuteFileDialog(const FileDialogRequest& request, std::string& chosen) {
    QFileDialog dialog(CallerWindow(nullptr), QStr(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& f : QtNameFilters(request.filter)) filters << QStr(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QStr(request.defaultExt));
    if (!request.initialDir.empty()) dialog.setDirectory(QStr(request.initialDir));
    if (!request.fileName.empty()) dialog.selectFile(QStr(request.fileName));
    QFileDialog::Options options = QFileDialog::Options();
    if (!request.overwritePrompt) options |= QFileDialog::DontConfirmOverwrite;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    chosen = StdStr(dialog.selectedFiles().first());
    return true;
}

void QtServices::PrintImage(const QImage& image) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, CallerWindow(nullptr));
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    painter.drawImage(painter.viewport(), image);
}
