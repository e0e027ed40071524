// The operations window's table.  Extractions, inversion and the immittance
// listing run only until the synthesis is complete; the transformations and
// the saving of the network only once its completion was announced; the
// rest at any time.  Steps that may be refused half-way run so that a
// refusal leaves nothing changed.
#include <utility>

#include "ladder/extractions.h"
#include "ladder/listings.h"
#include "ladder/operations.h"
#include "ladder/tramow.h"
#include "ladder/transformations.h"

namespace ladder {
namespace {

// Every opening of the plot shows these ranges.
constexpr long double kPlotXmin = 0.1L;
constexpr long double kPlotXmax = 10;
constexpr long double kPlotYmin = -10;
constexpr long double kPlotYmax = 10;

}  // namespace

void Tramow::OpenPlot(PlotMode mode) { plot_.OpenPlot(mode, kPlotXmin, kPlotXmax, kPlotYmin, kPlotYmax); }

std::vector<frame::Operation> Tramow::Operations() {
  const auto before_completion = [this] { return !model_.complete; };
  const auto after_completion = [this] { return completion_announced_; };
  const auto refusable = [this](void (*step)(const Synthesis&)) {
    return [this, step] {
      const Synthesis s = synthesis();
      RunRefusable(s, [&s, step] { step(s); });
    };
  };
  const std::pair<Operation, frame::Operation> rows[] = {
      {Operation::kExtractPoleAtInfinity,
       {"Extrair polo no infinito", refusable(ExtractPoleAtInfinity), before_completion}},
      {Operation::kExtractConstantAtInfinity,
       {"Extrair constante no infinito", refusable(ExtractConstantAtInfinity), before_completion}},
      {Operation::kExtractGivenConstant,
       {"Extrair constante especificada", refusable(ExtractGivenConstant), before_completion}},
      {Operation::kInvertImmittance,
       {"Inverter imitância", [this] { InvertAndRecord(synthesis()); }, before_completion}},
      {Operation::kExtractPartialPole,
       {"Extrair parcialmente polo no infinito para criar zeros", refusable(ExtractPartialPole), before_completion}},
      {Operation::kExtractPartialConstant,
       {"Extrair parcialmente constante no infinito para criar zeros", refusable(ExtractPartialConstant),
        before_completion}},
      {Operation::kExtractPolePair, {"Extrair totalmente polos", refusable(ExtractPolePair), before_completion}},
      {Operation::kListImmittance,
       {"Listar imitância", [this] { ListImmittance(model_.current, console_); }, before_completion}},
      {Operation::kPlotImaginaryAxis,
       {"Gráficos das partes real e imaginária para s=jw", [this] { OpenPlot(PlotMode::kImaginaryAxis); }, {}}},
      {Operation::kPlotRealS, {"Idem, para s real", [this] { OpenPlot(PlotMode::kRealS); }, {}}},
      {Operation::kRestartSameImmittance, {"Recomeçar com a mesma imitância", [this] { RestartSameImmittance(); }, {}}},
      {Operation::kRestartOtherImmittance, {"Recomeçar com outra imitância", [this] { StartSynthesis(); }, {}}},
      {Operation::kChangeParameters, {"Mudar parâmetros do programa", [this] { ChangeParameters(); }, {}}},
      {Operation::kTransformNetwork,
       {"Transformações na rede",
        [this] {
          const Synthesis s = synthesis();
          RunRefusable(s, [this, &s] { TransformNetwork(s, *windows_.transformation, backup_); });
        },
        after_completion}},
      {Operation::kListNetwork, {"Listar a rede obtida", [this] { ListNetwork(network_, console_); }, {}}},
      {Operation::kSaveNetwork,
       {"Salvar rede obtida", [this] { SaveNetwork(network_, console_, model_.width, model_.decimals); },
        after_completion}},
  };
  return frame::OperationTable<Operation>(rows, kOperationCount);
}

}  // namespace ladder
