// The dialog's start-up from the store, its exit that writes the store, and
// every way of closing it.
#include "DialogFixture.h"
#include "StoreText.h"

#include "engine/Operations.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <ostream>
#include <random>
#include <string>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace testing_ui {
namespace {

using namespace calculator;
using Stored = std::map<std::string, std::string>;

// What the form shows for the eleven selections.
struct Shown {
  int phase, material, current, raceway, target, mode, load, units;
  const char* wire;
  const char* conductors;
  const char* voltage;
};

constexpr Shown DefaultsShown = {
    IdcSingle, IdcCopper, IdcAc, IdcSteel, IdcSolveWireSize, IdcPercentDropMode, IdcAmpsUnits,
    IdcFeet,   "No. 8",   "1",   "120"};

enum class CloseWay { ExitButton, EscapeKey, CloseBox };

class LifecycleTest : public DialogFixture {
protected:
  Stored StoredState() const { return SectionText(StorePath(), QStringLiteral("State")); }

  static Stored StoredWith(std::initializer_list<std::pair<const std::string, std::string>> set) {
    Stored all = {{"Material", "0"},      {"Current", "0"},     {"Phase", "0"},
                  {"SolveFor", "3"},      {"VoltageDrop", "0"}, {"Raceway", "0"},
                  {"Load", "0"},          {"WireSize", "16"},   {"NumberOfWires", "0"},
                  {"DistanceUnits", "0"}, {"Voltage", "120"}};
    for (const auto& [key, value] : set)
      all[key] = value;
    return all;
  }

  void Restart() {
    m_dlg.reset();
    StartDialog();
  }

  // Creates and initialises the dialog without showing it.
  void CreateOnly() {
    m_dlg = std::make_unique<CCalculatorDlg>();
    m_dlg->Create();
    Settle();
  }

  void ShowCreated() {
    m_dlg->show();
    m_dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    Settle();
  }

  void CloseBy(CloseWay way) {
    switch (way) {
    case CloseWay::ExitButton:
      Click(IdcExit);
      break;
    case CloseWay::EscapeKey:
      // Sent where the user's key goes; buttons pass Esc on to the dialog.
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      break;
    case CloseWay::CloseBox:
      m_dlg->close();
      break;
    }
    Settle();
  }

  // Every way of closing once more, on the already closed dialog.
  void CloseAgainEveryWay() {
    ButtonOf(IdcExit)->click();
    QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    m_dlg->close();
    m_dlg->reject();
    Settle();
  }

  void ExpectShown(const Shown& want) {
    for (const int id : {want.phase, want.material, want.current, want.raceway, want.target,
                         want.mode, want.load, want.units})
      EXPECT_TRUE(Checked(id)) << "button " << id;
    EXPECT_EQ(ListOf(IdcWireSize)->currentText().toStdString(), want.wire);
    EXPECT_EQ(ListOf(IdcConductors)->currentText().toStdString(), want.conductors);
    EXPECT_EQ(Text(IdcVoltage).toStdString(), want.voltage);
  }

  bool FocusInPhases() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == Item(IdcSingle) || focus == Item(IdcThree));
  }
};

template <class Row>
class LifecycleRows : public LifecycleTest, public ::testing::WithParamInterface<Row> {};

template <class Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.label;
}

// Failure messages name the row instead of dumping its bytes.
template <class Row, class = decltype(Row::label)>
std::ostream& operator<<(std::ostream& os, const Row& row) {
  return os << row.label;
}

class LifecycleStart : public LifecycleTest {};

TEST_F(LifecycleStart, ConstructorSetsDefaultsAndCreatesNoWindow) {
  WriteStore("[State]\nMaterial=1\nVoltage=240\n");
  m_dlg = std::make_unique<CCalculatorDlg>();
  EXPECT_EQ(State(), engine::CalcState{});
  EXPECT_FALSE(m_dlg->testAttribute(Qt::WA_WState_Created));
  EXPECT_TRUE(m_dlg->Controls().ordered.empty());
  m_dlg->Create();
  Settle();
  EXPECT_FALSE(m_dlg->isVisible());
  EXPECT_FALSE(m_dlg->windowIcon().isNull());
  EXPECT_EQ(State().Material, 1);
}

struct StoreRow {
  const char* label;
  const char* ini; // nullptr: no store file at all
};

using DefaultStart = LifecycleRows<StoreRow>;

TEST_P(DefaultStart, ShowsDefaultsAndWritesNothing) {
  const StoreRow& row = GetParam();
#ifdef Q_OS_WIN
  if (std::string_view(row.label) == "LowerCaseSection")
    GTEST_SKIP() << "registry keys are named without regard to case";
#endif
  if (row.ini != nullptr)
    WriteStore(row.ini);
  const QByteArray before = FileBytes(StorePath());
  StartDialog();
  ExpectShown(DefaultsShown);
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("100"));
  EXPECT_EQ(Text(IdcPercentDrop), QStringLiteral("3"));
  EXPECT_EQ(Text(IdcAmps), QStringLiteral("16"));
  EXPECT_TRUE(HasFocus(IdcSingle));
  // The store is only written at exit.
  EXPECT_EQ(StoreExists(StorePath()), row.ini != nullptr);
  EXPECT_EQ(FileBytes(StorePath()), before);
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, DefaultStart,
                         ::testing::Values(StoreRow{"NoFile", nullptr},
                                           StoreRow{"NoStateSection", "[Other]\nMaterial=1\n"},
                                           StoreRow{"LowerCaseSection", "[state]\nMaterial=1\n"}),
                         RowName<StoreRow>);

TEST_F(LifecycleStart, MakerWideStoreIsNotAFallback) {
  const QByteArray makerWide = "[State]\nMaterial=1\nSolveFor=2\nVoltage=240\n";
#ifdef Q_OS_WIN
  WriteRegistryFromIni(m_root + QStringLiteral("\\Orrelby"), makerWide);
#else
  QFile file(m_dir->path() + QStringLiteral("/Orrelby.conf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(makerWide);
  file.close();
#endif
  StartDialog();
  ExpectShown(DefaultsShown);
}

struct StoredValueRow {
  const char* label;
  const char* ini;
  int checked = 0;                  // 0: not looked at
  const char* wire = nullptr;       // nullptr: not looked at
  const char* conductors = nullptr; // nullptr: not looked at
  const char* voltage = nullptr;    // nullptr: not looked at
};

using StoredValue = LifecycleRows<StoredValueRow>;

TEST_P(StoredValue, IsUsedOnlyWhenValid) {
  const StoredValueRow& row = GetParam();
  WriteStore(QByteArray("[State]\n") + row.ini);
  StartDialog();
  if (row.checked != 0) {
    EXPECT_TRUE(Checked(row.checked));
  }
  if (row.wire != nullptr) {
    EXPECT_EQ(ListOf(IdcWireSize)->currentText().toStdString(), row.wire);
  }
  if (row.conductors != nullptr) {
    EXPECT_EQ(ListOf(IdcConductors)->currentText().toStdString(), row.conductors);
  }
  if (row.voltage != nullptr) {
    EXPECT_EQ(Text(IdcVoltage).toStdString(), row.voltage);
  }
}

// A wire size only shows where it is not solved for, hence SolveFor=0 there.
INSTANTIATE_TEST_SUITE_P(
    Lifecycle, StoredValue,
    ::testing::Values(
        StoredValueRow{"WireSize34", "SolveFor=0\nWireSize=34\n", IdcSolveVoltage, "No. 14"},
        StoredValueRow{"WireSizeAllBits", "SolveFor=0\nWireSize=4294967295\n", 0, "No. 14"},
        StoredValueRow{"WireSizeValid", "SolveFor=0\nWireSize=20\n", 0, "No. 2"},
        StoredValueRow{"Wires8", "SolveFor=0\nNumberOfWires=8\n", 0, nullptr, "1"},
        StoredValueRow{"WiresValid", "SolveFor=0\nNumberOfWires=7\n", 0, nullptr, "8"},
        StoredValueRow{"SolveFor4", "SolveFor=4\n", IdcSolveWireSize},
        StoredValueRow{"SolveForValid", "SolveFor=2\n", IdcSolveDistance},
        StoredValueRow{"Voltage0", "Voltage=0\n", 0, nullptr, nullptr, "120"},
        StoredValueRow{"Voltage1000001", "Voltage=1000001\n", 0, nullptr, nullptr, "120"},
        StoredValueRow{"VoltageFraction", "Voltage=277.9\n", 0, nullptr, nullptr, "120"},
        StoredValueRow{"VoltageText", "Voltage=abc\n", 0, nullptr, nullptr, "120"},
        StoredValueRow{"VoltageValid", "Voltage=1000000\n", 0, nullptr, nullptr, "1000000"},
        StoredValueRow{"MaterialText", "Material=abc\n", IdcCopper},
        StoredValueRow{"MaterialValid", "Material=1\n", IdcAluminumConductor},
        StoredValueRow{"RacewayTooBig", "Raceway=3\n", IdcSteel},
        StoredValueRow{"RacewayGarbage", "Raceway=\x01\x7f#!\n", IdcSteel},
        StoredValueRow{"DropModeNegative", "VoltageDrop=-1\n", IdcPercentDropMode},
        StoredValueRow{"LoadTooBig", "Load=2\n", IdcAmpsUnits},
        StoredValueRow{"UnitsTrailingText", "DistanceUnits=1x\n", IdcFeet},
        StoredValueRow{"CurrentFraction", "Current=1.5\n", IdcAc},
        StoredValueRow{"PhaseWrapped", "Phase=4294967297\n", IdcSingle}),
    RowName<StoredValueRow>);

struct PhaseRow {
  const char* label;
  const char* ini;
  int phase;
  double factor; // PhaseMultiplier and LoadFactor after start-up, with 2.0 for Single
  double load;
  const char* wire;
  const char* storedPhase;
};

using StoredPhase = LifecycleRows<PhaseRow>;

TEST_P(StoredPhase, DirectCurrentForcesSingleWithoutNewFactors) {
  const PhaseRow& row = GetParam();
  WriteStore(row.ini);
  StartDialog();
  EXPECT_TRUE(Checked(row.phase));
  EXPECT_DOUBLE_EQ(State().PhaseMultiplier, row.factor);
  EXPECT_DOUBLE_EQ(State().LoadFactor, row.load);
  EXPECT_EQ(ListOf(IdcWireSize)->currentText().toStdString(), row.wire);
  EXPECT_TRUE(FocusInPhases());
  CloseBy(CloseWay::ExitButton);
  EXPECT_EQ(StoredState()["Phase"], row.storedPhase);
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, StoredPhase,
                         ::testing::Values(PhaseRow{"ThreeWithDc", "[State]\nPhase=1\nCurrent=1\n",
                                                    IdcSingle, 2.0, 1.0, "No. 8", "0"},
                                           PhaseRow{"ThreeWithAc", "[State]\nPhase=1\n", IdcThree,
                                                    std::sqrt(3.0), std::sqrt(3.0), "No. 10", "1"}),
                         RowName<PhaseRow>);

TEST_F(LifecycleStart, MetersTakeTheDefaultDistanceAsMeters) {
  WriteStore("[State]\nDistanceUnits=1\n");
  StartDialog();
  EXPECT_TRUE(Checked(IdcMeters));
  EXPECT_EQ(Text(IdcDistance), QStringLiteral("100"));
  EXPECT_DOUBLE_EQ(State().FeetLength, 328.084);
  // 328.084 ft needs more copper than the 100 ft default.
  EXPECT_EQ(ListOf(IdcWireSize)->currentText(), QStringLiteral("No. 4"));
}

struct FocusRow {
  const char* label;
  const char* ini;
};

using StartFocus = LifecycleRows<FocusRow>;

TEST_P(StartFocus, EndsOnFirstTabStopWhateverTheTargetFocused) {
  WriteStore(QByteArray("[State]\n") + GetParam().ini);
  StartDialog();
  EXPECT_TRUE(HasFocus(IdcSingle));
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, StartFocus,
                         ::testing::Values(FocusRow{"WireSizeTarget", "SolveFor=3\n"},
                                           FocusRow{"VoltageTarget", "SolveFor=0\n"},
                                           FocusRow{"LoadTarget", "SolveFor=1\nVoltageDrop=1\n"},
                                           FocusRow{"DistanceTarget", "SolveFor=2\nLoad=1\n"}),
                         RowName<FocusRow>);

// A stored voltage of 1 V allows 0.03 V of drop: no size carries 16 A over
// 100 ft on one conductor, so every wire-size solve of the start-up warns.
struct WarningRow {
  const char* label;
  const char* ini;
  std::size_t warnings;
};

struct BoxMoment {
  bool dialogVisible;
  bool toolTipsCreated;
  QString voltageShown;
  QString caption;
};

using StartWarnings = LifecycleRows<WarningRow>;

TEST_P(StartWarnings, OnePerWireSizeSolveBeforeTheWindowShows) {
  const WarningRow& row = GetParam();
  WriteStore(QByteArray("[State]\n") + row.ini);
  std::vector<BoxMoment> moments;
  m_boxes.OnBox([&](const SeenBox& box) {
    moments.push_back(
        {m_dlg->isVisible(), !Item(IdcAmps)->toolTip().isEmpty(), Text(IdcVoltage), box.caption});
  });
  CreateOnly();
  const std::vector<SeenBox> boxes = m_boxes.Take();
  ASSERT_EQ(boxes.size(), row.warnings);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(boxes[i].text.toStdString(), engine::WireSizeWarning);
    EXPECT_EQ(boxes[i].caption, QStringLiteral("Quillfen"));
    EXPECT_EQ(boxes[i].icon, QMessageBox::Warning);
    EXPECT_FALSE(moments[i].dialogVisible);
    EXPECT_FALSE(moments[i].toolTipsCreated);
    EXPECT_EQ(moments[i].voltageShown, QStringLiteral("1"));
  }
  if (row.warnings > 0) {
    EXPECT_EQ(ListOf(IdcWireSize)->currentText(), QStringLiteral("750 kcm"));
  }
  EXPECT_FALSE(Item(IdcAmps)->toolTip().isEmpty());
  ShowCreated();
  EXPECT_TRUE(FocusInPhases());
  EXPECT_TRUE(m_boxes.Take().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, StartWarnings,
    ::testing::Values(WarningRow{"SinglePhase", "Voltage=1\n", 3},
                      WarningRow{"ThreePhaseAc", "Voltage=1\nPhase=1\n", 3},
                      WarningRow{"ThreePhaseDc", "Voltage=1\nPhase=1\nCurrent=1\n", 2},
                      WarningRow{"SinglePhaseDc", "Voltage=1\nCurrent=1\n", 3},
                      WarningRow{"EightConductors", "Voltage=1\nNumberOfWires=7\n", 0},
                      WarningRow{"LoadTarget", "Voltage=1\nSolveFor=1\n", 0},
                      WarningRow{"DistanceTarget", "Voltage=1\nSolveFor=2\n", 0}),
    RowName<WarningRow>);

// The store keeps the result mode, not its number: every mode starts from the
// default 3 % (as that mode's own reconciliation gives it back), and a Voltage
// target computes the same drop whatever the mode.
TEST_F(LifecycleStart, EveryResultModeStartsQuietlyFromTheDefaultPercent) {
  const int modeButtons[] = {IdcPercentDropMode, IdcVoltageDropMode, IdcFinalVoltageMode};
  // The final-voltage mode works the percent back from the final voltage.
  const struct {
    int voltage, mode;
    const char *percent, *volts, *final;
  } starts[] = {{120, 0, "3", "3.6", "116.4"},
                {120, 1, "3", "3.6", "116.4"},
                {120, 2, "2.99999999999999", "3.59999999999999", "116.4"},
                {480, 0, "3", "14.4", "465.6"},
                {480, 1, "3", "14.4", "465.6"},
                {480, 2, "2.99999999999999", "14.4", "465.6"}};
  for (const auto& start : starts) {
    for (int target = 0; target <= 3; ++target) {
      SCOPED_TRACE(testing::Message()
                   << start.voltage << " V, target " << target << ", mode " << start.mode);
      WriteStore(QStringLiteral("[State]\nVoltageDrop=%1\nSolveFor=%2\nVoltage=%3\n")
                     .arg(start.mode)
                     .arg(target)
                     .arg(start.voltage)
                     .toUtf8());
      CreateOnly();
      EXPECT_TRUE(m_boxes.Take().empty());
      EXPECT_TRUE(Checked(modeButtons[start.mode]));
      if (target == engine::SolveVoltage) {
        // Solved from the circuit, not the mode: the same volts at either voltage.
        EXPECT_NEAR(Text(IdcDropVolts).toDouble(), 10.043795620438, 1e-10);
        continue;
      }
      EXPECT_EQ(Text(IdcPercentDrop), QString::fromLatin1(start.percent));
      EXPECT_EQ(Text(IdcDropVolts), QString::fromLatin1(start.volts));
      EXPECT_EQ(Text(IdcFinalVoltage), QString::fromLatin1(start.final));
    }
  }
}

class LifecycleExit : public LifecycleTest {};

TEST_F(LifecycleExit, AllSelectionsSurviveTheNextStart) {
  StartDialog();
  Click(IdcSolveDistance);
  Click(IdcAluminumConductor);
  Click(IdcThree);
  Click(IdcDc);
  Click(IdcNonMetal);
  Click(IdcVoltageDropMode);
  Click(IdcVoltAmpsUnits);
  Click(IdcMeters);
  TypeInto(IdcVoltage, QStringLiteral("480"));
  FocusOn(IdcCalculate);
  ListOf(IdcWireSize)->setCurrentIndex(20);
  ListOf(IdcConductors)->setCurrentIndex(2);
  Settle();
  CloseBy(CloseWay::ExitButton);
  EXPECT_EQ(StoredState(), StoredWith({{"Material", "1"},
                                       {"Current", "1"},
                                       {"SolveFor", "2"},
                                       {"VoltageDrop", "1"},
                                       {"Raceway", "2"},
                                       {"Load", "1"},
                                       {"WireSize", "20"},
                                       {"NumberOfWires", "2"},
                                       {"DistanceUnits", "1"},
                                       {"Voltage", "480"}}));

  Restart();
  ExpectShown({IdcSingle, IdcAluminumConductor, IdcDc, IdcNonMetal, IdcSolveDistance,
               IdcVoltageDropMode, IdcVoltAmpsUnits, IdcMeters, "No. 2", "3", "480"});
  EXPECT_FALSE(Enabled(IdcDistance));
}

struct VoltageRow {
  const char* label;
  const char* typed;
  const char* stored = nullptr;
};

using ExitVoltage = LifecycleRows<VoltageRow>;

TEST_P(ExitVoltage, IsStoredAsWholeVolts) {
  const VoltageRow& row = GetParam();
  StartDialog();
  TypeInto(IdcVoltage, QString::fromUtf8(row.typed));
  CloseBy(CloseWay::ExitButton);
  EXPECT_EQ(StoredState()["Voltage"], row.stored);
  Restart();
  EXPECT_EQ(Text(IdcVoltage).toStdString(), row.stored);
  EXPECT_EQ(State().Voltage, std::stod(row.stored));
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, ExitVoltage,
                         ::testing::Values(VoltageRow{"Fraction", "277.9", "277"},
                                           VoltageRow{"Whole", "480", "480"},
                                           VoltageRow{"NearTop", "999999.9", "999999"}),
                         RowName<VoltageRow>);

using BadExitVoltage = LifecycleRows<VoltageRow>;

// A voltage that fails the range check still reaches the record and is
// written; whatever is written, the next start must reject it.
TEST_P(BadExitVoltage, IsRejectedAtTheNextStart) {
  StartDialog();
  EditOf(IdcVoltage)->setText(QString::fromUtf8(GetParam().typed));
  CloseBy(CloseWay::CloseBox);
  const std::vector<SeenBox> boxes = m_boxes.Take();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Please enter a number between 1 and 1000000."));
  bool ok = false;
  // Stored as 32 bits: Windows shows them unsigned.
  const long long written = QString::fromStdString(StoredState()["Voltage"]).toLongLong(&ok);
  EXPECT_TRUE(ok);
  EXPECT_FALSE(written >= 1 && written <= 1000000) << written;
  Restart();
  EXPECT_EQ(Text(IdcVoltage), QStringLiteral("120"));
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, BadExitVoltage,
                         ::testing::Values(VoltageRow{"Half", "0.5"}, VoltageRow{"Negative", "-3"},
                                           VoltageRow{"Infinite", "1e999"},
                                           VoltageRow{"Wraps32Bits", "4294967417"},
                                           VoltageRow{"AboveRange", "1000001"}),
                         RowName<VoltageRow>);

TEST_F(LifecycleExit, FailedReadStoresFormBeforeAndRecordAfterTheBadField) {
  StartDialog();
  // Change the form without running any rule, so form and record differ.
  ButtonOf(IdcVoltageDropMode)->setChecked(true);
  ButtonOf(IdcThree)->setChecked(true);
  ButtonOf(IdcAluminumConductor)->setChecked(true);
  ButtonOf(IdcSolveLoad)->setChecked(true);
  ButtonOf(IdcVoltAmpsUnits)->setChecked(true);
  EditOf(IdcPercentDrop)->setText(QStringLiteral("abc"));
  {
    const QSignalBlocker sizes(ListOf(IdcWireSize));
    const QSignalBlocker counts(ListOf(IdcConductors));
    ListOf(IdcWireSize)->setCurrentIndex(20);
    ListOf(IdcConductors)->setCurrentIndex(3);
  }
  ButtonOf(IdcMeters)->setChecked(true);
  EditOf(IdcVoltage)->setText(QStringLiteral("240"));
  ButtonOf(IdcDc)->setChecked(true);
  ButtonOf(IdcNonMetal)->setChecked(true);

  CloseBy(CloseWay::EscapeKey);
  EXPECT_FALSE(m_dlg->isVisible());
  const std::vector<SeenBox> boxes = m_boxes.Take();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Please enter a number."));
  EXPECT_EQ(boxes[0].caption, QStringLiteral("Tamsik"));
  EXPECT_EQ(StoredState(), StoredWith({{"VoltageDrop", "1"},
                                       {"Phase", "1"},
                                       {"Material", "1"},
                                       {"SolveFor", "1"},
                                       {"Load", "1"}}));
}

using ClosedBy = LifecycleRows<std::pair<const char*, CloseWay>>;

std::string CloseName(const ::testing::TestParamInfo<std::pair<const char*, CloseWay>>& info) {
  return info.param.first;
}

TEST_P(ClosedBy, WritesTheStoreOnceAndEndsTheRun) {
  WriteStore("[State]\nMaterial=1\n");
  StartDialog();
  Click(IdcNonMetal);
  CloseBy(GetParam().second);
  EXPECT_FALSE(m_dlg->isVisible());
  // Aluminum needs a larger size than copper: "No. 6".
  EXPECT_EQ(StoredState(), StoredWith({{"Material", "1"}, {"Raceway", "2"}, {"WireSize", "17"}}));

  WriteStore("[State]\nMaterial=0\nRaceway=1\n");
  const QByteArray marker = FileBytes(StorePath());
  CloseAgainEveryWay();
  EXPECT_EQ(FileBytes(StorePath()), marker);
}

TEST_P(ClosedBy, ReadsTheFormOnce) {
  StartDialog();
  // A bad field makes every read of the form visible as a message.
  EditOf(IdcPercentDrop)->setText(QStringLiteral("abc"));
  CloseBy(GetParam().second);
  EXPECT_FALSE(m_dlg->isVisible());
  EXPECT_EQ(m_boxes.Take().size(), 1u);
  CloseAgainEveryWay();
  EXPECT_TRUE(m_boxes.Take().empty());
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, ClosedBy,
                         ::testing::Values(std::pair{"ExitButton", CloseWay::ExitButton},
                                           std::pair{"EscapeKey", CloseWay::EscapeKey},
                                           std::pair{"CloseBox", CloseWay::CloseBox}),
                         CloseName);

using EnterKey = LifecycleRows<std::pair<const char*, Qt::Key>>;

TEST_P(EnterKey, CalculatesAndNeverCloses) {
  const Qt::Key key = GetParam().second;
  StartDialog();
  // From the first tab stop, a push-like button.
  EditOf(IdcAmps)->setText(QStringLiteral("20"));
  QTest::keyClick(QApplication::focusWidget(), key);
  Settle();
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("2400"));
  // From an edit.
  TypeInto(IdcAmps, QStringLiteral("25"));
  QTest::keyClick(EditOf(IdcAmps), key);
  Settle();
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_EQ(Text(IdcVoltAmps), QStringLiteral("3000"));
  EXPECT_FALSE(StoreExists(StorePath()));
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, EnterKey,
                         ::testing::Values(std::pair{"Return", Qt::Key_Return},
                                           std::pair{"Enter", Qt::Key_Enter}),
                         [](const auto& info) { return std::string(info.param.first); });

TEST_F(LifecycleExit, ModalRunEndsWithTheCancelResult) {
  m_dlg = std::make_unique<CCalculatorDlg>();
  QTimer::singleShot(0, m_dlg.get(), [this] { ButtonOf(IdcExit)->click(); });
  EXPECT_EQ(m_dlg->DoModal(), QDialog::Rejected);
  EXPECT_FALSE(m_dlg->isVisible());
  EXPECT_EQ(StoredState(), StoredWith({}));
}

TEST_F(LifecycleExit, AnotherExecutableNameHasItsOwnStore) {
  WriteStore("[State]\nMaterial=1\nVoltage=240\n");
  const QString tamsik = StorePath();
  const QByteArray ours = FileBytes(tamsik);
  QApplication::setApplicationName(QStringLiteral("Tamsik-copy"));
  StartDialog();
  ExpectShown(DefaultsShown);
  Click(IdcNonMetal);
  CloseBy(CloseWay::ExitButton);
  EXPECT_EQ(StoredState(), StoredWith({{"Raceway", "2"}}));
  EXPECT_EQ(FileBytes(tamsik), ours);
}

enum class Unusable { FolderInPlace, PathThroughFile, BinaryGarbage };
using UnusableStore = LifecycleRows<std::pair<const char*, Unusable>>;

TEST_P(UnusableStore, GivesDefaultsAndClosesSilently) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "a file's states; the registry's own are in RegistryStoreTest";
#endif
  switch (GetParam().second) {
  case Unusable::FolderInPlace:
    ASSERT_TRUE(QDir().mkpath(StorePath()));
    break;
  case Unusable::PathThroughFile: {
    const QString blocker = m_dir->path() + QStringLiteral("/blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    settings::SetStoreRoot(blocker);
    break;
  }
  case Unusable::BinaryGarbage: {
    std::mt19937 random(7);
    QByteArray garbage(4096, '\0');
    for (char& c : garbage)
      c = static_cast<char>(random() & 0xFF);
    WriteStore(garbage);
    break;
  }
  }
  StartDialog();
  ExpectShown(DefaultsShown);
  Click(IdcNonMetal);
  CloseBy(CloseWay::ExitButton);
  EXPECT_FALSE(m_dlg->isVisible());
  Restart();
  CloseBy(CloseWay::ExitButton);
  if (GetParam().second == Unusable::FolderInPlace) {
    EXPECT_TRUE(QFileInfo(StorePath()).isDir());
  }
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, UnusableStore,
                         ::testing::Values(std::pair{"FolderInPlace", Unusable::FolderInPlace},
                                           std::pair{"PathThroughFile", Unusable::PathThroughFile},
                                           std::pair{"BinaryGarbage", Unusable::BinaryGarbage}),
                         [](const auto& info) { return std::string(info.param.first); });

#ifndef Q_OS_WIN
enum class Blocked { EmptyLock, GarbageLock, OtherHostLock, LockIsFolder, LiveHolder, StoreIsFifo };
struct BlockedRow {
  const char* label;
  Blocked how;
  bool written; // whether the exit could write the selections
};
using BlockedStore = LifecycleRows<BlockedRow>;

TEST_P(BlockedStore, ExitEndsWithinTwoSecondsAndWritesOnlyWhenSafe) {
  const BlockedRow& row = GetParam();
  const QByteArray before = "[State]\nMaterial=1\n";
  const QString lockPath = StorePath() + QStringLiteral(".lock");
  std::unique_ptr<QLockFile> holder;
  auto writeLock = [&](const QByteArray& text) {
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(text);
  };
  if (row.how == Blocked::StoreIsFifo) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(StorePath()).absolutePath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(StorePath()).constData(), 0600), 0);
  } else {
    WriteStore(before);
  }
  switch (row.how) {
  case Blocked::EmptyLock:
    writeLock({});
    break;
  case Blocked::GarbageLock:
    writeLock("\x01\xfe not a lock \n\n\n");
    break;
  case Blocked::OtherHostLock:
    writeLock("4242\nTamsik\nanother-host.invalid\n");
    break;
  case Blocked::LockIsFolder:
    ASSERT_TRUE(QDir().mkpath(lockPath));
    break;
  case Blocked::LiveHolder:
    holder = std::make_unique<QLockFile>(lockPath);
    ASSERT_TRUE(holder->tryLock(0));
    break;
  case Blocked::StoreIsFifo:
    break;
  }
  StartDialog();
  if (row.how == Blocked::StoreIsFifo) {
    ExpectShown(DefaultsShown);
  } else {
    EXPECT_TRUE(Checked(IdcAluminumConductor));
  }
  Click(IdcNonMetal);
  QElapsedTimer clock;
  clock.start();
  CloseBy(CloseWay::ExitButton);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_FALSE(m_dlg->isVisible());
  if (row.how == Blocked::StoreIsFifo) {
    EXPECT_FALSE(QFileInfo(StorePath()).isFile());
  } else if (row.written) {
    const Stored stored = StoredState();
    EXPECT_EQ(stored.size(), 11U);
    EXPECT_EQ(stored.at("Material"), "1");
    EXPECT_EQ(stored.at("Raceway"), "2");
  } else {
    EXPECT_EQ(FileBytes(StorePath()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, BlockedStore,
                         ::testing::Values(BlockedRow{"EmptyLock", Blocked::EmptyLock, true},
                                           BlockedRow{"GarbageLock", Blocked::GarbageLock, true},
                                           BlockedRow{"OtherHostLock", Blocked::OtherHostLock,
                                                      true},
                                           BlockedRow{"LockIsFolder", Blocked::LockIsFolder, false},
                                           BlockedRow{"LiveHolder", Blocked::LiveHolder, false},
                                           BlockedRow{"StoreIsFifo", Blocked::StoreIsFifo, false}),
                         RowName<BlockedRow>);
#endif

} // namespace
} // namespace testing_ui
