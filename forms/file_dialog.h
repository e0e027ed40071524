// The open and save dialogs: a filter list with a 1-based filter index, and
// the chosen name.
#pragma once

#include "forms/control.h"

namespace forms {

struct FileFilter {
  std::string description;  // "Zeros (*.z)"
  std::string patterns;     // "*.z", several separated by ";"
};

enum class FileDialogKind { Open, Save };

class FileDialog : public Control {
 public:
  FileDialog(Form& owner, std::string name, FileDialogKind kind, std::vector<FileFilter> filters = {});
  FileDialogKind kind() const { return kind_; }
  const std::vector<FileFilter>& filters() const { return filters_; }
  int filter_index() const { return filter_index_; }
  void SetFilterIndex(int index) { filter_index_ = index; }
  // The description of the filter at the index, empty without filters.
  std::string CurrentFilterDescription() const;
  const std::string& file_name() const { return file_name_; }
  void SetFileName(const std::string& name) { file_name_ = name; }
  // What the dialog opens or saves this time ("Numerador da imitância"):
  // its title names it, so that the user knows which offer is open; empty:
  // the plain title.
  void SetSubject(const std::string& subject) { subject_ = subject; }
  const std::string& subject() const { return subject_; }
  // Only existing files may be chosen (open dialogs).
  void SetMustExist(bool must_exist) { must_exist_ = must_exist; }
  bool must_exist() const { return must_exist_; }
  // Show the dialog; true when the user confirmed a name.
  bool Execute();
  void Describe(std::vector<std::string>& lines) const override;

 private:
  FileDialogKind kind_;
  std::vector<FileFilter> filters_;
  int filter_index_ = 1;
  std::string file_name_;
  std::string subject_;
  bool must_exist_ = false;
};

}  // namespace forms
