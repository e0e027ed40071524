#include "workbench/squaring.h"

#include "workbench/slot_selection.h"
#include "workbench/stack_algebra.h"

namespace workbench {

void SquarePolynomial(Registers& r, frame::Console& console) {
  console.ShowLine("Elevar ao quadrado:");
  SelectPolynomial(r, console);
  if (!r.X.defined) {
    console.ShowLine("* Polinômio indefinido *");
    return;
  }
  // A square beyond the largest degree is refused by the product, which then
  // leaves the stack alone; Y is put back so that nothing changes.
  const TPolynomialRecord saved_y = r.Y;
  r.Y = r.X;
  if (!MultiplyPop(r, console.log())) {
    r.Y = saved_y;
    return;
  }
  StorePolynomial(r, console);
}

}  // namespace workbench
