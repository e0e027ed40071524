// A started workbench whose user plays steps at its dialogs; each action
// gives the lines it logged.
#pragma once

#include <complex>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "frame/console.h"
#include "tests/workbench/step_player.h"
#include "tests/workbench/vessaw_fixture.h"
#include "workbench/kept_values.h"
#include "workbench/parameters.h"
#include "workbench/registers.h"
#include "workbench/root_finder.h"
#include "workbench/root_rescue_form.h"

namespace workbench_test {

using Lines = std::vector<std::string>;

class PlayedFixture : public VessawFixture {
 protected:
  void SetUp() override {
    ChooseMenu("Iniciar");
    user.on_modal = [this](forms::Form& form) { player.Play(form); };
  }

  // What the operations take.
  workbench::Registers& r() { return vessaw.registers(); }
  workbench::Parameters& parameters() { return vessaw.parameters(); }
  workbench::KeptValues& kept() { return vessaw.kept_values(); }
  frame::Console& console() { return vessaw.console(); }
  // The dialog "Parâmetros para raízes" of the workbench.
  workbench::RescueDialog rescue() {
    return [this](poly::RootRescue& state) { windows().root_rescue->Ask(state); };
  }

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
  // An operation run the same way on the parts of the workbench it takes,
  // for each of the ways operations take them.
  Lines Apply(void (*operation)(workbench::Registers&, workbench::Parameters&, frame::Console&),
              const std::vector<Step>& steps) {
    return Run(steps, [&] { operation(r(), parameters(), console()); });
  }
  Lines Apply(void (*operation)(workbench::Registers&, workbench::Parameters&, workbench::KeptValues&, frame::Console&),
              const std::vector<Step>& steps) {
    return Run(steps, [&] { operation(r(), parameters(), kept(), console()); });
  }
  Lines Apply(void (*operation)(workbench::Registers&, const workbench::Parameters&, frame::Console&,
                                const workbench::RescueDialog&),
              const std::vector<Step>& steps) {
    return Run(steps, [&] { operation(r(), parameters(), console(), rescue()); });
  }
  Lines Apply(void (*operation)(workbench::Registers&, workbench::KeptValues&, frame::Console&),
              const std::vector<Step>& steps) {
    return Run(steps, [&] { operation(r(), kept(), console()); });
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
