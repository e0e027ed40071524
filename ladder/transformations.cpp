#include "ladder/transformations.h"

#include <array>
#include <utility>

#include "ladder/step_refused.h"

namespace ladder {
namespace {

using base::Extended;
using Kind = TElementKind;

constexpr const char* kBandpassTooLargeMessage =
    "* A rede transformada teria mais de 200 elementos; nada foi alterado.";

// Above any element value, so that the first L or C found is smaller.
constexpr long double kNoValueYet = 1E30L;

TNetworkElement& At(Network& network, std::int32_t i) { return network.elements[static_cast<std::size_t>(i)]; }

// The element's type, read from the first letter of its name.
char TypeOf(const TNetworkElement& e) { return e.name.empty() ? '\0' : e.name[0]; }

bool IsResistance(Kind kind) { return static_cast<int>(kind) >= static_cast<int>(Kind::kSeriesR); }

Kind KindPlus(Kind kind, int delta) { return static_cast<Kind>(static_cast<int>(kind) + delta); }

// The two kinds that an L or a C of each kind becomes in the band-pass
// network, the first of value v/B, the second of value B/(v·w0²).
std::pair<Kind, Kind> BandpassKinds(Kind kind) {
  switch (kind) {
    case Kind::kSeriesL: return {Kind::kSeriesL, Kind::kSeriesC};
    case Kind::kShuntL: return {Kind::kShuntTankL, Kind::kShuntTankC};
    case Kind::kSeriesTankL: return {Kind::kSeriesTankL, Kind::kSeriesTankC};
    case Kind::kShuntTankL: return {Kind::kShuntTankL, Kind::kShuntTankC};
    case Kind::kSeriesC: return {Kind::kSeriesTankC, Kind::kSeriesTankL};
    case Kind::kShuntC: return {Kind::kShuntC, Kind::kShuntL};
    case Kind::kSeriesTankC: return {Kind::kSeriesTankC, Kind::kSeriesTankL};
    default: return {Kind::kShuntTankC, Kind::kShuntTankL};
  }
}

// The band-pass network needs two places for every L and C.
void CheckBandpassFits(const Network& network) {
  std::int32_t needed = 0;
  for (std::int32_t i = 1; i <= network.count; ++i)
    needed += IsResistance(network.elements[static_cast<std::size_t>(i)].kind) ? 1 : 2;
  if (needed > kMaxElements) throw StepRefused(kBandpassTooLargeMessage);
}

bool KindsAre(Network& network, std::int32_t i, const std::array<Kind, 4>& kinds) {
  for (std::int32_t k = 0; k < 4; ++k)
    if (At(network, i + k).kind != kinds[static_cast<std::size_t>(k)]) return false;
  return true;
}

// The double series tanks that the band-pass transformation makes of a tank
// in the series arm, listed L first (L C C L) or C first (C L L C), become
// two parallel tanks in series, read L C L C.
void ConvertDoubleTanks(const Synthesis& s) {
  Network& network = s.network;
  for (std::int32_t i = 1; i + 3 <= network.count;) {
    const bool l_first =
        KindsAre(network, i, {Kind::kSeriesTankL, Kind::kSeriesTankC, Kind::kSeriesTankC, Kind::kSeriesTankL});
    const bool c_first =
        KindsAre(network, i, {Kind::kSeriesTankC, Kind::kSeriesTankL, Kind::kSeriesTankL, Kind::kSeriesTankC});
    if (!l_first && !c_first) {
      ++i;
      continue;
    }
    const std::string names = At(network, i).name + "-" + At(network, i + 3).name;
    // L C C L holds Ls, Cs, Cp, Lp; C L L C holds Cp, Lp, Ls, Cs
    const Extended v0 = At(network, i).value, v1 = At(network, i + 1).value;
    const Extended v2 = At(network, i + 2).value, v3 = At(network, i + 3).value;
    const std::optional<DoubleTank> tank =
        l_first ? ConvertDoubleTank(v3, v2, v0, v1) : ConvertDoubleTank(v1, v0, v2, v3);
    if (!tank) {
      s.console.ShowLine("* Tanque série " + names + " não transformado: raiz de número negativo.");
      i += 4;
      continue;
    }
    if (l_first)
      std::swap(At(network, i + 2), At(network, i + 3));
    else
      std::swap(At(network, i), At(network, i + 1));
    At(network, i).value = tank->la;
    At(network, i + 1).value = tank->ca;
    At(network, i + 2).value = tank->lb;
    At(network, i + 3).value = tank->cb;
    s.console.ShowLine(std::string("Transformado tanque série ") + (l_first ? "LCCL " : "CLLC ") + At(network, i).name +
                       "-" + At(network, i + 3).name);
    i += 4;
  }
}

void ScaleFrequency(const Synthesis& s, Extended k) {
  s.console.ShowLine("Escalamento em frequência.");
  for (std::int32_t i = 1; i <= s.network.count; ++i) {
    TNetworkElement& e = At(s.network, i);
    if (TypeOf(e) != 'R') e.value = e.value / k;
  }
}

void Restore(const Synthesis& s, const NetworkBackup& backup) {
  std::copy(backup.elements.begin(), backup.elements.end(), s.network.elements.begin());
  s.network.count = backup.count;
  s.console.ShowLine("Rede recuperada.");
}

}  // namespace

void TransformNetwork(const Synthesis& s, TransformationForm& form, const NetworkBackup& backup) {
  frame::Console& console = s.console;
  Extended frequency = 1;  // cut-off or centre frequency, or frequency factor
  Extended factor = 1;     // band width or impedance factor
  form.ShowModal();
  switch (static_cast<Transformation>(form.choice.item_index())) {
    case Transformation::kHighpass:
      console.AskReal("Frequência de corte: (rad/s)", frequency);
      LowpassToHighpass(s, frequency);
      break;
    case Transformation::kBandpass:
      CheckBandpassFits(s.network);
      console.AskReal("Frequência central: (rad/s)", frequency);
      console.AskReal("Largura da banda passante (rad/s)", factor);
      LowpassToBandpass(s, factor, frequency);
      break;
    case Transformation::kBandstop:
      CheckBandpassFits(s.network);
      console.AskReal("Frequência central: (rad/s)", frequency);
      console.AskReal("Largura da banda de rejeição (rad/s)", factor);
      LowpassToHighpass(s, 1);
      LowpassToBandpass(s, factor, frequency);
      break;
    case Transformation::kImpedanceScaling:
      console.AskReal("Fator de escalamento em impedância:", factor);
      ScaleImpedance(s, factor);
      break;
    case Transformation::kFrequencyScaling:
      console.AskReal("Fator de escalamento em frequência:", frequency);
      ScaleFrequency(s, frequency);
      break;
    case Transformation::kSpread: OptimiseSpread(s); break;
    case Transformation::kRestore: Restore(s, backup); break;
    default: break;  // "Não transformar", or nothing chosen
  }
}

void LowpassToHighpass(const Synthesis& s, Extended w) {
  s.console.ShowLine("Transformação PB-PA.");
  for (std::int32_t i = 1; i <= s.network.count; ++i) {
    TNetworkElement& e = At(s.network, i);
    const char type = TypeOf(e);
    if (type != 'L' && type != 'C') continue;
    // a capacitor's kinds are the inductor's plus 4, in the same places
    e.value = Extended(1) / e.value / w;
    e.kind = KindPlus(e.kind, type == 'L' ? 4 : -4);
    e.name[0] = type == 'L' ? 'C' : 'L';
  }
}

void LowpassToBandpass(const Synthesis& s, Extended b, Extended w0) {
  s.console.ShowLine("Transformação PB-PF.");
  const Network old = s.network;
  s.network.Clear();
  for (std::int32_t i = 1; i <= old.count; ++i) {
    const TNetworkElement& e = old.elements[static_cast<std::size_t>(i)];
    if (IsResistance(e.kind)) {
      AddElement(s.network, s.console, e.kind, 0, e.value);
      continue;
    }
    const auto [first, second] = BandpassKinds(e.kind);
    AddElement(s.network, s.console, first, 1, e.value / b);
    AddElement(s.network, s.console, second, 0, b / (e.value * (w0 * w0)));
  }
  if (s.console.AskYesNo("Transformar tanques LC série duplos?")) ConvertDoubleTanks(s);
}

void ScaleImpedance(const Synthesis& s, Extended k) {
  s.console.ShowLine("Escalamento em impedância.");
  for (std::int32_t i = 1; i <= s.network.count; ++i) {
    TNetworkElement& e = At(s.network, i);
    e.value = TypeOf(e) == 'C' ? e.value / k : e.value * k;
  }
}

std::optional<DoubleTank> ConvertDoubleTank(Extended lp, Extended cp, Extended ls, Extended cs) {
  Extended e = cp / cs + Extended(1) + ls / lp;
  e = e * e - Extended(4) * cp * ls / (cs * lp);
  if (e == 0) return std::nullopt;
  const Extended f_square = Extended(1) - Extended(4) * ls / (e * lp);
  const Extended g_square = Extended(1) - Extended(4) * cp / (e * cs);
  // with positive values both are squares over e; negative element values
  // can make them negative, and then no pair of tanks exists
  if (f_square < 0 || g_square < 0) return std::nullopt;
  const Extended f = base::Sqrt(f_square);
  const Extended g = base::Sqrt(g_square);
  return DoubleTank{lp * (Extended(1) - f) / Extended(2), cs * e * (Extended(1) - g) / Extended(2),
                    lp * (Extended(1) + f) / Extended(2), cs * e * (Extended(1) + g) / Extended(2)};
}

void OptimiseSpread(const Synthesis& s) {
  Extended min_l = kNoValueYet;
  Extended min_c = kNoValueYet;
  for (std::int32_t i = 1; i <= s.network.count; ++i) {
    const TNetworkElement& e = At(s.network, i);
    if (TypeOf(e) == 'C' && e.value < min_c) min_c = e.value;
    if (TypeOf(e) == 'L' && e.value < min_l) min_l = e.value;
  }
  const Extended k = base::Sqrt(min_c / min_l);
  ScaleImpedance(s, k);
  s.console.ShowLine("Resistência unitária para terminações:");
  AddElement(s.network, s.console, Kind::kShuntR, 0, k);
}

}  // namespace ladder
