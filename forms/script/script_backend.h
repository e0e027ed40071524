// The headless backend: it plays a script of user actions against a program's
// forms and writes the transcript: the main window's log as it grows, every
// message box, and with tracing the windows shown, hidden and painted.
//
// Modal forms and file dialogs run the same way as under a real message loop:
// showing a form modally reads and performs further script lines until the
// form's modal result is set; a file dialog takes the next line as its answer.
// A form becomes the active window when it is shown (modally or not), when a
// modal form above it closes, and when the script activates it ("activate
// FORM", the user clicking on it).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/recording_canvas.h"
#include "forms/script/script_line.h"

namespace forms {
class Application;
class Control;
namespace raster {
class ImageCanvas;
}
}  // namespace forms

namespace forms::script {

class ScriptBackend : public Backend {
 public:
  ScriptBackend(Script& script, std::ostream& transcript, bool trace);
  ~ScriptBackend() override;

  void Attach(Application& app) { app_ = &app; }
  // Whether the transcript starts with the lines the main window's log holds
  // before the script begins (its preset text); on unless turned off.
  void ShowPreset(bool show) { show_preset_ = show; }

  // Instead of the script, for tests that play the user themselves: a
  // modal form runs the hook (and is closed by its close box if the hook
  // left it open), a file dialog asks the hook, a message box goes to the
  // hook instead of the transcript.
  std::function<void(Form& form)> modal_hook;
  std::function<bool(FileDialog& dialog)> file_dialog_hook;
  std::function<void(const std::string& caption, const std::string& text)> message_box_hook;
  // Shows the main window and plays the script to its end; a ScriptFault
  // ends the run early.
  void Play();
  // Runs the paint handlers that wait, as the script does after each line.
  void RunPendingPaints();
  // What the paint box drew since its paint handler last began (empty for a
  // box that never drew).
  const std::vector<DrawCall>& DrawingOf(const PaintBox& box) const;

  void FormCreated(Form& form) override;
  void FormChanged(Form& form) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void RunModal(Form& form) override;
  void EndModal(Form& form) override;
  void ControlChanged(Control& control) override;
  void MemoAppended(Memo& memo, const std::string& line) override;
  void FocusChanged(Form& form) override;
  void MessageBox(const std::string& caption, const std::string& text) override;
  bool ExecuteFileDialog(FileDialog& dialog) override;
  void InvalidatePaintBox(PaintBox& box) override;
  Canvas& CanvasOf(PaintBox& box) override;
  void Terminate() override;

 private:
  using Verb = void (ScriptBackend::*)(const ScriptLine&);

  // Performs lines until done() holds; `waiting` names what waits, for the
  // fault when the script ends first (empty at the top level).
  void RunUntil(const std::function<bool()>& done, const std::string& waiting);
  void Perform(const ScriptLine& line);
  void Activate(Form& form);

  [[noreturn]] void Fault(const ScriptLine& line, const std::string& reason) const;
  void NeedArgs(const ScriptLine& line, std::size_t low, std::size_t high) const;
  Form& FindForm(const ScriptLine& line, const std::string& name) const;
  // The form must be one the user can act on now.
  Form& ActionForm(const ScriptLine& line, const std::string& name) const;
  template <typename T>
  T& ActionControl(const ScriptLine& line, const std::string& dotted, const char* kind) const;
  Control& FindControl(const ScriptLine& line, const std::string& dotted) const;
  void Act(const std::function<void()>& action);

  void DoMenu(const ScriptLine& line);
  void DoClick(const ScriptLine& line);
  void DoType(const ScriptLine& line);
  void DoChoose(const ScriptLine& line);
  void DoTick(const ScriptLine& line);
  void DoUntick(const ScriptLine& line);
  void DoLines(const ScriptLine& line);
  void DoKey(const ScriptLine& line);
  void DoMouse(const ScriptLine& line);
  void DoSize(const ScriptLine& line);
  void DoClose(const ScriptLine& line);
  void DoActivate(const ScriptLine& line);
  void DoFile(const ScriptLine& line);
  void DoDump(const ScriptLine& line);
  void DoSnapshot(const ScriptLine& line);

  Script& script_;
  std::ostream& out_;
  bool trace_;
  bool show_preset_ = true;
  Application* app_ = nullptr;
  Memo* log_ = nullptr;
  Form* active_ = nullptr;
  std::vector<Form*> modal_stack_;
  std::vector<PaintBox*> pending_paints_;
  // The image of each paint box, drawn through a record of the calls.
  struct BoxCanvas;
  std::map<const PaintBox*, std::unique_ptr<BoxCanvas>> canvases_;
  std::map<std::string, Verb> verbs_;
};

}  // namespace forms::script
