#include "formats/roots_file.h"

#include <algorithm>
#include <string>

namespace formats {

RootLine ReadRootLine(base::TextReader& in) {
  RootLine root;
  root.re = in.ReadReal();
  root.im = in.ReadReal();
  in.SkipLine();
  return root;
}

RootsFile ReadRootsFile(base::TextReader& in, std::int32_t max_count, ConstantRule rule) {
  RootsFile file;
  file.count = ReadIntegerLine(in);
  const std::int32_t kept = std::clamp(file.count, 0, std::max(max_count, 0));
  file.re.reserve(static_cast<std::size_t>(kept));
  file.im.reserve(static_cast<std::size_t>(kept));
  for (std::int32_t i = 0; i < file.count && !in.AtEnd(); ++i) {
    const RootLine root = ReadRootLine(in);
    if (i >= kept) continue;
    file.re.push_back(root.re);
    file.im.push_back(root.im);
  }
  // Roots announced beyond the end of the file read as 0 + 0j.
  file.re.resize(static_cast<std::size_t>(kept), base::Extended(0));
  file.im.resize(static_cast<std::size_t>(kept), base::Extended(0));
  const ConstantLine constant = ReadConstantLine(in, rule);
  file.constant = constant.value;
  file.constant_line = constant.present;
  return file;
}

void WriteRootLine(base::TextWriter& out, std::string_view re_text, std::string_view im_text) {
  std::string line(re_text);
  line += ' ';
  line += im_text;
  out.WriteLine(line);
}

void WriteRootsFile(base::TextWriter& out, const RootsFile& file, const RealFormat& format) {
  WriteIntegerLine(out, file.count);
  for (std::size_t k = 0; k < file.re.size(); ++k) WriteRootLine(out, format.Text(file.re[k]), format.Text(file.im[k]));
  out.WriteLine(format.Text(file.constant));
}

}  // namespace formats
