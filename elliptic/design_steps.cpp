#include "elliptic/design_steps.h"

#include "elliptic/main_form.h"

namespace elliptic {

void DesignSteps::Begin(const std::string& title) {
  ShowLine("");
  ShowLine(title);
  state_.print_width = form_.NEcm.panel_int();
  state_.print_decimals = form_.NEdc.panel_int();
  state_.requirement.amax = form_.NEamax.panel_real();
  state_.requirement.amin = form_.NEamin.panel_real();
  state_.requirement.ws = form_.NEws.panel_real();
  state_.requirement.wp = form_.NEwp.panel_real();
  state_.epsilon_alfa = ComputeEpsilonAlfa(state_.requirement.amax, state_.requirement.amin);
  const EpsilonAlfa& ea = state_.epsilon_alfa;
  ShowLine("Epsilon=" + RealToText(ea.epsilon) + "; Alfa^2=" + RealToText(ea.alfa2) + " (Alfa=" + RealToText(ea.alfa) +
           ")");
}

std::optional<std::int32_t> DesignSteps::Order(base::Extended n, std::optional<std::int32_t> forced_limit) {
  state_.n = n;
  std::int32_t order = RoundOrder(n, form_.CBarredondar.checked());
  state_.order = order;
  ShowLine("Ordem calculada n=" + RealToText(n) + " (Ordem arredondada=" + IntToText(order) + ")");
  if (form_.CBforcar.checked()) {
    order = form_.NEordem.panel_int();
    if (forced_limit && order > *forced_limit) {
      order = *forced_limit;
      form_.NEordem.set_panel_int(order);
    }
    state_.order = order;
    ShowLine("Ordem forçada para " + IntToText(order));
  }
  // A negative order has no meaning: every loop of a design would run zero
  // times and leave files with a negative count, or need a slot below the
  // first.  Nothing is computed or written then.
  if (order < 0) {
    ShowLine("Ordem negativa não é aceita; nenhum arquivo foi gerado.");
    return std::nullopt;
  }
  return order;
}

void DesignSteps::RefuseUnderflowedConstant() {
  ShowLine("* A constante de P(s) ficou abaixo do menor número normal; nenhum arquivo foi gerado *");
}

std::string DesignSteps::Suffix() const { return form_.Eextra.text(); }

}  // namespace elliptic
