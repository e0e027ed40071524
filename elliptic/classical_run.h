// "Filtro de Butterworth", "Filtro de Chebyshev" and "Filtro de Chebyshev
// inverso": a classical design from the main window, its log lines and its
// two roots files, the poles and the transmission zeros, each name followed
// by the suffix.
#pragma once

#include <optional>
#include <string>

#include "base/text_file.h"
#include "elliptic/classical_designs.h"
#include "elliptic/design_steps.h"

namespace elliptic {

enum class ClassicalKind { Butterworth, Chebyshev, InverseChebyshev };

class ClassicalRun : public ClassicalSink {
 public:
  ClassicalRun(ClassicalKind kind, DesignSteps& steps) : kind_(kind), steps_(steps) {}

  void Run();

  std::optional<std::int32_t> Order(Extended n) override;
  void PolesHeading() override;
  void ConstantUnderflowed() override;
  void NormalizedEdge(Extended wpn) override;
  void BeginPoles(std::int32_t count) override;
  void Pole(const ClassicalPole& pole) override;
  void EndPoles() override;
  void ConstantNumerator(Extended c) override;
  void BeginZeros(std::int32_t count) override;
  void Zero(std::int32_t index, Extended wz) override;
  void ZeroAtInfinity(std::int32_t index) override;
  void EndZeros(Extended c) override;

 private:
  // The name of the poles file or of the zeros file, with the suffix.
  std::string PolesFile() const;
  std::string ZerosFile() const;
  std::string Text(Extended x) const { return steps_.RealToText(x); }
  void ShowLine(const std::string& text) { steps_.ShowLine(text); }

  ClassicalKind kind_;
  DesignSteps& steps_;
  // The roots file being written: each is created, written and closed before
  // the next.
  std::optional<base::TextWriter> file_;
};

}  // namespace elliptic
