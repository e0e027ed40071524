// TNEdit: the numeric entry field of all three programs.
//
// It holds a real, an integer or plain text.  A program writes a value through
// its property (the field shows it), and reads the committed value back; the
// text the user types becomes a value only when the focus leaves the field and
// the text is a number of the field's kind.
#pragma once

#include <cstdint>

#include "base/extended.h"
#include "forms/edit.h"

namespace numeric_field {

enum class tipo_campo { real_field = 0, int_field = 1, text_field = 2 };

class TNEdit : public forms::Edit {
 public:
  TNEdit(forms::Form& owner, std::string name, tipo_campo kind);

  base::Extended panel_real() const { return panel_real_; }
  std::int32_t panel_int() const { return panel_int_; }
  tipo_campo field_type() const { return field_type_; }

  // Store x; a real field shows it in the general form.
  void set_panel_real(base::Extended x);
  // Store n; an integer field shows it in decimal.
  void set_panel_int(std::int32_t n);
  // Store the kind and show the stored value of that kind (text stays as is).
  void set_field_type(tipo_campo kind);

  // The exit check: commit the text, or refuse it with InvalidNumberError
  // (the stored value and the text stay as they are).
  void ExitCheck() override;
  void Describe(std::vector<std::string>& lines) const override;

 private:
  base::Extended panel_real_ = 0;
  std::int32_t panel_int_ = 0;
  tipo_campo field_type_ = tipo_campo::real_field;
};

}  // namespace numeric_field
