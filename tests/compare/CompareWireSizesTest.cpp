// The Compare Wire Sizes dialog on its own: what Ctrl+C copies, and that any
// drop, zero or infinite, can be drawn.
#include "compare/CompareWireSizesDlg.h"
#include "compare/DropChart.h"
#include "dialogkit/Text.h"
#include "engine/ConductorTables.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace compare {
namespace {

// A circuit of the form's defaults as a solve leaves them.
engine::CalcState Circuit() {
  engine::CalcState record;
  record.FeetLength = 100;
  record.DropVolts = 3.6;
  record.FinalVoltage = 116.4;
  return record;
}

TEST(CompareWireSizes, CtrlCCopiesTheWholeTableAsTextAndHtml) {
  CCompareWireSizesDlg dlg(Circuit());
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  for (const bool fromTable : {true, false}) {
    SCOPED_TRACE(fromTable ? "from the table" : "from the conductors list");
    QGuiApplication::clipboard()->clear();
    QWidget* from =
        fromTable ? static_cast<QWidget*>(dlg.Table()) : static_cast<QWidget*>(dlg.Conductors());
    from->setFocus();
    QStringList marks;
    for (int row = 0; row < engine::WireSizeCount; ++row)
      marks << dlg.Table()->item(row, CCompareWireSizesDlg::ColWithin)->text();
    QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText() && data->hasHtml());
    const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), engine::WireSizeCount + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Size\tK\t")));
    for (int row = 0; row < engine::WireSizeCount; ++row) {
      const QStringList cells = lines[row + 1].split(QLatin1Char('\t'));
      ASSERT_EQ(cells.size(), CCompareWireSizesDlg::ColumnCount) << row;
      EXPECT_EQ(cells[0], dialogkit::ToQString(engine::WireSizeNames[row]));
      EXPECT_EQ(cells[CCompareWireSizesDlg::ColWithin] == QStringLiteral("yes"),
                !marks[row].isEmpty());
    }
    EXPECT_EQ(data->html().count(QStringLiteral("<tr>")), engine::WireSizeCount + 1);
    EXPECT_EQ(data->html().count(QStringLiteral("<td>No. 1/0</td>")), 1);
  }
}

// Zero and huge loads give drops of zero, infinity or no value at all; every
// one is drawn, on a linear axis unless the drops span decades.
TEST(DropChart, DrawsAnyDrop) {
  constexpr double Inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double amps, feet;
    bool log;
  } cases[] = {
      {"ordinary", 16, 100, true},        {"zero load", 0, 100, false},
      {"zero length", 16, 0, false},      {"infinite drops", 1e300, 1e300, false},
      {"undefined drops", Inf, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine::CalcState record;
    record.Amps = c.amps;
    record.FeetLength = c.feet;
    record.DropVolts = 3.6;
    CCompareWireSizesDlg dlg(record);
    dlg.resize(700, 700);
    EXPECT_FALSE(dlg.grab().isNull());
    EXPECT_EQ(dlg.Chart()->LogScale(), c.log);
    // The chart's description names the first size within the allowed drop.
    const auto rows = engine::CompareWireSizes(record, 0);
    const auto first = std::find_if(
        rows.begin(), rows.end(), [](const engine::WireSizeRow& r) { return r.meetsAllowedDrop; });
    const QString named = first == rows.end()
                              ? QStringLiteral("No size")
                              : dialogkit::ToQString(engine::WireSizeNames[first->wireSize]) + '.';
    EXPECT_TRUE(dlg.Chart()->accessibleDescription().contains(named));
  }
}

} // namespace
} // namespace compare
