#include "ladder/network.h"

#include "base/text_file.h"
#include "formats/file_lines.h"
#include "ladder/step_refused.h"

namespace ladder {
namespace {

// The save dialog's entry "Listas de valores (*.val)".
constexpr int kValueListFilter = 2;

// Names keep this many characters: the section number of RL100 is cut.
constexpr std::size_t kNameLength = 4;

constexpr const char* kNetworkFullMessage = "* A rede já tem 200 elementos; nada foi alterado.";

std::string Letters(TElementKind kind) {
  switch (kind) {
    case TElementKind::kLossRL: return "RL";
    case TElementKind::kLossRC: return "RC";
    case TElementKind::kSeriesR:
    case TElementKind::kShuntR: return "R";
    default: return static_cast<int>(kind) < 4 ? "L" : "C";
  }
}

std::string Place(TElementKind kind) {
  switch (kind) {
    case TElementKind::kLossRL: return "série com isto";
    case TElementKind::kLossRC: return "// com isto";
    default: break;
  }
  switch (static_cast<int>(kind) % 4) {
    case 0: return "série";
    case 1: return "//";
    case 2: return "tanque // em série";
    default: return "tanque série em //";
  }
}

}  // namespace

std::string ConnectionText(TElementKind kind) { return " em " + Place(kind); }

void AddElement(Network& network, frame::Console& console, TElementKind kind, std::int32_t increment,
                base::Extended value) {
  if (network.count == kMaxElements) throw StepRefused(kNetworkFullMessage);
  network.count += 1;
  network.name_counter += increment;
  if (network.name_counter == 0) network.name_counter = 1;
  TNetworkElement& element = network.elements[static_cast<std::size_t>(network.count)];
  element.kind = kind;
  element.name = (Letters(kind) + frame::IntToText(network.name_counter)).substr(0, kNameLength);
  element.value = value;
  console.ShowLine(element.name + ":" + console.RealToText(value) + ConnectionText(kind));
}

void ListNetwork(const Network& network, frame::Console& console) {
  console.ShowLine("Rede obtida:");
  for (std::int32_t i = 1; i <= network.count; ++i) {
    const TNetworkElement& e = network.elements[static_cast<std::size_t>(i)];
    console.ShowLine(e.name + ": " + console.RealToText(e.value) + " " + ConnectionText(e.kind));
  }
}

void SaveNetwork(const Network& network, frame::Console& console, std::int32_t width, std::int32_t decimals) {
  const std::string name = console.ChooseSaveFile("Rede obtida", kValueListFilter);
  if (name.empty()) return;
  // the whole format, not the log's 8-bit reading of it, and never cut
  const formats::RealFormat format{width, decimals};
  base::TextWriter out(name);
  for (std::int32_t i = 1; i <= network.count; ++i) {
    const TNetworkElement& e = network.elements[static_cast<std::size_t>(i)];
    out.WriteLine(e.name + " " + format.Text(e.value) + ConnectionText(e.kind));
  }
  out.Close();
  console.ShowLine("Rede salva no arquivo " + name);
  console.ShowLine("Edite o arquivo para colocar numeração de nós, terminações, etc.,");
  console.ShowLine("ou use-o como lista de valores no programa Quinfe.");
}

}  // namespace ladder
