// The start of a synthesis, the entry of the immittance, the restart with
// the same immittance, and the announcement of the completion.
#include "frame/console_main_form.h"
#include "frame/operations_form.h"
#include "ladder/conditioning.h"
#include "ladder/immittance_entry.h"
#include "ladder/initialization_form.h"
#include "ladder/listings.h"
#include "ladder/tramow.h"

namespace ladder {
namespace {

// The defaults of the parameters that "Iniciar" restores.
constexpr long double kDefaultTolerance = 1E-8L;
constexpr std::int32_t kDefaultWidth = 20;
constexpr std::int32_t kDefaultDecimals = 15;

void EnterBothPolynomials(ImmittanceModel& model, frame::Console& console) {
  console.ShowLine("Numerador:");
  EnterPolynomial(model, model.current.N, model.numerator_constant, "Numerador", console);
  console.ShowLine("Denominador:");
  EnterPolynomial(model, model.current.D, model.denominator_constant, "Denominador", console);
}

void ListBothTables(const ImmittanceModel& model, frame::Console& console) {
  ListRoots('z', model.zeros, console);
  ListRoots('p', model.poles, console);
}

// Half of a symmetric network: the user splits the poles to realise, and
// perhaps a pair of zeros, between the zeros and the poles of the half.
void EnterSymmetricHalf(ImmittanceModel& model, frame::Console& console) {
  console.ShowLine("Os polos da transferência a realizar, e um possível par de zeros simples de");
  console.ShowLine("transmissão finitos em jw, devem ser separados em duas partes, que serão polos");
  console.ShowLine("e zeros da imitância de meia-rede.");
  TPolynomial& n = model.current.N;
  TPolynomial& d = model.current.D;
  n.degree = AskDegree("Grau do numerador da imitância realizar:", n.degree, console);
  d.degree = AskDegree("Grau do denominador da imitância a realizar:", d.degree, console);
  console.ShowLine("Escolha os " + frame::IntToText(n.degree) + " zeros da imitância (conjugados são assumidos):");
  ListBothTables(model, console);
  PolynomialFromRoots(model, n, model.numerator_constant, console);
  console.ShowLine("Escolha os " + frame::IntToText(d.degree) + " polos da imitância (conjugados são assumidos):");
  ListBothTables(model, console);
  PolynomialFromRoots(model, d, model.denominator_constant, console);
}

// Every coefficient that the entry gave as non-zero and its cleaning zeroes
// is named with its value and the tolerance: a tolerance too coarse for the
// immittance drops what is not rounding.
void ShowEntryCleaning(const ImmittanceModel& model, frame::Console& console) {
  const std::pair<const TPolynomial*, const char*> polynomials[] = {{&model.current.N, "numerador"},
                                                                    {&model.current.D, "denominador"}};
  for (const auto& [p, name] : polynomials)
    for (const std::int32_t i : CoefficientsCleanedAway(model, *p))
      console.ShowLine("* Limpeza zerou a(" + frame::IntToText(i) + ") do " + name + ":" +
                       console.RealToText(p->a[static_cast<std::size_t>(i)]) + " (tolerância" +
                       console.RealToText(model.tolerance) + ").");
}

}  // namespace

void Tramow::StartSynthesis() {
  model_.tolerance = kDefaultTolerance;
  model_.width = kDefaultWidth;
  model_.decimals = kDefaultDecimals;
  model_.current.N.degree = 0;
  model_.current.D.degree = 0;
  model_.complete = false;
  completion_announced_ = false;
  // the degrees reset: the immittance no longer is the one entered
  journal_.follows_entry = false;
  model_.current.admittance = !console_.AskYesNo("A imitância a expandir é uma impedância? (ou admitância)");
  ShowImmittanceKind(model_.current, console_);
  // each table's dialog is named by the line that asks for it
  for (const auto& [table, filter, line] :
       {std::tuple{&model_.zeros, kZerosFilter, "Zeros de transmissão a realizar (opcional)"},
        std::tuple{&model_.poles, kPolesFilter, "polos da f. de t. a realizar (opcional)"}}) {
    console_.ShowLine(line);
    ReadRootsFile(*table, filter, line, console_);
  }
  windows_.initialization->kind_label.SetCaption(std::string("Especificação de ") +
                                                 (model_.current.admittance ? "Y" : "Z") + ":");
  windows_.initialization->Show();
}

void Tramow::EnterImmittance() {
  switch (static_cast<EntryForm>(windows_.initialization->entry_form.item_index())) {
    case EntryForm::kPolynomials: EnterBothPolynomials(model_, console_); break;
    case EntryForm::kSymmetricHalf: EnterSymmetricHalf(model_, console_); break;
    default:
      console_.ShowLine("* Não implementado. Use os programas Torvel ou Parvox para obter redes lattice.");
      return;
  }
  model_.current.K = model_.numerator_constant / model_.denominator_constant;
  journal_.Enter(model_.current, model_.tolerance);
  ShowEntryCleaning(model_, console_);
  NormalizeImmittance(model_);
  SaveOriginal(model_);
  network_.Clear();
  console_windows().operations->Show();
}

void Tramow::RestartSameImmittance() {
  console_.ShowLine("Recomeçando.");
  RestoreOriginal(model_);
  network_.Clear();
  journal_.Restart();
  model_.complete = false;
  completion_announced_ = false;
}

void Tramow::CheckCompletion(Operation operation) {
  // changing the parameters never completes anything
  if (operation == Operation::kChangeParameters || !model_.complete || completion_announced_) return;
  console_.ShowLine("Síntese completa.");
  std::copy(network_.elements.begin(), network_.elements.end(), backup_.elements.begin());
  backup_.count = network_.count;
  completion_announced_ = true;
  if (journal_.follows_entry) ShowElementError(EstimateElementError(journal_, model_, network_, console_), console_);
}

void Tramow::ChangeParameters() {
  console_.AskReal("Nova dispersão/tolerância:", model_.tolerance);
  console_.AskInteger("Tamanho de números reais:", model_.width);
  console_.AskInteger("Número de decimais:", model_.decimals);
}

}  // namespace ladder
