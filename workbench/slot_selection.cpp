#include "workbench/slot_selection.h"

namespace workbench {
namespace {

// The slot that a choice letter names; none for X (the register itself) and
// for any letter that is not a slot's.
TPolynomialRecord* SlotOf(Registers& r, char letter) {
  switch (letter) {
    case 'Q': return &r.Q;
    case 'F': return &r.F;
    case 'P': return &r.P;
    case 'E': return &r.E;
    case 'Y': return &r.Y;
    default: return nullptr;
  }
}

}  // namespace

void SelectPolynomial(Registers& r, frame::Console& console) {
  // No cancel item: closing the dialog keeps the preselected Q(w).
  const char letter = console.AskChoice("Selecione o polinômio:", "[Q](w),[F](s),[P](s),[E](s),([X](s)),([Y](s))");
  if (const TPolynomialRecord* slot = SlotOf(r, letter)) r.X = *slot;
}

void StorePolynomial(Registers& r, const frame::Console& console) {
  if (TPolynomialRecord* slot = SlotOf(r, console.choice_letter())) *slot = r.X;
}

std::string PolynomialName(char letter) {
  switch (letter) {
    case 'Q': return "Q(w)";
    case 'F':
    case 'P':
    case 'E':
    case 'X':
    case 'Y': return std::string(1, letter) + "(s)";
    default: return {};
  }
}

}  // namespace workbench
