#include "frame/console.h"

#include <stdexcept>
#include <type_traits>

#include "frame/choice_items.h"

namespace frame {
namespace {

// A prompt the program did not hand over.
template <typename T>
T& Need(T* window, const char* what) {
  if (!window) throw std::logic_error(std::string("the console has no ") + what);
  return *window;
}

// The value goes through the field's property of its kind, so that the
// field shows it in its own form and gives back what it committed.
template <typename T>
void AskNumber(NumberPromptForm& form, const std::string& prompt, T& value) {
  form.label.SetCaption(prompt);
  if constexpr (std::is_same_v<T, base::Extended>)
    form.field.set_panel_real(value);
  else
    form.field.set_panel_int(value);
  form.ShowModal();
  if constexpr (std::is_same_v<T, base::Extended>)
    value = form.field.panel_real();
  else
    value = form.field.panel_int();
}

// The key letter at the position of the chosen item; an item beyond the
// written keys (or no item at all) has none.
char KeyOf(const ChoiceItems& choice, int index) {
  if (index < 0 || index >= static_cast<int>(choice.keys.size())) return '\0';
  return choice.keys[static_cast<std::size_t>(index)];
}

}  // namespace

Console::Console(const ConsoleSetup& setup) : setup_(setup), log_(Need(setup.log, "log")) {}

std::string Console::RealToText(base::Extended x) const {
  return frame::RealToText(Need(setup_.width, "number format"), Need(setup_.decimals, "number format"), x);
}

bool Console::AskYesNo(const std::string& question) {
  return Need(setup_.question, "question window").Ask(question + setup_.question_suffix);
}

void Console::AskReal(const std::string& prompt, base::Extended& value) {
  AskNumber(Need(setup_.real_prompt, "real prompt"), prompt, value);
}

void Console::AskInteger(const std::string& prompt, std::int32_t& value) {
  AskNumber(Need(setup_.integer_prompt, "integer prompt"), prompt, value);
}

void Console::AskText(const std::string& prompt, std::string& text) {
  TextPromptForm& form = Need(setup_.text_prompt, "text prompt");
  form.label.SetCaption(prompt);
  form.field.SetText(text);
  form.ShowModal();
  text = form.field.text();
}

const std::string& Console::ChooseFile(forms::FileDialog* dialog, const std::string& subject, int filter_index) {
  forms::FileDialog& chosen = Need(dialog, "file dialog");
  chosen.SetSubject(subject);
  if (filter_index > 0) chosen.SetFilterIndex(filter_index);
  current_file_name_ = chosen.Execute() ? chosen.file_name() : std::string();
  return current_file_name_;
}

const std::string& Console::ChooseOpenFile(const std::string& subject, int filter_index) {
  return ChooseFile(setup_.open_dialog, subject, filter_index);
}

const std::string& Console::ChooseSaveFile(const std::string& subject, int filter_index) {
  return ChooseFile(setup_.save_dialog, subject, filter_index);
}

char Console::AskChoice(const std::string& prompt, const std::string& items) {
  SelectionForm& form = Need(setup_.selection, "selection window");
  const ChoiceItems choice = ParseChoiceItems(items);
  form.list.Clear();
  form.label.SetCaption(prompt);
  for (const std::string& item : choice.items) form.list.AddItem(item);
  form.list.SetItemIndex(0);
  form.ShowModal();
  const int index = form.list.item_index();
  choice_letter_ = KeyOf(choice, index);
  if (choice_letter_ == '#') {
    ShowLine("Cancelado (#).");
  } else {
    const std::string shown = index >= 0 ? form.list.items()[static_cast<std::size_t>(index)] : std::string();
    ShowLine("-> " + shown + ".");
  }
  return choice_letter_;
}

}  // namespace frame
