// The start window, the application's main window: the product's picture,
// name and version, "Start", which opens the calculator window, and "Close",
// which ends the program.
#pragma once

#include "platform/forms.h"

class Tzakladni : public TForm {
  public:
    Tzakladni();

    TImage* Image2;
    TPanel *Panel1, *Panel2;
    TLabel *Label1, *Label3;
    TButton *Button1, *Button2;

    // "Start": the calculator window, modally; the start window stays open.
    void Button1Click(TObject* Sender);
    // "Close": closing the main window ends the program.
    void Button2Click(TObject* Sender);
};

extern Tzakladni* zakladni;
