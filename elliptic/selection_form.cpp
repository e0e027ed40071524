#include "elliptic/selection_form.h"

namespace elliptic {
namespace {

// An 803 x 670 window less its frame (borders of 8 pixels, a caption of 31).
constexpr int kClientWidth = 803 - 2 * 8;
constexpr int kClientHeight = 670 - 31 - 8;

}  // namespace

SelectionForm::SelectionForm(forms::Application& app) : forms::Form(app, "Form2", "Seleção de polos e zeros") {
  SetClientSize(kClientWidth, kClientHeight);
}

}  // namespace elliptic
