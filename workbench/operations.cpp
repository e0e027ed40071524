// The operations window's table: each operation's caption and what it runs,
// with no check or message of the table's own around it.
#include <utility>

#include "workbench/approximations.h"
#include "workbench/characteristic_polynomials.h"
#include "workbench/feldtkeller.h"
#include "workbench/frequency_response.h"
#include "workbench/frequency_transformations.h"
#include "workbench/immittances.h"
#include "workbench/listings.h"
#include "workbench/operations.h"
#include "workbench/parameters_dialog.h"
#include "workbench/polynomial_entry.h"
#include "workbench/root_finder.h"
#include "workbench/root_rescue_form.h"
#include "workbench/squaring.h"
#include "workbench/vessaw.h"

namespace workbench {

std::vector<frame::Operation> Vessaw::Operations() {
  const RescueDialog rescue = [this](poly::RootRescue& state) { windows_.root_rescue->Ask(state); };
  const std::pair<Operation, frame::Operation> rows[] = {
      {Operation::kGenerateCharacteristicPolynomial,
       {"Gerar polinômio característico Q(w)",
        [this] { GenerateCharacteristicPolynomial(registers_, parameters_, console_); },
        {}}},
      {Operation::kPolynomialApproximation,
       {"K(s) para K(jw) polinomial",
        [this] { PolynomialApproximation(registers_, parameters_, kept_values_, console_); },
        {}}},
      {Operation::kInversePolynomialApproximation,
       {"K(s) para K(jw) polinomial inversa",
        [this] { InversePolynomialApproximation(registers_, parameters_, kept_values_, console_); },
        {}}},
      {Operation::kSymmetricRationalApproximation,
       {"K(s) para K(jw) racional simétrica",
        [this] { SymmetricRationalApproximation(registers_, parameters_, kept_values_, console_); },
        {}}},
      {Operation::kModifiedSymmetricRationalApproximation,
       {"K(s) para K(jw) racional simétrica modificada",
        [this] { ModifiedSymmetricRationalApproximation(registers_, parameters_, kept_values_, console_); },
        {}}},
      {Operation::kBesselApproximation,
       {"H(s) para aproximação de Bessel", [this] { BesselApproximation(registers_, parameters_, console_); }, {}}},
      {Operation::kComputeE,
       {"Calcular E(s) tendo K(s)=F(s)/P(s)",
        [this, rescue] { ComputeE(registers_, parameters_, console_, rescue); },
        {}}},
      {Operation::kComputeF,
       {"Calcular F(s) tendo H(s)=E(s)/P(s)",
        [this, rescue] { ComputeF(registers_, parameters_, console_, rescue); },
        {}}},
      {Operation::kImmittances,
       {"Gerar imitâncias para síntese de rede passiva",
        [this, rescue] { ImmittancesOperation(registers_, parameters_, console_, rescue); },
        {}}},
      {Operation::kFrequencyTransformations,
       {"Transformações de frequência",
        [this] { FrequencyTransformationsOperation(registers_, kept_values_, console_); },
        {}}},
      {Operation::kListPolynomial,
       {"Listar/salvar polinômio", [this] { ListPolynomialOperation(registers_, parameters_, console_); }, {}}},
      {Operation::kListRoots,
       {"Listar/salvar últimas raizes calculadas",
        [this] { ListRootsOperation(registers_, parameters_, console_); },
        {}}},
      {Operation::kRootPlot,
       {"Gráfico das últimas raízes calculadas no plano complexo", [this] { root_plot_.Show(console_.log()); }, {}}},
      {Operation::kReadEditPolynomial,
       {"Ler/editar polinômio", [this] { ReadEditPolynomialOperation(registers_, parameters_, console_); }, {}}},
      {Operation::kSquarePolynomial,
       {"Elevar polinômio ao quadrado", [this] { SquarePolynomial(registers_, console_); }, {}}},
      {Operation::kPolynomialRoots,
       {"Raízes de polinômio",
        [this, rescue] { PolynomialRootsOperation(registers_, parameters_, console_, rescue); },
        {}}},
      {Operation::kFrequencyResponse,
       {"Gráficos de resposta em frequência",
        [this] { FrequencyResponseOperation(registers_, parameters_, console_, response_plot_); },
        {}}},
      {Operation::kEditParameters,
       {"Editar parâmetros", [this] { EditParameters(*windows_.parameters, parameters_, console_.log()); }, {}}},
  };
  return frame::OperationTable<Operation>(rows, kOperationCount);
}

}  // namespace workbench
