#include "platform/application.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <clocale>
#include <cstddef>
#include <cstdio>

#include "platform/base.h"
#include "platform/qt_private.h"
#include "platform/services.h"
#include "platform/sysutils.h"

// The font files compiled into the program.
extern const unsigned char LiberationSansRegularBytes[];
extern const std::size_t LiberationSansRegularBytesSize;
extern const unsigned char LiberationSansBoldBytes[];
extern const std::size_t LiberationSansBoldBytesSize;

namespace {

char LocaleSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.isEmpty() ? '.' : point.at(0).toLatin1();
    return c ? c : '.';
}

// The windows name Windows fonts; they are drawn in Liberation Sans, which has
// the same metrics. The program carries its own copy, so every desktop draws
// the same glyphs at the same widths, whatever fonts it has installed or
// rejects.
const char* const WindowsSans = "Liberation Sans";

void AddProgramFonts() {
    const struct {
        const unsigned char* bytes;
        std::size_t size;
    } fonts[] = {{LiberationSansRegularBytes, LiberationSansRegularBytesSize},
                 {LiberationSansBoldBytes, LiberationSansBoldBytesSize}};
    // Qt keeps the last font registered under a family's style, so the
    // desktop's fonts are read first: where the desktop has Liberation Sans
    // too, the program's copy still wins in every style.
    QFontDatabase::families();
    for (const auto& font : fonts)
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.bytes), static_cast<qsizetype>(font.size)));
    for (const char* windowsName : {"MS Sans Serif", "Arial", "Tahoma", "Microsoft Sans Serif"})
        QFont::insertSubstitution(windowsName, WindowsSans);
}

// Shows a message without ever letting an exception out.
void ShowSafely(const std::string& text) {
    try {
        services().ShowMessage(text);
    } catch (...) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

}  // namespace

void InitializePlatform() {
    // QApplication switches the C library to the user's locale; files are
    // written with '.' decimals whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    SetDecimalSeparatorSource(&LocaleSeparator);
    static bool fontsDone = false;
    if (!fontsDone) {
        AddProgramFonts();
        fontsDone = true;
    }
}

void ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ShowException(const std::exception& error) {
    ShowSafely(error.what());
}

namespace {

TForm* eventForm = nullptr;

}  // namespace

TForm* EventForm() {
    return eventForm;
}

void RunEvent(TForm* form, const std::function<void()>& body) {
    // Events nest (a modal window's loop runs inside its caller's event), so
    // the caller's form comes back when this one ends.
    TForm* const outer = eventForm;
    eventForm = form;
    struct Restore {
        TForm* outer;
        ~Restore() { eventForm = outer; }
    } restore{outer};
    try {
        body();
    } catch (const EAbort&) {
        // The silent abort: the event simply ends.
    } catch (const std::exception& error) {
        ShowSafely(error.what());
    } catch (...) {
        ShowSafely("An unexpected error occurred.");
    }
}

TApplication::TApplication(int& argc, char** argv)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    InitializePlatform();
    // Only the main form's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) (*it)->RunDestroy();
    while (!forms_.empty()) forms_.pop_back();
}

void TApplication::Adopt(TForm* form) {
    forms_.emplace_back(form);
}

void TApplication::SetTitle(const std::string& title) {
    QCoreApplication::setApplicationName(QStr(title));
}

int TApplication::Run() {
    if (TForm* main = MainForm()) main->Show();
    QApplication::exec();
    return 0;
}

void TApplication::Terminate() {
    QCoreApplication::quit();
}
