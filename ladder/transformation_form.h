// Form8, the choice of a network transformation: shown modally, its button
// closes it, and the choice stays for the next time.
#pragma once

#include "forms/application.h"
#include "forms/button.h"
#include "forms/form.h"
#include "forms/radio_group.h"

namespace ladder {

// The items of the choice, in order.
enum class Transformation {
  kHighpass = 0,
  kBandpass = 1,
  kBandstop = 2,
  kImpedanceScaling = 3,
  kFrequencyScaling = 4,
  kSpread = 5,
  kRestore = 6,
  kNone = 7,
};

class TransformationForm : public forms::Form {
 public:
  explicit TransformationForm(forms::Application& app);

  forms::RadioGroup& choice;  // RGtransformacao
  forms::Button& apply;       // Button1
};

}  // namespace ladder
