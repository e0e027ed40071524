// The console of a prompt-driven program: lines appended to the log of its
// main window, numbers written for those lines in the program's current
// format, and the modal prompts through which an operation asks the user for
// an answer, a number, a text, a file or a choice.
//
// A program hands over the windows it has; asking through a prompt whose
// window it has not handed over is a fault of the program.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "forms/file_dialog.h"
#include "forms/memo.h"
#include "frame/log.h"
#include "frame/number_prompt_form.h"
#include "frame/question_form.h"
#include "frame/selection_form.h"
#include "frame/text_prompt_form.h"

namespace frame {

struct ConsoleSetup {
  forms::Memo* log = nullptr;
  QuestionForm* question = nullptr;
  NumberPromptForm* real_prompt = nullptr;
  NumberPromptForm* integer_prompt = nullptr;
  TextPromptForm* text_prompt = nullptr;
  SelectionForm* selection = nullptr;
  forms::FileDialog* open_dialog = nullptr;
  forms::FileDialog* save_dialog = nullptr;
  // The program's field width and decimals of printed reals, read at every
  // number.
  const std::int32_t* width = nullptr;
  const std::int32_t* decimals = nullptr;
  // Appended to every yes/no question ("?" where the callers' texts carry
  // none).
  std::string question_suffix{};
};

class Console {
 public:
  explicit Console(const ConsoleSetup& setup);

  Log& log() { return log_; }
  void ShowLine(const std::string& text) { log_.ShowLine(text); }
  // x in the program's width and decimals, by the rule of RealToText.
  std::string RealToText(base::Extended x) const;

  // Each prompt shows the current value as the default and gives back what
  // the field holds when the dialog closes, however it was closed.
  bool AskYesNo(const std::string& question);
  void AskReal(const std::string& prompt, base::Extended& value);
  void AskInteger(const std::string& prompt, std::int32_t& value);
  void AskText(const std::string& prompt, std::string& text);

  // The name the user chose, empty after a cancel; it is also kept as
  // current_file_name().  The subject says what the file holds (the
  // dialog's title names it); a filter index above 0 is set before the
  // dialog is shown.
  const std::string& ChooseOpenFile(const std::string& subject, int filter_index = 0);
  const std::string& ChooseSaveFile(const std::string& subject, int filter_index = 0);

  // A choice among items written as one text, each item's key letter in
  // square brackets: "[C]hebyshev,Chebyshev [M]odificado,[#]".  The first
  // item is preselected.  Gives the key letter of the chosen item, also kept
  // as choice_letter(), and echoes the choice: "Cancelado (#)." for the key
  // "#", else "-> " with the item as shown and ".".
  char AskChoice(const std::string& prompt, const std::string& items);

  const std::string& current_file_name() const { return current_file_name_; }
  char choice_letter() const { return choice_letter_; }
  // Callers that ask other choices in between put their letter back.
  void SetChoiceLetter(char letter) { choice_letter_ = letter; }

 private:
  const std::string& ChooseFile(forms::FileDialog* dialog, const std::string& subject, int filter_index);

  ConsoleSetup setup_;
  Log log_;
  std::string current_file_name_;  // from the last file dialog
  char choice_letter_ = '\0';      // none before the first choice
};

}  // namespace frame
