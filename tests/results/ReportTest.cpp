// The report page as pdftotext reads it (headings over the table, the local
// time with its offset, room before the relation), and saving a report so
// that it is whole or not there at all.
#include "results/ReportFile.h"
#include "results/ResultsReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#ifdef Q_OS_LINUX
#include "FileSizeLimit.h"
#include "ProcessTools.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace results {
namespace {

#ifdef Q_OS_LINUX
const std::vector<ResultRow> Rows = {{"System voltage", "120", "V", false},
                                     {"Wire size", "No. 8", "", true},
                                     {"Final voltage", "116.4", "V", false}};

ReportPage Page() {
  return {"Quillfen 9.9", QDateTime(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC), Rows,
          "K = 12.9, M = 2"};
}

// pdftotext's reading of `pdf`, with `options` ("-bbox-layout" for the
// positions of lines).
QString PdfText(const QByteArray& pdf, const QStringList& options = {}) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("report.pdf")));
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
    return {};
  file.close();
  return testing_ui::PopplerOutput("pdftotext",
                                   options + QStringList{file.fileName(), QStringLiteral("-")});
}

struct Line {
  double top = -1;
  double bottom = -1;
};

// The first line of the -bbox-layout output whose words start with `words`
// (each table cell is a line of its own).
Line LineStarting(const QString& layout, const QString& words) {
  static const QRegularExpression line(
      QStringLiteral(
          R"re(<line xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(.*?)</line>)re"),
      QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression word(QStringLiteral(R"(<word[^>]*>([^<]*)</word>)"));
  for (auto it = line.globalMatch(layout); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    QStringList text;
    for (auto w = word.globalMatch(match.captured(3)); w.hasNext();)
      text << w.next().captured(1);
    if (text.join(QLatin1Char(' ')).startsWith(words))
      return {match.captured(1).toDouble(), match.captured(2).toDouble()};
  }
  return {};
}

TEST(Report, HeadingsOverTheTableLocalTimeWithItsOffsetAndRoomBeforeTheRelation) {
  const QLocale original;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const struct {
    const char* tz;
    const char* shown;
  } rows[] = {
      {"UTC0", "Tuesday, March 5, 2024 12:00 PM (UTC+00:00)"},
      {"IST-5:30", "Tuesday, March 5, 2024 5:30 PM (UTC+05:30)"},
      {"EST5", "Tuesday, March 5, 2024 7:00 AM (UTC-05:00)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.tz);
    const testing_ui::ScopedEnv zone("TZ", row.tz);
    const QByteArray pdf = ReportPdf(Page(), ReportPageSize(QLocale()));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QString::fromUtf8(row.shown))) << text.toStdString();
  }
  QLocale::setDefault(original);

  const QString layout =
      PdfText(ReportPdf(Page(), ReportPageSize(QLocale())), {QStringLiteral("-bbox-layout")});
  const Line headings = LineStarting(layout, QStringLiteral("Quantity"));
  const Line first = LineStarting(layout, QStringLiteral("System voltage"));
  const Line second = LineStarting(layout, QStringLiteral("Wire size"));
  const Line last = LineStarting(layout, QStringLiteral("Final voltage"));
  const Line relation = LineStarting(layout, QStringLiteral("Relation used"));
  ASSERT_GE(headings.top, 0) << layout.toStdString();
  ASSERT_GE(relation.top, 0) << layout.toStdString();
  EXPECT_LT(headings.bottom, first.top);
  // More room below the table's last row than between two of its rows.
  EXPECT_GT(relation.top - last.bottom, second.top - first.bottom);
}

using testing_ui::FileSizeLimit;

enum class Target { Earlier, Fifo, LinkToFifo, Device, ReadOnly, LinkToEarlier, CutShort };

TEST(ReportFile, AReportIsWholeOrNotWrittenAndOnlyARegularFileIsReplaced) {
  QTemporaryDir dir;
  const QByteArray earlier = "an earlier report";
  const QByteArray report = ReportPdf(Page(), ReportPageSize(QLocale()));
  ASSERT_GT(report.size(), 8192);
  // A killed save's side files: one a minute old, and one another run may
  // still be writing, which the saves below keep.
  const QString stale = dir.filePath("Stale.pdf.AbCdEf"), young = dir.filePath("Young.PDF.GhIjKl");
  for (const QString& left : {stale, young}) {
    QFile file(left);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setFileTime(QDateTime::currentDateTime().addSecs(left == stale ? -61 : 0),
                     QFileDevice::FileModificationTime);
  }
  const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
  const struct {
    const char* label;
    Target target;
    SaveProblem problem;
  } rows[] = {
      {"Earlier", Target::Earlier, SaveProblem::None},
      {"Fifo", Target::Fifo, SaveProblem::NotRegularFile},
      {"LinkToFifo", Target::LinkToFifo, SaveProblem::NotRegularFile},
      {"Device", Target::Device, SaveProblem::NotRegularFile},
      {"ReadOnly", Target::ReadOnly, SaveProblem::ReadOnly},
      {"LinkToEarlier", Target::LinkToEarlier, SaveProblem::None},
      {"CutShort", Target::CutShort, SaveProblem::WriteFailed},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    const QString real = dir.filePath(QString::fromLatin1(row.label));
    const QString path = real + QStringLiteral(".pdf");
    const QByteArray realName = QFile::encodeName(real);
    bool isFile = true;
    switch (row.target) {
    case Target::Fifo:
    case Target::LinkToFifo:
      ASSERT_EQ(::mkfifo(realName.constData(), 0600), 0);
      isFile = false;
      break;
    case Target::Device:
      // The null device's own numbers, in our own folder.
      if (::mknod(realName.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        continue; // only root can make one
      isFile = false;
      break;
    default: {
      QFile file(real);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(earlier);
      file.close();
      ASSERT_TRUE(file.setPermissions(row.target == Target::ReadOnly ? QFile::ReadOwner : mode));
    }
    }
    const bool linked = row.target == Target::LinkToFifo || row.target == Target::LinkToEarlier ||
                        row.target == Target::Device;
    ASSERT_TRUE(linked ? QFile::link(real, path) : QFile::rename(real, path));
    const QString kept = linked ? real : path;

    SaveOutcome outcome;
    {
      std::unique_ptr<FileSizeLimit> limit;
      if (row.target == Target::CutShort) {
        limit = std::make_unique<FileSizeLimit>(4096);
      }
      outcome = SaveWholeFile(path, report);
    }
    EXPECT_EQ(outcome.problem, row.problem);
    EXPECT_EQ(QFileInfo(path).isSymLink(), linked) << "a link stays a link";
    EXPECT_EQ(QFileInfo(kept).isFile(), isFile);
    if (row.problem == SaveProblem::WriteFailed) {
      EXPECT_FALSE(outcome.reason.isEmpty());
    }
    if (isFile) {
      QFile file(kept);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), row.problem == SaveProblem::None ? report : earlier);
      EXPECT_EQ(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                row.target == Target::ReadOnly ? QFile::ReadOwner : mode);
    }
  }
  EXPECT_TRUE(QFile::remove(young));
  // Nothing half-written is left beside the targets.
  for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
    EXPECT_FALSE(name.contains(QStringLiteral(".pdf."))) << name.toStdString();
}
#endif

} // namespace
} // namespace results
