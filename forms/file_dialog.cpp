#include "forms/file_dialog.h"

#include "forms/application.h"
#include "forms/backend.h"

namespace forms {

FileDialog::FileDialog(Form& owner, std::string name, FileDialogKind kind, std::vector<FileFilter> filters)
    : Control(owner, std::move(name)), kind_(kind), filters_(std::move(filters)) {}

std::string FileDialog::CurrentFilterDescription() const {
  if (filters_.empty()) return {};
  // the index counts from 1; one outside the list shows the first entry, so
  // that the dialog always offers one of its filters
  const int index = filter_index_ >= 1 && filter_index_ <= static_cast<int>(filters_.size()) ? filter_index_ : 1;
  return filters_[static_cast<std::size_t>(index - 1)].description;
}

bool FileDialog::Execute() { return app().backend().ExecuteFileDialog(*this); }

void FileDialog::Describe(std::vector<std::string>& lines) const {
  lines.push_back("filter_index: " + std::to_string(filter_index_));
  lines.push_back("file_name: " + file_name_);
}

}  // namespace forms
