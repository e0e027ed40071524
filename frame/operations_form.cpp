#include "frame/operations_form.h"

#include "frame/dialog_layout.h"

namespace frame {
namespace {

// One radio button row per operation plus the group's caption and frame.
constexpr int kItemHeight = 20;
constexpr int kGroupFrameHeight = 24;

std::vector<std::string> CaptionsOf(const std::vector<Operation>& operations) {
  std::vector<std::string> captions;
  for (const Operation& operation : operations) captions.push_back(operation.caption);
  return captions;
}

}  // namespace

OperationsForm::OperationsForm(forms::Application& app, const OperationsSetup& setup, std::vector<Operation> operations)
    : forms::Form(app, setup.form_name, setup.caption),
      group(Add<forms::RadioGroup>(setup.group_name, setup.group_caption, CaptionsOf(operations), setup.preselected)),
      button(Add<forms::Button>("Button1", setup.button_caption)),
      operations_(std::move(operations)) {
  button.on_click = [this] { RunChosen(); };
  // Return on the chosen operation applies it
  SetDefaultButton(&button);
  if (!setup.closable) on_close = [](forms::CloseAction& action) { action = forms::CloseAction::None; };
  const int count = static_cast<int>(operations_.size());
  DialogLayout(setup.client_width)
      .Row(group, count * kItemHeight + kGroupFrameHeight)
      .Buttons({&button})
      .ApplyTo(*this);
  // it stays open beside the log, where the backend puts a window by default
  SetPlacement(forms::Placement::Default);
}

void OperationsForm::RunChosen() {
  const int index = group.item_index();
  if (index < 0 || index >= static_cast<int>(operations_.size())) return;
  const Operation& operation = operations_[static_cast<std::size_t>(index)];
  if (operation.action && (!operation.may_run_now || operation.may_run_now())) operation.action();
  if (after_operation) after_operation(index);
}

}  // namespace frame
