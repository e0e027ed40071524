// The menu bar of a main window: entries holding items.
#pragma once

#include <functional>

#include "forms/control.h"

namespace forms {

struct MenuItem {
  std::string name;
  std::string caption;
  std::function<void()> on_click;
};

struct MenuEntry {
  std::string name;
  std::string caption;
  std::vector<MenuItem> items;
};

class MainMenu : public Control {
 public:
  MainMenu(Form& owner, std::string name);
  MenuEntry& AddEntry(const std::string& name, const std::string& caption);
  MenuItem& AddItem(MenuEntry& entry, const std::string& name, const std::string& caption,
                    std::function<void()> on_click);
  const std::vector<MenuEntry>& entries() const { return entries_; }
  // The item with this caption, in any entry; null when there is none.
  const MenuItem* FindItem(const std::string& caption) const;
  void Describe(std::vector<std::string>& lines) const override;

 private:
  std::vector<MenuEntry> entries_;
};

}  // namespace forms
