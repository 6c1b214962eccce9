// The reticle window: the reticle chosen in the calculator window drawn as a
// picture with the results of the reticle computation at its marks, the hold
// point for the shooting distance, the distance of an object from its size
// in the reticle, and a bitmap export of the picture.
#pragma once

#include "platform/forms.h"

class Tmildot : public TForm {
  public:
    Tmildot();

    TImage* Image1;
    TButton *Button1, *Button2, *Button3;
    TEdit *Edit1, *Edit2;
    TLabel* Label3;
    TSaveDialog* SaveDialog1;

    void FormCreate(TObject* Sender);
    // Draws the picture anew from the calculator window as it stands.
    void FormActivate(TObject* Sender);
    // "Print" (a button never shown): the picture as a graph printout.
    void Button1Click(TObject* Sender);
    // "Save to .bmp".
    void Button2Click(TObject* Sender);
    // "Compute Distance": the object's distance from its real size and the
    // number of marks it covers.
    void Button3Click(TObject* Sender);

    // The whole picture: ring, reticle, the computation's labels, names,
    // magnifications, units and, with "Show Cross", the hold point. A field
    // that holds no number ends the drawing where it is read.
    void DrawPicture();
};

extern Tmildot* mildot;

// Shows the reticle window without blocking and draws it with the calculator
// window's choice and the reticle computation's results.
void ShowReticleWindow();
