// File dialogs and the printer. Both go through the installed services, so
// tests answer dialogs from a script and record printed pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/controls.h"

class QImage;

class TOpenDialog : public TComponent {
  public:
    TOpenDialog(TForm* owner, std::string name) : TOpenDialog(owner, std::move(name), false) {}
    // Runs the dialog. When the user chooses a file, FileName holds its full
    // path (DefaultExt added when the name has no extension) and the file's
    // folder becomes the current folder, so files opened afterwards by their
    // bare name are found there.
    bool Execute();

    std::string FileName;
    std::string InitialDir;
    // Windows form: "Text Files  (*.txt)|*.txt|All|*.*".
    std::string Filter;
    int FilterIndex = 1;  // 1-based
    std::string DefaultExt;
    std::string Title;
    bool OverwritePrompt = false;

  protected:
    TOpenDialog(TForm* owner, std::string name, bool save)
        : TComponent(owner, std::move(name)), save_(save) {}

  private:
    bool save_;
};

class TSaveDialog : public TOpenDialog {
  public:
    TSaveDialog(TForm* owner, std::string name) : TOpenDialog(owner, std::move(name), true) {}
};

// A Windows filter string as Qt name filters: "Text Files  (*.txt)|*.txt"
// gives "Text Files (*.txt)"; "*.*" matches every file.
std::vector<std::string> QtNameFilters(const std::string& windowsFilter);

enum TPrinterOrientation { poPortrait, poLandscape };

// One page at a time: BeginDoc gives a white page (A4 at 150 pixels per inch)
// to draw on through Canvas(), EndDoc hands it to the services for printing.
class TPrinter {
  public:
    TPrinter();
    ~TPrinter();
    TPrinterOrientation Orientation = poPortrait;
    int PageWidth() const;
    int PageHeight() const;
    bool Printing() const { return printing_; }
    void BeginDoc();
    void EndDoc();
    TCanvas* Canvas() { return &canvas_; }

  private:
    std::unique_ptr<QImage> page_;
    TCanvas canvas_;
    bool printing_ = false;
};

TPrinter& Printer();
