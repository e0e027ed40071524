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
#include "workbench/root_rescue_form.h"
#include "workbench/root_finder.h"
#include "workbench/squaring.h"
#include "workbench/vessaw.h"

namespace workbench {

std::vector<frame::Operation> Vessaw::Operations() {
  const RescueDialog rescue = [this](poly::RootRescue& state) { windows_.form11->Ask(state); };
  return {
      {"Gerar polinômio característico Q(w)",
       [this] { GenerateCharacteristicPolynomial(registers_, parameters_, console_); }, {}},
      {"K(s) para K(jw) polinomial",
       [this] { PolynomialApproximation(registers_, parameters_, kept_values_, console_); }, {}},
      {"K(s) para K(jw) polinomial inversa",
       [this] { InversePolynomialApproximation(registers_, parameters_, kept_values_, console_); }, {}},
      {"K(s) para K(jw) racional simétrica",
       [this] { SymmetricRationalApproximation(registers_, parameters_, kept_values_, console_); }, {}},
      {"K(s) para K(jw) racional simétrica modificada",
       [this] { ModifiedSymmetricRationalApproximation(registers_, parameters_, kept_values_, console_); }, {}},
      {"H(s) para aproximação de Bessel", [this] { BesselApproximation(registers_, parameters_, console_); }, {}},
      {"Calcular E(s) tendo K(s)=F(s)/P(s)",
       [this, rescue] { ComputeE(registers_, parameters_, console_, rescue); }, {}},
      {"Calcular F(s) tendo H(s)=E(s)/P(s)",
       [this, rescue] { ComputeF(registers_, parameters_, console_, rescue); }, {}},
      {"Gerar imitâncias para síntese de rede passiva",
       [this, rescue] { ImmittancesOperation(registers_, parameters_, console_, rescue); }, {}},
      {"Transformações de frequência",
       [this] { FrequencyTransformationsOperation(registers_, kept_values_, console_); }, {}},
      {"Listar/salvar polinômio", [this] { ListPolynomialOperation(registers_, parameters_, console_); }, {}},
      {"Listar/salvar últimas raizes calculadas", [this] { ListRootsOperation(registers_, parameters_, console_); },
       {}},
      {"Gráfico das últimas raízes calculadas no plano complexo", [this] { root_plot_.Show(console_.log()); }, {}},
      {"Ler/editar polinômio", [this] { ReadEditPolynomialOperation(registers_, parameters_, console_); }, {}},
      {"Elevar polinômio ao quadrado", [this] { SquarePolynomial(registers_, console_); }, {}},
      {"Raízes de polinômio",
       [this, rescue] { PolynomialRootsOperation(registers_, parameters_, console_, rescue); }, {}},
      {"Gráficos de resposta em frequência",
       [this] { FrequencyResponseOperation(registers_, parameters_, console_, response_plot_); }, {}},
      {"Editar parâmetros", [this] { EditParameters(*windows_.form10, parameters_, console_.log()); }, {}},
  };
}

}  // namespace workbench
