// The eleven stored selections through the form: the range the store accepts
// is what the form offers, and each value the form can show comes back
// through a start and an exit.
#include "DialogFixture.h"
#include "StoreText.h"

#include "calculator/FormBindings.h"
#include "settings/PersistedSettings.h"

#include <QButtonGroup>
#include <algorithm>
#include <cmath>

namespace testing_ui {
namespace {

using engine::CalcState;
using settings::PersistedValue;
using settings::PersistedValues;

double Get(const CalcState& s, const PersistedValue& v) {
  return v.field != nullptr ? s.*v.field : s.Voltage;
}

// A valid value that is not the default: its neighbour within the range.
int Other(const PersistedValue& v) {
  const int d = v.DefaultValue();
  return d < v.max ? d + 1 : d - 1;
}

const PersistedValue& RowOf(int CalcState::*field) {
  return *std::find_if(PersistedValues.begin(), PersistedValues.end(),
                       [field](const PersistedValue& v) { return v.field == field; });
}

std::string Name(const PersistedValue& v) { return std::string(v.name); }

// Through the form: what a start shows from the store, an exit stores again.
class SettingsThroughTheForm : public DialogFixture {
protected:
  // Starts on a store holding only `row` and, unless `row` is the target
  // itself, solving for the load: every other selection is then an input the
  // start leaves as it is, and at every boundary the load it finds stays in
  // the range its edit accepts.
  void StartWith(const PersistedValue& row, const QByteArray& text) {
    m_dlg.reset();
    QByteArray ini = "[State]\n" + QByteArray::fromStdString(Name(row)) + "=" + text + "\n";
    const PersistedValue& target = RowOf(&CalcState::SolveFor);
    if (&row != &target)
      ini += QByteArray::fromStdString(Name(target)) + "=" + QByteArray::number(engine::SolveLoad) +
             "\n";
    WriteStore(ini);
    StartDialog();
  }
  std::string Stored(const PersistedValue& row) const {
    return SectionText(StorePath(), QStringLiteral("State"))[Name(row)];
  }
};

// The store accepts exactly the choices the form offers, and whole voltages
// in the range the voltage edit accepts.
TEST_F(SettingsThroughTheForm, StoredRangeIsWhatTheFormOffers) {
  StartDialog();
  for (const PersistedValue& row : PersistedValues) {
    SCOPED_TRACE(row.name);
    const auto binding =
        std::find_if(calculator::FormBindings.begin(), calculator::FormBindings.end(),
                     [&row](const calculator::FormBinding& b) {
                       return row.field != nullptr ? b.intField == row.field
                                                   : b.doubleField == &CalcState::Voltage;
                     });
    ASSERT_NE(binding, calculator::FormBindings.end());
    qsizetype choices = 0;
    switch (binding->kind) {
    case calculator::Exchange::Radio:
      choices = Dlg().Controls().radioGroups.value(binding->controlId)->buttons().size();
      break;
    case calculator::Exchange::ListIndex:
      choices = ListOf(binding->controlId)->count();
      break;
    case calculator::Exchange::Text:
      EXPECT_EQ(row.min, std::ceil(binding->range.min));
      EXPECT_EQ(row.max, std::floor(binding->range.max));
      continue;
    }
    EXPECT_EQ(row.min, 0);
    EXPECT_EQ(row.max, choices - 1);
  }
}

// Store -> form -> store: the boundaries and a value between come back, and
// what lies outside or is not a number comes back as the default.
TEST_F(SettingsThroughTheForm, EachValueSurvivesAStartAndAnExit) {
  for (const PersistedValue& row : PersistedValues) {
    const int d = row.DefaultValue();
    const std::pair<QByteArray, int> rows[] = {
        {QByteArray::number(row.min), row.min}, {QByteArray::number(Other(row)), Other(row)},
        {QByteArray::number(row.max), row.max}, {QByteArray::number(row.min - 1LL), d},
        {QByteArray::number(row.max + 1LL), d}, {QByteArray("x1"), d},
    };
    for (const auto& [text, want] : rows) {
      SCOPED_TRACE(Name(row) + "=" + text.toStdString());
      StartWith(row, text);
      EXPECT_EQ(Get(State(), row), want);
      Click(calculator::IdcExit);
      EXPECT_FALSE(Dlg().isVisible());
      EXPECT_EQ(Stored(row), std::to_string(want));
      EXPECT_EQ(m_boxes.Take().size(), 0U);
    }
  }
}

} // namespace
} // namespace testing_ui
