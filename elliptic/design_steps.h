// The steps that the four designs take alike on the main window: their
// beginning (title, print format, requirement, epsilon and alfa), the
// order rule, and the suffix of their file names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/extended.h"
#include "elliptic/designer_log.h"
#include "elliptic/designer_state.h"

namespace elliptic {

class MainForm;

class DesignSteps {
 public:
  DesignSteps(MainForm& form, DesignerState& state, DesignerLog& log) : form_(form), state_(state), log_(log) {}

  // An empty line and the title; then the print format and the
  // requirement from the fields, epsilon and alfa, and their line.
  void Begin(const std::string& title);

  // The order for the computed n, with its lines.  A forced order above
  // `forced_limit` (when there is one) is taken as the limit, and the field
  // shows it.  A negative order is refused with a line: no order then.
  std::optional<std::int32_t> Order(base::Extended n, std::optional<std::int32_t> forced_limit);

  // The line of a design whose gain constant underflowed and which writes
  // no file.
  void RefuseUnderflowedConstant();

  // The text of "Sufixo extra nos arquivos" as typed, read anew each time.
  std::string Suffix() const;

  const DesignerState& state() const { return state_; }
  void ShowLine(const std::string& text) { log_.ShowLine(text); }
  std::string RealToText(base::Extended x) const { return log_.RealToText(x); }

 private:
  MainForm& form_;
  DesignerState& state_;
  DesignerLog& log_;
};

}  // namespace elliptic
