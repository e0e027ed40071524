#include "elliptic/file_list.h"

#include "base/text_file.h"
#include "elliptic/main_form.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"

namespace elliptic {

namespace {

// Both separators: a name may come from either kind of system.
constexpr const char* kFolderSeparators = "/\\";

// `line` between double quotes.
std::string Quoted(const std::string& line) { return "\"" + line + "\""; }

}  // namespace

std::optional<std::string> ZerosPartner(const std::string& poles_name) {
  const std::size_t last_separator = poles_name.find_last_of(kFolderSeparators);
  const std::size_t name_start = last_separator == std::string::npos ? 0 : last_separator + 1;
  const std::size_t dot = poles_name.find('.', name_start);
  if (dot == std::string::npos) return std::nullopt;
  if (dot == name_start) return poles_name.substr(0, name_start) + "p" + poles_name.substr(dot);
  return poles_name.substr(0, dot - 1) + "p" + poles_name.substr(dot);
}

void FileList::BrowseClick() {
  SelectionForm& form = *windows_.selection_form;
  if (!form.poles_dialog.Execute()) return;
  const std::string name = form.poles_dialog.file_name();
  form.files.Append(name);
  const std::optional<std::string> partner = ZerosPartner(name);
  if (!partner) {
    log_.ShowLine("Nome do arquivo com zeros não identificado");
    return;
  }
  form.files.Append(*partner);
}

void FileList::ClearClick() { windows_.selection_form->files.Clear(); }

void FileList::ListRoots(const TRootFileRecord& record) {
  if (!windows_.selection_form->CBlistar.checked()) return;
  log_.ShowLine("Ordem: " + IntToText(record.count));
  for (std::int32_t i = 1; i <= record.count; ++i)
    log_.ShowLine("s" + IntToText(i) + ": " + log_.RealToText(record.re[i]) + " " + log_.RealToText(record.im[i]) +
                  "j");
  log_.ShowLine("Cte: " + log_.RealToText(record.constant));
}

void FileList::PlotClick() {
  SelectionForm& form = *windows_.selection_form;
  state_.print_width = windows_.main_form->NEcm.panel_int();
  state_.print_decimals = windows_.main_form->NEdc.panel_int();
  // a copy: the list may be edited while the files are read
  const std::vector<std::string> lines = form.files.lines();
  log_.ShowLine("A lista tem " + IntToText(static_cast<std::int64_t>(lines.size())) + " linhas");
  functions_.count = 0;
  bool poles_expected = true;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '*') {
      log_.ShowLine("Linha ignorada: " + Quoted(line));
      continue;
    }
    if (!base::FileExists(line)) {
      // the next file that exists takes this one's role
      log_.ShowLine("Não existe o arquivo " + Quoted(line));
      continue;
    }
    log_.ShowLine("Encontrado o arquivo " + Quoted(line));
    if (poles_expected) {
      if (++functions_.count > kMaxFunctions) {
        log_.ShowLine("Só há espaço para " + IntToText(kMaxFunctions) + " funções");
        functions_.count = kMaxFunctions;
      }
      TPlotFunction& f = functions_[functions_.count];
      ReadRootsFile(line, f.poles, log_);
      ListRoots(f.poles);
    } else {
      TPlotFunction& f = functions_[functions_.count];
      ReadRootsFile(line, f.zeros, log_);
      ListRoots(f.zeros);
      log_.ShowLine("Lida a função #" + IntToText(functions_.count));
    }
    poles_expected = !poles_expected;
  }
  if (!poles_expected) {
    log_.ShowLine("A função " + IntToText(functions_.count) + " está incompleta");
    --functions_.count;
  }
  log_.ShowLine("Lidas " + IntToText(functions_.count) + " funções válidas");
  functions_.selected_function = 1;
  // all four or none: a limit beyond the range of a double ends the action
  home_ = HomeView{base::ToDouble(form.twmin.panel_real()), base::ToDouble(form.twmax.panel_real()),
                   base::ToDouble(form.tgmin.panel_real()), base::ToDouble(form.tgmax.panel_real())};
  ClampInt(form.tsegmentos, 1, kMaxSegments);
  ResponsePlotForm& plot = *windows_.plot_form;
  plot.Hide();
  plot.cresposta.Invalidate();
  plot.Show();
}

}  // namespace elliptic
