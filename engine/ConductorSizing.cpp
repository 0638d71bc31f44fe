// The sizing chain: every size judged once, then the steps read off the judged
// sizes in order, stopping at the first that has no value.
#include "ConductorSizing.h"

#include "Impedance.h"
#include "SizingTables.h"
#include "SizingText.h"
#include "WireSizeFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine {

namespace {

// The most the conductors of one phase carry, of any size, material, rating
// and number: above 800 A a device may not exceed it (240.4(C)), so no device
// above Table 250.122's last row kept here can protect any of them.
constexpr int MostAnyPhaseCarries = [] {
  int most = 0;
  for (const auto& material : Ampacities)
    for (const RatingAmpacities& size : material)
      most = std::max(most, *std::ranges::max_element(size) * ConductorCountMax);
  return most;
}();
static_assert(MostAnyPhaseCarries < 5000, "Table 250.122 is kept up to 4000 A");

constexpr double NoDrop = std::numeric_limits<double>::quiet_NaN();

SizingConditions InRange(const CalcState& s, SizingConditions c) {
  c.conductorsIndex = std::clamp(c.conductorsIndex, 0, ConductorCountMax - 1);
  c.insulation = std::clamp(c.insulation, 0, TemperatureRatingCount - 1);
  c.terminations = static_cast<Terminations>(
      std::clamp(static_cast<int>(c.terminations), 0, TerminationsCount - 1));
  c.ambientC = std::clamp(c.ambientC, AmbientRangeC.min, AmbientRangeC.max);
  c.currentCarrying =
      std::clamp(c.currentCarrying, CurrentCarryingRange.min, CurrentCarryingRange.max);
  // An undefined factor is taken as the table's own basis.
  c.powerFactor = std::isnan(c.powerFactor)
                      ? SizingConditions{}.powerFactor
                      : std::clamp(c.powerFactor, PowerFactorRange.min, PowerFactorRange.max);
  c.method =
      static_cast<DropMethod>(std::clamp(static_cast<int>(c.method), 0, DropMethodCount - 1));
  if (s.Current != CurrentAc)
    c.method = DropMethod::KFactor; // Table 9 is for alternating current only
  return c;
}

// 110.14(C): 60 °C for devices of 100 A or less, 75 °C above, unless the
// terminations are listed higher; never above the insulation's own column.
int TerminationColumn(const SizingConditions& c, int device) {
  int column = device <= 100 ? Rating60C : Rating75C;
  if (c.terminations == Terminations::Listed75C)
    column = Rating75C;
  else if (c.terminations == Terminations::Listed90C)
    column = Rating90C;
  return std::min(column, c.insulation);
}

// The ampacity tests of step 4 for one size, with what each found.
SizeAmpacity JudgeAmpacity(const CalcState& s, const SizingConditions& c, const Chain& chain,
                           int size) {
  SizeAmpacity a;
  const int n = c.conductorsIndex + 1;
  a.usedAsChosen = n == 1 || size >= SmallestParallelWireSize;
  // One conductor's table values; the tests take all n of a phase together.
  const std::optional<int> terminal =
      AllowableAmpacity(s.Material, size, 0, chain.terminationColumn);
  const std::optional<int> insulated = AllowableAmpacity(s.Material, size, 0, c.insulation);
  if (!a.usedAsChosen || !terminal || !insulated)
    return a;
  a.listed = true;
  a.terminal = *terminal * n;
  a.corrected = *insulated * chain.ambientFactor.value_or(0.0) * chain.adjustment * n;
  a.usable = std::min(a.terminal, a.corrected);
  a.carriesCurrent = a.terminal >= chain.currentToCarry;
  a.carriesLoad = a.corrected >= s.Amps;
  const double device = *chain.device;
  const std::optional<int> next = StandardRatingAtLeast(a.usable);
  a.protectedByDevice =
      device <= a.usable || (device <= NextHigherRatingLimit && next && device <= *next);
  a.smallLimit = SmallConductorOvercurrentLimit(s.Material, size);
  const bool withinSmallLimit = !a.smallLimit || device <= *a.smallLimit;
  a.installable = a.carriesCurrent && a.carriesLoad && a.protectedByDevice && withinSmallLimit;
  return a;
}

// Both drops for one size, and whether the method sized by keeps within the
// allowed drop as the record holds it.
void JudgeDrop(const CalcState& s, const SizingConditions& c, const WireSizeRow& row,
               bool usedAsChosen, SizeVerdict& v) {
  v.k = row;
  v.impedanceVolts = ImpedanceDropVolts(s, row.wireSize, c.conductorsIndex, c.powerFactor);
  if (v.impedanceVolts)
    v.impedancePercent = *v.impedanceVolts / s.Voltage * 100;
  const bool impedanceWithin =
      v.impedanceVolts && s.PercentDrop < NoAllowedDrop && *v.impedanceVolts <= s.DropVolts;
  switch (c.method) {
  case DropMethod::Larger:
    v.withinDrop = row.meetsAllowedDrop && impedanceWithin;
    v.sizedPercent = v.impedancePercent ? std::max(row.percentDrop, *v.impedancePercent) : NoDrop;
    break;
  case DropMethod::Impedance:
    v.withinDrop = impedanceWithin;
    v.sizedPercent = v.impedancePercent.value_or(NoDrop);
    break;
  case DropMethod::KFactor:
    v.withinDrop = row.meetsAllowedDrop;
    v.sizedPercent = row.percentDrop;
    break;
  }
  v.withinDrop = v.withinDrop && usedAsChosen;
}

} // namespace

int GroundingConductorSize(int tableGround, int minimum, int installed) {
  int size = tableGround;
  if (installed > minimum) {
    // Multiplied first: a quotient of whole areas is then exact when it is whole.
    const double needed =
        CircularMils[tableGround] * CircularMils[installed] / CircularMils[minimum];
    while (size < installed && CircularMils[size] < needed)
      ++size;
  }
  // The table's size can itself be above the phase conductors of one set of
  // a parallel run; 250.122(A) caps it there, raised or not.
  return std::min(size, installed);
}

ConductorSizing SizeConductors(const CalcState& s, const SizingConditions& conditions) {
  ConductorSizing out;
  out.conditions = InRange(s, conditions);
  const SizingConditions& c = out.conditions;
  const std::array<WireSizeRow, WireSizeCount> rows = CompareWireSizes(s, c.conductorsIndex);
  for (int size = 0; size < WireSizeCount; ++size) {
    const bool usedAsChosen = c.conductorsIndex == 0 || size >= SmallestParallelWireSize;
    JudgeDrop(s, c, rows[size], usedAsChosen, out.sizes[size]);
  }

  Chain chain;
  chain.currentToCarry = RequiredAmpacity(s.Amps, c.continuous);
  out.currentToCarry = chain.currentToCarry;
  // NaN and infinities fail the test by themselves.
  if (!(s.Amps > 0 && std::isfinite(s.Amps))) {
    out.outcome = SizingOutcome::NoLoad;
    out.answer = NoLoadAnswer(s.Amps);
    return out;
  }
  out.steps.push_back(CurrentStep(s, c, chain));

  chain.device = StandardRatingAtLeast(chain.currentToCarry);
  out.device = chain.device;
  out.steps.push_back(DeviceStep(chain));
  if (!chain.device) {
    out.outcome = SizingOutcome::NoDevice;
    out.answer = out.steps.back().work;
    return out;
  }

  chain.terminationColumn = TerminationColumn(c, *chain.device);
  out.terminationColumn = chain.terminationColumn;
  out.steps.push_back(TerminationStep(c, chain));

  chain.ambientFactor = AmbientFactor(c.ambientC, c.insulation);
  chain.adjustment = AdjustmentFactor(c.currentCarrying);
  for (int size = 0; size < WireSizeCount; ++size) {
    chain.ampacities[size] = JudgeAmpacity(s, c, chain, size);
    SizeVerdict& v = out.sizes[size];
    if (chain.ampacities[size].listed)
      v.usableAmpacity = chain.ampacities[size].usable;
    v.installable = chain.ampacities[size].installable;
    if (!chain.minimumSize && v.installable)
      chain.minimumSize = size;
  }
  out.minimumSize = chain.minimumSize;
  out.steps.push_back(MinimumSizeStep(s, c, chain));
  if (!chain.minimumSize) {
    out.outcome = SizingOutcome::NoMinimumSize;
    out.answer = out.steps.back().value + ". " + out.steps.back().work;
    return out;
  }

  out.steps.push_back(DropStep(s, c, out.sizes[*chain.minimumSize]));

  for (int size = *chain.minimumSize; size < WireSizeCount && !chain.installedSize; ++size) {
    if (out.sizes[size].installable && out.sizes[size].withinDrop)
      chain.installedSize = size;
  }
  out.installedSize = chain.installedSize;
  out.steps.push_back(InstalledSizeStep(s, c, chain, out.sizes));
  if (!chain.installedSize) {
    out.outcome = SizingOutcome::NoInstalledSize;
    out.answer = out.steps.back().value + ". " + out.steps.back().work;
    return out;
  }

  // The device is at most 4000 A (static_assert above), which the table covers.
  const int tableGround = *GroundingConductorFor(s.Material, *chain.device);
  out.groundSize = GroundingConductorSize(tableGround, *chain.minimumSize, *chain.installedSize);
  out.steps.push_back(GroundStep(s, c, chain, tableGround, *out.groundSize));
  out.outcome = SizingOutcome::Sized;
  out.answer = Answer(s, c, chain, *out.groundSize, out.sizes[*chain.installedSize]);
  return out;
}

} // namespace engine
