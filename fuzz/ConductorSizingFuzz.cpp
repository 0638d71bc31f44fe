// Any record and any conditions through the sizing chain. Besides the
// sanitizers it checks what must hold for every input: the chain stops at the
// first step without a value, what it names to install passes every test it
// applied, the ground is never larger than the phase conductors, and nothing
// below No. 1/0 runs in parallel.
#include "engine/ConductorSizing.h"

#include <cstdint>
#include <cstring>

namespace {

void Require(bool holds) {
  if (!holds)
    __builtin_trap();
}

template <typename T> T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  engine::CalcState s;
  s.Voltage = Take<double>(data, size);
  s.Amps = Take<double>(data, size);
  s.FeetLength = Take<double>(data, size);
  s.PercentDrop = Take<double>(data, size);
  s.DropVolts = Take<double>(data, size);
  s.PhaseMultiplier = Take<double>(data, size);
  s.Material = Take<std::uint8_t>(data, size) % 2;
  s.Raceway = Take<std::uint8_t>(data, size) % 3;
  s.Current = Take<std::uint8_t>(data, size) % 2;
  engine::SizingConditions c;
  c.conductorsIndex = Take<std::int8_t>(data, size);
  c.insulation = Take<std::int8_t>(data, size);
  c.continuous = (Take<std::uint8_t>(data, size) & 1) != 0;
  c.terminations = static_cast<engine::Terminations>(Take<std::int8_t>(data, size));
  c.ambientC = Take<std::int32_t>(data, size);
  c.currentCarrying = Take<std::int32_t>(data, size);
  c.powerFactor = Take<double>(data, size);
  c.method = static_cast<engine::DropMethod>(Take<std::int8_t>(data, size));

  const engine::ConductorSizing sized = engine::SizeConductors(s, c);
  const std::size_t steps[] = {7, 0, 2, 4, 6};
  Require(sized.steps.size() == steps[static_cast<int>(sized.outcome)]);
  if (sized.installedSize) {
    const engine::SizeVerdict& installed = sized.sizes[*sized.installedSize];
    Require(installed.installable && installed.withinDrop);
    Require(sized.minimumSize && *sized.minimumSize <= *sized.installedSize);
    Require(sized.groundSize && *sized.groundSize <= *sized.installedSize);
  }
  for (int size = 0; size < engine::SmallestParallelWireSize; ++size) {
    if (sized.conditions.conductorsIndex > 0)
      Require(!sized.sizes[size].installable && !sized.sizes[size].withinDrop);
  }
  return 0;
}
