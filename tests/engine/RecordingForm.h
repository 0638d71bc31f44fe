// A FormLink for engine tests. It holds its own copy of the seventeen form-bound
// fields (what the controls show), reads them into the record in the form's
// exchange order with the form's range checks, and logs every exchange with a
// snapshot of the form, so a test can assert the sequence and what each step saw.
#pragma once

#include "engine/CalcState.h"
#include "engine/FormLink.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine::test {

// The exchange steps, numbered in the order the form reads them.
enum class FormField : int {
  DropMode = 1,
  Phase,
  Material,
  SolveFor,
  LoadUnits,
  Distance,
  VoltAmps,
  PercentDrop,
  FinalVoltage,
  DropVolts,
  Amps,
  WireSize,
  DistanceUnits,
  Voltage,
  Current,
  Raceway,
  ConductorsIndex,
};

struct Exchange {
  enum Kind : char { Read = 'R', Write = 'W', Warning = '!' };
  Kind kind;
  CalcState form;                   // what the form showed after the call; derived fields unused
  int failedStep = 0;               // Read: the step that stopped the read, 0 when all succeeded
  std::vector<FormField> overwrote; // Read: fields whose unwritten record value it replaced
  std::string text;                 // Warning: the text shown
};

class RecordingForm final : public FormLink {
public:
  // The form starts out showing `record`, as it does after any write.
  explicit RecordingForm(CalcState& record) : form(record), record_(record) {}

  CalcState form;
  std::vector<Exchange> log;
  // Runs at the start of each read with its 0-based number, to change the form
  // in the middle of a sequence.
  std::function<void(int read, CalcState& form)> beforeRead;
  // Runs while the warning is open, as a nested sequence of the form would.
  std::function<void()> whileWarning;

  // Puts text that is not a number into `field`'s edit: reads stop there and keep
  // the record's value until the next write puts the record's value back.
  void PutNotANumber(FormField field) { notANumber_ = field; }

  bool ReadForm() override {
    if (beforeRead)
      beforeRead(reads_, form);
    ++reads_;
    Exchange e{Exchange::Read, form, 0, {}, {}};
    e.failedStep = CopyFormToRecord(e.overwrote);
    log.push_back(std::move(e));
    return log.back().failedStep == 0;
  }

  void WriteForm() override {
    CopyFormBound(record_, form);
    notANumber_.reset();
    log.push_back({Exchange::Write, form, 0, {}, {}});
  }

  void ShowWarning(std::string_view text) override {
    log.push_back({Exchange::Warning, form, 0, {}, std::string(text)});
    if (whileWarning)
      whileWarning();
  }

  // The log as one letter per call, e.g. "RWRW!WW".
  std::string Sequence() const {
    std::string s;
    for (const Exchange& e : log)
      s += static_cast<char>(e.kind);
    return s;
  }

  int Count(Exchange::Kind kind) const {
    int n = 0;
    for (const Exchange& e : log)
      n += e.kind == kind ? 1 : 0;
    return n;
  }

  static void CopyFormBound(const CalcState& from, CalcState& to) {
    to.DropMode = from.DropMode;
    to.Phase = from.Phase;
    to.Material = from.Material;
    to.SolveFor = from.SolveFor;
    to.LoadUnits = from.LoadUnits;
    to.Distance = from.Distance;
    to.VoltAmps = from.VoltAmps;
    to.PercentDrop = from.PercentDrop;
    to.FinalVoltage = from.FinalVoltage;
    to.DropVolts = from.DropVolts;
    to.Amps = from.Amps;
    to.WireSize = from.WireSize;
    to.DistanceUnits = from.DistanceUnits;
    to.Voltage = from.Voltage;
    to.Current = from.Current;
    to.Raceway = from.Raceway;
    to.ConductorsIndex = from.ConductorsIndex;
  }

private:
  static bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

  // Returns the failing step or 0. A number out of range is stored before the
  // read stops; text that is not a number is not.
  int CopyFormToRecord(std::vector<FormField>& overwrote) {
    int step = 0;
    auto choice = [&](int CalcState::*field) {
      ++step;
      if (record_.*field != form.*field)
        overwrote.push_back(static_cast<FormField>(step));
      record_.*field = form.*field;
      return true;
    };
    auto number = [&](double CalcState::*field, double lo, double hi) {
      ++step;
      if (notANumber_ == static_cast<FormField>(step))
        return false;
      if (!Same(record_.*field, form.*field))
        overwrote.push_back(static_cast<FormField>(step));
      record_.*field = form.*field;
      return lo <= form.*field && form.*field <= hi;
    };
    const bool ok =
        choice(&CalcState::DropMode) && choice(&CalcState::Phase) && choice(&CalcState::Material) &&
        choice(&CalcState::SolveFor) && choice(&CalcState::LoadUnits) &&
        number(&CalcState::Distance, 0, 1e6) && number(&CalcState::VoltAmps, 0, 1e11) &&
        number(&CalcState::PercentDrop, 0, 99.9999) && number(&CalcState::FinalVoltage, 0, 1e6) &&
        number(&CalcState::DropVolts, 0, 1e6) && number(&CalcState::Amps, 0, 1e5) &&
        choice(&CalcState::WireSize) && choice(&CalcState::DistanceUnits) &&
        number(&CalcState::Voltage, 1, 1e6) && choice(&CalcState::Current) &&
        choice(&CalcState::Raceway) && choice(&CalcState::ConductorsIndex);
    return ok ? 0 : step;
  }

  CalcState& record_;
  std::optional<FormField> notANumber_;
  int reads_ = 0;
};

// DC copper (K 12.9 at every size), 100 A, 25.8 V allowed drop at 480 V: the
// required area is exactly 100 x feet, so a test can place it on a boundary.
inline CalcState HundredPerFoot(double feet, int conductorsIndex = 0) {
  return {.DropMode = ModeVoltageDrop,
          .SolveFor = SolveWireSize,
          .Distance = feet,
          .DropVolts = 25.8,
          .Amps = 100.0,
          .Voltage = 480.0,
          .Current = 1,
          .ConductorsIndex = conductorsIndex};
}

} // namespace engine::test
