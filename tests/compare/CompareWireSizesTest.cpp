// The Compare Wire Sizes dialog alone: ampacity and its controls, Ctrl+C, cells at a glance,
// fitting the screen at scale 1 and 2, and drawing any drop.
#include "compare/CompareStrings.h"
#include "compare/CompareWireSizesDlg.h"
#include "compare/DropChart.h"
#include "compare/WireSizeModel.h"
#include "dialogkit/Text.h"
#include "results/ShownNumber.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

namespace compare {
namespace {

using Dlg = CCompareWireSizesDlg;
using engine::WireSizeIndexOf;
using results::ShownNumber;

// 60 A over 10 ft of copper at 120 V single phase, 3 % (3.6 V) allowed, as a
// solve leaves it: the drop alone would pick No. 12, which cannot carry 60 A.
engine::CalcState Circuit() {
  engine::CalcState record;
  record.Amps = 60;
  record.Distance = 10;
  record.FeetLength = 10;
  record.DropVolts = 3.6;
  record.FinalVoltage = 116.4;
  record.WireSize = WireSizeIndexOf("No. 12");
  return record;
}

int Col(std::string_view heading) { return WireSizeModel::ColumnOf(heading); }

QVariant Cell(const Dlg& dlg, int size, int column, int role = Qt::DisplayRole) {
  return dlg.Sizes().index(size, column).data(role);
}
QString Text(const Dlg& dlg, int size, int column) { return Cell(dlg, size, column).toString(); }
QString Tip(const Dlg& dlg, int size, int column) {
  return Cell(dlg, size, column, Qt::ToolTipRole).toString();
}

QString Name(int size) { return dialogkit::ToQString(engine::WireSizeNames[size]); }

TEST(CompareWireSizes, RatingAndContinuousLoadChooseASizeThatCarriesTheLoad) {
  const struct {
    int conductorsIndex, rating;
    bool continuous;
    const char *carry, *withinDrop, *withAmpacity, *both;
    const char *size, *ampacity; // one cell of the column
  } cases[] = {
      {0, engine::Rating75C, false, "60", "No. 12", "No. 6", "No. 6", "No. 8", "50"},
      {0, engine::Rating90C, false, "60", "No. 12", "No. 6", "No. 6", "No. 8", "55"},
      {0, engine::Rating60C, false, "60", "No. 12", "No. 4", "No. 4", "No. 6", "55"},
      {0, engine::Rating75C, true, "75", "No. 12", "No. 4", "No. 4", "No. 6", "65"},
      {0, engine::Rating90C, true, "75", "No. 12", "No. 6", "No. 6", "No. 6", "75"},
      {1, engine::Rating75C, false, "60", "No. 16", "No. 1/0", "No. 1/0", "No. 1", ""},
      {1, engine::Rating75C, false, "60", "No. 16", "No. 1/0", "No. 1/0", "No. 1/0", "300"},
  };
  Dlg dlg(Circuit());
  EXPECT_EQ(dlg.Rating()->currentIndex(), engine::Rating75C);
  EXPECT_FALSE(dlg.Continuous()->isChecked());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.conductorsIndex + 1 << " conductors, rating " << c.rating
                                    << (c.continuous ? ", continuous" : ""));
    dlg.Conductors()->setCurrentIndex(c.conductorsIndex);
    dlg.Rating()->setCurrentIndex(c.rating);
    dlg.Continuous()->setChecked(c.continuous);
    const QString summary = dlg.Summary()->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("current to carry %1 A.").arg(c.carry)))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(
        QStringLiteral("within the drop: %1; with enough ampacity (%2): %3; meeting both: %4.")
            .arg(c.withinDrop, dlg.Rating()->currentText(), c.withAmpacity, c.both)))
        << summary.toStdString();
    EXPECT_TRUE(dlg.Chart()->accessibleDescription().contains(
        QStringLiteral("meeting both: %1.").arg(c.both)));
    EXPECT_EQ(Text(dlg, WireSizeIndexOf(c.size), Col(IdsHeadingAmpacity)),
              QString::fromLatin1(c.ampacity));
    const int first = WireSizeIndexOf(c.withAmpacity);
    EXPECT_FALSE(Text(dlg, first, Col(IdsHeadingCarries)).isEmpty());
    EXPECT_TRUE(Text(dlg, first - 1, Col(IdsHeadingCarries)).isEmpty());
    EXPECT_FALSE(dlg.Chart()->LacksAmpacity(first));
    EXPECT_TRUE(dlg.Chart()->LacksAmpacity(first - 1));
  }
  EXPECT_TRUE(dlg.Record() == Circuit());
}

TEST(CompareWireSizes, CtrlCCopiesTheWholeTableAsTextAndHtml) {
  Dlg dlg(Circuit());
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  for (const bool fromTable : {true, false}) {
    SCOPED_TRACE(fromTable ? "from the table" : "from the conductors list");
    QGuiApplication::clipboard()->clear();
    QWidget* from =
        fromTable ? static_cast<QWidget*>(dlg.Table()) : static_cast<QWidget*>(dlg.Conductors());
    from->setFocus();
    QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText() && data->hasHtml());
    const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), engine::WireSizeCount + 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Size\tK\t")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("\tAmpacity (A)\t")));
    for (int row = 0; row < engine::WireSizeCount; ++row) {
      const QStringList cells = lines[row + 1].split(QLatin1Char('\t'));
      ASSERT_EQ(cells.size(), dlg.Sizes().columnCount()) << row;
      EXPECT_EQ(cells[Col(IdsHeadingSize)], Name(row));
      // Numbers in full, as each cell's tooltip holds them; marks spelled out.
      const int percent = Col(IdsHeadingPercent);
      EXPECT_EQ(cells[percent], Tip(dlg, row, percent).section('\n', 0, 0));
      const int ampacity = Col(IdsHeadingAmpacity);
      EXPECT_EQ(cells[ampacity], Text(dlg, row, ampacity));
      for (const int mark : {Col(IdsHeadingWithin), Col(IdsHeadingCarries)})
        EXPECT_EQ(cells[mark] == QStringLiteral("yes"), !Text(dlg, row, mark).isEmpty()) << row;
    }
    EXPECT_EQ(lines[WireSizeIndexOf("No. 6") + 1].section('\t', Col(IdsHeadingAmpacity)),
              QStringLiteral("65\tyes\tyes"));
    EXPECT_EQ(data->html().count(QStringLiteral("<tr>")), engine::WireSizeCount + 1);
    EXPECT_EQ(data->html().count(QStringLiteral("<td>No. 1/0</td>")), 1);
  }
}

// Four significant digits in the cell, every digit in its tooltip and
// description; the form's row in bold, which the selection does not hide.
TEST(CompareWireSizes, CellsShowFourDigitsAndKeepTheFullValue) {
  Dlg dlg(Circuit());
  const engine::WireSizeRow no12 =
      engine::CompareWireSizes(Circuit(), 0)[WireSizeIndexOf("No. 12")];
  const struct {
    std::string_view heading;
    const char* shown;
    double full;
  } cells[] = {
      {IdsHeadingDropVolts, "2.371", no12.dropVolts},
      {IdsHeadingPercent, "1.975", no12.percentDrop},
      {IdsHeadingFinal, "117.6", no12.finalVoltage},
      {IdsHeadingArea, "6530", no12.totalArea},
  };
  const int no12Row = WireSizeIndexOf("No. 12");
  const int no8Row = WireSizeIndexOf("No. 8");
  for (const auto& c : cells) {
    SCOPED_TRACE(c.shown);
    const int column = Col(c.heading);
    EXPECT_EQ(Text(dlg, no12Row, column), QString::fromLatin1(c.shown));
    const QString tip = Tip(dlg, no12Row, column);
    EXPECT_TRUE(tip.startsWith(ShownNumber(c.full) + '\n')) << tip.toStdString();
    EXPECT_TRUE(Cell(dlg, no12Row, column, Qt::AccessibleDescriptionRole)
                    .toString()
                    .startsWith(ShownNumber(c.full)));
    EXPECT_TRUE(tip.contains(QStringLiteral("The size on the form")));
    EXPECT_TRUE(tip.contains(QStringLiteral("not over 20 A")));
    EXPECT_TRUE(Cell(dlg, no12Row, column, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(Cell(dlg, no8Row, column, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(Tip(dlg, no8Row, column).contains(QStringLiteral("240.4")));
  }
  EXPECT_EQ(dlg.Table()->currentIndex().row(), no12Row);
}

// The dialog opens inside the screen's available area, nothing of it scrolled away.
void ExpectFitsTheScreen() {
  Dlg dlg(Circuit());
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  const QRect room = dlg.screen()->availableGeometry();
  EXPECT_TRUE(room.contains(dlg.frameGeometry()))
      << dlg.frameGeometry().width() << "x" << dlg.frameGeometry().height() << " in "
      << room.width() << "x" << room.height();
#ifndef Q_OS_WIN
  // With the test fonts nothing needs the last-resort scrolling; Wine's
  // fonts run wider, and there the top part may scroll, Close still in view.
  EXPECT_FALSE(dlg.Body()->verticalScrollBar()->isVisible());
  EXPECT_FALSE(dlg.Body()->horizontalScrollBar()->isVisible());
#endif
}

constexpr char ChildRun[] = "QUILLFEN_COMPARE_SCALE_CHILD";

// A 1280 x 1024 screen at scale factor 2 leaves 640 x 512; the scale is set
// before the application starts, so a child run of this test checks it.
TEST(CompareWireSizes, FitsTheScreenAtScaleOneAndTwo) {
  if (qEnvironmentVariableIsSet(ChildRun)) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(640, 512));
    ExpectFitsTheScreen();
    return;
  }
  ExpectFitsTheScreen();

  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 1280, "height": 1024,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
  // Named from the child's own folder: a drive letter's colon would end the
  // platform's option.
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=screen.json"));
  env.insert(QString::fromLatin1(ChildRun), QStringLiteral("1"));
  QProcess child;
  child.setWorkingDirectory(dir.path());
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=CompareWireSizes.FitsTheScreenAtScaleOneAndTwo")});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

// Zero and huge loads give drops of zero, infinity or no value at all; every
// one is shown and drawn, on a linear axis unless the drops span decades.
TEST(DropChart, DrawsAnyDrop) {
  constexpr double Inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double amps, feet;
    bool log;
    const char* smallestDrop; // No. 40's
    const char* both;         // the smallest size meeting drop and ampacity
  } cases[] = {
      {"ordinary", 16, 100, true, "4128", "No. 8"},
      {"zero load", 0, 100, false, "0", "No. 14"},
      {"zero length", 16, 0, false, "0", "No. 14"},
      {"infinite drops", 1e300, 1e300, false, "inf", "none in the table"},
      {"undefined drops", Inf, 0, false, "undefined", "none in the table"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine::CalcState record;
    record.Amps = c.amps;
    record.FeetLength = c.feet;
    record.DropVolts = 3.6;
    Dlg dlg(record);
    dlg.resize(700, 700);
    EXPECT_FALSE(dlg.grab().isNull());
    EXPECT_EQ(dlg.Chart()->LogScale(), c.log);
    EXPECT_EQ(Text(dlg, 0, Col(IdsHeadingDropVolts)), QString::fromLatin1(c.smallestDrop));
    EXPECT_TRUE(dlg.Summary()->text().contains(QStringLiteral("meeting both: %1.").arg(c.both)))
        << dlg.Summary()->text().toStdString();
  }
}

} // namespace
} // namespace compare
