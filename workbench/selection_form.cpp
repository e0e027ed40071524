#include "workbench/selection_form.h"

#include "workbench/dialog_layout.h"

namespace workbench {
namespace {

// Wide enough for the longest item of the operations' choices.
constexpr int kClientWidth = 280;
// Room for the longest list of the operations (eight items) without scrolling.
constexpr int kListHeight = 140;

}  // namespace

SelectionForm::SelectionForm(forms::Application& app)
    : forms::Form(app, "Form9", "Seleção"),
      Label1(Add<forms::Label>("Label1")),
      ListBox1(Add<forms::ListBox>("ListBox1")) {
  // a click on an item is the answer, even on the preselected one
  ListBox1.on_click = [this] { SetModalResult(forms::kModalOk); };
  DialogLayout(kClientWidth).Row(Label1).Row(ListBox1, kListHeight).ApplyTo(*this);
}

}  // namespace workbench
