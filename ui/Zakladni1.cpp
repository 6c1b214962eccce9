#include "ui/Zakladni1.h"

#include "forms/pictures.h"
#include "forms/zakladni_form.h"
#include "ui/Vstup1.h"

Tzakladni* zakladni = nullptr;

Tzakladni::Tzakladni() : TForm(ZakladniForm()) {
    Image2 = Find<TImage>("Image2");
    Panel1 = Find<TPanel>("Panel1");
    Panel2 = Find<TPanel>("Panel2");
    Label1 = Find<TLabel>("Label1");
    Label3 = Find<TLabel>("Label3");
    Button1 = Find<TButton>("Button1");
    Button2 = Find<TButton>("Button2");
    // A picture that does not decode leaves the image empty; the window works without it.
    LoadJpeg(StartPicture(), *Image2->Picture());
    Bind("Button1Click", [this](TObject* s) { Button1Click(s); });
    Bind("Button2Click", [this](TObject* s) { Button2Click(s); });
    FinishCreate();
}

void Tzakladni::Button1Click(TObject*) {
    vstup->ShowModal();
}

void Tzakladni::Button2Click(TObject*) {
    Close();
}
