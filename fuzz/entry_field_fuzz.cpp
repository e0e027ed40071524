// The numeric entry field's exit check on any typed text, in each of the
// three kinds: a text is committed exactly as the parser reads it, or
// refused with the field's own error leaving value and text as they were;
// and whatever value the field holds, the text it shows for it passes its
// own exit check again (the user can always leave a field untouched).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "base/errors.h"
#include "base/number_parse.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/script/script_backend.h"
#include "forms/script/script_line.h"
#include "fuzz/scratch_file.h"
#include "numeric_field/nedit.h"

namespace {

using numeric_field::tipo_campo;
using numeric_field::TNEdit;

// One program with one form of three fields, made once: fields keep their
// values from one input to the next, as they do for a user.
struct Dialog {
  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  forms::Form& form = app.CreateForm<forms::Form>("Form3", "Entrada");
  std::array<TNEdit*, 3> fields = {&form.Add<TNEdit>("NEreal", tipo_campo::real_field),
                                   &form.Add<TNEdit>("NEint", tipo_campo::int_field),
                                   &form.Add<TNEdit>("NEtexto", tipo_campo::text_field)};
};

// The text is refused: nothing the field holds has changed.
bool Unchanged(const TNEdit& field, const std::string& text, base::Extended real, std::int32_t integer) {
  return field.text() == text && field.panel_real() == real && field.panel_int() == integer;
}

void TypeAndLeave(TNEdit& field, const std::string& text) {
  const base::Extended real_before = field.panel_real();
  const std::int32_t int_before = field.panel_int();
  field.UserEdited(text);
  try {
    field.ExitCheck();
  } catch (const base::InvalidNumberError& error) {
    FUZZ_CHECK(field.field_type() != tipo_campo::text_field);
    FUZZ_CHECK(error.text() == text && Unchanged(field, text, real_before, int_before));
    return;
  }
  FUZZ_CHECK(field.text() == text);
  switch (field.field_type()) {
    case tipo_campo::real_field: {
      const std::optional<base::Extended> read = base::ParseReal(text);
      FUZZ_CHECK(read && field.panel_real() == *read && field.panel_int() == int_before);
      break;
    }
    case tipo_campo::int_field:
      FUZZ_CHECK(base::ParseInteger(text) == field.panel_int() && field.panel_real() == real_before);
      break;
    case tipo_campo::text_field: FUZZ_CHECK(Unchanged(field, text, real_before, int_before)); break;
  }
}

// The shown text of the held value is taken back without a change.
void ShownTextPasses(TNEdit& field) {
  field.set_panel_real(field.panel_real());
  field.set_panel_int(field.panel_int());
  const std::string shown = field.text();
  const base::Extended real = field.panel_real();
  const std::int32_t integer = field.panel_int();
  field.ExitCheck();
  FUZZ_CHECK(field.text() == shown && field.panel_int() == integer);
  // the general form keeps 15 digits: close, not always the same bits
  FUZZ_CHECK(field.field_type() != tipo_campo::int_field || field.panel_real() == real);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Dialog dialog;
  const std::string text(fuzz::AsText(data, size));
  for (TNEdit* field : dialog.fields) {
    TypeAndLeave(*field, text);
    ShownTextPasses(*field);
  }
  return 0;
}
