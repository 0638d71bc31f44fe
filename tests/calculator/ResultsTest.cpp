// Copy Results and Save Report: both first finish the entry being typed, as
// leaving it would, then take what the form shows; a report is saved whole or
// not at all, with a box that says where and why; the file dialog never reads
// a file to draw its list.
#include "DialogFixture.h"
#include "ProcessTools.h"
#include "StoreText.h"
#include "WindowWatcher.h"

#include "calculator/StringTable.h"
#include "dialogkit/Text.h"
#include "sizing/SizeConductorsDlg.h"
#include "version/VersionData.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testing_ui {
namespace {

using namespace calculator;

QString ProductName() { return dialogkit::ToQString(version::data::ProductName); }

class CopyResults : public DialogFixture, public ::testing::WithParamInterface<int> {};

// On the form as it starts and in a Load solve: a distance typed and not yet
// left is taken with the results it gives.
TEST_P(CopyResults, ClipboardHoldsWhatTheFormShowsOnceTheTypedEntryIsTaken) {
  StartDialog();
  const bool load = GetParam() == IdcSolveLoad;
  if (load)
    Click(IdcSolveLoad);
  const QString solvedBefore = load ? Text(IdcAmps) : ListOf(IdcWireSize)->currentText();
  TypeInto(IdcDistance, QStringLiteral("250"));
  QLineEdit* edit = EditOf(IdcDistance);

  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  Settle();

  EXPECT_TRUE(m_boxes.Take().empty());
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(State().Distance, 250.0) << "the entry was taken";
  EXPECT_NE(load ? Text(IdcAmps) : ListOf(IdcWireSize)->currentText(), solvedBefore);
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime != nullptr && mime->hasText() && mime->hasHtml());
  const struct {
    QString label, value, unit;
    bool solved;
  } rows[] = {
      {"Phase", "Single", "", false},
      {"Load in amps", Text(IdcAmps), " A", load},
      {"Load in volt-amps", Text(IdcVoltAmps), " VA", load},
      {"One-way distance", "250", " feet", false},
      {"Wire size", ListOf(IdcWireSize)->currentText(), "", !load},
      {"Solve for", load ? "Load" : "Wire size", "", false},
      {"Percent drop", Text(IdcPercentDrop), " %", false},
      {"Final voltage", Text(IdcFinalVoltage), " V", false},
  };
  const QStringList lines = mime->text().split(QLatin1Char('\n'));
  for (const auto& row : rows) {
    const QString line = QStringLiteral("%1:\\s+%2%3")
                             .arg(QRegularExpression::escape(row.label),
                                  QRegularExpression::escape(row.value + row.unit),
                                  row.solved ? QStringLiteral(" \\(solved\\)") : QString());
    EXPECT_GE(lines.indexOf(QRegularExpression(QRegularExpression::anchoredPattern(line))), 0)
        << line.toStdString() << " in\n"
        << mime->text().toStdString();
    EXPECT_TRUE(mime->html().contains(">" + row.value + "<")) << row.value.toStdString();
  }
  EXPECT_EQ(mime->html().count(QStringLiteral("(solved)")), load ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Form, CopyResults, ::testing::Values(0, IdcSolveLoad));

class SaveReport : public DialogFixture {
protected:
  // Saves by the shortcut, answering the path without a file dialog; returns
  // the file's bytes.
  QByteArray SaveTo(const QString& path) {
    m_asked = 0;
    Dlg().SetReportPathAsker([this, path](QWidget*, const QString& suggested) {
      ++m_asked;
      m_suggested = suggested;
      m_boxesBeforeAsking = m_boxes.Count();
      return path;
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    Settle();
    QFile file(path);
    const bool readable = QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
    return readable ? file.readAll() : QByteArray();
  }
  // A fresh dialog, as after a start.
  void Restart() {
    m_dlg->hide();
    m_dlg.reset();
    Settle();
    m_boxes.Take();
    StartDialog();
  }

  QTemporaryDir m_out;
  QString m_suggested;
  int m_asked = 0;
  std::size_t m_boxesBeforeAsking = 0;
};

TEST_F(SaveReport, OnePageWithTheShownValuesOnThePaperOfTheLocale) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "poppler's tools run on Linux; the Linux run reads the page";
#endif
  StartDialog();
  const QLocale original;
  for (const auto& [locale, size] :
       {std::pair{QLocale(QLocale::English, QLocale::UnitedStates), "612 x 792 pts"},
        std::pair{QLocale(QLocale::German, QLocale::Germany), "595 x 842 pts"}}) {
    SCOPED_TRACE(locale.name().toStdString());
    QLocale::setDefault(locale);
    const QString path = m_out.filePath(locale.name() + ".pdf");
    const QByteArray pdf = SaveTo(path);
    QLocale::setDefault(original);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QString info = PopplerOutput("pdfinfo", {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QString::fromLatin1(size))) << info.toStdString();
    const QString text = PopplerOutput("pdftotext", {path, QStringLiteral("-")});
    // The start's wire-size solve: K of No. 8 copper, single phase, and the
    // area 16 A over 100 ft needs for 3.6 V of drop.
    for (const QString& wanted :
         {ProductName() + " " + dialogkit::ToQString(version::data::VersionText),
          QStringLiteral("VD = K × M × L × I / A"), QStringLiteral("K = 12.9"),
          QStringLiteral("M = 2"), QStringLiteral("A = 11466.6666666667"), Text(IdcVoltage),
          Text(IdcVoltAmps), Text(IdcDropVolts), Text(IdcFinalVoltage),
          ListOf(IdcWireSize)->currentText()})
      EXPECT_TRUE(text.contains(wanted)) << wanted.toStdString() << " in\n" << text.toStdString();
  }
}

// Both commands finish the typed entry as leaving the field would: an
// accepted one leaves the record a leave leaves; a rejected one shows the
// leave's box and stops the command there.
TEST_F(SaveReport, AnEntryIsFinishedFirstAndARejectedOneStopsTheCommand) {
  StartDialog();
  const auto compare = WatchModal<sizing::CSizeConductorsDlg>([](auto&) {});
  for (const Qt::Key command : {Qt::Key_C, Qt::Key_S, Qt::Key_W}) {
    const bool save = command == Qt::Key_S;
    for (const QString& typed : QStringList{"240", "0", "1e308", "2000000", "12x"}) {
      SCOPED_TRACE(QKeySequence(command).toString().toStdString() + ", " + typed.toStdString());
      const bool rejected = typed != QStringLiteral("240");
      Restart();
      TypeInto(IdcVoltage, typed);
      FocusOn(IdcDistance);
      const std::vector<SeenBox> leaving = m_boxes.Take();
      const QVariant leftIn = QApplication::focusWidget()->property(dialogkit::ControlIdProperty);
      EXPECT_EQ(leaving.empty(), !rejected);
      const engine::CalcState left = State();

      Restart();
      QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
      const QString path = m_out.filePath(typed + (save ? ".pdf" : ".txt"));
      TypeInto(IdcVoltage, typed);
      if (save) {
        SaveTo(path);
      } else {
        QTest::keyClick(QApplication::focusWidget(), command,
                        Qt::ControlModifier | Qt::ShiftModifier);
        Settle();
      }
      EXPECT_TRUE(m_boxes.Take() == leaving) << "the entry leaves once, as it would";
      // (A rejected entry may leave NaN in the record, which equals nothing.)
      EXPECT_TRUE(rejected || State() == left);
      // A rejected entry stays where its report put the focus, as after Tab.
      EXPECT_EQ(QApplication::focusWidget()->property(dialogkit::ControlIdProperty),
                rejected ? leftIn : QVariant(IdcVoltage));
      if (save) {
        EXPECT_EQ(m_asked, rejected ? 0 : 1);
        EXPECT_EQ(QFile::exists(path), !rejected);
        EXPECT_EQ(m_boxesBeforeAsking, 0U) << "no box of the entry over the file dialog";
      } else if (command == Qt::Key_C) {
        const QString text = QGuiApplication::clipboard()->text();
        EXPECT_EQ(text == QStringLiteral("untouched"), rejected);
        EXPECT_EQ(text.contains(QRegularExpression("System voltage:\\s+" + typed + " V\\n")),
                  !rejected)
            << text.toStdString();
      }
    }
  }
}

TEST_F(SaveReport, TheNameIsOfferedInDocumentsOrElseInTheHomeFolder) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "Windows gives every user a Documents folder, found through the shell";
#endif
  QTemporaryDir fresh;
  const ScopedEnv home("HOME", QFile::encodeName(fresh.path()));
  const ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(fresh.filePath("config")));
  StartDialog();
  const QString name = ProductName() + " report.pdf";
  for (const bool documents : {false, true}) {
    SCOPED_TRACE(documents ? "Documents" : "no Documents");
    if (documents) {
      ASSERT_TRUE(QDir(fresh.path()).mkdir(QStringLiteral("Documents")));
    }
    SaveTo({});
    EXPECT_EQ(m_suggested, QDir(fresh.path()).filePath(documents ? "Documents/" + name : name));
  }
}

TEST_F(SaveReport, AFailureGivesOneBoxWithThePathAndTheReasonAndKeepsTheEarlierFile) {
  StartDialog();
  const QByteArray earlier = "an earlier report";
  const QString readOnly = m_out.filePath(QStringLiteral("read-only.pdf"));
  {
    QFile file(readOnly);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(earlier);
  }
  ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
  const QString fifo = m_out.filePath(QStringLiteral("fifo.pdf"));
#ifdef Q_OS_LINUX
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
#endif
  const struct {
    QString path;
    std::size_t boxes;
    QString reason; // empty: the system's
  } cases[] = {
      {QString(), 0, {}},
      {m_out.filePath("missing/report.pdf"), 1, {}},
#ifdef Q_OS_LINUX
      {fifo, 1, dialogkit::ToQString(IdsReportNotRegularFile)},
#endif
      {readOnly, 1, dialogkit::ToQString(IdsReportReadOnly)},
      {m_out.filePath(QString(4000, QLatin1Char('n')) + ".pdf"), 1, {}},
  };
  const QStringList before = QDir(m_out.path()).entryList(QDir::AllEntries | QDir::System);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.left(80).toStdString());
    SaveTo(c.path);
    const std::vector<SeenBox> boxes = m_boxes.Take();
    ASSERT_EQ(boxes.size(), c.boxes);
    EXPECT_EQ(QDir(m_out.path()).entryList(QDir::AllEntries | QDir::System), before);
    if (c.boxes == 0)
      continue;
    EXPECT_EQ(boxes[0].caption, ProductName());
    const QString text = boxes[0].text;
    const QString path = QDir::toNativeSeparators(c.path);
    // The path as it is, however long (the box wraps it); then the reason.
    EXPECT_TRUE(text.contains("\n" + path + "\n\n")) << text.toStdString();
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    if (!c.reason.isEmpty()) {
      EXPECT_TRUE(text.endsWith("\n\n" + c.reason)) << text.toStdString();
    }
  }
  QFile kept(readOnly);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), earlier);
}

#ifdef Q_OS_LINUX
// The names in `folder` that were opened since `watch` was added.
QStringList OpenedNames(int watch) {
  QStringList names;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0)
        names << QString::fromLocal8Bit(event->name);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return names;
}

// The widget dialog lists a folder with a file of unknown kind and a FIFO
// without opening either (opening the FIFO would never return); it says when
// a name is too long for the folder and saves one with quotes as typed; it
// starts from Qt's own settings when they are sound, and never writes them or
// takes their lock.
TEST_F(SaveReport, TheFileDialogNeverReadsAFileAndSaysWhatANameCannotBe) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  {
    QFile notes(folder.filePath(QStringLiteral("notes")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("no name says what this is");
  }
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(folder.path()).constData(), IN_OPEN), 0);
  QTemporaryDir config; // Qt's settings beside the store: sound, their lock a FIFO
  const ScopedEnv configHome("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  const QString qtFile = config.filePath(QStringLiteral("QtProject.conf"));
  QSettings(qtFile, QSettings::IniFormat).setValue("FileDialog/viewMode", "List");
  const QByteArray qtSettings = FileBytes(qtFile);
  ASSERT_EQ(::mkfifo(QFile::encodeName(qtFile + ".lock").constData(), 0600), 0);
  // Each name, and whether the dialog stays open for another (under a box).
  const QString quoted = m_out.filePath(QStringLiteral("he said \"hi\" \"there\".pdf"));
  const std::pair<QString, bool> typed[] = {{QString(4000, QLatin1Char('n')) + ".pdf", true},
                                            {quoted, false}};
  StartDialog();
  bool loaded = false;
  bool listView = false;
  const auto dialog = WatchModal<QFileDialog>([&](QFileDialog& dlg) {
    listView = dlg.viewMode() == QFileDialog::List;
    auto* model = dlg.findChild<QFileSystemModel*>();
    ASSERT_TRUE(model != nullptr);
    const QSignalSpy listed(model, &QFileSystemModel::directoryLoaded);
    dlg.setDirectory(folder.path());
    loaded = QTest::qWaitFor(
        [&] {
          for (const QList<QVariant>& signal : listed) {
            if (signal.value(0).toString() == folder.path())
              return true;
          }
          return false;
        },
        5000);
    QTest::qWait(300); // the kinds and icons looked up for what was listed
    auto* name = dlg.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name != nullptr);
    for (const auto& [text, staysOpen] : typed) {
      name->setText(text);
      QTest::keyClick(name, Qt::Key_Return);
      Settle();
      EXPECT_EQ(dlg.isVisible(), staysOpen);
      EXPECT_EQ(m_boxes.Count(), 1U) << "the one box, for the name too long";
    }
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(dialog->Count(), 1);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(OpenedNames(watch), QStringList()) << "a listed file was opened";
  ::close(watch);
  const std::vector<SeenBox> boxes = m_boxes.Take();
  ASSERT_EQ(boxes.size(), 1U);
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("too long"))) << boxes[0].text.toStdString();
  EXPECT_TRUE(QFile::exists(quoted)) << "the report is where the name with quotes says";
  EXPECT_TRUE(listView) << "Qt's settings, sound, are where the dialog starts";
  EXPECT_EQ(FileBytes(qtFile), qtSettings) << "and are never written";
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System),
            QStringList({"notes", "pipe"}));
}
#endif

} // namespace
} // namespace testing_ui
