// The lines of a script: one action per line, words separated by blanks,
// "..." quoting a word that holds blanks (with \" and \\ inside); empty lines
// and lines whose first non-blank character is # are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms::script {

struct ScriptLine {
  int number = 0;
  std::vector<std::string> words;
};

// The words of one line; throws ScriptFault for an unterminated quote.
std::vector<std::string> SplitScriptLine(std::string_view text, int number);

class Script {
 public:
  // Reads the whole script; throws ScriptFault(0, ...) when it cannot.
  static Script Load(const std::string& path);
  static Script FromText(const std::string& text);

  // The next action line, or nothing at the end.
  std::optional<ScriptLine> Next();
  // Whether an action line is still to come.
  bool HasMore() const;
  // The number of the last line handed out (0 before the first).
  int last_line() const { return last_line_; }
  // Options on a first line "#! --trace ..." (used by the test driver).
  const std::vector<std::string>& header_options() const { return header_options_; }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  int last_line_ = 0;
  std::vector<std::string> header_options_;
};

}  // namespace forms::script
