// Whole user actions on the real calculator dialog, shown and active on the
// offscreen platform: the mouse click, key press or focus move a user makes,
// every handler it runs (nested leave handlers included) and the repaint the
// event loop does afterwards. Each iteration times one action with a steady
// clock; the set-up that brings the form back to the same state is not timed.
// Besides the mean, each benchmark reports the median and 90th percentile of
// the single actions in microseconds.
#include "calculator/CalculatorDlg.h"
#include "calculator/CalculatorTemplate.h"
#include "settings/SettingsStore.h"
#include "sizing/DropChart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A message box would wait for a user that is not there: name it and stop.
class BoxTrap final : public QObject {
protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (const auto* box = qobject_cast<QMessageBox*>(watched)) {
        std::fprintf(stderr, "action_bench: unexpected message box: %s\n", qPrintable(box->text()));
        std::abort();
      }
    }
    return false;
  }
};

void Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

// A shown, active dialog with the initial record, for one benchmark run.
class Form {
public:
  Form() : m_dlg(std::make_unique<calculator::CCalculatorDlg>()) {
    m_dlg->Create();
    m_dlg->show();
    m_dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(m_dlg.get())) {
      std::fprintf(stderr, "action_bench: the dialog did not become active\n");
      std::abort();
    }
    Settle();
  }
  ~Form() {
    m_dlg->hide();
    m_dlg.reset();
    Settle();
  }
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  calculator::CCalculatorDlg& Dlg() { return *m_dlg; }
  QWidget* Item(int id) const { return m_dlg->GetDlgItem(id); }
  QLineEdit* EditOf(int id) const { return qobject_cast<QLineEdit*>(Item(id)); }

  void Click(int id) {
    QWidget* w = Item(id);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    Settle();
  }
  void FocusOn(int id) {
    Item(id)->setFocus(Qt::MouseFocusReason);
    Settle();
  }
  void Key(int id, Qt::Key key) {
    QTest::keyClick(Item(id), key);
    Settle();
  }

private:
  std::unique_ptr<calculator::CCalculatorDlg> m_dlg;
};

// Runs `prepare` untimed, `action` timed and `check` untimed once per
// iteration; a failed check stops the benchmark with an error. Reports the
// median and 90th percentile of the timed actions.
void Measure(benchmark::State& state, const std::function<void(std::int64_t)>& prepare,
             const std::function<void(std::int64_t)>& action,
             const std::function<const char*(std::int64_t)>& check) {
  std::vector<double> micros;
  std::int64_t n = 0;
  for (auto _ : state) {
    prepare(n);
    const auto start = Clock::now();
    action(n);
    const auto stop = Clock::now();
    const double seconds = std::chrono::duration<double>(stop - start).count();
    state.SetIterationTime(seconds);
    micros.push_back(seconds * 1e6);
    if (const char* failure = check(n)) {
      state.SkipWithError(failure);
      break;
    }
    ++n;
  }
  if (micros.empty())
    return;
  std::sort(micros.begin(), micros.end());
  const auto at = [&](double q) {
    return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
  };
  state.counters["median_us"] = at(0.5);
  state.counters["p90_us"] = at(0.9);
}

// Clear: the user has changed voltage and load (untimed) and clicks Clear;
// the focused load edit leaves first, then the record is reset and five
// nested solve sequences run.
void BM_Clear(benchmark::State& state) {
  Form form;
  Measure(
      state,
      [&](std::int64_t) {
        form.EditOf(calculator::IdcVoltage)->setText(QStringLiteral("240"));
        form.EditOf(calculator::IdcAmps)->setText(QStringLiteral("20"));
        Settle();
      },
      [&](std::int64_t) { form.Click(calculator::IdcClear); },
      [&](std::int64_t) -> const char* {
        const engine::CalcState& s = form.Dlg().State();
        return s.Voltage == 120.0 && s.Amps == 16.0 &&
                       form.EditOf(calculator::IdcVoltage)->text() == QStringLiteral("120")
                   ? nullptr
                   : "Clear did not reset the form";
      });
}

// The wire-size list, solving for voltage: a Down or Up arrow key on the
// focused list, alternately, so every press selects another size and runs the
// conductor change (two solves).
void BM_WireSizeChange(benchmark::State& state) {
  Form form;
  form.Click(calculator::IdcSolveVoltage);
  form.FocusOn(calculator::IdcWireSize);
  const int first = form.Dlg().State().WireSize;
  Measure(
      state, [](std::int64_t) {},
      [&](std::int64_t n) {
        form.Key(calculator::IdcWireSize, n % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
      },
      [&](std::int64_t n) -> const char* {
        return form.Dlg().State().WireSize == first + (n % 2 == 0 ? 1 : 0)
                   ? nullptr
                   : "the wire size did not follow the key";
      });
}

// Leaving the distance edit, solving for wire size: the user has typed a new
// distance (200 or 100 ft, alternately; untimed) and moves the focus on to the
// Feet button, which runs the edit's leave handler.
void BM_LeaveDistance(benchmark::State& state) {
  Form form;
  QLineEdit* distance = form.EditOf(calculator::IdcDistance);
  int previousSize = -1;
  Measure(
      state,
      [&](std::int64_t n) {
        form.FocusOn(calculator::IdcDistance);
        distance->setText(n % 2 == 0 ? QStringLiteral("200") : QStringLiteral("100"));
        Settle();
        previousSize = form.Dlg().State().WireSize;
      },
      [&](std::int64_t) { form.FocusOn(calculator::IdcFeet); },
      [&](std::int64_t n) -> const char* {
        const engine::CalcState& s = form.Dlg().State();
        return s.Distance == (n % 2 == 0 ? 200.0 : 100.0) && s.WireSize != previousSize
                   ? nullptr
                   : "leaving the distance edit did not solve";
      });
}

// Closes each size comparison once its chart has painted; counts them.
class SizingCloser final : public QObject {
public:
  int Closed = 0;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && dynamic_cast<sizing::CDropChart*>(watched) != nullptr) {
      QWidget* dialog = static_cast<QWidget*>(watched)->window();
      if (!dialog->property("closing").toBool()) {
        dialog->setProperty("closing", true);
        ++Closed;
        QMetaObject::invokeMethod(dialog, &QWidget::close, Qt::QueuedConnection);
      }
    }
    return false;
  }
};

// Size Conductors: Ctrl+Shift+W on the calculator, solving for wire
// size; the window opens, paints its work, table and chart, and is closed again.
void BM_SizeConductors(benchmark::State& state) {
  Form form;
  SizingCloser closer;
  QApplication::instance()->installEventFilter(&closer);
  Measure(
      state, [](std::int64_t) {},
      [&](std::int64_t) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W,
                        Qt::ControlModifier | Qt::ShiftModifier);
        Settle();
      },
      [&](std::int64_t n) -> const char* {
        return closer.Closed == n + 1 && QApplication::activeModalWidget() == nullptr
                   ? nullptr
                   : "the sizing window did not open and close";
      });
  QApplication::instance()->removeEventFilter(&closer);
}

// A click on `target`, timed, after an untimed click on `from` that brings
// the form back; `done` tells whether the click took effect.
void ClickFrom(benchmark::State& state, int target, int from,
               const std::function<bool(const engine::CalcState&)>& done) {
  Form form;
  form.Click(from);
  Measure(
      state,
      [&](std::int64_t n) {
        if (n > 0)
          form.Click(from);
      },
      [&](std::int64_t) { form.Click(target); },
      [&](std::int64_t) -> const char* {
        return done(form.Dlg().State()) ? nullptr : "the click did not take effect";
      });
}

// Switching the solve target: from solving for wire size (for wire size, from
// solving for voltage).
void BM_SolveTarget(benchmark::State& state, int target, int from, int solveFor) {
  ClickFrom(state, target, from,
            [solveFor](const engine::CalcState& s) { return s.SolveFor == solveFor; });
}

// Toggling the distance units.
void BM_Units(benchmark::State& state, int target, int from, int units) {
  ClickFrom(state, target, from,
            [units](const engine::CalcState& s) { return s.DistanceUnits == units; });
}

BENCHMARK(BM_Clear)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WireSizeChange)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeaveDistance)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizeConductors)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveTarget, Voltage, calculator::IdcSolveVoltage,
                  calculator::IdcSolveWireSize, engine::SolveVoltage)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveTarget, Load, calculator::IdcSolveLoad, calculator::IdcSolveWireSize,
                  engine::SolveLoad)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveTarget, Distance, calculator::IdcSolveDistance,
                  calculator::IdcSolveWireSize, engine::SolveDistance)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveTarget, WireSize, calculator::IdcSolveWireSize,
                  calculator::IdcSolveVoltage, engine::SolveWireSize)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Units, Meters, calculator::IdcMeters, calculator::IdcFeet, engine::UnitsMeters)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Units, Feet, calculator::IdcFeet, calculator::IdcMeters, engine::UnitsFeet)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  // Headless unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The store goes to a folder of its own that is removed at the end; the
  // user's own settings are never read or written.
  const QTemporaryDir store;
  if (!store.isValid()) {
    std::fprintf(stderr, "action_bench: no temporary folder for the settings store\n");
    return 1;
  }
  settings::SetStoreRoot(store.path());
  QApplication::setOrganizationName(QStringLiteral("Orrelby"));
  QApplication::setApplicationName(QStringLiteral("Tamsik"));
  BoxTrap trap;
  app.installEventFilter(&trap);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
