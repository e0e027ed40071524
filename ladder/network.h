// The network that a synthesis builds: its elements in the order of
// extraction, beginning at the port whose immittance is expanded, each named
// by its type letters and a section number, with a value and the place where
// it sits in the ladder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/extended.h"
#include "frame/console.h"

namespace ladder {

// Most elements a network holds.
constexpr std::int32_t kMaxElements = 200;

// Kind n and kind n + 4, n = 0..3, differ only in L against C; the place in
// the ladder of kinds 0..9 is the kind modulo 4.
enum class TElementKind : std::uint8_t {
  kSeriesL = 0,      // inductor in the series arm
  kShuntL = 1,       // inductor across the line
  kSeriesTankL = 2,  // inductor of a parallel tank in the series arm
  kShuntTankL = 3,   // inductor of a series tank across the line
  kSeriesC = 4,
  kShuntC = 5,
  kSeriesTankC = 6,
  kShuntTankC = 7,
  kSeriesR = 8,  // resistance in the series arm
  kShuntR = 9,   // resistance across the line
  kLossRL = 10,  // in series with the element before it (a tank's inductor)
  kLossRC = 11,  // across the element before it (a tank's capacitor)
};

struct TNetworkElement {
  TElementKind kind = TElementKind::kSeriesL;
  // The type letters and the section number, at most 4 characters; the
  // first letter (L, C or R) is the element's type.
  std::string name;
  base::Extended value;  // henries, farads or ohms
};

struct Network {
  std::array<TNetworkElement, kMaxElements + 1> elements{};  // elements[0] unused
  std::int32_t count = 0;
  // The section number given to the last element.
  std::int32_t name_counter = 0;

  void Clear() {
    count = 0;
    name_counter = 0;
  }
};

// The elements and the count as they were when the synthesis completed.
struct NetworkBackup {
  std::array<TNetworkElement, kMaxElements + 1> elements{};
  std::int32_t count = 0;
};

// " em " and the kind's connection text.
std::string ConnectionText(TElementKind kind);

// Appends one element, names it and echoes it to the log.  An increment of 1
// opens a new section, 0 joins the current one (the first element is
// section 1 either way).  A full network refuses the element with a
// StepRefused, before anything changes.
void AddElement(Network& network, frame::Console& console, TElementKind kind, std::int32_t increment,
                base::Extended value);

// "Listar a rede obtida".
void ListNetwork(const Network& network, frame::Console& console);

// "Salvar rede obtida": the value list file, one line per element.
void SaveNetwork(const Network& network, frame::Console& console, std::int32_t width, std::int32_t decimals);

}  // namespace ladder
