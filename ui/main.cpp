// The program: creates the application and its windows, then runs the
// message loop until the start window closes.
#include <exception>

#include "platform/application.h"
#include "platform/base.h"
#include "platform/qtservices.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    // The services outlive the forms, whose destruction may still show messages.
    QtServices qtServices;
    TApplication application(argc, argv);
    application.SetTitle("Vantorra");
    setServices(&qtServices);
    try {
        CreateWindows(application);
        application.Run();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessage("An unexpected error occurred.");
    }
    return 0;
}
