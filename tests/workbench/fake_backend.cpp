#include "tests/workbench/fake_backend.h"

#include "forms/file_dialog.h"
#include "forms/form.h"

namespace workbench_test {

void FakeBackend::RunModal(forms::Form& form) {
  modal_forms.push_back(form.name());
  if (on_modal) on_modal(form);
  if (form.modal_result() == forms::kModalNone) form.Close();
}

void FakeBackend::MessageBox(const std::string& caption, const std::string& text) {
  messages.push_back(caption + ": " + text);
}

bool FakeBackend::ExecuteFileDialog(forms::FileDialog& dialog) {
  if (!file_answer) return false;
  dialog.SetFileName(*file_answer);
  return true;
}

forms::Canvas& FakeBackend::CanvasOf(forms::PaintBox&) { return canvas_; }

}  // namespace workbench_test
