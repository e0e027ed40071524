#include "workbench/console.h"

#include "base/number_text.h"
#include "workbench/choice_items.h"
#include "workbench/integer_prompt_form.h"
#include "workbench/main_form.h"
#include "workbench/question_form.h"
#include "workbench/real_prompt_form.h"
#include "workbench/selection_form.h"

namespace workbench {
namespace {

// A number in a console line never takes more than this many characters.
constexpr std::size_t kConsoleNumberLength = 40;

// The low 8 bits read as a signed number.
int SignedLowByte(std::int32_t n) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) & 0xFFu));
}

// The key letter at the position of the chosen item; an item beyond the
// written keys (or no item at all) has none.
char KeyOf(const ChoiceItems& choice, int index) {
  if (index < 0 || index >= static_cast<int>(choice.keys.size())) return '\0';
  return choice.keys[static_cast<std::size_t>(index)];
}

}  // namespace

std::string IntToText(std::int64_t n) { return base::IntToText(n); }

std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x) {
  return base::FloatToText(x, SignedLowByte(w), SignedLowByte(d)).substr(0, kConsoleNumberLength);
}

Console::Console(const ConsoleWindows& windows, const Parameters& parameters)
    : windows_(windows), parameters_(parameters) {
  QuestionForm& question = windows_.question;
  question.Button1.on_click = [this, &question] {
    state_.yes_flag = true;
    question.SetModalResult(forms::kModalOk);
  };
  question.Button2.on_click = [this, &question] {
    state_.no_flag = true;
    question.SetModalResult(forms::kModalOk);
  };
}

void Console::ShowLine(const std::string& text) { windows_.main.Memo1.Append(text); }

std::string Console::RealToText(base::Extended x) const {
  return workbench::RealToText(parameters_.width, parameters_.decimals, x);
}

bool Console::AskYesNo(const std::string& question) {
  windows_.question.Label1.SetCaption(question + "?");
  state_.yes_flag = false;
  state_.no_flag = false;
  windows_.question.ShowModal();
  return state_.yes_flag;
}

void Console::AskReal(const std::string& prompt, base::Extended& value) {
  RealPromptForm& form = windows_.real_prompt;
  form.Label1.SetCaption(prompt);
  form.NEdit1.set_panel_real(value);
  form.ShowModal();
  value = form.NEdit1.panel_real();
}

void Console::AskInteger(const std::string& prompt, std::int32_t& value) {
  IntegerPromptForm& form = windows_.integer_prompt;
  form.Label1.SetCaption(prompt);
  form.NEdit1.set_panel_int(value);
  form.ShowModal();
  value = form.NEdit1.panel_int();
}

void Console::ChooseOpenFile() {
  forms::FileDialog& dialog = windows_.main.OpenDialog1;
  state_.current_file_name = dialog.Execute() ? dialog.file_name() : std::string();
}

void Console::ChooseSaveFile() {
  forms::FileDialog& dialog = windows_.main.SaveDialog1;
  state_.current_file_name = dialog.Execute() ? dialog.file_name() : std::string();
}

void Console::AskChoice(const std::string& prompt, const std::string& items) {
  SelectionForm& form = windows_.selection;
  const ChoiceItems choice = ParseChoiceItems(items);
  form.ListBox1.Clear();
  form.Label1.SetCaption(prompt);
  for (const std::string& item : choice.items) form.ListBox1.AddItem(item);
  form.ListBox1.SetItemIndex(0);
  form.ShowModal();
  const int index = form.ListBox1.item_index();
  state_.choice_letter = KeyOf(choice, index);
  if (state_.choice_letter == '#') {
    ShowLine("Cancelado (#).");
    return;
  }
  const std::string shown = index >= 0 ? form.ListBox1.items()[static_cast<std::size_t>(index)] : std::string();
  ShowLine("-> " + shown + ".");
}

}  // namespace workbench
