#include "elliptic/function_check.h"

#include "elliptic/main_form.h"
#include "specfun/ext_math.h"
#include "specfun/special_functions.h"

namespace elliptic {
namespace {

namespace sf = specfun::special_functions;

// 180/pi as the extended nearest to 57.29577951308232 (0xE52EE0D31E0FBCC6p-58),
// not the extended nearest to 180/pi.
constexpr long double kDegreesPerRadian = 57.29577951308232L;

}  // namespace

void CheckFunctions(const MainForm& form, DesignerState& state, DesignerLog& log) {
  log.ShowLine("");
  state.print_width = form.NEcm.panel_int();
  state.print_decimals = form.NEdc.panel_int();
  const Extended k = form.check_k.panel_real();
  const Extended x = form.check_x.panel_real();
  state.check_k = k;
  state.check_x = x;
  const auto text = [&log](Extended value) { return log.RealToText(value); };

  log.ShowLine("Parâmetros: x=" + text(x) + " k=" + text(k));
  log.ShowLine("Integral elíptica completa do primeiro tipo: k=" + text(k) + " K(k)=" + text(sf::CompleteK(k)));
  log.ShowLine("x em graus: " + text(x * Extended(kDegreesPerRadian)));
  log.ShowLine("Integral elíptica incompleta do primeiro tipo F(x,k)=" + text(sf::IncompleteF(x, k)));
  const Extended mc = (1 - k) * (1 + k);
  const specfun::SnCnDn jacobi = sf::JacobiSnCnDn(x, mc);
  log.ShowLine("Funções elípticas: sn(x,k)=" + text(jacobi.sn) + " cn(x,k)=" + text(jacobi.cn) +
               " dn(x,k)=" + text(jacobi.dn) + " mc=(1-k)*(1+k)=" + text(mc));
  log.ShowLine("Cálculo alternativo: sn(x,k)=" + text(sf::JacobiSn(x, k)) + " cn(x,k)=" + text(sf::JacobiCn(x, k)) +
               " dn(x,k)=" + text(sf::JacobiDn(x, k)));
  log.ShowLine("Função inversa de sc: arcsc(x,k)=" + text(sf::InverseSc(x, k)));
  log.ShowLine("Usando F(arctan(x),k): arcsc(x,k)=" + text(sf::IncompleteF(specfun::ArcTangent(x), k)));
}

}  // namespace elliptic
