// The application object: Qt set-up, the forms it owns and the message loop.
#pragma once

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/forms.h"

class QApplication;

// Set-up every Qt process of the program needs once its QApplication exists:
// C number formatting back to "C" (files are written with '.'), the decimal
// separator of StrToFloat/FloatToStr from QLocale(), font substitutes for the
// Windows font names. TApplication calls it; test mains call it themselves.
void InitializePlatform();

// Handles the pending events once, without user input, so a second click
// cannot start another action inside a running one.
void ProcessMessages();

// Shows an exception's text the way an escaping event exception is shown.
void ShowException(const std::exception& error);

class TApplication {
  public:
    TApplication(int& argc, char** argv);
    // Runs every owned form's FormDestroy (last created first) while all
    // windows still exist, then destroys the forms.
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates a form owned by the application. The reference is set before
    // the form's constructor runs, as on the original platform, so code run by
    // its FormCreate may already reach the window through it.
    template <class T>
    void CreateForm(T*& reference) {
        void* memory = ::operator new(sizeof(T));
        reference = static_cast<T*>(memory);
        try {
            new (memory) T();
        } catch (...) {
            reference = nullptr;
            ::operator delete(memory);
            throw;
        }
        Adopt(reference);
    }

    // The program's title, which message boxes show in their title bar.
    void SetTitle(const std::string& title);

    // Runs the message loop until the main form (the first created) closes.
    int Run();
    void Terminate();

  private:
    void Adopt(TForm* form);
    std::unique_ptr<QApplication> app_;
    std::vector<std::unique_ptr<TForm>> forms_;
};
