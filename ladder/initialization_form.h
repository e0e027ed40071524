// Form5, "Inicialização": how the immittance to expand is given.  Not
// modal: its button hides it and enters the immittance.
#pragma once

#include <functional>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/radio_group.h"

namespace ladder {

// The items of entry_form, in order.
enum class EntryForm {
  kPolynomials = 0,     // numerator and denominator polynomials
  kSymmetricHalf = 1,   // half of a symmetric network, from chosen poles and zeros
  kAntimetricHalf = 2,  // half of an antimetric network: refused
};

class InitializationForm : public forms::Form {
 public:
  explicit InitializationForm(forms::Application& app);

  forms::Label& kind_label;       // Label1
  forms::RadioGroup& entry_form;  // RGoque
  forms::Button& apply;           // Button1

  // What "Aplicar" runs once the window is hidden.
  std::function<void()> on_apply;
};

}  // namespace ladder
