// A started workbench whose user plays steps at its dialogs; each action
// gives the lines it logged.
#pragma once

#include <complex>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "tests/workbench/step_player.h"
#include "tests/workbench/vessaw_fixture.h"
#include "workbench/registers.h"

namespace workbench_test {

using Lines = std::vector<std::string>;

class PlayedFixture : public VessawFixture {
 protected:
  void SetUp() override {
    ChooseMenu("Iniciar");
    user.on_modal = [this](forms::Form& form) { player.Play(form); };
  }

  workbench::Registers& r() { return vessaw.registers(); }

  // Runs the action as one user action with these steps, every one of which
  // must be used; gives the lines it logged.
  Lines Run(const std::vector<Step>& steps, const std::function<void()>& action) {
    player.Load(steps);
    player.prompts.clear();
    const std::size_t mark = Logged().size();
    app.Guard(action);
    player.ExpectAllPlayed();
    return LoggedSince(mark);
  }
  // The same for an operation of the operations window.
  Lines Apply(int operation, const std::vector<Step>& steps) {
    player.Load(steps);
    player.prompts.clear();
    const std::size_t mark = Logged().size();
    RunOperation(operation);
    player.ExpectAllPlayed();
    return LoggedSince(mark);
  }

  StepPlayer player;
};

// The value of a register at a complex point, its constant included, in
// long double: precise enough to judge results meant to hold to 1E-15.
inline std::complex<long double> ValueAt(const workbench::TPolynomialRecord& p, std::complex<long double> s) {
  std::complex<long double> v = 0;
  for (int k = p.degree; k >= 0; --k) v = v * s + p.a[static_cast<std::size_t>(k)].raw();
  return v * p.constant.raw();
}

}  // namespace workbench_test
