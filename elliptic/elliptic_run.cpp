#include "elliptic/elliptic_run.h"

#include "base/errors.h"
#include "base/text_file.h"
#include "formats/file_lines.h"
#include "formats/roots_file.h"
#include "specfun/ext_math.h"

namespace elliptic {
namespace {

using formats::WriteIntegerLine;
using formats::WriteRootLine;

// A root part written as the integer 0, not as a formatted real.
constexpr const char* kIntegerZero = "0";

}  // namespace

void EllipticRun::Run() {
  steps_.Begin("Filtro elíptico:");
  EllipticDesign design;
  const DesignerState& state = steps_.state();
  if (!DesignElliptic(state.requirement, state.epsilon_alfa, *this, design)) return;
  // the four files are one design: all of them or none
  const Extended c = GainConstant(design);
  if (Underflowed(c)) {
    steps_.RefuseUnderflowedConstant();
    return;
  }
  WriteQFile(design);
  WriteEFile(design);
  WritePFile(design, c);
  WriteFFile(design, AttenuationConstant(design));
}

std::optional<std::int32_t> EllipticRun::Order(Extended n) { return steps_.Order(n, kEllipticOrderLimit); }

void EllipticRun::Selectivity(Extended xi) { ShowLine("Seletividade Xi=" + Text(xi)); }

void EllipticRun::Integrals(Extended k_of_k, Extended kp_of_k1) {
  ShowLine("K(1/xi)=" + Text(k_of_k) + " K'(1/alfa^2)=" + Text(kp_of_k1));
}

void EllipticRun::ComplementaryIntegrals(Extended kp_of_k, Extended k_of_k1) {
  ShowLine("K'(1/xi)=" + Text(kp_of_k) + " K(1/alfa^2)=" + Text(k_of_k1));
}

void EllipticRun::AttenuationZerosHeading() { ShowLine("Zeros de atenuação normalizados (wp=1):"); }

void EllipticRun::AttenuationZero(std::int32_t i, Extended wza) {
  ShowLine("wza[" + IntToText(i) + "]=+/-" + Text(wza));
}

void EllipticRun::CharacteristicConstant(Extended k0) { ShowLine("k0=" + Text(k0)); }

void EllipticRun::TransmissionZerosHeading() { ShowLine("Zeros de transmissão:"); }

void EllipticRun::TransmissionZero(std::int32_t i, Extended wz) { ShowLine("wz" + IntToText(i) + "=" + Text(wz)); }

void EllipticRun::ZeroAtInfinity(std::int32_t i) { ShowLine("wz" + IntToText(i) + "= infinito"); }

void EllipticRun::PoleOffset(Extended v0) { ShowLine("v0=" + Text(v0)); }

void EllipticRun::PolesHeading() { ShowLine("Polos:"); }

void EllipticRun::PolePair(const EllipticPolePair& pole) {
  ShowLine("s" + IntToText(pole.index) + " (f=" + Text(pole.u) + ") " + Text(pole.re) + " +/-j" + Text(pole.im) +
           "   (w=" + Text(pole.w) + " Q=" + Text(pole.q) + ")");
}

void EllipticRun::RealPole(std::int32_t index, Extended re) { ShowLine("s" + IntToText(index) + "=" + Text(re)); }

void EllipticRun::WriteQFile(const EllipticDesign& design) {
  base::TextWriter out("elipq.r" + steps_.Suffix());
  WriteIntegerLine(out, design.order);
  const Extended root_xi = specfun::SquareRoot(design.xi);
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) {
    const Extended root = design.wza[i] / root_xi;
    WriteRootLine(out, Text(root), kIntegerZero);
    WriteRootLine(out, Text(-root), kIntegerZero);
  }
  if (design.Odd()) WriteRootLine(out, kIntegerZero, kIntegerZero);
  const Extended alfa = design.alfa;
  ShowLine("alfa=" + Text(alfa) + " Amin=" + Text(StopBandAttenuation(design.epsilon, alfa)));
  out.WriteLine(Text(alfa));
  out.Close();
  ShowLine("Raízes do polinômio Q salvas como elipq.r" + steps_.Suffix() +
           " (cte=alfa para ler como Q no programa Vessa)");
}

void EllipticRun::WriteEFile(const EllipticDesign& design) {
  base::TextWriter out("elipe.r" + steps_.Suffix());
  WriteIntegerLine(out, design.order);
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) {
    WriteRootLine(out, Text(design.re[i]), Text(design.im[i]));
    WriteRootLine(out, Text(design.re[i]), Text(-design.im[i]));
  }
  // the real pole's imaginary part is a formatted zero, unlike the integer
  // zeros of the other files
  if (design.Odd()) WriteRootLine(out, Text(design.re[design.RealPoleSlot()]), Text(0));
  WriteIntegerLine(out, 1);
  out.Close();
  ShowLine("Raízes do polinômio E salvas como elipe.r" + steps_.Suffix());
}

void EllipticRun::WritePFile(const EllipticDesign& design, Extended c) {
  base::TextWriter out("elipp.r" + steps_.Suffix());
  WriteIntegerLine(out, design.Odd() ? base::CheckedSub(design.order, 1) : design.order);
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) {
    const Extended wz = elliptic::TransmissionZero(design, i);
    WriteRootLine(out, kIntegerZero, Text(wz));
    WriteRootLine(out, kIntegerZero, Text(-wz));
  }
  out.WriteLine(Text(c));
  out.Close();
  ShowLine("Raízes do polinômio P salvas como elipp.r" + steps_.Suffix());
}

void EllipticRun::WriteFFile(const EllipticDesign& design, Extended f) {
  base::TextWriter out("elipf.r" + steps_.Suffix());
  WriteIntegerLine(out, design.order);
  for (std::int32_t i = 1; i <= design.Pairs(); ++i) {
    const Extended zero = design.wp * design.wza[i];
    WriteRootLine(out, kIntegerZero, Text(zero));
    WriteRootLine(out, kIntegerZero, Text(-zero));
  }
  if (design.Odd()) {
    WriteRootLine(out, kIntegerZero, kIntegerZero);
    WriteIntegerLine(out, 1);
  } else {
    out.WriteLine(Text(f));
  }
  out.Close();
  ShowLine("Raízes do polinômio F salvas como elipf.r" + steps_.Suffix());
}

}  // namespace elliptic
