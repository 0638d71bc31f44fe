// Calculate for each solve target with a form link that does nothing, so the
// figures are the engine's arithmetic and call structure alone.
#include "engine/CalcState.h"
#include "engine/FormLink.h"
#include "engine/Operations.h"

#include <benchmark/benchmark.h>

namespace {

class NullForm final : public engine::FormLink {
public:
  bool ReadForm() override { return true; }
  void WriteForm() override {}
  void ShowWarning(std::string_view) override {}
};

// The initial record (120 V, 16 A, 100 ft, "No. 14") with the given target.
engine::CalcState Circuit(int target) {
  engine::CalcState s;
  s.SolveFor = target;
  return s;
}

void BM_Calculate(benchmark::State& state, const engine::CalcState circuit) {
  NullForm form;
  for (auto _ : state) {
    // Every solve starts from the same record; the copy is a few dozen bytes.
    engine::CalcState s = circuit;
    engine::Calculate(s, form);
    benchmark::DoNotOptimize(s);
  }
}

// The default wire-size solve stops at "No. 8"; far out of range it walks all
// 34 sizes and warns.
engine::CalcState OutOfRange() {
  engine::CalcState s = Circuit(engine::SolveWireSize);
  s.Distance = 100000.0;
  return s;
}

BENCHMARK_CAPTURE(BM_Calculate, Voltage, Circuit(engine::SolveVoltage));
BENCHMARK_CAPTURE(BM_Calculate, Load, Circuit(engine::SolveLoad));
BENCHMARK_CAPTURE(BM_Calculate, Distance, Circuit(engine::SolveDistance));
BENCHMARK_CAPTURE(BM_Calculate, WireSize, Circuit(engine::SolveWireSize));
BENCHMARK_CAPTURE(BM_Calculate, WireSizeOutOfRange, OutOfRange());

} // namespace

BENCHMARK_MAIN();
