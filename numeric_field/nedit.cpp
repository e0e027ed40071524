#include "numeric_field/nedit.h"

#include "base/number_parse.h"
#include "base/number_text.h"

namespace numeric_field {

namespace {

// Wide enough for the exponent form's full 18 significant digits.
constexpr int kDescribeWidth = 27;

}  // namespace

TNEdit::TNEdit(forms::Form& owner, std::string name, tipo_campo kind) : forms::Edit(owner, std::move(name)) {
  // digits line up from one field to the next
  SetFixedPitch(true);
  set_field_type(kind);
}

void TNEdit::set_panel_real(base::Extended x) {
  panel_real_ = x;
  if (field_type_ == tipo_campo::real_field) SetText(base::GeneralForm(x));
}

void TNEdit::set_panel_int(std::int32_t n) {
  panel_int_ = n;
  if (field_type_ == tipo_campo::int_field) SetText(base::IntToText(n));
}

void TNEdit::set_field_type(tipo_campo kind) {
  field_type_ = kind;
  if (kind == tipo_campo::real_field) SetText(base::GeneralForm(panel_real_));
  if (kind == tipo_campo::int_field) SetText(base::IntToText(panel_int_));
}

void TNEdit::ExitCheck() {
  switch (field_type_) {
    case tipo_campo::text_field: return;
    case tipo_campo::real_field:
      if (const auto value = base::ParseReal(text())) {
        panel_real_ = *value;
        return;
      }
      break;
    case tipo_campo::int_field:
      if (const auto value = base::ParseInteger(text())) {
        panel_int_ = *value;
        return;
      }
      break;
  }
  throw base::InvalidNumberError(text());
}

void TNEdit::Describe(std::vector<std::string>& lines) const {
  forms::Edit::Describe(lines);
  // the exponent form with all 18 digits, without its justification
  const std::string real_text = base::FloatToText(panel_real_, kDescribeWidth, -1);
  lines.push_back("panel_real: " + real_text.substr(real_text.find_first_not_of(' ')));
  lines.push_back("panel_int: " + base::IntToText(panel_int_));
}

}  // namespace numeric_field
