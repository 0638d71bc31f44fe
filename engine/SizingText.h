// What the sizing chain found on its way, and the words each step is shown
// in: the chain (ConductorSizing.cpp) decides, these only say it.
#pragma once

#include "ConductorSizing.h"

#include <array>
#include <optional>
#include <string>

namespace engine {

// The ampacity tests of the minimum size, for one size.
struct SizeAmpacity {
  bool usedAsChosen = false; // not in parallel below No. 1/0 (310.10(G))
  bool listed = false;       // Table 310.16 has it in both columns
  double terminal = 0.0;     // (a) termination column, uncorrected, all of a phase
  double corrected = 0.0;    // (b) insulation column, corrected and adjusted
  double usable = 0.0;       // (c) the smaller of the two
  bool carriesCurrent = false;
  bool carriesLoad = false;
  bool protectedByDevice = false;
  std::optional<int> smallLimit; // (d) 240.4(D), amperes
  bool installable = false;
};

struct Chain {
  double currentToCarry = 0.0;
  std::optional<int> device;
  int terminationColumn = Rating60C;
  std::optional<double> ambientFactor; // of the insulation's column; empty: "--"
  double adjustment = 1.0;
  std::array<SizeAmpacity, WireSizeCount> ampacities{};
  std::optional<int> minimumSize;
  std::optional<int> installedSize;
};

std::string NoLoadAnswer(double amps);
SizingStep CurrentStep(const CalcState& s, const SizingConditions& c, const Chain& chain);
SizingStep DeviceStep(const Chain& chain);
SizingStep TerminationStep(const SizingConditions& c, const Chain& chain);
SizingStep MinimumSizeStep(const CalcState& s, const SizingConditions& c, const Chain& chain);
SizingStep DropStep(const CalcState& s, const SizingConditions& c, const SizeVerdict& at);
SizingStep InstalledSizeStep(const CalcState& s, const SizingConditions& c, const Chain& chain,
                             const std::array<SizeVerdict, WireSizeCount>& sizes);
SizingStep GroundStep(const CalcState& s, const SizingConditions& c, const Chain& chain,
                      int tableGround, int ground);
std::string Answer(const CalcState& s, const SizingConditions& c, const Chain& chain, int ground,
                   const SizeVerdict& installed);

} // namespace engine
