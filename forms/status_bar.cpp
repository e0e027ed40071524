#include "forms/status_bar.h"

namespace forms {

StatusBar::StatusBar(Form& owner, std::string name) : Control(owner, std::move(name)) {
  SetAlign(Align::Bottom);
  SetBounds(0, 0, 0, kStatusBarHeight);
}

void StatusBar::SetText(const std::string& text) {
  text_ = text;
  Changed();
}

void StatusBar::Describe(std::vector<std::string>& lines) const { lines.push_back("status: " + text_); }

}  // namespace forms
