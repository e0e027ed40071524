#include "forms/script/script_line.h"

#include <fstream>
#include <sstream>

#include "forms/script/script_fault.h"

namespace forms::script {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A line that holds no action: empty, blanks only, or a comment.
bool IsSkipped(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i == line.size() || line[i] == '#';
}

}  // namespace

std::vector<std::string> SplitScriptLine(std::string_view text, int number) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return words;
    std::string word;
    while (i < text.size() && !IsBlank(text[i])) {
      if (text[i] != '"') {
        word += text[i++];
        continue;
      }
      ++i;  // opening quote: blanks are part of the word until the closing one
      while (true) {
        if (i == text.size()) throw ScriptFault(number, "unterminated quote");
        const char c = text[i++];
        if (c == '"') break;
        if (c == '\\' && i < text.size() && (text[i] == '"' || text[i] == '\\')) {
          word += text[i++];
        } else {
          word += c;
        }
      }
    }
    words.push_back(std::move(word));
  }
}

Script Script::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScriptFault(0, "cannot read the script " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return FromText(text.str());
}

Script Script::FromText(const std::string& text) {
  Script script;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    script.lines_.push_back(line);
  }
  if (!script.lines_.empty() && script.lines_.front().rfind("#!", 0) == 0)
    script.header_options_ = SplitScriptLine(std::string_view(script.lines_.front()).substr(2), 1);
  return script;
}

std::optional<ScriptLine> Script::Next() {
  while (next_ < lines_.size()) {
    const std::string& text = lines_[next_++];
    last_line_ = static_cast<int>(next_);
    if (IsSkipped(text)) continue;
    return ScriptLine{last_line_, SplitScriptLine(text, last_line_)};
  }
  return std::nullopt;
}

bool Script::HasMore() const {
  for (std::size_t i = next_; i < lines_.size(); ++i)
    if (!IsSkipped(lines_[i])) return true;
  return false;
}

}  // namespace forms::script
