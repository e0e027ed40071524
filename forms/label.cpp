#include "forms/label.h"

namespace forms {

Label::Label(Form& owner, std::string name, std::string caption)
    : Control(owner, std::move(name)), caption_(std::move(caption)) {}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void Label::Describe(std::vector<std::string>& lines) const { lines.push_back("caption: " + caption_); }

}  // namespace forms
