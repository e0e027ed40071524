// The operations window's table: the operation chosen in RGmenu, run as it
// is, with no check or message of the dispatcher's own around it.
#include "workbench/approximations.h"
#include "workbench/characteristic_polynomials.h"
#include "workbench/feldtkeller.h"
#include "workbench/frequency_response.h"
#include "workbench/frequency_transformations.h"
#include "workbench/immittances.h"
#include "workbench/listings.h"
#include "workbench/parameters_dialog.h"
#include "workbench/polynomial_entry.h"
#include "workbench/root_finder.h"
#include "workbench/squaring.h"
#include "workbench/vessaw.h"

namespace workbench {

std::vector<frame::Operation> Vessaw::Operations() {
  return {
      {"Gerar polinômio característico Q(w)", [this] { GenerateCharacteristicPolynomial(*this); }, {}},
      {"K(s) para K(jw) polinomial", [this] { PolynomialApproximation(*this); }, {}},
      {"K(s) para K(jw) polinomial inversa", [this] { InversePolynomialApproximation(*this); }, {}},
      {"K(s) para K(jw) racional simétrica", [this] { SymmetricRationalApproximation(*this); }, {}},
      {"K(s) para K(jw) racional simétrica modificada",
       [this] { ModifiedSymmetricRationalApproximation(*this); }, {}},
      {"H(s) para aproximação de Bessel", [this] { BesselApproximation(*this); }, {}},
      {"Calcular E(s) tendo K(s)=F(s)/P(s)", [this] { ComputeE(*this); }, {}},
      {"Calcular F(s) tendo H(s)=E(s)/P(s)", [this] { ComputeF(*this); }, {}},
      {"Gerar imitâncias para síntese de rede passiva", [this] { ImmittancesOperation(*this); }, {}},
      {"Transformações de frequência", [this] { FrequencyTransformationsOperation(*this); }, {}},
      {"Listar/salvar polinômio", [this] { ListPolynomialOperation(*this); }, {}},
      {"Listar/salvar últimas raizes calculadas", [this] { ListRootsOperation(*this); }, {}},
      {"Gráfico das últimas raízes calculadas no plano complexo", [this] { root_plot_.Show(console_.log()); }, {}},
      {"Ler/editar polinômio", [this] { ReadEditPolynomialOperation(*this); }, {}},
      {"Elevar polinômio ao quadrado", [this] { SquarePolynomial(registers_, console_); }, {}},
      {"Raízes de polinômio", [this] { PolynomialRootsOperation(*this); }, {}},
      {"Gráficos de resposta em frequência", [this] { FrequencyResponseOperation(*this); }, {}},
      {"Editar parâmetros", [this] { EditParameters(*windows_.form10, parameters_, console_.log()); }, {}},
  };
}

}  // namespace workbench
