// "Filtro elíptico": the elliptic design from the main window, its log lines
// and its four roots files: elipq.r (the roots of Q(w), constant alfa),
// elipe.r (the poles), elipp.r (the transmission zeros, constant c) and
// elipf.r (the attenuation zeros), each name followed by the suffix.
#pragma once

#include <string>

#include "elliptic/design_steps.h"
#include "elliptic/elliptic_design.h"

namespace elliptic {

class EllipticRun : public EllipticSink {
 public:
  explicit EllipticRun(DesignSteps& steps) : steps_(steps) {}

  void Run();

  std::optional<std::int32_t> Order(Extended n) override;
  void Selectivity(Extended xi) override;
  void Integrals(Extended k_of_k, Extended kp_of_k1) override;
  void ComplementaryIntegrals(Extended kp_of_k, Extended k_of_k1) override;
  void AttenuationZerosHeading() override;
  void AttenuationZero(std::int32_t i, Extended wza) override;
  void CharacteristicConstant(Extended k0) override;
  void TransmissionZerosHeading() override;
  void TransmissionZero(std::int32_t i, Extended wz) override;
  void ZeroAtInfinity(std::int32_t i) override;
  void PoleOffset(Extended v0) override;
  void PolesHeading() override;
  void PolePair(const EllipticPolePair& pole) override;
  void RealPole(std::int32_t index, Extended re) override;

 private:
  void WriteQFile(const EllipticDesign& design);
  void WriteEFile(const EllipticDesign& design);
  void WritePFile(const EllipticDesign& design, Extended c);
  void WriteFFile(const EllipticDesign& design, Extended f);
  std::string Text(Extended x) const { return steps_.RealToText(x); }
  void ShowLine(const std::string& text) { steps_.ShowLine(text); }

  DesignSteps& steps_;
};

}  // namespace elliptic
