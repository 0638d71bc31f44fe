// The About and author dialogs' identifiers, Alt keys and Tab order, the
// texts the About dialog expands from the version information at every
// opening, and its title font.
#include "AboutTestSupport.h"
#include "DialogShape.h"

#include "dialogkit/DialogUnits.h"
#include "version/BuildDate.h"
#include "version/ModulePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>

namespace about_test {
namespace {

using namespace about;
using dialogkit::DialogUnits;

const ControlSpec& AboutRow(int id) {
  return *std::find_if(AboutControls.begin(), AboutControls.end(),
                       [id](const ControlSpec& row) { return row.id == id; });
}

// What the program's own version information makes of each text.
ShownTexts OwnTexts() {
  const auto value = [](std::string_view key) {
    for (const version::data::StringValue& v : version::data::Strings) {
      if (v.Key == key)
        return Q(v.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    ADD_FAILURE() << "no " << key;
    return QString();
  };
  const QString product = value("FileDescription");
  return {product,
          value("InternalName") + QStringLiteral(" - ") + product + QStringLiteral(" Version ") +
              value("FileVersion") + QStringLiteral("\nBuilt for Windows 95 on ") +
              Q(version::BuildDateText()) + QStringLiteral("."),
          value("LegalCopyright"), value("SpecialBuild"), QStringLiteral("About ") + product};
}

// The texts as the templates hold them.
ShownTexts TemplateTexts() {
  const auto caption = [](int id) { return Q(AboutRow(id).caption); };
  return {caption(IdcAboutTitle), caption(IdcAboutVersion), caption(IdcAboutCopyright),
          caption(IdcAboutNotice), Q(AboutTemplate.caption)};
}

class AboutDialog : public AboutFixture {};

TEST_F(AboutDialog, IdsKeysAndTabOrderOfBothDialogs) {
  using Keys = std::map<int, std::string>;
  const auto about = ShowAbout();
  testing_ui::ExpectEachIdFindsItsRow(*about, AboutTemplate);
  EXPECT_TRUE(testing_ui::RadioGroupsOf(*about).empty());
  EXPECT_EQ(
      testing_ui::MnemonicsOf(*about),
      (Keys{{IdcWebSite, "Alt+W"}, {IdcEmailDistributor, "Alt+E"}, {IdcAuthorInfo, "Alt+A"}}));
  // Table order, not places: Author Info sits below Email.
  EXPECT_EQ(testing_ui::TabWalk(about->GetDlgItem(IdOk)),
            (std::vector<int>{IdOk, IdcWebSite, IdcAuthorInfo, IdcEmailDistributor}));

  about::CAuthorInfoDlg author(QStringLiteral("credit"), QStringLiteral("title"));
  ShowActive(author);
  testing_ui::ExpectEachIdFindsItsRow(author, AuthorInfoTemplate);
  EXPECT_EQ(testing_ui::MnemonicsOf(author), (Keys{{IdcEmailAuthor, "Alt+E"}}));
  EXPECT_EQ(testing_ui::TabWalk(author.GetDlgItem(IdOk)), (std::vector<int>{IdOk, IdcEmailAuthor}));
  EXPECT_EQ(static_cast<QLabel*>(author.GetDlgItem(IdcAuthorText))->text(),
            QStringLiteral("credit"));
  EXPECT_EQ(author.windowTitle(), QStringLiteral("title"));
}

TEST_F(AboutDialog, TextsExpandedFromTheProgramsOwnVersionInformation) {
  const auto about = ShowAbout();
  const ShownTexts shown = TextsOf(*about);
  EXPECT_EQ(shown, OwnTexts());
  // Lines as the labels show them: LF only.
  EXPECT_EQ(shown.version.count(QLatin1Char('\n')), 1);
  EXPECT_EQ(shown.copyright.count(QLatin1Char('\n')), 1);
  EXPECT_EQ(shown.notice.count(QLatin1Char('\n')), 4);
  for (const QString& text : {shown.version, shown.copyright, shown.notice})
    EXPECT_FALSE(text.contains(QLatin1Char('\r'))) << text.toStdString();
  EXPECT_TRUE(shown.notice.endsWith(Q(version::data::DistributorWebUrl)));
}

TEST_F(AboutDialog, OkHasTheFocusWhenShown) {
  const auto about = ShowAbout();
  EXPECT_EQ(QApplication::focusWidget(), about->GetDlgItem(IdOk));
  EXPECT_TRUE(static_cast<QPushButton*>(about->GetDlgItem(IdOk))->isDefault());
}

TEST_F(AboutDialog, AsksForTheOwnModuleAndTheUsEnglishBlockInTemplateOrder) {
  KeyedSource source;
  source.Values = {{"FileDescription", "Desc"},
                   {"InternalName", "Int"},
                   {"FileVersion", "9.9"},
                   {"LegalCopyright", "Copy"},
                   {"SpecialBuild", "Note"}};
  const auto about = ShowAbout(&source);
  const std::filesystem::path own = version::ModulePath();
  ASSERT_FALSE(own.empty());
  EXPECT_EQ(source.Files, std::vector<std::filesystem::path>{own});
  EXPECT_EQ(source.Reads, 1);
  std::vector<std::string> expected;
  for (const char* key : {"FileDescription", "InternalName", "FileDescription", "FileVersion",
                          "LegalCopyright", "SpecialBuild", "FileDescription"})
    expected.push_back(std::string(AboutBlock) + key);
  EXPECT_EQ(source.Queried, expected);
  EXPECT_EQ(TextsOf(*about),
            (ShownTexts{"Desc", "Int - Desc Version 9.9\nBuilt for Windows 95 on Jan  2 2003.",
                        "Copy", "Note", "About Desc"}));
}

TEST_F(AboutDialog, ReadsTheVersionInformationAfreshAtEachOpening) {
  KeyedSource source;
  source.Values = {{"FileDescription", "First"}};
  const auto first = ShowAbout(&source);
  source.Values = {{"FileDescription", "Second"}};
  source.Date = "Feb  3 2004";
  const auto second = ShowAbout(&source);
  EXPECT_EQ(source.Reads, 2);
  EXPECT_EQ(TextsOf(*first).caption, QStringLiteral("About First"));
  EXPECT_EQ(TextsOf(*second).caption, QStringLiteral("About Second"));
  EXPECT_EQ(TextsOf(*second).title, QStringLiteral("Second"));
  EXPECT_TRUE(TextsOf(*second).version.endsWith(QStringLiteral(" on Feb  3 2004.")));
  // The program's own information twice: the same texts both times.
  EXPECT_EQ(TextsOf(*ShowAbout()), TextsOf(*ShowAbout()));
}

TEST_F(AboutDialog, WithoutVersionInformationTheTemplatesShowUnexpanded) {
  KeyedSource source;
  source.Size = 0;
  const auto about = ShowAbout(&source);
  EXPECT_EQ(TextsOf(*about), TemplateTexts());
  EXPECT_EQ(TextsOf(*about).caption, QStringLiteral("About %FileDescription%"));
}

TEST_F(AboutDialog, EachTextIsExpandedWithARoomOf256) {
  // A value fits when its length with the terminating zero is below 256.
  const struct {
    int length;
    bool shown;
  } cases[] = {{1, true}, {254, true}, {255, false}, {300, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    KeyedSource source;
    const std::string value(static_cast<std::size_t>(c.length), 'n');
    source.Values = {{"SpecialBuild", value}, {"LegalCopyright", value}};
    const auto about = ShowAbout(&source);
    const QString expected = c.shown ? QString::fromStdString(value) : QString();
    EXPECT_EQ(TextsOf(*about).notice, expected);
    EXPECT_EQ(TextsOf(*about).copyright, expected);
  }
}

TEST(AboutTitleFont, HeightIsFourTimesTruncatedEightDpiOverMinus72) {
  const struct {
    int dpi, height;
  } cases[] = {{72, -32},
               {96, -40},
               {120, -52},
               {144, -64},
               // Truncated toward zero, not rounded or floored.
               {81, -36},
               {89, -36},
               {90, -40},
               {0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(about::CAboutDlg::TitleFontHeight(c.dpi), c.height) << c.dpi << " dpi";
}

TEST_F(AboutDialog, TitleFontIsBoldItalicAtTheDialogsDpi) {
  const auto about = ShowAbout();
  const QFont& font = about->TitleFont();
  // In the screen's own pixels, whatever Qt's scaling: Qt turns points into
  // pixels at the widget's resolution and draws each of those pixels as
  // devicePixelRatio of the screen's.
  const qreal ratio = about->devicePixelRatioF();
  const int dpi = qRound(about->logicalDpiY() * ratio);
  const qreal size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / ratio / 72;
  EXPECT_EQ(qRound(size * ratio), -CAboutDlg::TitleFontHeight(dpi));
  // A child run names the resolution it set up; the offscreen default is 96.
  if (!qEnvironmentVariableIsEmpty("ABOUT_TEST_DPI")) {
    EXPECT_EQ(dpi, qEnvironmentVariableIntValue("ABOUT_TEST_DPI"));
  } else if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    EXPECT_EQ(dpi, 96);
  }
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_EQ(font.family(), about->font().family());
  QWidget* title = about->GetDlgItem(IdcAboutTitle);
  EXPECT_EQ(title->font(), font);
  // Only the title: the other texts keep the dialog font.
  for (const int id : {IdcAboutVersion, IdcAboutCopyright, IdcAboutNotice}) {
    EXPECT_FALSE(about->GetDlgItem(id)->font().bold()) << id;
    EXPECT_EQ(about->GetDlgItem(id)->font().pointSize(), AboutTemplate.pointSize) << id;
  }
}

TEST_F(AboutDialog, TitleIsGrownAboutItsCentreToTheFontsLineHeight) {
  const auto about = ShowAbout();
  QWidget* title = about->GetDlgItem(IdcAboutTitle);
  const DialogUnits units = DialogUnits::FromFont(about->font());
  const QRect placed = units.Rect(AboutRow(IdcAboutTitle).rect);
  const int lineHeight = QFontMetrics(about->TitleFont()).height();
  ASSERT_GT(lineHeight, placed.height()) << "the template height would already do";
  EXPECT_GE(title->height(), lineHeight);
  EXPECT_LE(std::abs(title->geometry().center().y() - placed.center().y()), 1);
  EXPECT_EQ(title->x(), placed.x());
  EXPECT_EQ(title->width(), placed.width());
}

TEST_F(AboutDialog, TitleKeepsItsFontWhenHiddenAndShownAgain) {
  const auto about = ShowAbout();
  const QFont before = about->TitleFont();
  QWidget* title = about->GetDlgItem(IdcAboutTitle);
  const QRect placed = title->geometry();
  for (int round = 0; round < 2; ++round) {
    about->hide();
    Settle();
    about->show();
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about.get()));
    EXPECT_EQ(about->TitleFont(), before);
    EXPECT_EQ(title->font(), before);
    EXPECT_EQ(title->geometry(), placed);
    // Nothing was read or expanded again.
    EXPECT_EQ(TextsOf(*about), OwnTexts());
  }
}

// A screen's resolution is chosen at start-up only, so the font test runs
// again in fresh processes on offscreen screens of other resolutions.
TEST(AboutChildRuns, TitleFontAtOtherResolutions) {
  if (!qEnvironmentVariableIsEmpty("ABOUT_TEST_DPI"))
    GTEST_SKIP() << "already a child run";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Unscaled, the widgets see the screen's own resolution. At 192 dpi Qt's
  // own scaling is on, as on a Windows screen at 200 %: they see 96 dots per
  // inch and two screen pixels to each of theirs.
  for (const int dpi : {72, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const QString config = QStringLiteral("screen%1.json").arg(dpi);
    QFile file(dir.filePath(config));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1280,
        "height": 1024, "logicalDpi": %1, "logicalBaseDpi": 96}]})")
                   .arg(dpi)
                   .toUtf8());
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Named from the child's own folder: a drive letter's colon would end the
    // platform's option.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QString::number(dpi == 192));
    env.insert(QStringLiteral("ABOUT_TEST_DPI"), QString::number(dpi));
    const ChildRun run = RunSelf(QCoreApplication::applicationFilePath(),
                                 QStringLiteral("AboutDialog.TitleFontIsBoldItalicAtTheDialogsDpi"),
                                 env, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QStringLiteral("[  PASSED  ] 1 test")))
        << run.output.toStdString();
  }
}

// The module path has no length limit: the program run from a folder whose
// path is longer than 256 bytes still finds its own version information.
TEST(AboutChildRuns, TextsExpandedWhenRunFromAPathLongerThan256Bytes) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "Windows starts no program from a path longer than MAX_PATH";
#endif
  QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/long-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  std::filesystem::path folder = dir.path().toStdString();
  while (folder.string().size() <= 300)
    folder /= std::string(60, 'd');
  std::filesystem::create_directories(folder);
  const std::filesystem::path copy = folder / "Tamsik";
  const std::filesystem::path self = QCoreApplication::applicationFilePath().toStdString();
  std::error_code linked;
  std::filesystem::create_hard_link(self, copy, linked);
  if (linked)
    std::filesystem::copy_file(self, copy);
  ASSERT_GT(copy.string().size(), 256u);
  const ChildRun run =
      RunSelf(QString::fromStdString(copy.string()),
              QStringLiteral("AboutDialog.TextsExpandedFromTheProgramsOwnVersionInformation"));
  EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
  EXPECT_TRUE(run.output.contains(QStringLiteral("[  PASSED  ] 1 test")))
      << run.output.toStdString();
}

} // namespace
} // namespace about_test
