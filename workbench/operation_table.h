// The operations of the operations window, by their position in its radio
// group, and the table that runs the chosen one.
#pragma once

#include <array>
#include <functional>

namespace workbench {

enum class Operation {
  GenerateCharacteristicPolynomial = 0,
  PolynomialApproximation = 1,
  InversePolynomialApproximation = 2,
  SymmetricRationalApproximation = 3,
  ModifiedSymmetricRationalApproximation = 4,
  BesselApproximation = 5,
  ComputeE = 6,
  ComputeF = 7,
  PassiveNetworkImmittances = 8,
  FrequencyTransformations = 9,
  ListPolynomial = 10,
  ListRoots = 11,
  RootPlot = 12,
  EnterPolynomial = 13,
  SquarePolynomial = 14,
  PolynomialRoots = 15,
  ResponsePlot = 16,
  EditParameters = 17,
};

constexpr int kOperationCount = 18;

class OperationTable {
 public:
  void Set(Operation operation, std::function<void()> action);
  // An index outside the table, or an operation without an action, does
  // nothing.
  void Run(int index) const;

 private:
  std::array<std::function<void()>, kOperationCount> actions_;
};

}  // namespace workbench
