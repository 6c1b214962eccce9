// The Qt-free part of the form library: the silent abort, the conversion error
// and the plain message box. The engine uses only this header, so it can be
// built and tested without Qt.
#pragma once

#include <stdexcept>
#include <string>

// The library's silent abort. Raised by Abort(); it ends the running event
// handler and all of its callers. Every place where Qt calls into our code
// catches it and swallows it, so it never unwinds through Qt.
class EAbort : public std::exception {
  public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// Raised by StrToFloat/StrToInt on text that is no number. Where Qt calls into
// our code it is shown with the application's exception display (a message box
// with the text) and the event ends as after an abort.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Ends the current event silently.
[[noreturn]] void Abort();

// A modal one-button message box (through the installed services).
void ShowMessage(const std::string& text);
