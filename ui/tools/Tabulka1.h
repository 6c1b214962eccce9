// The list of bullets and cartridges window.
#pragma once

#include <string>

#include "platform/forms.h"

class Ttabulka : public TForm {
  public:
    Ttabulka();

    TStringGrid* StringGrid1;
    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    TEdit *Edit1, *Edit2;
    TButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button7;
    TSaveDialog* SaveDialog1;
    TOpenDialog* OpenDialog1;

    // 1 when the system's decimal separator is a point (probed at creation):
    // list cells are then read with "," turned into "." and numbers are
    // written to the list file with "," in place of ".".
    int SystemUsesDecimalPoint = 0;

    // Header texts, the separator probe and the open dialog's folder.
    void FormCreate(TObject* Sender);
    // The window's height follows the calculator window's.
    void FormActivate(TObject* Sender);
    // "Load List": replaces the grid's rows with those of a list file; a file
    // that is no list leaves the grid as it is.
    void Button3Click(TObject* Sender);
    // "Save List": writes the filled rows to a list file, whole or not at all.
    void Button4Click(TObject* Sender);
    // "Clear Row": removes the row numbered in Edit1.
    void Button2Click(TObject* Sender);
    // "Clear All Table": one data row of "0" cells.
    void Button1Click(TObject* Sender);
    // "Add Row": appends a row of "0" cells and numbers the rows.
    void Button5Click(TObject* Sender);
    // "Sort by Caliber": ascending calibres; rows with equal calibres keep their
    // order. A calibre that is no number ends it with the list unchanged.
    void Button7Click(TObject* Sender);
    // A press on a row copies its bullet, with the bands of the "vari." rows
    // below it, into the calculator window.
    void StringGrid1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);

    // The row the calculator window's "Add to List" fills with its bullet:
    // the last row as it is while row 1's calibre cell holds "0" (the table
    // was just cleared), otherwise a new row of "0" cells from "Add Row".
    // Returns its index; further rows (the bands) are added with Button5Click.
    int AddListRow();

  private:
    // A cell as a number for this system's notation.
    std::string CellNumber(int col, int row) const;
    // Whether the row exists and continues the variable coefficient above it.
    bool IsVariableRow(int row) const;
    void CopyBands(int row);
};

extern Ttabulka* tabulka;
