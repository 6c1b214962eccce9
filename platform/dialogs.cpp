#include "platform/dialogs.h"

#include <QDir>
#include <QImage>

#include "platform/qt_private.h"
#include "platform/services.h"
#include "platform/sysutils.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Page size of A4 at 150 pixels per inch, portrait.
constexpr int PageShortSide = 1240;
constexpr int PageLongSide = 1754;

}  // namespace

std::vector<std::string> QtNameFilters(const std::string& windowsFilter) {
    std::vector<std::string> filters;
    const std::vector<std::string> parts = Split(windowsFilter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        // The pattern list goes in parentheses; one the description already
        // shows is dropped so it is not there twice.
        std::string description = parts[i];
        const std::size_t open = description.rfind('(');
        if (open != std::string::npos && description.find(')', open) != std::string::npos)
            description = description.substr(0, open);
        std::string patterns;
        for (const std::string& pattern : Split(parts[i + 1], ';')) {
            const std::string p = Trim(pattern);
            if (p.empty()) continue;
            if (!patterns.empty()) patterns += ' ';
            patterns += p == "*.*" ? "*" : p;
        }
        filters.push_back(Trim(description) + " (" + patterns + ")");
    }
    return filters;
}

bool TOpenDialog::Execute() {
    FileDialogRequest request;
    request.save = save_;
    request.title = Title;
    request.initialDir = InitialDir;
    request.filter = Filter;
    request.filterIndex = FilterIndex;
    request.defaultExt = DefaultExt;
    request.fileName = FileName;
    request.overwritePrompt = OverwritePrompt;
    std::string chosen;
    if (!services().ExecuteFileDialog(request, chosen) || chosen.empty()) return false;
    if (!DefaultExt.empty() && ExtractFileExt(chosen).empty()) chosen += "." + DefaultExt;
    FileName = chosen;
    const std::string folder = ExtractFilePath(chosen);
    if (!folder.empty()) QDir::setCurrent(QStr(folder));
    return true;
}

TPrinter::TPrinter() : page_(std::make_unique<QImage>()) {}
TPrinter::~TPrinter() = default;

int TPrinter::PageWidth() const {
    return Orientation == poLandscape ? PageLongSide : PageShortSide;
}

int TPrinter::PageHeight() const {
    return Orientation == poLandscape ? PageShortSide : PageLongSide;
}

void TPrinter::BeginDoc() {
    *page_ = QImage(PageWidth(), PageHeight(), QImage::Format_RGB32);
    page_->fill(Qt::white);
    canvas_.SetDevice(page_.get());
    printing_ = true;
}

void TPrinter::EndDoc() {
    if (!printing_) return;
    printing_ = false;
    canvas_.SetDevice(nullptr);
    services().PrintImage(*page_);
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}
