// Every wire size side by side for one circuit: the drop each would give, and
// whether the wire-size solve would accept it.
#pragma once

#include "CalcState.h"
#include "ConductorTables.h"

#include <array>

namespace engine {

struct WireSizeRow {
  int wireSize;          // index into WireSizeNames
  double kFactor;        // this size's own K
  double totalArea;      // circular mils of all the parallel conductors
  double dropVolts;      // K x M x L x I / area, as the voltage solve orders it
  double percentDrop;    // of the record's Voltage
  double finalVoltage;   // Voltage less the drop
  bool meetsAllowedDrop; // judged exactly as the wire-size solve judges it

  bool operator==(const WireSizeRow&) const = default;
};

// One row per size, smallest first, for the record's load (Amps), FeetLength,
// Voltage, PhaseMultiplier, material, raceway and current, with
// conductorsIndex + 1 conductors to a phase; the record's own ConductorsIndex
// is not used. The allowed drop is read from PercentDrop and DropVolts, so the
// record should be reconciled, as any solve leaves it. A conductorsIndex
// outside 0..7 is brought to the nearer end. With the record's own index, the
// first row that meets the allowed drop is the size Calculate chooses.
std::array<WireSizeRow, WireSizeCount> CompareWireSizes(const CalcState& s, int conductorsIndex);

} // namespace engine
