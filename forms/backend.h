// What the forms model asks of a backend: the real Qt windows or the script
// that plays a user's actions headless.
#pragma once

#include <string>

namespace forms {

class Canvas;
class Control;
class FileDialog;
class Form;
class Memo;
class PaintBox;

class Backend {
 public:
  virtual ~Backend() = default;

  // The form is fully constructed with all its controls.
  virtual void FormCreated(Form& form) = 0;
  // Caption, size, position or visibility of a form changed from code.
  virtual void FormChanged(Form& form) = 0;
  // Show non-modal, or bring to the front when already shown.
  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;
  // Run a nested message loop until the form's modal result is set or the
  // form is closed.  The form is already marked visible and modal.
  virtual void RunModal(Form& form) = 0;
  // The modal form's result was set: its loop should end.
  virtual void EndModal(Form& form) = 0;

  // Also called while a form is still being built: a backend ignores
  // controls of forms it has not been told of yet.
  virtual void ControlChanged(Control& control) = 0;
  virtual void MemoAppended(Memo& memo, const std::string& line) = 0;
  virtual void FocusChanged(Form& form) = 0;

  // A message box, answered before the call returns.
  virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
  // Run a file dialog; true with the dialog's file name set when confirmed.
  virtual bool ExecuteFileDialog(FileDialog& dialog) = 0;

  // The paint box needs its paint handler run (coalesced, outside handlers).
  virtual void InvalidatePaintBox(PaintBox& box) = 0;
  virtual Canvas& CanvasOf(PaintBox& box) = 0;

  // End the program's message loop.
  virtual void Terminate() = 0;
};

}  // namespace forms
