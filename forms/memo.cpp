#include "forms/memo.h"

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"

namespace forms {

Memo::Memo(Form& owner, std::string name, std::vector<std::string> lines)
    : Control(owner, std::move(name)), lines_(std::move(lines)) {}

void Memo::Append(const std::string& line) {
  lines_.push_back(line);
  app().backend().MemoAppended(*this, line);
}

void Memo::Clear() {
  lines_.clear();
  Changed();
}

void Memo::SetLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  Changed();
}

void Memo::UserSetLines(const std::vector<std::string>& lines) {
  form().FocusControl(*this);
  SetLines(lines);
}

void Memo::Describe(std::vector<std::string>& lines) const {
  lines.push_back("count: " + std::to_string(lines_.size()));
  for (const std::string& line : lines_) lines.push_back("| " + line);
}

}  // namespace forms
