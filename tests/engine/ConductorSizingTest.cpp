// Sizing a circuit from its load: chains worked by hand from the code's
// tables, the 250.122(B) examples, and a few published cells of each table.
#include "engine/ConductorSizing.h"
#include "engine/Impedance.h"
#include "engine/SizingTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace engine {
namespace {

int Size(const char* name) { return WireSizeIndexOf(name); }
const int Cu = MaterialCopper, Al = MaterialAluminum;

struct Circuit {
  double volts;
  bool threePhase;
  int current, material, raceway;
  double amps, feet;
};

// The record as a solve leaves it, 3 % allowed.
CalcState Record(const Circuit& c) {
  CalcState s;
  s.Phase = c.threePhase ? PhaseThree : PhaseSingle;
  s.Material = c.material;
  s.PercentDrop = 3;
  s.DropVolts = c.volts * 3 / 100;
  s.Amps = c.amps;
  s.Voltage = c.volts;
  s.Current = c.current;
  s.Raceway = c.raceway;
  s.PhaseMultiplier = c.threePhase ? std::sqrt(3.0) : 2.0;
  s.FeetLength = c.feet;
  return s;
}

using Size_ = std::optional<int>;

TEST(ConductorSizing, ChainsWorkedByHand) {
  const int Ac = CurrentAc, Dc = CurrentDc;
  const int Steel = RacewaySteel, NonMetal = RacewayNonMetal;
  const struct {
    const char* name;
    Circuit circuit;
    SizingConditions conditions;
    SizingOutcome outcome;
    std::optional<int> device;
    Size_ minimum, installed, ground;
    const char* answer; // a part of it
  } cases[] = {
      {"480 V feeder, 180 A continuous at 40 °C",
       {480, true, Ac, Cu, Steel, 180, 300},
       {.continuous = true, .ambientC = 40},
       SizingOutcome::Sized,
       225,
       Size("No. 4/0"),
       Size("No. 4/0"),
       Size("No. 4"),
       "1 \u00D7 No. 4/0 copper per phase, No. 4 copper ground, 225 A overcurrent device; "
       "drop 1.567 % by impedance, 1.231 % by K."},
      {"120 V, 20 A at 250 ft: raised for the drop, the ground with it",
       {120, false, Ac, Cu, NonMetal, 20, 250},
       {.currentCarrying = 2},
       SizingOutcome::Sized,
       20,
       Size("No. 12"),
       Size("No. 4"),
       Size("No. 4"),
       "drop 2.407 % by impedance, 2.575 % by K."},
      {"above 800 A the conductors must reach the device (240.4(C))",
       {480, true, Ac, Cu, Steel, 850, 100},
       {.conductorsIndex = 2},
       SizingOutcome::Sized,
       1000,
       Size("400 kcm"),
       Size("400 kcm"),
       Size("No. 2/0"),
       "3 \u00D7 400 kcm copper per phase, No. 2/0 copper ground in each of the 3 raceways"},
      {"aluminum No. 10 carries 28 A yet takes no 30 A device (240.4(D))",
       {120, false, Ac, Al, Steel, 28, 10},
       {.terminations = Terminations::Listed75C},
       SizingOutcome::Sized,
       30,
       Size("No. 8"),
       Size("No. 8"),
       Size("No. 8"),
       "No. 8 aluminum"},
      {"no parallel set below No. 1/0",
       {120, false, Ac, Al, Steel, 28, 10},
       {.conductorsIndex = 1},
       SizingOutcome::Sized,
       30,
       Size("No. 1/0"),
       Size("No. 1/0"),
       Size("No. 8"),
       "2 \u00D7 No. 1/0 aluminum per phase"},
      {"a 60 °C conductor at 60 °C ambient carries nothing",
       {120, false, Ac, Cu, Steel, 20, 50},
       {.insulation = Rating60C, .ambientC = 60},
       SizingOutcome::NoMinimumSize,
       20,
       {},
       {},
       {},
       "may not be used at 60 \u00B0C ambient"},
      {"direct current: K alone, the ground raised with the conductors",
       {48, false, Dc, Cu, Steel, 30, 50},
       {.method = DropMethod::Larger},
       SizingOutcome::Sized,
       30,
       Size("No. 10"),
       Size("No. 4"),
       Size("No. 4"),
       "drop 1.932 % by K (direct current)."},
      {"no size keeps within the drop",
       {120, false, Ac, Cu, Steel, 100, 5000},
       {},
       SizingOutcome::NoInstalledSize,
       100,
       Size("No. 1"),
       {},
       {},
       "add conductors in parallel"},
      {"beyond every standard rating",
       {480, true, Ac, Cu, Steel, 7000, 10},
       {},
       SizingOutcome::NoDevice,
       {},
       {},
       {},
       {},
       "No standard rating reaches 7000 A"},
      {"no load",
       {120, false, Ac, Cu, Steel, 0, 100},
       {},
       SizingOutcome::NoLoad,
       {},
       {},
       {},
       {},
       "Nothing to size: the load is 0 A."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CalcState s = Record(c.circuit);
    const ConductorSizing sized = SizeConductors(s, c.conditions);
    EXPECT_EQ(sized.outcome, c.outcome);
    EXPECT_EQ(sized.device, c.device);
    EXPECT_EQ(sized.minimumSize, c.minimum);
    EXPECT_EQ(sized.installedSize, c.installed);
    EXPECT_EQ(sized.groundSize, c.ground);
    EXPECT_NE(sized.answer.find(c.answer), std::string::npos) << sized.answer;
    // Every step names its rule; the chain stops at the first step without a value.
    const std::size_t steps = c.outcome == SizingOutcome::Sized             ? 7
                              : c.outcome == SizingOutcome::NoInstalledSize ? 6
                              : c.outcome == SizingOutcome::NoMinimumSize   ? 4
                              : c.outcome == SizingOutcome::NoDevice        ? 2
                                                                            : 0;
    ASSERT_EQ(sized.steps.size(), steps);
    for (const SizingStep& step : sized.steps)
      EXPECT_EQ(step.rule.rfind("NEC ", 0), 0U) << step.title;
    // The K drops are the calculator's own, size by size; nothing below
    // No. 1/0 keeps within the drop when run in parallel.
    const auto rows = CompareWireSizes(s, sized.conditions.conductorsIndex);
    for (int size = 0; size < WireSizeCount; ++size) {
      EXPECT_EQ(sized.sizes[size].k, rows[size]);
      if (sized.conditions.conductorsIndex > 0 && size < SmallestParallelWireSize) {
        EXPECT_FALSE(sized.sizes[size].withinDrop || sized.sizes[size].installable) << size;
      }
    }
  }
}

// The steps a user checks for the feeder: 225 A to carry, the 75 °C column,
// and 4/0 at 230 A, 202.4 A after correction, protected by the next rating.
TEST(ConductorSizing, StepsShowTheWork) {
  const CalcState s = Record({480, true, CurrentAc, Cu, RacewaySteel, 180, 300});
  const ConductorSizing sized = SizeConductors(s, {.continuous = true, .ambientC = 40});
  ASSERT_EQ(sized.steps.size(), 7U);
  const struct {
    const char* value;
    const char* work;
    const char* rule;
  } steps[] = {
      {"225 A", "180 A \u00D7 125 % = 225 A", "210.19(A)(1)(a)"},
      {"225 A", "not below 225 A", "240.6(A)"},
      {"75 \u00B0C column", "over 100 A", "110.14(C)"},
      {"No. 4/0 copper, 1 per phase",
       "230 A \u00D7 0.88 for 40 \u00B0C \u00D7 1 for 3 current-carrying conductors = 202.4 A",
       "240.4(B)"},
      {"1.567 % by impedance, 1.231 % by K", "= 7.521 V", "Table 9"},
      {"No. 4/0 copper, 1 per phase", "within 3 % (14.4 V)", "215.2(A)"},
      {"No. 4 copper", "Table 250.122 for a 225 A device: No. 4", "250.122"},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(sized.steps[i].title);
    EXPECT_EQ(sized.steps[i].value, steps[i].value);
    EXPECT_NE(sized.steps[i].work.find(steps[i].work), std::string::npos) << sized.steps[i].work;
    EXPECT_NE(sized.steps[i].rule.find(steps[i].rule), std::string::npos) << sized.steps[i].rule;
  }
}

// 250.122(B)'s published examples: the ground grows with the area.
TEST(ConductorSizing, GroundGrowsInProportionButNeverPastThePhase) {
  const struct {
    const char *table, *minimum, *installed, *ground;
  } cases[] = {
      {"No. 6", "No. 2/0", "No. 3/0", "No. 4"},
      {"No. 4", "250 kcm", "350 kcm", "No. 2"},
      {"No. 10", "No. 8", "No. 1", "No. 3"},
      {"No. 12", "No. 12", "No. 4", "No. 4"},       // exactly the phase's area
      {"No. 10", "No. 12", "No. 12", "No. 12"},     // never larger than the phase
      {"250 kcm", "No. 2/0", "No. 4/0", "No. 4/0"}, // nor when raised
  };
  for (const auto& c : cases)
    EXPECT_EQ(GroundingConductorSize(Size(c.table), Size(c.minimum), Size(c.installed)),
              Size(c.ground))
        << c.minimum << " to " << c.installed;
}

TEST(SizingTables, PublishedCells) {
  EXPECT_EQ(Table9Impedance(Cu, Size("500 kcm"), RacewaySteel), (Impedance{0.029, 0.048}));
  EXPECT_EQ(Table9Impedance(Cu, Size("No. 1/0"), RacewayAluminum), (Impedance{0.13, 0.044}));
  EXPECT_EQ(Table9Impedance(Al, Size("No. 3"), RacewayNonMetal), (Impedance{0.40, 0.047}));
  for (const int size : {Size("700 kcm"), Size("No. 16"), -1, WireSizeCount})
    EXPECT_EQ(Table9Impedance(Cu, size, RacewaySteel), std::nullopt) << size;
  EXPECT_EQ(Table9Impedance(Al, Size("No. 14"), RacewaySteel), std::nullopt);
  // 500 kcmil copper in steel at 0.85 drops 1.7 times what its resistance says.
  const double ze = EffectiveImpedance({0.029, 0.048}, 0.85);
  EXPECT_NEAR(ze, 0.0499, 5e-5);
  EXPECT_NEAR(ze / 0.029, 1.72, 0.01);
  EXPECT_EQ(EffectiveImpedance({0.029, 0.048}, 1.0), 0.029);

  EXPECT_EQ(AmbientFactor(40, Rating75C), 0.88);
  EXPECT_EQ(AmbientFactor(-40, Rating90C), 1.15);
  EXPECT_EQ(AmbientFactor(31, Rating60C), 0.91);
  EXPECT_EQ(AmbientFactor(60, Rating60C), std::nullopt);
  EXPECT_EQ(AmbientFactor(85, Rating90C), 0.29);
  EXPECT_EQ(AmbientFactor(86, Rating90C), std::nullopt);
  EXPECT_EQ(AdjustmentFactor(3), 1.0);
  EXPECT_EQ(AdjustmentFactor(4), 0.8);
  EXPECT_EQ(AdjustmentFactor(20), 0.5);
  EXPECT_EQ(AdjustmentFactor(41), 0.35);
  EXPECT_EQ(StandardRatingAtLeast(202.4), 225);
  EXPECT_EQ(StandardRatingAtLeast(15), 15);
  EXPECT_EQ(StandardRatingAtLeast(6000.5), std::nullopt);
  EXPECT_EQ(StandardRatingAtLeast(std::nan("")), std::nullopt);
  EXPECT_EQ(GroundingConductorFor(Cu, 20), Size("No. 12"));
  EXPECT_EQ(GroundingConductorFor(Al, 4000), Size("750 kcm"));
  EXPECT_EQ(GroundingConductorFor(Cu, 4001), std::nullopt);
}

} // namespace
} // namespace engine
