// Copy Results and Save Report: what reaches the clipboard and the PDF, and
// that taking the results away leaves the form, its focus and the record be.
#include "DialogFixture.h"

#include "engine/NumberText.h"
#include "version/VersionData.h"

#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace testing_ui {
namespace {

using namespace calculator;

QString VersionValue(std::string_view key) {
  for (const version::data::StringValue& value : version::data::Strings) {
    if (value.Key == key)
      return QString::fromUtf8(value.Text.data(), static_cast<qsizetype>(value.Text.size()));
  }
  return {};
}

class CopyResults : public DialogFixture, public ::testing::WithParamInterface<int> {};

// On the form as it starts and after a Load solve, with text typed into an
// edit and not yet left (shown, but not in the record).
TEST_P(CopyResults, ClipboardHoldsTheShownValuesAndNothingElseChanges) {
  StartDialog();
  const bool load = GetParam() == IdcSolveLoad;
  if (load)
    Click(IdcSolveLoad);
  TypeInto(IdcDistance, QStringLiteral("250"));
  QLineEdit* edit = EditOf(IdcDistance);
  edit->setSelection(1, 2);
  const engine::CalcState before = State();

  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  Settle();

  EXPECT_TRUE(m_boxes.Take().empty());
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(edit->text(), QStringLiteral("250"));
  EXPECT_EQ(edit->selectedText(), QStringLiteral("50"));
  EXPECT_EQ(State(), before);
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
  // Saves by the shortcut, answering the path without a file dialog.
  QString SaveTo(const QString& path) {
    Dlg().SetReportPathAsker([this, path](QWidget*, const QString& suggested) {
      m_suggested = suggested;
      return path;
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    Settle();
    QFile file(path);
    return QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
  }

  QTemporaryDir m_out;
  QString m_suggested;
};

TEST_F(SaveReport, OnePageWithTheShownValuesOnThePaperOfTheLocale) {
  StartDialog();
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  const QLocale original;
  for (const auto& [locale, width] :
       {std::pair{QLocale(QLocale::English, QLocale::UnitedStates), 612},
        std::pair{QLocale(QLocale::German, QLocale::Germany), 595}}) {
    SCOPED_TRACE(locale.name().toStdString());
    QLocale::setDefault(locale);
    const QString path = m_out.filePath(locale.name() + ".pdf");
    const QString pdf = SaveTo(path);
    QLocale::setDefault(original);
    ASSERT_TRUE(pdf.startsWith(QStringLiteral("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral(R"(/Type\s*/Page\b(?!s))"))), 1);
    EXPECT_TRUE(pdf.contains(QStringLiteral("/MediaBox [0 0 %1.").arg(width))); // Letter, A4
    if (tool.isEmpty()) {
      // The page's content stream holds far more than an empty page's bytes.
      const auto capture = [&](const QString& pattern) {
        return QRegularExpression(pattern).match(pdf).captured(1);
      };
      const QString contents = capture(QStringLiteral(R"(/Contents (\d+) 0 R)"));
      const QString length = capture("\\b" + contents + R"( 0 obj\s*<<\s*/Length (\d+) 0 R)");
      EXPECT_GT(capture("\\b" + length + R"( 0 obj\s*(\d+))").toInt(), 1000);
      continue;
    }
    QProcess extract;
    extract.start(tool, {path, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    const auto printed = [](double v) { return QString::fromStdString(engine::PrintNumber(v)); };
    for (const QString& wanted :
         {VersionValue("ProductName") + " " + VersionValue("ProductVersion"),
          QStringLiteral("VD = K × M × L × I / A"), "K = " + printed(State().KFactor),
          "M = " + printed(State().PhaseMultiplier), "A = " + printed(State().EffectiveArea),
          Text(IdcVoltage), Text(IdcVoltAmps), Text(IdcDropVolts), Text(IdcFinalVoltage),
          ListOf(IdcWireSize)->currentText()})
      EXPECT_TRUE(text.contains(wanted)) << wanted.toStdString() << " in\n" << text.toStdString();
  }
  if (tool.isEmpty())
    GTEST_SKIP() << "pdftotext (Debian poppler-utils) not installed: report text not checked";
}

TEST_F(SaveReport, CancelWritesNothingAndAFailureGivesOneBoxAndNoFile) {
  StartDialog();
  const struct {
    QString path;
    std::size_t boxes;
  } cases[] = {{QString(), 0}, {m_out.filePath("missing/report.pdf"), 1}, {m_out.path(), 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    SaveTo(c.path);
    const std::vector<SeenBox> boxes = m_boxes.Take();
    ASSERT_EQ(boxes.size(), c.boxes);
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(m_suggested));
    if (c.boxes == 0)
      continue;
    EXPECT_EQ(boxes[0].caption, VersionValue("ProductName"));
    // The path, then the reason.
    EXPECT_TRUE(boxes[0].text.contains(QDir::toNativeSeparators(c.path) + "\n\n"));
    EXPECT_FALSE(boxes[0].text.endsWith(QLatin1Char('\n')));
  }
  EXPECT_EQ(m_suggested, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                             .filePath(VersionValue("ProductName") + " report.pdf"));
}

} // namespace
} // namespace testing_ui
