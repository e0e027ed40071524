#include "ladder/listings.h"

namespace ladder {

void ListCoefficients(const TPolynomial& p, frame::Console& console) {
  for (std::int32_t i = 0; i <= p.degree; ++i)
    console.ShowLine("a(" + frame::IntToText(i) + "):" + console.RealToText(p.a[static_cast<std::size_t>(i)]));
}

void ListRoots(char letter, const RootTable& table, frame::Console& console) {
  for (std::int32_t i = 1; i <= table.count; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    console.ShowLine(std::string(1, letter) + frame::IntToText(i) + ":" + console.RealToText(table.re[k]) + " " +
                     console.RealToText(table.im[k]) + "j");
  }
}

void ShowImmittanceKind(const Immittance& f, frame::Console& console) {
  console.ShowLine(f.admittance ? "Admitância: " : "Impedância: ");
}

void ListImmittance(const Immittance& f, frame::Console& console) {
  ShowImmittanceKind(f, console);
  console.ShowLine("Numerador:");
  ListCoefficients(f.N, console);
  console.ShowLine("Denominador:");
  ListCoefficients(f.D, console);
  console.ShowLine("Cte:  " + console.RealToText(f.K));
}

}  // namespace ladder
