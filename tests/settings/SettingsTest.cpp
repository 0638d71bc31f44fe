// The eleven stored selections, row by row of the program's table: what a read
// accepts and what it falls back from, and what a write leaves in the file.
#include "StoreText.h"

#include "settings/PersistedSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace settings {
namespace {

using engine::CalcState;
using testing_ui::FileBytes;
using testing_ui::SectionText;

double Get(const CalcState& s, const PersistedValue& v) {
  return v.field != nullptr ? s.*v.field : s.Voltage;
}

void Set(CalcState& s, const PersistedValue& v, double value) {
  if (v.field != nullptr)
    s.*v.field = static_cast<int>(value);
  else
    s.Voltage = value;
}

// A valid value that is not the default: its neighbour within the range.
int Other(const PersistedValue& v) {
  const int d = v.DefaultValue();
  return d < v.max ? d + 1 : d - 1;
}

CalcState AllOther() {
  CalcState s;
  for (const PersistedValue& v : PersistedValues)
    Set(s, v, Other(v));
  return s;
}

const PersistedValue& RowOf(int CalcState::*field) {
  return *std::find_if(PersistedValues.begin(), PersistedValues.end(),
                       [field](const PersistedValue& v) { return v.field == field; });
}

std::string Name(const PersistedValue& v) { return std::string(v.name); }

QString Num(long long value) { return QString::number(value); }

class Settings : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(m_dir->isValid()); }

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
    LoadSelections(store, start);
    return start;
  }

  static void Store(const QString& path, const CalcState& state) {
    QSettings store(path, QSettings::IniFormat);
    StoreSelections(store, state);
  }

  static void ExpectDefaults(const CalcState& s) {
    for (const PersistedValue& v : PersistedValues)
      EXPECT_EQ(Get(s, v), v.DefaultValue()) << v.name;
  }

  std::unique_ptr<QTemporaryDir> m_dir = std::make_unique<QTemporaryDir>();
  int m_files = 0;
};

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
  for (const PersistedValue& e : PersistedValues) {
    const int other = Other(e);
    // Accepted texts with the value they give; everything else gives the default.
    const std::vector<std::pair<QString, int>> accepted = {
        {Num(e.min), e.min}, {Num(e.max), e.max}, {Num(other), other}};
    const std::vector<QString> rejected = {
        Num(e.min - 1L),
        Num(e.max + 1L),
        Num(other + 4294967296LL), // would wrap to `other` in 32 bits
        QStringLiteral("4294967295"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("-") + Num(other),
        Num(other) + QStringLiteral(".5"),
        Num(other) + QStringLiteral("abc"),
        QStringLiteral("0x") + Num(other),
        QStringLiteral("abc"),
        QString(),
        QStringLiteral("1, 2"),
        QStringLiteral("@Invalid()"),
        QStringLiteral("@Rect(1 2 3 4)"),
        QStringLiteral("@Variant(\\xff\\xff\\xff)"),
    };
    const CalcState start = AllOther();
    auto check = [&](const QString& text, double want) {
      SCOPED_TRACE(Name(e) + "=" + text.toStdString());
      const QByteArray ini =
          "[State]\n" + QByteArray::fromStdString(Name(e)) + "=" + text.toUtf8() + "\n";
      const CalcState loaded = Load(WriteFile(ini), start);
      EXPECT_EQ(Get(loaded, e), want);
      // The other ten are absent and take their defaults.
      for (const PersistedValue& o : PersistedValues) {
        if (&o != &e) {
          EXPECT_EQ(Get(loaded, o), o.DefaultValue()) << o.name;
        }
      }
    };
    for (const auto& [text, value] : accepted)
      check(text, value);
    for (const QString& text : rejected)
      check(text, e.DefaultValue());
  }
}

TEST_F(Settings, OneBadValueDoesNotDiscardTheOthers) {
  for (const PersistedValue& bad : PersistedValues) {
    SCOPED_TRACE(bad.name);
    QByteArray ini = "[State]\n";
    for (const PersistedValue& e : PersistedValues) {
      ini += QByteArray::fromStdString(Name(e)) + "=" +
             (&e == &bad ? QByteArray("abc") : QByteArray::number(Other(e))) + "\n";
    }
    const CalcState loaded = Load(WriteFile(ini));
    for (const PersistedValue& e : PersistedValues)
      EXPECT_EQ(Get(loaded, e), &e == &bad ? e.DefaultValue() : Other(e)) << e.name;
  }
}

TEST_F(Settings, WritesElevenIntegersIntoStateSection) {
  const QString path = NewPath();
  {
    QSettings store(path, QSettings::IniFormat);
    EXPECT_TRUE(StoreSelections(store, AllOther()));
  }
  std::map<std::string, std::string> want;
  for (const PersistedValue& e : PersistedValues)
    want[Name(e)] = std::to_string(Other(e));
  EXPECT_EQ(want.size(), 11U);
  EXPECT_EQ(SectionText(path, QStringLiteral("State")), want);
  EXPECT_TRUE(SectionText(path, QStringLiteral("General")).empty());
}

TEST_F(Settings, RoundTripThroughAFreshStore) {
  const QString path = NewPath();
  Store(path, AllOther());
  const CalcState loaded = Load(path);
  for (const PersistedValue& e : PersistedValues)
    EXPECT_EQ(Get(loaded, e), Other(e)) << e.name;
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
  const PersistedValue& row = RowOf(nullptr);
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
    EXPECT_FALSE(written >= row.min && written <= row.max) << text.toStdString();
    const CalcState loaded = Load(path);
    EXPECT_EQ(loaded.Voltage, row.DefaultValue());
    EXPECT_EQ(loaded.Material, Other(RowOf(&CalcState::Material))) << "the other values survive";
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
  EXPECT_EQ(state["Material"], std::to_string(Other(RowOf(&CalcState::Material))));
  EXPECT_EQ(state.size(), PersistedValues.size() + 2);
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
  EXPECT_EQ(SectionText(path, QStringLiteral("State"))["Voltage"],
            std::to_string(Other(RowOf(nullptr))));
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
    // A damaged store is replaced, not kept for ever.
    QSettings store(path, QSettings::IniFormat);
    EXPECT_TRUE(StoreSelections(store, AllOther()));
    const CalcState loaded = Load(path);
    for (const PersistedValue& e : PersistedValues)
      EXPECT_EQ(Get(loaded, e), Other(e)) << e.name;
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
    EXPECT_EQ(StoreApplicationName(QString::fromUtf8(path)).toStdString(), name) << path;
}

} // namespace
} // namespace settings
