#include "workbench/slot_selection.h"

#include "workbench/vessaw.h"

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

void SelectPolynomial(Vessaw& v) {
  // No cancel item: closing the dialog keeps the preselected Q(w).
  v.console().AskChoice("Selecione o polinômio:", "[Q](w),[F](s),[P](s),[E](s),([X](s)),([Y](s))");
  if (const TPolynomialRecord* slot = SlotOf(v.registers(), v.console().choice_letter())) v.registers().X = *slot;
}

void StorePolynomial(Vessaw& v) {
  if (TPolynomialRecord* slot = SlotOf(v.registers(), v.console().choice_letter())) *slot = v.registers().X;
}

}  // namespace workbench
