// The operations window's table: the operation chosen in RGmenu, run as it
// is, with no check or message of the dispatcher's own around it.
#include "workbench/listings.h"
#include "workbench/operations_form.h"
#include "workbench/parameters_dialog.h"
#include "workbench/polynomial_entry.h"
#include "workbench/root_finder.h"
#include "workbench/squaring.h"
#include "workbench/vessaw.h"

namespace workbench {

void Vessaw::InstallOperations() {
  operations_.Set(Operation::ListPolynomial, [this] { ListPolynomialOperation(*this); });
  operations_.Set(Operation::ListRoots, [this] { ListRootsOperation(*this); });
  operations_.Set(Operation::EnterPolynomial, [this] { ReadEditPolynomialOperation(*this); });
  operations_.Set(Operation::SquarePolynomial, [this] { SquarePolynomial(*this); });
  operations_.Set(Operation::PolynomialRoots, [this] { PolynomialRootsOperation(*this); });
  operations_.Set(Operation::EditParameters,
                  [this] { EditParameters(*windows_.form10, parameters_, console_); });
}

void Vessaw::RunOperation() { operations_.Run(windows_.form6->RGmenu.item_index()); }

}  // namespace workbench
