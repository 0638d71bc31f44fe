// From the load to what to install: the conductors, the overcurrent device and
// the equipment grounding conductor, each step with its value, how it follows
// and the rule it applies (NEC 2023), so that the window, the clipboard and
// the report only print what this returns.
#pragma once

#include "Ampacity.h"
#include "CalcState.h"
#include "ConductorTables.h"
#include "WireSizeComparison.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// The column the terminations limit a conductor to (110.14(C)).
enum class Terminations : int { ByRule = 0, Listed75C = 1, Listed90C = 2 };
inline constexpr int TerminationsCount = 3;

// Which drop a size must keep within the allowed one.
enum class DropMethod : int { Larger = 0, Impedance = 1, KFactor = 2 };
inline constexpr int DropMethodCount = 3;

// What the sizing accepts; a caller keeps its controls within these.
struct IntRange {
  int min;
  int max;
};
inline constexpr IntRange AmbientRangeC = {-40, 85};
inline constexpr IntRange CurrentCarryingRange = {1, 99};
inline constexpr NumberRange PowerFactorRange = {0.5, 1.0};

// How the circuit is installed, beyond what the form says.
struct SizingConditions {
  int conductorsIndex = 0;                   // conductors per phase minus one
  int insulation = DefaultTemperatureRating; // the conductor's temperature rating
  bool continuous = false;                   // carried at 125 %
  Terminations terminations = Terminations::ByRule;
  int ambientC = 30;
  int currentCarrying = 3;                // current-carrying conductors in the raceway or cable
  double powerFactor = 0.85;              // Table 9's own basis; AC only
  DropMethod method = DropMethod::Larger; // direct current is always sized by K

  bool operator==(const SizingConditions&) const = default;
};

// One size judged for the circuit.
struct SizeVerdict {
  WireSizeRow k;                          // the drop by the K relation
  std::optional<double> impedanceVolts;   // by Table 9 at the power factor (AC)
  std::optional<double> impedancePercent; // of the record's Voltage
  std::optional<double> usableAmpacity;   // A of step 4, all conductors of a phase
  bool installable = false;               // meets every ampacity test of step 4
  bool withinDrop = false;                // by the method sized by, as it may be installed
  double sizedPercent = 0.0; // the percent drop the method judges; NaN where it has none

  bool operator==(const SizeVerdict&) const = default;
};

struct SizingStep {
  std::string title; // "Overcurrent device"
  std::string value; // "225 A"
  std::string work;  // how the value follows, with the numbers
  std::string rule;  // "NEC 240.6(A)"

  bool operator==(const SizingStep&) const = default;
};

enum class SizingOutcome {
  Sized,           // every step has its value
  NoLoad,          // the load is zero, negative or not a number: nothing to size
  NoDevice,        // the current is above every standard rating
  NoMinimumSize,   // no size in the table carries the load as installed
  NoInstalledSize, // no size from the minimum up keeps within the drop
};

struct ConductorSizing {
  SizingConditions conditions; // as applied: K for direct current, counts in range
  SizingOutcome outcome = SizingOutcome::NoLoad;
  std::array<SizeVerdict, WireSizeCount> sizes{};
  double currentToCarry = 0.0;       // step 1
  std::optional<int> device;         // step 2, amperes
  int terminationColumn = Rating60C; // step 3, a TemperatureRating
  std::optional<int> minimumSize;    // step 4
  std::optional<int> installedSize;  // step 6
  std::optional<int> groundSize;     // step 7, one in each raceway
  std::vector<SizingStep> steps;     // as far as the chain got
  std::string answer;                // the installation in one line, or why there is none
};

// The record's circuit (Voltage, PhaseMultiplier, Current, Material, Raceway,
// Amps, FeetLength, and the allowed drop in PercentDrop and DropVolts as any
// solve leaves them reconciled) sized under `conditions`. Conditions outside
// their ranges are brought to the nearer end; the record is not changed.
ConductorSizing SizeConductors(const CalcState& s, const SizingConditions& conditions);

// The equipment grounding conductor for phase conductors of size `installed`
// where `minimum` would have carried the load and Table 250.122 gives
// `tableGround`: raised in proportion to the area when the phase conductors
// were made larger (250.122(B)), to the first size at or above, and never
// larger than the phase conductors (250.122(A)).
int GroundingConductorSize(int tableGround, int minimum, int installed);

// The edition every rule and table is quoted from.
inline constexpr std::string_view CodeEdition = "NEC 2023 (NFPA 70)";

} // namespace engine
