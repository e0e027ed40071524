// The operations window: one table of operations fills its radio group, and
// its button runs the chosen one.  The window is not modal: the user picks
// an operation, applies it, and picks the next.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/radio_group.h"

namespace frame {

struct Operation {
  std::string caption{};  // the item of the radio group
  // What the operation does; none: nothing yet.
  std::function<void()> action;
  // Whether the operation may run now; none: always.  An operation chosen
  // when it may not run does nothing and logs nothing.
  std::function<bool()> may_run_now;
};

// The table of `count` items from rows named by the program's enum of
// operations: each row at the item of its name, whatever the order of the
// rows.  A name outside the table, a name given twice or an item left
// without a row is a fault of the program's description.
template <typename Name>
std::vector<Operation> OperationTable(std::span<const std::pair<Name, Operation>> rows, std::size_t count) {
  std::vector<Operation> table(count);
  std::vector<bool> given(count, false);
  for (const auto& [name, row] : rows) {
    const auto item = static_cast<std::size_t>(name);
    if (item >= count || given[item]) throw std::logic_error("operation table: row out of place: " + row.caption);
    given[item] = true;
    table[item] = row;
  }
  if (std::find(given.begin(), given.end(), false) != given.end())
    throw std::logic_error("operation table: an item without a row");
  return table;
}

struct OperationsSetup {
  std::string form_name{};       // "Form6"
  std::string caption{};         // "Operações"
  std::string group_name{};      // "RGmenu"
  std::string group_caption{};   // "Operação"
  int preselected = -1;          // the item chosen at start; -1: none
  std::string button_caption{};  // "Aplicar"
  bool closable = true;          // false: the close box does nothing
  int client_width = 400;        // wide enough for the longest operation
};

class OperationsForm : public forms::Form {
 public:
  OperationsForm(forms::Application& app, const OperationsSetup& setup, std::vector<Operation> operations);

  // What the button does: the chosen operation, if it may run now, then the
  // hook.  Nothing at all when no operation is chosen.  An error that ends
  // the operation ends the hook's turn too.
  void RunChosen();

  // Run after every chosen operation, whether it ran or not, with its index.
  std::function<void(int index)> after_operation;

  forms::RadioGroup& group;
  forms::Button& button;  // Button1

 private:
  std::vector<Operation> operations_;
};

}  // namespace frame
