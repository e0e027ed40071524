#include "workbench/operation_table.h"

namespace workbench {

void OperationTable::Set(Operation operation, std::function<void()> action) {
  actions_[static_cast<std::size_t>(operation)] = std::move(action);
}

void OperationTable::Run(int index) const {
  if (index < 0 || index >= kOperationCount) return;
  const std::function<void()>& action = actions_[static_cast<std::size_t>(index)];
  if (action) action();
}

}  // namespace workbench
