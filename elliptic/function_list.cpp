#include "elliptic/function_list.h"

#include "base/text_file.h"
#include "formats/roots_file.h"

namespace elliptic {

void ReadRootsFile(const std::string& name, TRootFileRecord& record, DesignerLog& log) {
  // The clamp is told before the roots are read, so that it stays in the log
  // when a later token of the file ends the action: the count line is read
  // once on its own.
  if (base::TextReader count_line(name); formats::ReadIntegerLine(count_line) > kMaxRoots)
    log.ShowLine("O grau não pode ser maior que " + IntToText(kMaxRoots));
  base::TextReader in(name);
  const formats::RootsFile file = formats::ReadRootsFile(in, kMaxRoots, formats::ConstantRule::kAlways);
  record.count = std::min(file.count, kMaxRoots);
  for (std::int32_t i = 1; i <= record.Roots(); ++i) {
    record.re[i] = file.re[static_cast<std::size_t>(i - 1)];
    record.im[i] = file.im[static_cast<std::size_t>(i - 1)];
  }
  record.constant = file.constant;
}

}  // namespace elliptic
