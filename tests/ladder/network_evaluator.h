// The driving-point immittance of a ladder described as a value list: each
// element a name (its type letters L, C, R, RL or RC and its section
// number), a value and its place in the ladder, the first element at the
// port.  Written apart from the program, so that a synthesis can be checked
// against the immittance it started from.
//
// Places, as the value list file writes them after " em ":
//   "série"              an L, C or R in the series arm;
//   "//"                 an L, C or R across the line;
//   "tanque // em série" a member of a parallel tank in the series arm;
//   "tanque série em //" a member of a series tank across the line;
//   "série com isto"     RL, in series with the inductor before it;
//   "// com isto"        RC, across the capacitor before it.
// The L and C members of one tank are consecutive and share their section
// number; consecutive tanks of different sections are separate tanks.  A
// band-pass double tank left unconverted (a series resonator beside a
// parallel one under one number) is not modelled.
//
// The ladder is evaluated from the far end, whose termination is an open or
// a short circuit, with the input impedance kept as a/b so that neither
// termination needs a division.
#pragma once

#include <cmath>
#include <complex>
#include <cstddef>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace ladder_test {

using Complex = std::complex<long double>;

struct LadderElement {
  std::string name;        // "L3", "RL12"
  std::string connection;  // the place, without " em "
  long double value = 0;   // henries, farads or ohms
};

enum class FarEnd { kOpen, kShort };

// One line of a value list file: "NAME VALUE em PLACE".
inline std::optional<LadderElement> ParseValueListLine(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream in(line);
  LadderElement e;
  std::string em;
  if (!(in >> e.name >> e.value >> em) || em != "em") return std::nullopt;
  std::getline(in >> std::ws, e.connection);
  if (e.connection.empty()) return std::nullopt;
  return e;
}

namespace detail {

struct Arm {
  bool series = true;
  Complex immittance;  // Z of a series arm, Y of a shunt arm
};

inline std::string Letters(const std::string& name) {
  std::size_t k = 0;
  while (k < name.size() && (name[k] < '0' || name[k] > '9')) ++k;
  return name.substr(0, k);
}

inline std::string Section(const std::string& name) { return name.substr(Letters(name).size()); }

[[noreturn]] inline void Fail(const LadderElement& e, const std::string& why) {
  throw std::invalid_argument(e.name + " em " + e.connection + ": " + why);
}

// An element alone: the impedance of an L, C or R.
inline Complex ImpedanceOf(const LadderElement& e, Complex s) {
  const std::string letters = Letters(e.name);
  if (letters == "L") return s * e.value;
  if (letters == "C") return 1.0L / (s * e.value);
  if (letters == "R" || letters == "RL" || letters == "RC") return e.value;
  Fail(e, "unknown element type");
}

// The members of the tank that starts at `first`: its L and C branches,
// each with the loss resistance that follows it; `last` is left on the
// tank's last element.
inline Arm Tank(const std::vector<LadderElement>& ladder, std::size_t first, std::size_t& last, Complex s) {
  const std::string place = ladder[first].connection;
  const bool parallel = place == "tanque // em série";
  const std::string section = Section(ladder[first].name);
  Complex sum = 0;  // of branch admittances (parallel tank) or impedances (series tank)
  std::size_t i = first;
  while (i < ladder.size() && ladder[i].connection == place && Section(ladder[i].name) == section) {
    const LadderElement& e = ladder[i];
    Complex branch = ImpedanceOf(e, s);
    const bool with_loss = i + 1 < ladder.size();
    if (Letters(e.name) == "L" && with_loss && ladder[i + 1].connection == "série com isto") {
      branch += ladder[++i].value;
    } else if (Letters(e.name) == "C" && with_loss && ladder[i + 1].connection == "// com isto") {
      branch = 1.0L / (1.0L / branch + 1.0L / ladder[++i].value);
    }
    sum += parallel ? 1.0L / branch : branch;
    ++i;
  }
  last = i - 1;
  return {parallel, 1.0L / sum};
}

inline std::vector<Arm> Arms(const std::vector<LadderElement>& ladder, Complex s) {
  std::vector<Arm> arms;
  for (std::size_t i = 0; i < ladder.size(); ++i) {
    const LadderElement& e = ladder[i];
    if (e.connection == "série") {
      arms.push_back({true, ImpedanceOf(e, s)});
    } else if (e.connection == "//") {
      arms.push_back({false, 1.0L / ImpedanceOf(e, s)});
    } else if (e.connection == "tanque // em série" || e.connection == "tanque série em //") {
      arms.push_back(Tank(ladder, i, i, s));
    } else {
      Fail(e, "not where a ladder element can be");
    }
  }
  return arms;
}

}  // namespace detail

// The impedance as a/b seen at the port at the complex frequency s.
struct PortImmittance {
  Complex a;
  Complex b;

  Complex Impedance() const { return a / b; }
  Complex Admittance() const { return b / a; }
};

inline PortImmittance EvaluateLadder(const std::vector<LadderElement>& ladder, FarEnd end, Complex s) {
  PortImmittance z{end == FarEnd::kOpen ? 1.0L : 0.0L, end == FarEnd::kOpen ? 0.0L : 1.0L};
  const std::vector<detail::Arm> arms = detail::Arms(ladder, s);
  for (auto arm = arms.rbegin(); arm != arms.rend(); ++arm) {
    if (arm->series)
      z.a += arm->immittance * z.b;  // Z + a/b
    else
      z.b += arm->immittance * z.a;  // 1/(Y + b/a)
  }
  return z;
}

// The voltage across the load over the source voltage, the source of
// internal resistance rs at the port and the load rl at the far end (left
// open when rl is infinite).  The ladder's node equations are solved from the
// load back to the source, so that no division is made by an admittance that
// may vanish at a resonance.
inline Complex VoltageTransfer(const std::vector<LadderElement>& ladder, long double rs, long double rl, Complex s) {
  Complex v = 1;                                        // across the load
  Complex i = std::isinf(rl) ? Complex(0) : 1.0L / rl;  // into the load
  const std::vector<detail::Arm> arms = detail::Arms(ladder, s);
  for (auto arm = arms.rbegin(); arm != arms.rend(); ++arm) {
    if (arm->series)
      v += arm->immittance * i;
    else
      i += arm->immittance * v;
  }
  return 1.0L / (v + rs * i);
}

}  // namespace ladder_test
