#include "forms/script/script_backend.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/edit.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/keys.h"
#include "forms/list_box.h"
#include "forms/main_menu.h"
#include "forms/memo.h"
#include "forms/paint_box.h"
#include "forms/radio_group.h"
#include "forms/raster/image_canvas.h"
#include "forms/script/script_fault.h"

namespace forms::script {

namespace {

struct NamedKey {
  const char* name;
  int virtual_key;
  char typed;  // 0: the key gives no character
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", kKeyReturn, kCharEnter},
    {"Backspace", kKeyBack, kCharBackspace},
    {"Space", kKeySpace, ' '},
    {"Escape", kKeyEscape, kCharEscape},
    {"Left", kKeyLeft, 0},
    {"Right", kKeyRight, 0},
    {"Up", kKeyUp, 0},
    {"Down", kKeyDown, 0},
    {"PageUp", kKeyPageUp, 0},
    {"PageDown", kKeyPageDown, 0},
    {"Home", kKeyHome, 0},
    {"End", kKeyEnd, 0},
};

std::optional<int> ToInt(const std::string& word) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

const char* KindName(FileDialogKind kind) { return kind == FileDialogKind::Open ? "open" : "save"; }

}  // namespace

struct ScriptBackend::BoxCanvas {
  BoxCanvas(int width, int height) : image(width, height) {}
  raster::ImageCanvas image;
  RecordingCanvas record{image};
};

ScriptBackend::ScriptBackend(Script& script, std::ostream& transcript, bool trace)
    : script_(script), out_(transcript), trace_(trace) {
  verbs_ = {
      {"menu", &ScriptBackend::DoMenu},         {"click", &ScriptBackend::DoClick},
      {"type", &ScriptBackend::DoType},         {"choose", &ScriptBackend::DoChoose},
      {"tick", &ScriptBackend::DoTick},         {"untick", &ScriptBackend::DoUntick},
      {"lines", &ScriptBackend::DoLines},       {"key", &ScriptBackend::DoKey},
      {"mouse", &ScriptBackend::DoMouse},       {"size", &ScriptBackend::DoSize},
      {"close", &ScriptBackend::DoClose},       {"file", &ScriptBackend::DoFile},
      {"dump", &ScriptBackend::DoDump},         {"snapshot", &ScriptBackend::DoSnapshot},
      {"activate", &ScriptBackend::DoActivate},
  };
}

ScriptBackend::~ScriptBackend() = default;

void ScriptBackend::Play() {
  Form& main = app_->main_form();
  for (const auto& control : main.controls()) {
    if (auto* memo = dynamic_cast<Memo*>(control.get())) {
      log_ = memo;
      break;
    }
  }
  if (log_ && show_preset_)
    for (const std::string& line : log_->lines()) out_ << line << '\n';
  main.Show();
  RunPendingPaints();
  RunUntil([] { return false; }, "");
  out_.flush();
}

void ScriptBackend::RunUntil(const std::function<bool()>& done, const std::string& waiting) {
  while (!done()) {
    if (app_->terminated()) {
      if (script_.HasMore()) throw ScriptFault(script_.last_line(), "the program has ended, but the script goes on");
      return;
    }
    std::optional<ScriptLine> line = script_.Next();
    if (!line) {
      if (waiting.empty()) return;
      throw ScriptFault(script_.last_line(), "the script ended while " + waiting);
    }
    Perform(*line);
    RunPendingPaints();
  }
}

void ScriptBackend::Perform(const ScriptLine& line) {
  const auto verb = verbs_.find(line.words.front());
  if (verb == verbs_.end()) Fault(line, "unknown verb '" + line.words.front() + "'");
  (this->*verb->second)(line);
}

void ScriptBackend::RunPendingPaints() {
  // Paints requested while this batch runs wait for the next line, so that a
  // paint handler that invalidates its own box cannot loop for ever.
  std::vector<PaintBox*> batch;
  batch.swap(pending_paints_);
  for (PaintBox* box : batch) {
    if (!box->form().visible()) continue;
    if (trace_) out_ << "[paint " << box->form().name() << "]\n";
    // a repaint starts the record afresh, so that it cannot grow for ever
    if (const auto canvas = canvases_.find(box); canvas != canvases_.end()) canvas->second->record.Forget();
    Act([box] { box->Paint(); });
  }
}

void ScriptBackend::Activate(Form& form) {
  active_ = &form;
  Act([&form] { form.UserActivated(); });
}

void ScriptBackend::Fault(const ScriptLine& line, const std::string& reason) const {
  throw ScriptFault(line.number, reason);
}

void ScriptBackend::NeedArgs(const ScriptLine& line, std::size_t low, std::size_t high) const {
  const std::size_t count = line.words.size() - 1;
  if (count < low || count > high)
    Fault(line, "'" + line.words.front() + "' takes " +
                    (low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high)) +
                    " arguments");
}

Form& ScriptBackend::FindForm(const ScriptLine& line, const std::string& name) const {
  Form* form = app_->FindForm(name);
  if (!form) Fault(line, "unknown form '" + name + "'");
  return *form;
}

Form& ScriptBackend::ActionForm(const ScriptLine& line, const std::string& name) const {
  Form& form = FindForm(line, name);
  if (!modal_stack_.empty() && modal_stack_.back() != &form)
    Fault(line, "the modal form " + modal_stack_.back()->name() + " waits; " + name + " takes no input");
  if (!form.visible()) Fault(line, "the form " + name + " is not shown");
  return form;
}

Control& ScriptBackend::FindControl(const ScriptLine& line, const std::string& dotted) const {
  const std::size_t dot = dotted.find('.');
  if (dot == std::string::npos) Fault(line, "expected FORM.CONTROL, got '" + dotted + "'");
  Form& form = FindForm(line, dotted.substr(0, dot));
  Control* control = form.Find(dotted.substr(dot + 1));
  if (!control) Fault(line, "unknown control '" + dotted + "'");
  return *control;
}

template <typename T>
T& ScriptBackend::ActionControl(const ScriptLine& line, const std::string& dotted, const char* kind) const {
  Control& control = FindControl(line, dotted);
  ActionForm(line, control.form().name());
  T* typed = dynamic_cast<T*>(&control);
  if (!typed) Fault(line, dotted + " is not " + kind);
  return *typed;
}

void ScriptBackend::Act(const std::function<void()>& action) { app_->Guard(action); }

void ScriptBackend::DoMenu(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  Form& main = ActionForm(line, app_->main_form().name());
  const MainMenu* menu = main.menu();
  const MenuItem* item = menu ? menu->FindItem(line.words[1]) : nullptr;
  if (!item) Fault(line, "no menu item '" + line.words[1] + "'");
  if (item->on_click) Act(item->on_click);
}

void ScriptBackend::DoClick(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  Button& button = ActionControl<Button>(line, line.words[1], "a button");
  Act([&button] { button.UserClick(); });
}

void ScriptBackend::DoType(const ScriptLine& line) {
  NeedArgs(line, 2, 2);
  Edit& edit = ActionControl<Edit>(line, line.words[1], "an edit field");
  const std::string text = line.words[2];
  Act([&edit, &text] { edit.UserType(text); });
}

void ScriptBackend::DoChoose(const ScriptLine& line) {
  NeedArgs(line, 2, 2);
  Control& control = FindControl(line, line.words[1]);
  ActionForm(line, control.form().name());
  const std::vector<std::string>* items = nullptr;
  auto* group = dynamic_cast<RadioGroup*>(&control);
  auto* list = dynamic_cast<ListBox*>(&control);
  if (group) items = &group->items();
  if (list) items = &list->items();
  if (!items) Fault(line, line.words[1] + " is not a radio group or a list box");
  const std::string& wanted = line.words[2];
  int index = -1;
  if (wanted.size() > 1 && wanted[0] == '#') {
    if (const auto n = ToInt(wanted.substr(1))) index = *n;
    if (index < 0 || index >= static_cast<int>(items->size())) index = -1;
  } else {
    const auto found = std::find(items->begin(), items->end(), wanted);
    if (found != items->end()) index = static_cast<int>(found - items->begin());
  }
  if (index < 0) Fault(line, "no item '" + wanted + "' in " + line.words[1]);
  if (group) Act([group, index] { group->UserChoose(index); });
  if (list) Act([list, index] { list->UserClickItem(index); });
}

void ScriptBackend::DoTick(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  CheckBox& box = ActionControl<CheckBox>(line, line.words[1], "a check box");
  Act([&box] { box.UserSetChecked(true); });
}

void ScriptBackend::DoUntick(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  CheckBox& box = ActionControl<CheckBox>(line, line.words[1], "a check box");
  Act([&box] { box.UserSetChecked(false); });
}

void ScriptBackend::DoLines(const ScriptLine& line) {
  NeedArgs(line, 1, 100000);
  Memo& memo = ActionControl<Memo>(line, line.words[1], "a memo");
  if (memo.read_only()) Fault(line, line.words[1] + " is read-only");
  const std::vector<std::string> lines(line.words.begin() + 2, line.words.end());
  Act([&memo, &lines] { memo.UserSetLines(lines); });
}

void ScriptBackend::DoKey(const ScriptLine& line) {
  NeedArgs(line, 2, 2);
  Form& form = ActionForm(line, line.words[1]);
  const std::string& name = line.words[2];
  int virtual_key = 0;
  char typed = 0;
  if (name.size() == 1 && static_cast<unsigned char>(name[0]) > ' ' && static_cast<unsigned char>(name[0]) < 0x7F) {
    typed = name[0];
    virtual_key = VirtualKeyOfChar(typed);
  } else {
    const auto* key = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                                   [&name](const NamedKey& k) { return name == k.name; });
    if (key == std::end(kNamedKeys)) Fault(line, "unknown key '" + name + "'");
    virtual_key = key->virtual_key;
    typed = key->typed;
  }
  Act([&form, virtual_key] { form.UserKeyDown(virtual_key, ShiftState{}); });
  if (typed != 0) Act([&form, typed] { form.UserKeyPress(typed); });
}

void ScriptBackend::DoMouse(const ScriptLine& line) {
  NeedArgs(line, 4, 6);
  PaintBox& box = ActionControl<PaintBox>(line, line.words[1], "a paint box");
  const std::string& what = line.words[2];
  const auto x = ToInt(line.words[3]);
  const auto y = ToInt(line.words[4]);
  if (!x || !y) Fault(line, "mouse coordinates must be integers");
  MouseButton button = MouseButton::Left;
  ShiftState shift;
  for (std::size_t i = 5; i < line.words.size(); ++i) {
    const std::string& option = line.words[i];
    if (option == "left")
      button = MouseButton::Left;
    else if (option == "right")
      button = MouseButton::Right;
    else if (option == "middle")
      button = MouseButton::Middle;
    else if (option == "shift")
      shift.shift = true;
    else
      Fault(line, "unknown mouse option '" + option + "'");
  }
  if (what == "down")
    Act([&, button, shift] { box.UserMouseDown(button, shift, *x, *y); });
  else if (what == "move")
    Act([&, shift] { box.UserMouseMove(shift, *x, *y); });
  else if (what == "up")
    Act([&, button, shift] { box.UserMouseUp(button, shift, *x, *y); });
  else
    Fault(line, "mouse takes down, move or up");
}

void ScriptBackend::DoSize(const ScriptLine& line) {
  NeedArgs(line, 3, 3);
  Form& form = ActionForm(line, line.words[1]);
  const auto width = ToInt(line.words[2]);
  const auto height = ToInt(line.words[3]);
  if (!width || !height || *width < 0 || *height < 0) Fault(line, "size takes a width and a height in pixels");
  Act([&form, &width, &height] { form.UserResized(*width, *height); });
}

void ScriptBackend::DoClose(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  Form& form = ActionForm(line, line.words[1]);
  Act([&form] { form.Close(); });
}

void ScriptBackend::DoActivate(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  Activate(ActionForm(line, line.words[1]));
}

void ScriptBackend::DoFile(const ScriptLine& line) { Fault(line, "no file dialog is asking"); }

void ScriptBackend::DoDump(const ScriptLine& line) {
  NeedArgs(line, 1, 1);
  const std::string& target = line.words[1];
  std::vector<std::string> lines;
  if (target.find('.') == std::string::npos) {
    const Form& form = FindForm(line, target);
    lines.push_back("caption: " + form.caption());
    lines.push_back(std::string("visible: ") + (form.visible() ? "yes" : "no"));
    lines.push_back(std::string("modal: ") + (form.modal() ? "yes" : "no"));
    lines.push_back("client: " + std::to_string(form.client_width()) + "x" + std::to_string(form.client_height()));
    lines.push_back("focus: " + (form.active_control() ? form.active_control()->name() : std::string("-")));
  } else {
    FindControl(line, target).Describe(lines);
  }
  out_ << '[' << target << "]\n";
  for (const std::string& text : lines) out_ << text << '\n';
}

void ScriptBackend::DoSnapshot(const ScriptLine& line) {
  NeedArgs(line, 2, 2);
  auto* box = dynamic_cast<PaintBox*>(&FindControl(line, line.words[1]));
  if (!box) Fault(line, line.words[1] + " is not a paint box");
  CanvasOf(*box);
  if (!canvases_.at(box)->image.SavePng(line.words[2])) Fault(line, "cannot write " + line.words[2]);
}

void ScriptBackend::FormCreated(Form&) {}

void ScriptBackend::FormChanged(Form&) {}

void ScriptBackend::ShowForm(Form& form) {
  if (trace_) out_ << "[show " << form.name() << "]\n";
  Activate(form);
}

void ScriptBackend::HideForm(Form& form) {
  if (trace_) out_ << "[hide " << form.name() << "]\n";
}

void ScriptBackend::RunModal(Form& form) {
  if (trace_) out_ << "[modal " << form.name() << "]\n";
  modal_stack_.push_back(&form);
  struct Pop {
    std::vector<Form*>& stack;
    ~Pop() { stack.pop_back(); }
  } pop{modal_stack_};
  Form* below = active_;
  Activate(form);
  if (modal_hook) {
    modal_hook(form);
    if (form.modal_result() == kModalNone) form.Close();
  } else {
    RunUntil([&form] { return form.modal_result() != kModalNone; }, "the modal form " + form.name() + " waits");
  }
  if (below && below->visible()) Activate(*below);
}

void ScriptBackend::EndModal(Form&) {}

void ScriptBackend::ControlChanged(Control&) {}

void ScriptBackend::MemoAppended(Memo& memo, const std::string& line) {
  if (&memo == log_) out_ << line << '\n';
}

void ScriptBackend::FocusChanged(Form&) {}

void ScriptBackend::MessageBox(const std::string& caption, const std::string& text) {
  if (message_box_hook) return message_box_hook(caption, text);
  out_ << "[message " << caption << "] " << text << '\n';
}

bool ScriptBackend::ExecuteFileDialog(FileDialog& dialog) {
  if (file_dialog_hook) return file_dialog_hook(dialog);
  if (trace_) {
    const std::string filter = dialog.CurrentFilterDescription();
    out_ << "[dialog " << KindName(dialog.kind()) << ' ' << dialog.filter_index() << ' '
         << (filter.empty() ? "-" : filter) << "]\n";
  }
  std::optional<ScriptLine> line = script_.Next();
  if (!line) throw ScriptFault(script_.last_line(), "the script ended while a file dialog waits");
  if (line->words.front() != "file") Fault(*line, "a file dialog is asking; expected 'file PATH' or 'file cancel'");
  NeedArgs(*line, 1, 1);
  const std::string& answer = line->words[1];
  if (answer == "cancel") return false;
  if (dialog.must_exist() && !std::filesystem::exists(answer))
    Fault(*line, "the dialog takes only existing files: " + answer);
  dialog.SetFileName(answer);
  return true;
}

void ScriptBackend::InvalidatePaintBox(PaintBox& box) {
  if (std::find(pending_paints_.begin(), pending_paints_.end(), &box) == pending_paints_.end())
    pending_paints_.push_back(&box);
}

Canvas& ScriptBackend::CanvasOf(PaintBox& box) {
  const int width = std::max(1, box.width());
  const int height = std::max(1, box.height());
  std::unique_ptr<BoxCanvas>& canvas = canvases_[&box];
  if (!canvas) canvas = std::make_unique<BoxCanvas>(width, height);
  if (canvas->image.width() != width || canvas->image.height() != height) canvas->image.Resize(width, height);
  return canvas->record;
}

const std::vector<DrawCall>& ScriptBackend::DrawingOf(const PaintBox& box) const {
  static const std::vector<DrawCall> nothing;
  const auto canvas = canvases_.find(&box);
  return canvas == canvases_.end() ? nothing : canvas->second->record.calls();
}

void ScriptBackend::Terminate() {}

}  // namespace forms::script
