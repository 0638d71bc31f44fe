// The eleven stored selections on a temporary store: what a read accepts and
// what it falls back from, what a write leaves in the file.
#include "DialogFixture.h"
#include "StoreText.h"

#include "ui/PersistedSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace testing_ui {
namespace {

using engine::CalcState;

// The stored values as the program documents them; `other` is a valid value
// that is not the default, `wrapped` is `other` plus 2^32.
struct Expected {
  const char* name;
  int CalcState::*field; // nullptr: Voltage
  int defaultValue;
  int min;
  int max;
  int other;
};

constexpr Expected Table[] = {
    {"Material", &CalcState::Material, 0, 0, 1, 1},
    {"Current", &CalcState::Current, 0, 0, 1, 1},
    {"Phase", &CalcState::Phase, 0, 0, 1, 1},
    {"SolveFor", &CalcState::SolveFor, 3, 0, 3, 1},
    {"VoltageDrop", &CalcState::DropMode, 0, 0, 2, 2},
    {"Raceway", &CalcState::Raceway, 0, 0, 2, 2},
    {"Load", &CalcState::LoadUnits, 0, 0, 1, 1},
    {"WireSize", &CalcState::WireSize, 13, 0, 33, 20},
    {"NumberOfWires", &CalcState::ConductorsIndex, 0, 0, 7, 2},
    {"DistanceUnits", &CalcState::DistanceUnits, 0, 0, 1, 1},
    {"Voltage", nullptr, 120, 1, 1000000, 480},
};

double Get(const CalcState& s, const Expected& e) {
  return e.field != nullptr ? s.*e.field : s.Voltage;
}

void Set(CalcState& s, const Expected& e, double value) {
  if (e.field != nullptr)
    s.*e.field = static_cast<int>(value);
  else
    s.Voltage = value;
}

CalcState AllOther() {
  CalcState s;
  for (const Expected& e : Table)
    Set(s, e, e.other);
  return s;
}

QString Num(long long value) { return QString::number(value); }

class Settings : public StoreFixture {
protected:
  // A fresh file name for every store: Qt caches parsed files by name and
  // may not notice a rewrite of the same size within the same millisecond.
  QString NewPath() { return m_dir->path() + QStringLiteral("/store%1.conf").arg(++m_files); }

  QString WriteFile(const QByteArray& text) {
    QString path = NewPath();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }

  static CalcState Load(const QString& path, CalcState start = CalcState{}) {
    QSettings store(path, QSettings::IniFormat);
    ui::LoadSelections(store, start);
    return start;
  }

  static void Store(const QString& path, const CalcState& state) {
    QSettings store(path, QSettings::IniFormat);
    ui::StoreSelections(store, state);
  }

  static void ExpectDefaults(const CalcState& s) {
    for (const Expected& e : Table) {
      SCOPED_TRACE(e.name);
      EXPECT_EQ(Get(s, e), e.defaultValue);
    }
  }

  int m_files = 0;
};

TEST_F(Settings, NamesAndSectionInTableOrder) {
  ASSERT_EQ(ui::PersistedValues.size(), std::size(Table));
  EXPECT_EQ(ui::SettingsSection, "State");
  for (std::size_t i = 0; i < std::size(Table); ++i)
    EXPECT_EQ(ui::PersistedValues[i].name, Table[i].name) << "position " << i;
}

TEST_F(Settings, MissingValuesGiveDefaultsAndLeaveNumbersAlone) {
  CalcState start = AllOther();
  start.Distance = 42.0;
  start.Amps = 7.0;
  for (const QByteArray& text :
       {QByteArray(), QByteArray("[Other]\nMaterial=1\nWireSize=20\n"),
        QByteArray("[General]\nMaterial=1\n"), QByteArray("[state]\nMaterial=1\n")}) {
    SCOPED_TRACE(text.toStdString());
    const CalcState loaded = Load(WriteFile(text), start);
    ExpectDefaults(loaded);
    EXPECT_EQ(loaded.Distance, 42.0);
    EXPECT_EQ(loaded.Amps, 7.0);
  }
}

TEST_F(Settings, EachStoredTextIsAcceptedOnlyAsWholeNumberInRange) {
  for (const Expected& e : Table) {
    // Accepted texts with the value they give; everything else gives the default.
    const std::vector<std::pair<QString, int>> accepted = {
        {Num(e.min), e.min}, {Num(e.max), e.max}, {Num(e.other), e.other}};
    const std::vector<QString> rejected = {
        Num(e.min - 1L),
        Num(e.max + 1L),
        Num(e.other + 4294967296LL), // would wrap to `other` in 32 bits
        QStringLiteral("4294967295"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("-") + Num(e.other),
        Num(e.other) + QStringLiteral(".5"),
        Num(e.other) + QStringLiteral("abc"),
        QStringLiteral("0x") + Num(e.other),
        QStringLiteral("abc"),
        QString(),
        QStringLiteral("1, 2"),
        QStringLiteral("@Invalid()"),
        QStringLiteral("@Rect(1 2 3 4)"),
        QStringLiteral("@Variant(\\xff\\xff\\xff)"),
    };
    const CalcState start = AllOther();
    auto check = [&](const QString& text, double want) {
      SCOPED_TRACE(std::string(e.name) + "=" + text.toStdString());
      const QByteArray ini = "[State]\n" + QByteArray(e.name) + "=" + text.toUtf8() + "\n";
      const CalcState loaded = Load(WriteFile(ini), start);
      EXPECT_EQ(Get(loaded, e), want);
      // The other ten are absent and take their defaults.
      for (const Expected& o : Table) {
        if (&o != &e) {
          EXPECT_EQ(Get(loaded, o), o.defaultValue) << o.name;
        }
      }
    };
    for (const auto& [text, value] : accepted)
      check(text, value);
    for (const QString& text : rejected)
      check(text, e.defaultValue);
  }
}

TEST_F(Settings, OneBadValueDoesNotDiscardTheOthers) {
  for (const Expected& bad : Table) {
    SCOPED_TRACE(bad.name);
    QByteArray ini = "[State]\n";
    for (const Expected& e : Table) {
      ini += QByteArray(e.name) + "=" +
             (&e == &bad ? QByteArray("abc") : QByteArray::number(e.other)) + "\n";
    }
    const CalcState loaded = Load(WriteFile(ini));
    for (const Expected& e : Table)
      EXPECT_EQ(Get(loaded, e), &e == &bad ? e.defaultValue : e.other) << e.name;
  }
}

TEST_F(Settings, WritesElevenIntegersIntoStateSection) {
  const QString path = NewPath();
  {
    QSettings store(path, QSettings::IniFormat);
    ui::StoreSelections(store, AllOther());
    // Qt keeps the written types: an int is what becomes REG_DWORD on Windows.
    for (const Expected& e : Table) {
      const QVariant value = store.value(QStringLiteral("State/") + QLatin1String(e.name));
      EXPECT_EQ(value.typeId(), QMetaType::Int) << e.name;
    }
  }
  std::map<std::string, std::string> want;
  for (const Expected& e : Table)
    want[e.name] = std::to_string(e.other);
  EXPECT_EQ(SectionText(path, QStringLiteral("State")), want);
  EXPECT_TRUE(SectionText(path, QStringLiteral("General")).empty());
}

TEST_F(Settings, RoundTripThroughAFreshStore) {
  const QString path = NewPath();
  Store(path, AllOther());
  const CalcState loaded = Load(path);
  for (const Expected& e : Table)
    EXPECT_EQ(Get(loaded, e), e.other) << e.name;
}

TEST_F(Settings, VoltageIsStoredAsItsWholeNumberPart) {
  const std::pair<double, const char*> rows[] = {
      {277.9, "277"}, {277.0, "277"},         {1.99, "1"},
      {480.5, "480"}, {1000000.0, "1000000"}, {999999.999, "999999"},
  };
  for (const auto& [voltage, text] : rows) {
    SCOPED_TRACE(voltage);
    CalcState s;
    s.Voltage = voltage;
    const QString path = NewPath();
    Store(path, s);
    EXPECT_EQ(SectionText(path, QStringLiteral("State"))["Voltage"], text);
  }
}

TEST_F(Settings, VoltageWithoutValidWholePartIsRejectedAtNextStart) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double rows[] = {
      0.5,          -0.5,         -277.9,        std::nan(""), inf,
      -inf,         2147483648.0, -2147483649.0, 4294967416.0, // 2^32 + 120
      4294967776.0,                                            // 2^32 + 480
      1e300,        -1e300,       1000001.0,     1000001.9,
  };
  for (const double voltage : rows) {
    SCOPED_TRACE(voltage);
    CalcState s = AllOther();
    s.Voltage = voltage;
    const QString path = NewPath();
    Store(path, s);
    const QString text =
        QString::fromStdString(SectionText(path, QStringLiteral("State"))["Voltage"]);
    bool isInt32 = false;
    const int written = text.toInt(&isInt32);
    EXPECT_TRUE(isInt32) << text.toStdString();
    EXPECT_FALSE(written >= 1 && written <= 1000000) << text.toStdString();
    const CalcState loaded = Load(path);
    EXPECT_EQ(loaded.Voltage, 120.0);
    EXPECT_EQ(loaded.Material, 1) << "the other values survive";
  }
}

TEST_F(Settings, KeysThatAreNotOursAreKept) {
  const QString path = WriteFile("[General]\nfoo=bar\n\n[Other]\nx=1\n\n"
                                 "[State]\nExtra=7\nMaterial=0\nmaterial=5\n");
  Store(path, AllOther());
  EXPECT_EQ(SectionText(path, QStringLiteral("General"))["foo"], "bar");
  EXPECT_EQ(SectionText(path, QStringLiteral("Other"))["x"], "1");
  auto state = SectionText(path, QStringLiteral("State"));
  EXPECT_EQ(state["Extra"], "7");
  EXPECT_EQ(state["material"], "5");
  EXPECT_EQ(state["Material"], "1");
  EXPECT_EQ(state.size(), std::size(Table) + 2);
}

#ifdef Q_OS_UNIX
TEST_F(Settings, WriteReplacesTheFileInsteadOfRewritingIt) {
  // A second name for the old file: rewriting in place would change it too,
  // and a kill in the middle could leave a half-written store.
  const QByteArray old = "[State]\nMaterial=0\nVoltage=240\n";
  const QString path = WriteFile(old);
  const QString keep = m_dir->path() + QStringLiteral("/old-link");
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(keep).constData()), 0);
  Store(path, AllOther());
  EXPECT_EQ(FileBytes(keep), old);
  EXPECT_EQ(SectionText(path, QStringLiteral("State"))["Voltage"], "480");
  // No temporary file is left behind.
  QStringList names = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
  names.sort();
  EXPECT_EQ(names, QStringList({QStringLiteral("old-link"), QFileInfo(path).fileName()}));
}
#endif

TEST_F(Settings, UnusableStoreGivesDefaultsAndSwallowsTheWrite) {
  // A folder where the file should be; a path through a regular file.
  const QString folder = m_dir->path() + QStringLiteral("/folder.conf");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString blocker = m_dir->path() + QStringLiteral("/blocker");
  {
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
  }
  for (const QString& path : {folder, blocker + QStringLiteral("/sub/store.conf")}) {
    SCOPED_TRACE(path.toStdString());
    ExpectDefaults(Load(path, AllOther()));
    Store(path, AllOther());
    ExpectDefaults(Load(path, AllOther()));
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(FileBytes(blocker), "x");
}

TEST_F(Settings, BinaryGarbageGivesDefaults) {
  for (const unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    QByteArray garbage(4096, '\0');
    for (char& c : garbage)
      c = static_cast<char>(random() & 0xFF);
    const QString path = WriteFile(garbage);
    ExpectDefaults(Load(path, AllOther()));
    Store(path, AllOther());
    Load(path); // must not crash on what the write left
  }
}

TEST_F(Settings, ApplicationNameIsTheExecutableNameWithoutExtension) {
  const std::pair<const char*, const char*> rows[] = {
      {"/usr/bin/Tamsik", "Tamsik"},
      {"/opt/quillfen/Tamsik.exe", "Tamsik"},
      {"C:/Program Files/Orrelby/Tamsik.exe", "Tamsik"},
      {"/opt/quillfen/Tamsik.v2.exe", "Tamsik.v2"},
      {"/home/u/bin/Calc", "Calc"},
      {"Tamsik", "Tamsik"},
  };
  for (const auto& [path, name] : rows)
    EXPECT_EQ(ui::StoreApplicationName(QString::fromUtf8(path)).toStdString(), name) << path;
}

} // namespace
} // namespace testing_ui
