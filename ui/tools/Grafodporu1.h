// The graph of the drag coefficient over velocity window: the bullet of the
// calculator window as its drag coefficient at every whole m/s, up to three
// kept copies for comparison, zoom, a point read-out and a bitmap export.
#pragma once

#include "engine/state.h"
#include "platform/forms.h"

// The curve of the last activation: entry v holds the velocity v (m/s) and
// the bullet's drag coefficient at it, for v = 0 to 1700. The clones copy
// from here.
extern double DragGraphVelocity[DragTableSize];
extern double DragGraphValues[DragTableSize];

class Tgrafodporu : public TForm {
  public:
    Tgrafodporu();

    TImage* Graf1;
    TButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6;
    TEdit *Edit1, *Edit2;
    TSaveDialog* SaveDialog1;

    void FormCreate(TObject* Sender);
    // Recomputes the curve from the calculator window's fields and shows it
    // as the current curve; the clones stay.
    void FormActivate(TObject* Sender);
    void FormResize(TObject* Sender);
    // "Clone I", "Clone II", "Clone III": keep the current curve; "Clear"
    // removes the three.
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    // "Print Graph" (a button never shown): the graph as a printout.
    void Button5Click(TObject* Sender);
    // "Save to .bmp".
    void Button6Click(TObject* Sender);
    // A press shows the point in "X, Y Position" and starts a zoom rectangle;
    // moving draws it, releasing zooms, a double click shows everything again.
    void Graf1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Graf1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Graf1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Graf1DblClick(TObject* Sender);

  private:
    // Fills the curve arrays from the calculator window; a field that is no
    // number or a refused value ends the event with the arrays untouched.
    void ComputeCurve();
    void AddClone(int curve);
};

extern Tgrafodporu* grafodporu;
