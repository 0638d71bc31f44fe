// The Size Conductors window alone: its conditions drive the answer, the
// table and the chart; Ctrl+C takes the answer and the work; cells at a
// glance; it fits the screen at scale 1 and 2 and draws any drop.
#include "dialogkit/Text.h"
#include "results/ShownNumber.h"
#include "sizing/DropChart.h"
#include "sizing/MarkDelegate.h"
#include "sizing/SizeConductorsDlg.h"
#include "sizing/SizingStrings.h"
#include "sizing/WireSizeModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace sizing {
namespace {

using Dlg = CSizeConductorsDlg;
using engine::WireSizeIndexOf;
using results::ShownNumber;

// A circuit as a solve leaves it, 3 % allowed.
engine::CalcState Circuit(double volts, bool threePhase, int raceway, double amps, double feet) {
  engine::CalcState record;
  record.Phase = threePhase ? engine::PhaseThree : engine::PhaseSingle;
  record.PhaseMultiplier = threePhase ? std::sqrt(3.0) : 2.0;
  record.Voltage = volts;
  record.Raceway = raceway;
  record.Amps = amps;
  record.Distance = feet;
  record.FeetLength = feet;
  record.DropVolts = volts * 3 / 100;
  record.FinalVoltage = volts - record.DropVolts;
  record.WireSize = WireSizeIndexOf("No. 12");
  return record;
}
// The two circuits worked by hand: a 480 V feeder and a long 120 V branch.
engine::CalcState Feeder() { return Circuit(480, true, engine::RacewaySteel, 180, 300); }
engine::CalcState Branch() { return Circuit(120, false, engine::RacewayNonMetal, 20, 250); }

int Col(std::string_view heading) { return WireSizeModel::ColumnOf(heading); }
QVariant Cell(const Dlg& dlg, int size, int column, int role = Qt::DisplayRole) {
  return dlg.Sizes().index(size, column).data(role);
}
QString Text(const Dlg& dlg, int size, int column) { return Cell(dlg, size, column).toString(); }
QString Tip(const Dlg& dlg, int size, int column) {
  return Cell(dlg, size, column, Qt::ToolTipRole).toString();
}

// Each condition, set at its control, changes what is installed; the table's
// ticks and the chart's shading follow the chain.
TEST(SizeConductors, ConditionsAtTheirControlsChangeTheAnswer) {
  const auto feeder = [](Dlg& d) {
    d.Continuous()->setChecked(true);
    d.Ambient()->setValue(40);
  };
  const engine::CalcState longFeeder = Circuit(480, true, engine::RacewaySteel, 180, 600);
  const struct {
    const char* name;
    engine::CalcState record;
    std::function<void(Dlg&)> set;
    const char* shown; // in the answer or the work
  } cases[] = {
      {"the feeder as worked", Feeder(), feeder,
       "1 \u00D7 No. 4/0 copper per phase, No. 4 copper ground, 225 A overcurrent device; "
       "drop 1.567 % by impedance, 1.231 % by K."},
      {"at 600 ft the reactance decides, and the ground grows", longFeeder, feeder,
       "1 \u00D7 250 kcm copper per phase, No. 3 copper ground"},
      {"at 600 ft by K alone", longFeeder,
       [&](Dlg& d) {
         feeder(d);
         d.Method()->setCurrentIndex(static_cast<int>(engine::DropMethod::KFactor));
       },
       "1 \u00D7 No. 4/0 copper per phase"},
      {"the branch as worked", Branch(), [](Dlg& d) { d.CurrentCarrying()->setValue(2); },
       "1 \u00D7 No. 4 copper per phase, No. 4 copper ground, 20 A overcurrent device; "
       "drop 2.407 % by impedance, 2.575 % by K."},
      {"the branch at power factor 0.5", Branch(), [](Dlg& d) { d.PowerFactor()->setValue(0.5); },
       "drop 1.638 % by impedance"},
      {"90 \u00B0C terminations and insulation, 10 conductors in the raceway", Branch(),
       [](Dlg& d) {
         d.Rating()->setCurrentIndex(engine::Rating90C);
         d.Terminations()->setCurrentIndex(static_cast<int>(engine::Terminations::Listed90C));
         d.CurrentCarrying()->setValue(10);
       },
       "Minimum size: No. 10 copper"},
      {"60 \u00B0C insulation at 60 \u00B0C", Branch(),
       [](Dlg& d) {
         d.Rating()->setCurrentIndex(engine::Rating60C);
         d.Ambient()->setValue(60);
       },
       "may not be used at 60 \u00B0C ambient"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Dlg dlg(c.record, {});
    c.set(dlg);
    const QString shown = dlg.Answer()->text() + '\n' + dlg.Work()->toPlainText();
    EXPECT_TRUE(shown.contains(QString::fromUtf8(c.shown))) << shown.toStdString();
    EXPECT_TRUE(dlg.Record() == c.record);
    const engine::ConductorSizing& sizing = dlg.Sizing();
    // Each step with its rule, and the edition they are quoted from.
    const QString work = dlg.Work()->toPlainText();
    for (const engine::SizingStep& step : sizing.steps)
      EXPECT_TRUE(work.contains(QString::fromStdString(step.rule))) << step.rule;
    EXPECT_TRUE(work.contains(QStringLiteral("NEC 2023")));
    for (int size = 0; size < engine::WireSizeCount; ++size) {
      EXPECT_EQ(!Text(dlg, size, Col(IdsHeadingCarries)).isEmpty(), sizing.sizes[size].installable);
      EXPECT_EQ(dlg.Chart()->LacksAmpacity(size), !sizing.sizes[size].installable);
    }
    if (sizing.installedSize) {
      EXPECT_TRUE(Tip(dlg, *sizing.installedSize, 0).contains(QStringLiteral("size to install")));
    }
  }
}

TEST(SizeConductors, ConditionsAreRefusedOutsideTheirRangesAndDirectCurrentHasNoPowerFactor) {
  engine::CalcState dc = Branch();
  dc.Current = engine::CurrentDc;
  Dlg dlg(
      dc,
      {.insulation = engine::Rating90C, .ambientC = 300, .currentCarrying = 0, .powerFactor = 0.1});
  EXPECT_EQ(dlg.Ambient()->value(), 85);
  EXPECT_EQ(dlg.CurrentCarrying()->value(), 1);
  EXPECT_EQ(dlg.PowerFactor()->value(), 0.5);
  EXPECT_FALSE(dlg.PowerFactor()->isEnabled());
  EXPECT_FALSE(dlg.Method()->isEnabled());
  EXPECT_EQ(dlg.Sizing().conditions.method, engine::DropMethod::KFactor);
  EXPECT_TRUE(dlg.Answer()->text().endsWith(QStringLiteral("by K (direct current).")));
  EXPECT_EQ(dlg.Fahrenheit()->text(), QStringLiteral("(185 \u00B0F)"));
  EXPECT_EQ(dlg.Conditions().ambientC, 85);
}

TEST(SizeConductors, CtrlCCopiesTheAnswerTheWorkAndEveryRowAsTextAndHtml) {
  Dlg dlg(Branch(), {.currentCarrying = 2});
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  for (QWidget* from :
       {static_cast<QWidget*>(dlg.Table()), static_cast<QWidget*>(dlg.Conductors())}) {
    SCOPED_TRACE(from->accessibleName().toStdString());
    QGuiApplication::clipboard()->clear();
    from->setFocus();
    QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText() && data->hasHtml());
    const QString text = data->text();
    EXPECT_TRUE(text.startsWith("Answer: " + dlg.Answer()->text() + "\n")) << text.toStdString();
    for (const char* line :
         {"7. Equipment grounding conductor: No. 4 copper\n",
          "   Table 250.122 for a 20 A device: No. 12 copper. Phase conductors increased from "
          "No. 12 to No. 4: 6530 \u00D7 41740 / 6530 = 41740 cmil",
          "Ambient:", "30 \u00B0C (86 \u00B0F)",
          "Current-carrying conductors in the raceway or "
          "cable:",
          "NEC 2023 (NFPA 70)"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << " in\n" << text.toStdString();
    // Every size in full under the headings, the marks spelled out.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qsizetype header = lines.indexOf(QRegularExpression(QStringLiteral("^Size\\t.*")));
    ASSERT_GE(header, 0);
    const QString& no4 = lines[header + 1 + WireSizeIndexOf("No. 4")];
    EXPECT_TRUE(no4.startsWith(QStringLiteral("No. 4\t70\t2.575"))) << no4.toStdString();
    EXPECT_EQ(no4.section('\t', Col(IdsHeadingWithin), Col(IdsHeadingCarries)),
              QStringLiteral("yes\tyes"));
    EXPECT_EQ(data->html().count(QStringLiteral("<li>")), 7);
    EXPECT_EQ(data->html().count(QStringLiteral("<td><b>No. 4</b></td>")), 1);
  }
}

// Four significant digits in the cell, every digit in its tooltip and
// description; the form's row in bold.
TEST(SizeConductors, CellsShowFourDigitsAndKeepTheFullValue) {
  Dlg dlg(Branch(), {});
  const engine::SizeVerdict no12 = dlg.Sizing().sizes[WireSizeIndexOf("No. 12")];
  const struct {
    std::string_view heading;
    const char* shown;
    double full;
  } cells[] = {
      {IdsHeadingDropVolts, "19.75", no12.k.dropVolts},
      {IdsHeadingKPercent, "16.46", no12.k.percentDrop},
      {IdsHeadingImpedance, "14.4", *no12.impedancePercent},
      {IdsHeadingFinal, "100.2", no12.k.finalVoltage},
      {IdsHeadingArea, "6530", no12.k.totalArea},
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

// A tick is drawn in the colour its cell's text would have, in every state:
// the selection of a table without the focus is pale on Windows, and its
// text dark.
TEST(MarkDelegate, DrawsTheTickInTheTextColourOfTheCellsState) {
  QStandardItemModel model(1, 1);
  model.setItem(0, 0, new QStandardItem(QStringLiteral("yes")));
  const MarkDelegate delegate;
  const struct {
    QStyle::State state;
    QColor tick;
  } cases[] = {
      {QStyle::State_Enabled | QStyle::State_Active, Qt::darkBlue},
      {QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected, Qt::white},
      {QStyle::State_Enabled | QStyle::State_Selected, Qt::black},
      {QStyle::State_Selected, Qt::darkGreen},
  };
  for (const auto& c : cases) {
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 40, 24);
    option.state = c.state;
    option.palette.setColor(QPalette::Active, QPalette::Text, Qt::darkBlue);
    option.palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    option.palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    option.palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::darkGreen);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    painter.end();
    // The middle of the stroke is drawn in the colour itself.
    bool drawn = false;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        drawn = drawn || image.pixelColor(x, y) == c.tick;
    EXPECT_TRUE(drawn) << c.state << " " << c.tick.name().toStdString();
  }
}

// The window opens inside the screen's available area, nothing of it scrolled away.
void ExpectFitsTheScreen() {
  Dlg dlg(Branch(), {});
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
  // What a user decides by is in view without scrolling the table sideways.
  const QRect tick = dlg.Table()->visualRect(
      dlg.Sizes().index(dlg.Table()->currentIndex().row(), Col(IdsHeadingCarries)));
  EXPECT_TRUE(tick.left() >= 0 && tick.right() < dlg.Table()->viewport()->width())
      << "the ampacity tick is scrolled off to the right";
}

constexpr char ChildRun[] = "QUILLFEN_SIZING_SCALE_CHILD";

// A 1280 x 1024 screen at scale factor 2 leaves 640 x 512; the scale is set
// before the application starts, so a child run of this test checks it.
TEST(SizeConductors, FitsTheScreenAtScaleOneAndTwo) {
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
              {QStringLiteral("--gtest_filter=SizeConductors.FitsTheScreenAtScaleOneAndTwo")});
  ASSERT_TRUE(child.waitForFinished(60000));
  const QString output = QString::fromLocal8Bit(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

// Zero and huge loads give drops of zero, infinity or no value at all; every
// one is shown and drawn, on a linear axis unless the drops span decades, and
// a load that cannot be sized says so.
TEST(DropChart, DrawsAnyDrop) {
  constexpr double Inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    double amps, feet;
    bool log;
    const char* smallestDrop; // No. 40's by K
    const char* answer;
  } cases[] = {
      {"ordinary", 16, 100, true, "4128", "No. 8 copper per phase"},
      {"zero load", 0, 100, false, "0", "Nothing to size: the load is 0 A."},
      {"zero length", 16, 0, false, "0", "No. 12 copper per phase"},
      {"infinite drops", 1e300, 1e300, false, "inf", "No standard rating reaches 1e+300 A"},
      {"undefined drops", Inf, 0, false, "undefined", "Nothing to size: the load is inf A."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine::CalcState record;
    record.Amps = c.amps;
    record.FeetLength = c.feet;
    record.DropVolts = 3.6;
    // By K, every size has a drop to draw.
    Dlg dlg(record, {.method = engine::DropMethod::KFactor});
    dlg.resize(700, 700);
    EXPECT_FALSE(dlg.grab().isNull());
    EXPECT_EQ(dlg.Chart()->LogScale(), c.log);
    EXPECT_EQ(Text(dlg, 0, Col(IdsHeadingDropVolts)), QString::fromLatin1(c.smallestDrop));
    EXPECT_TRUE(dlg.Answer()->text().contains(QString::fromLatin1(c.answer)))
        << dlg.Answer()->text().toStdString();
  }
}

} // namespace
} // namespace sizing
