#include "forms/main_menu.h"

namespace forms {

MainMenu::MainMenu(Form& owner, std::string name) : Control(owner, std::move(name)) {}

MenuEntry& MainMenu::AddEntry(const std::string& name, const std::string& caption) {
  entries_.push_back(MenuEntry{name, caption, {}});
  return entries_.back();
}

MenuItem& MainMenu::AddItem(MenuEntry& entry, const std::string& name, const std::string& caption,
                            std::function<void()> on_click) {
  entry.items.push_back(MenuItem{name, caption, std::move(on_click)});
  return entry.items.back();
}

const MenuItem* MainMenu::FindItem(const std::string& caption) const {
  for (const MenuEntry& entry : entries_)
    for (const MenuItem& item : entry.items)
      if (item.caption == caption) return &item;
  return nullptr;
}

void MainMenu::Describe(std::vector<std::string>& lines) const {
  for (const MenuEntry& entry : entries_) {
    lines.push_back(entry.caption);
    for (const MenuItem& item : entry.items) lines.push_back("  " + item.caption);
  }
}

}  // namespace forms
