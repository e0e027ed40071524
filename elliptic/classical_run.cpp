#include "elliptic/classical_run.h"

#include "formats/file_lines.h"
#include "formats/roots_file.h"

namespace elliptic {
namespace {

struct KindTexts {
  const char* title;
  const char* poles_heading;  // none for the inverse Chebyshev design
  const char* poles_file;
  const char* zeros_file;
};

KindTexts TextsOf(ClassicalKind kind) {
  switch (kind) {
    case ClassicalKind::Butterworth:
      return {"Filtro de Butterworth:", "Polos do filtro de Butterworth:", "butte.r", "buttp.r"};
    case ClassicalKind::Chebyshev:
      return {"Filtro de Chebyshev:", "Polos do filtro de Chebyshev:", "chebe.r", "chebp.r"};
    case ClassicalKind::InverseChebyshev: return {"Filtro de Chebyshev inverso:", "", "chebie.r", "chebip.r"};
  }
  return {"", "", "", ""};
}

}  // namespace

void ClassicalRun::Run() {
  steps_.Begin(TextsOf(kind_).title);
  const DesignerState& state = steps_.state();
  switch (kind_) {
    case ClassicalKind::Butterworth: DesignButterworth(state.requirement, state.epsilon_alfa, *this); break;
    case ClassicalKind::Chebyshev: DesignChebyshev(state.requirement, state.epsilon_alfa, *this); break;
    case ClassicalKind::InverseChebyshev: DesignInverseChebyshev(state.requirement, state.epsilon_alfa, *this); break;
  }
}

std::string ClassicalRun::PolesFile() const { return TextsOf(kind_).poles_file + steps_.Suffix(); }

std::string ClassicalRun::ZerosFile() const { return TextsOf(kind_).zeros_file + steps_.Suffix(); }

std::optional<std::int32_t> ClassicalRun::Order(Extended n) { return steps_.Order(n, std::nullopt); }

void ClassicalRun::PolesHeading() { ShowLine(TextsOf(kind_).poles_heading); }

void ClassicalRun::ConstantUnderflowed() { steps_.RefuseUnderflowedConstant(); }

void ClassicalRun::NormalizedEdge(Extended wpn) {
  ShowLine("wp normalizada: " + Text(wpn));
  ShowLine("(Movida para wp rad/s)");
  ShowLine("Polos:");
}

void ClassicalRun::BeginPoles(std::int32_t count) {
  file_.emplace(PolesFile());
  formats::WriteIntegerLine(*file_, count);
}

void ClassicalRun::Pole(const ClassicalPole& pole) {
  ShowLine("s" + IntToText(pole.index) + "=" + Text(pole.re) + " " + Text(pole.im) + "j   (w=" + Text(pole.w) +
           ", Q=" + Text(pole.q) + ")");
  formats::WriteRootLine(*file_, Text(pole.re), Text(pole.im));
}

void ClassicalRun::EndPoles() {
  formats::WriteIntegerLine(*file_, 1);
  file_->Close();
  file_.reset();
  if (kind_ == ClassicalKind::InverseChebyshev) {
    ShowLine("Raízes do polinômio E salvas como " + PolesFile());
    ShowLine("Zeros:");
  }
}

void ClassicalRun::ConstantNumerator(Extended c) {
  ShowLine("Raízes do polinômio E salvas como " + PolesFile() + " (P(s)=" + Text(c) + " salvo como " + ZerosFile() +
           ")");
  base::TextWriter out(ZerosFile());
  formats::WriteIntegerLine(out, 0);
  out.WriteLine(Text(c));
  out.Close();
}

void ClassicalRun::BeginZeros(std::int32_t count) {
  file_.emplace(ZerosFile());
  formats::WriteIntegerLine(*file_, count);
}

void ClassicalRun::Zero(std::int32_t index, Extended wz) {
  ShowLine("wz" + IntToText(index) + "=" + Text(wz));
  formats::WriteRootLine(*file_, "0", Text(wz));
  formats::WriteRootLine(*file_, "0", Text(-wz));
}

void ClassicalRun::ZeroAtInfinity(std::int32_t index) { ShowLine("wz" + IntToText(index) + "= infinito"); }

void ClassicalRun::EndZeros(Extended c) {
  file_->WriteLine(Text(c));
  file_->Close();
  file_.reset();
  ShowLine("Raízes do polinômio P salvas como " + ZerosFile() + " (Cte.=" + Text(c) + ")");
}

}  // namespace elliptic
