// The console of the workbench: lines appended to the main window's memo,
// numbers written for those lines, and the modal prompts through which an
// operation asks the user for an answer, a number, a file or a choice.
#pragma once

#include <cstdint>
#include <string>

#include "base/extended.h"
#include "workbench/parameters.h"

namespace workbench {

class IntegerPromptForm;
class MainForm;
class QuestionForm;
class RealPromptForm;
class SelectionForm;

// n in decimal, "-" before a negative number, no blanks.
std::string IntToText(std::int64_t n);

// x with field width w and d decimals as a console line shows it: w and d act
// by their low 8 bits as signed numbers (a width of 200 acts as -56), and only
// the first 40 characters of the text are kept.
std::string RealToText(std::int32_t w, std::int32_t d, base::Extended x);

struct ConsoleState {
  std::string current_file_name;  // from the last file dialog, empty after a cancel
  char choice_letter = '\0';      // key letter of the last choice; none at start
  bool yes_flag = false;          // the answers of the question dialog
  bool no_flag = false;
};

struct ConsoleWindows {
  MainForm& main;
  QuestionForm& question;
  RealPromptForm& real_prompt;
  IntegerPromptForm& integer_prompt;
  SelectionForm& selection;
};

class Console {
 public:
  // The parameters give the number format of RealToText(x).
  Console(const ConsoleWindows& windows, const Parameters& parameters);

  void ShowLine(const std::string& text);
  // x in the workbench's width and decimals.
  std::string RealToText(base::Extended x) const;

  // Each prompt shows the current value as the default and gives back what
  // the field holds when the dialog closes, however it was closed.
  bool AskYesNo(const std::string& question);
  void AskReal(const std::string& prompt, base::Extended& value);
  void AskInteger(const std::string& prompt, std::int32_t& value);
  void ChooseOpenFile();
  void ChooseSaveFile();
  // The answer is choice_letter(); the choice is echoed on the console.
  void AskChoice(const std::string& prompt, const std::string& items);

  const std::string& current_file_name() const { return state_.current_file_name; }
  char choice_letter() const { return state_.choice_letter; }
  // Callers that ask other choices in between put the slot's letter back.
  void SetChoiceLetter(char letter) { state_.choice_letter = letter; }

 private:
  ConsoleWindows windows_;
  const Parameters& parameters_;
  ConsoleState state_;
};

}  // namespace workbench
