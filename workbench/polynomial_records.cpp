#include "workbench/polynomial_records.h"

#include <algorithm>

#include "base/errors.h"

namespace workbench {

TPolynomialRecord RecordOf(std::initializer_list<base::Extended> ascending, base::Extended constant) {
  if (ascending.size() > kMaxDegree + 1) base::RaiseRangeCheck(static_cast<std::int64_t>(ascending.size()));
  TPolynomialRecord p;
  std::copy(ascending.begin(), ascending.end(), p.a.begin());
  p.degree = static_cast<std::int32_t>(ascending.size()) - 1;
  p.constant = constant;
  p.defined = true;
  return p;
}

TPolynomialRecord Monomial(int n) {
  if (n < 0 || n > kMaxDegree) base::RaiseRangeCheck(n);
  TPolynomialRecord p;
  p.a[static_cast<std::size_t>(n)] = 1;
  p.degree = n;
  p.defined = true;
  return p;
}

TPolynomialRecord Reversed(const TPolynomialRecord& p, int degree) {
  if (degree < -1 || degree > kMaxDegree) base::RaiseRangeCheck(degree);
  TPolynomialRecord r = p;
  for (int i = 0; i <= degree; ++i) r.a[static_cast<std::size_t>(i)] = p.a[static_cast<std::size_t>(degree - i)];
  r.degree = degree;
  return r;
}

}  // namespace workbench
