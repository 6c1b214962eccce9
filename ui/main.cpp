// The program: creates the application and the start window, then runs the
// message loop until the start window closes.
#include <exception>

#include "forms/zakladni_form.h"
#include "platform/application.h"
#include "platform/base.h"
#include "platform/qtservices.h"

// The start window: the product's name and version, "Start" and "Close".
class Tzakladni : public TForm {
  public:
    Tzakladni() : TForm(ZakladniForm()) {
        Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
        Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
        FinishCreate();
    }
    void Button1Click(TObject*) {}
    // The start window is the main window: closing it ends the program.
    void Button2Click(TObject*) { Close(); }
};

Tzakladni* zakladni = nullptr;

int main(int argc, char** argv) {
    // The services outlive the forms, whose destruction may still show messages.
    QtServices qtServices;
    TApplication application(argc, argv);
    setServices(&qtServices);
    try {
        application.CreateForm(zakladni);
        application.Run();
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessage("An unexpected error occurred.");
    }
    return 0;
}
