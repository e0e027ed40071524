#include "workbench/squaring.h"

#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace workbench {

void SquarePolynomial(Vessaw& v) {
  Console& console = v.console();
  Registers& r = v.registers();
  console.ShowLine("Elevar ao quadrado:");
  SelectPolynomial(v);
  if (!r.X.defined) {
    console.ShowLine("* Polinômio indefinido *");
    return;
  }
  // A square beyond the largest degree is refused by the product, which then
  // leaves the stack alone; Y is put back so that nothing changes.
  const TPolynomialRecord saved_y = r.Y;
  r.Y = r.X;
  if (!MultiplyPop(v)) {
    r.Y = saved_y;
    return;
  }
  StorePolynomial(v);
}

}  // namespace workbench
