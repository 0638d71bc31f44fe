#include "SizingText.h"

#include "Impedance.h"
#include "NumberText.h"
#include "SizingTables.h"

#include <cmath>

namespace engine {

namespace {

std::string Amps(double amps) { return PrintNumber(amps) + " A"; }
std::string Percent(double percent) { return GlanceNumber(percent) + " %"; }
std::string Volts(double volts) { return GlanceNumber(volts) + " V"; }
std::string Name(int size) { return std::string(WireSizeNames[static_cast<std::size_t>(size)]); }
std::string Column(int rating) {
  return std::string(TemperatureRatingNames[static_cast<std::size_t>(rating)]);
}
std::string Material(const CalcState& s) {
  return s.Material == MaterialCopper ? "copper" : "aluminum";
}
std::string Count(int count) { return std::to_string(count); }

// "No. 4/0 copper, 1 per phase" or "2 × 250 kcm copper per phase".
std::string Conductors(const CalcState& s, const SizingConditions& c, int size) {
  const int n = c.conductorsIndex + 1;
  if (n == 1)
    return Name(size) + " " + Material(s) + ", 1 per phase";
  return Count(n) + " \u00D7 " + Name(size) + " " + Material(s) + " per phase";
}

std::string AllowedDrop(const CalcState& s) {
  return Percent(s.PercentDrop) + " (" + Volts(s.DropVolts) + ")";
}

std::string MethodName(DropMethod method) {
  switch (method) {
  case DropMethod::Larger:
    return "the larger of the drops by impedance and by K";
  case DropMethod::Impedance:
    return "the drop by impedance";
  case DropMethod::KFactor:
    return "the drop by K";
  }
  return {};
}

// "1.567 % by impedance, 1.231 % by K", or what stands for a missing one.
std::string BothDrops(const CalcState& s, const SizeVerdict& v) {
  const std::string byK = Percent(v.k.percentDrop) + " by K";
  if (s.Current != CurrentAc)
    return byK + " (direct current)";
  if (!v.impedancePercent)
    return "no Table 9 value for " + Name(v.k.wireSize) + ", " + byK;
  return Percent(*v.impedancePercent) + " by impedance, " + byK;
}

} // namespace

std::string NoLoadAnswer(double amps) {
  return "Nothing to size: the load is " + Amps(amps) +
         ". Enter a load above zero on the form to size the conductors.";
}

SizingStep CurrentStep(const CalcState& s, const SizingConditions& c, const Chain& chain) {
  const std::string work = c.continuous ? "Continuous load " + Amps(s.Amps) +
                                              " \u00D7 125 % = " + Amps(chain.currentToCarry) +
                                              ", before any correction or adjustment."
                                        : "The load, " + Amps(s.Amps) + ", not continuous.";
  return {"Current to carry", Amps(chain.currentToCarry), work,
          "NEC 210.19(A)(1)(a), 215.2(A)(1)(a)"};
}

SizingStep DeviceStep(const Chain& chain) {
  if (!chain.device)
    return {"Overcurrent device", "none",
            "No standard rating reaches " + Amps(chain.currentToCarry) + " (the largest is " +
                Amps(StandardRatings.back()) + "): divide the load over several circuits.",
            "NEC 240.6(A)"};
  return {"Overcurrent device", Amps(*chain.device),
          "The smallest standard rating not below " + Amps(chain.currentToCarry) + ".",
          "NEC 240.6(A)"};
}

SizingStep TerminationStep(const SizingConditions& c, const Chain& chain) {
  std::string work;
  switch (c.terminations) {
  case Terminations::ByRule:
    work = *chain.device <= 100
               ? "A device of 100 A or less: the 60 \u00B0C column, unless the terminations "
                 "are listed higher."
               : "A device over 100 A: the 75 \u00B0C column, unless the terminations are listed "
                 "higher.";
    break;
  case Terminations::Listed75C:
    work = "Terminations listed and identified for 75 \u00B0C.";
    break;
  case Terminations::Listed90C:
    work = "Terminations listed and identified for 90 \u00B0C.";
    break;
  }
  const int byTerminations = c.terminations == Terminations::Listed90C ? Rating90C
                             : c.terminations == Terminations::Listed75C || *chain.device > 100
                                 ? Rating75C
                                 : Rating60C;
  if (chain.terminationColumn < byTerminations)
    work += " Limited to the conductors' own " + Column(c.insulation) + " rating.";
  return {"Termination temperature", Column(chain.terminationColumn) + " column", work,
          "NEC 110.14(C)(1)"};
}

namespace {

std::string MinimumSizeRule(const SizingConditions& c, const Chain& chain) {
  std::string rule = "NEC Table 310.16 (30 \u00B0C ambient, not more than three "
                     "current-carrying conductors); Tables 310.15(B)(1)(1) and 310.15(C)(1); ";
  rule += *chain.device <= NextHigherRatingLimit ? "240.4(B)" : "240.4(C)";
  if (chain.minimumSize && chain.ampacities[*chain.minimumSize].smallLimit)
    rule += "; 240.4(D)";
  if (c.conductorsIndex > 0)
    rule += "; 310.10(G)";
  return rule;
}

std::string WhyNoMinimumSize(const CalcState& s, const SizingConditions& c, const Chain& chain) {
  if (!chain.ambientFactor)
    return "Conductors rated " + Column(c.insulation) + " may not be used at " +
           std::to_string(c.ambientC) +
           " \u00B0C ambient (Table 310.15(B)(1)(1) has no factor): choose a higher rating.";
  const int n = c.conductorsIndex + 1;
  std::string why = "No size up to " + Name(LargestWireSize) + " " + Material(s) + " carries " +
                    Amps(chain.currentToCarry) + " on a " + Amps(*chain.device) + " device with " +
                    Count(n) + " per phase";
  if (n < ConductorCountMax)
    return why + ": add conductors in parallel (from No. 1/0 up).";
  return why + ": divide the load over several circuits.";
}

} // namespace

SizingStep MinimumSizeStep(const CalcState& s, const SizingConditions& c, const Chain& chain) {
  if (!chain.minimumSize)
    return {"Minimum size", "none in the table", WhyNoMinimumSize(s, c, chain),
            MinimumSizeRule(c, chain)};
  const int size = *chain.minimumSize;
  const SizeAmpacity& a = chain.ampacities[size];
  const int n = c.conductorsIndex + 1;
  const std::string each = n == 1 ? "" : " \u00D7 " + Count(n) + " per phase";
  const int terminal = Ampacities[s.Material][size][chain.terminationColumn];
  const int insulated = Ampacities[s.Material][size][c.insulation];
  std::string work =
      "(a) " + Column(chain.terminationColumn) + " column: " + Amps(terminal) + each +
      (n == 1 ? "" : " = " + Amps(a.terminal)) + " \u2265 " + Amps(chain.currentToCarry) +
      " to carry. (b) " + Column(c.insulation) + " insulation: " + Amps(insulated) + " \u00D7 " +
      PrintNumber(*chain.ambientFactor) + " for " + std::to_string(c.ambientC) +
      " \u00B0C \u00D7 " + PrintNumber(chain.adjustment) + " for " +
      std::to_string(c.currentCarrying) + " current-carrying conductors" + each + " = " +
      Amps(a.corrected) + " \u2265 " + Amps(s.Amps) + " load. (c) Usable ampacity " +
      Amps(a.usable) + "; the " + Amps(*chain.device) + " device ";
  if (*chain.device <= a.usable)
    work += "does not exceed it.";
  else
    work += "is the next standard rating above it (240.4(B)).";
  if (a.smallLimit)
    work +=
        " (d) " + Name(size) + " " + Material(s) + ": device not over " + Amps(*a.smallLimit) + ".";
  return {"Minimum size", Conductors(s, c, size), work, MinimumSizeRule(c, chain)};
}

SizingStep DropStep(const CalcState& s, const SizingConditions& c, const SizeVerdict& at) {
  const int n = c.conductorsIndex + 1;
  std::string work;
  if (const std::optional<Impedance> z = Table9Impedance(s.Material, at.k.wireSize, s.Raceway);
      z && at.impedanceVolts) {
    const std::string pf = PrintNumber(c.powerFactor);
    work = "Impedance at power factor " + pf + ": Ze = " + PrintNumber(z->r) + " \u00D7 " + pf +
           " + " + PrintNumber(z->xl) + " \u00D7 sin(arccos " + pf +
           ") = " + GlanceNumber(EffectiveImpedance(*z, c.powerFactor)) +
           " \u03A9 per 1000 ft; VD = " + GlanceNumber(s.PhaseMultiplier) + " \u00D7 " +
           Amps(s.Amps) + " \u00D7 (Ze / " + Count(n) + ") \u00D7 " + PrintNumber(s.FeetLength) +
           " ft / 1000 = " + Volts(*at.impedanceVolts) + ". ";
  } else if (s.Current != CurrentAc) {
    work = "Direct current: K alone. ";
  } else {
    work = "Table 9 has no value for " + Name(at.k.wireSize) + " " + Material(s) + ". ";
  }
  work += "K: VD = " + PrintNumber(at.k.kFactor) + " \u00D7 " + GlanceNumber(s.PhaseMultiplier) +
          " \u00D7 " + PrintNumber(s.FeetLength) + " ft \u00D7 " + Amps(s.Amps) + " / " +
          PrintNumber(at.k.totalArea) + " cmil = " + Volts(at.k.dropVolts) + ".";
  return {"Voltage drop at the minimum size", BothDrops(s, at), work,
          "NEC Chapter 9 Table 9 (600 V, 60 Hz, 75 \u00B0C, three single conductors in "
          "conduit); K relation VD = K \u00D7 M \u00D7 L \u00D7 I / A"};
}

SizingStep InstalledSizeStep(const CalcState& s, const SizingConditions& c, const Chain& chain,
                             const std::array<SizeVerdict, WireSizeCount>& sizes) {
  const std::string rule = "NEC 210.19(A) and 215.2(A) informational notes: voltage drop is a "
                           "recommendation, the allowed drop is the form's";
  const std::string from = "from " + Name(*chain.minimumSize) + " up";
  if (!chain.installedSize) {
    std::string work = "No size " + from + " keeps within " + AllowedDrop(s) + " by " +
                       MethodName(c.method) + " with " + Count(c.conductorsIndex + 1) +
                       " per phase";
    work += c.conductorsIndex + 1 < ConductorCountMax
                ? ": add conductors in parallel, or allow a larger drop."
                : ": allow a larger drop or raise the voltage.";
    return {"Size to install", "none in the table", work, rule};
  }
  const int size = *chain.installedSize;
  std::string work = "The first size " + from + " within " + AllowedDrop(s) + " by " +
                     MethodName(c.method) + ": " + BothDrops(s, sizes[size]) + ".";
  if (size > *chain.minimumSize)
    work += " Larger than the minimum for voltage drop.";
  return {"Size to install", Conductors(s, c, size), work, rule};
}

SizingStep GroundStep(const CalcState& s, const SizingConditions& c, const Chain& chain,
                      int tableGround, int ground) {
  const int n = c.conductorsIndex + 1;
  const int minimum = *chain.minimumSize;
  const int installed = *chain.installedSize;
  std::string work = "Table 250.122 for a " + Amps(*chain.device) +
                     " device: " + Name(tableGround) + " " + Material(s) + ".";
  double needed = CircularMils[tableGround];
  if (installed > minimum) {
    needed = CircularMils[tableGround] * CircularMils[installed] / CircularMils[minimum];
    work += " Phase conductors increased from " + Name(minimum) + " to " + Name(installed) + ": " +
            PrintNumber(CircularMils[tableGround]) + " \u00D7 " +
            PrintNumber(CircularMils[installed]) + " / " + PrintNumber(CircularMils[minimum]) +
            " = " + GlanceNumber(needed) + " cmil";
    if (CircularMils[ground] >= needed)
      work += ", the first size at or above: " + Name(ground);
    work += ".";
  }
  if (CircularMils[ground] < needed)
    work += " Never larger than the phase conductors: " + Name(ground) + ".";
  std::string rule = "NEC Table 250.122; 250.122(A), (B)";
  std::string value = Name(ground) + " " + Material(s);
  if (n > 1) {
    work += " One in each of the " + Count(n) + " raceways.";
    rule += ", (F)";
    value += ", one in each raceway";
  }
  return {"Equipment grounding conductor", value, work, rule};
}

std::string Answer(const CalcState& s, const SizingConditions& c, const Chain& chain, int ground,
                   const SizeVerdict& installed) {
  const int n = c.conductorsIndex + 1;
  std::string answer = Count(n) + " \u00D7 " + Name(*chain.installedSize) + " " + Material(s) +
                       " per phase, " + Name(ground) + " " + Material(s) + " ground";
  if (n > 1)
    answer += " in each of the " + Count(n) + " raceways";
  return answer + ", " + Amps(*chain.device) + " overcurrent device; drop " +
         BothDrops(s, installed) + ".";
}

} // namespace engine
