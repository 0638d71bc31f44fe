// The About and author dialogs as built from their control tables, the texts
// the About dialog expands from the version information at every opening,
// and its title font.
#include "AboutTestSupport.h"

#include "dialogkit/DialogUnits.h"
#include "dialogkit/TemplateBuilder.h"
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

enum class Kind { Icon, Static, Push, DefaultPush };

struct Row {
  int id;
  Kind kind;
  const char* caption; // before expansion; nullptr for the icon and the author text
  DluRect rect;
  bool tabStop;
};

constexpr Row AboutRows[] = {
    {NoControlId, Kind::Icon, nullptr, {11, 7, 18, 20}, false},
    {1035, Kind::Static, nullptr, {41, 10, 151, 13}, false},
    {1036, Kind::Static, nullptr, {11, 31, 213, 24}, false},
    {1037, Kind::Static, nullptr, {11, 59, 213, 19}, false},
    {1038, Kind::Static, nullptr, {11, 82, 212, 40}, false},
    {1, Kind::DefaultPush, "OK", {237, 7, 56, 14}, true},
    {1041, Kind::Push, "Nessum's &Web Site", {237, 26, 56, 14}, true},
    {1042, Kind::Push, "&Author Info", {237, 64, 56, 14}, true},
    {1043, Kind::Push, "&Email Nessum", {237, 45, 56, 14}, true},
};

constexpr Row AuthorRows[] = {
    {1, Kind::DefaultPush, "OK", {188, 7, 56, 14}, true},
    {1043, Kind::Push, "&Email Author", {188, 26, 56, 14}, true},
    {1044, Kind::Static, nullptr, {7, 7, 174, 44}, false},
};

Kind KindOf(QWidget* w) {
  if (auto* button = qobject_cast<QPushButton*>(w))
    return button->isDefault() ? Kind::DefaultPush : Kind::Push;
  auto* label = qobject_cast<QLabel*>(w);
  return label != nullptr && label->text().isEmpty() && !label->pixmap().isNull() ? Kind::Icon
                                                                                  : Kind::Static;
}

std::vector<QWidget*> ControlsOf(const QDialog& dialog) {
  const QList<QWidget*> children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  return {children.begin(), children.end()};
}

// Checks kinds, ids, captions, places and tab order against a table; the
// About title is checked on its own since it is grown to its font.
void ExpectBuiltAsTable(const QDialog& dialog, std::span<const Row> rows, DluRect size) {
  const std::vector<QWidget*> controls = ControlsOf(dialog);
  ASSERT_EQ(controls.size(), rows.size());
  // The same conversion as the calculator's: from the template font's metrics.
  const DialogUnits units = DialogUnits::FromFont(dialog.font());
  EXPECT_EQ(dialog.size(), QSize(units.X(size.width), units.Y(size.height)));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  std::vector<QWidget*> tabStops;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(::testing::Message() << "row " << i + 1 << " id " << row.id);
    QWidget* w = controls[i];
    EXPECT_EQ(KindOf(w), row.kind);
    const QVariant id = w->property(ControlIdProperty);
    EXPECT_EQ(id.isValid() ? id.toInt() : NoControlId, row.id);
    if (row.caption != nullptr) {
      EXPECT_EQ(static_cast<QPushButton*>(w)->text(), QString::fromUtf8(row.caption));
    }
    const QRect expected = units.Rect(row.rect);
    EXPECT_EQ(w->x(), expected.x());
    EXPECT_EQ(w->width(), expected.width());
    if (row.id != IdcAboutTitle) {
      EXPECT_EQ(w->y(), expected.y());
      EXPECT_EQ(w->height(), expected.height());
    }
    if (row.kind == Kind::Static) {
      EXPECT_TRUE(static_cast<QLabel*>(w)->alignment() & Qt::AlignHCenter);
    }
    EXPECT_EQ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus, row.tabStop);
    if (row.tabStop)
      tabStops.push_back(w);
  }
  // Tab walks the buttons in table order, whatever their places.
  std::vector<QWidget*> chain;
  QWidget* w = tabStops.front();
  do {
    if (std::find(tabStops.begin(), tabStops.end(), w) != tabStops.end())
      chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != tabStops.front() && chain.size() <= tabStops.size());
  EXPECT_EQ(chain, tabStops);
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
  return {QStringLiteral("Quillfen"),
          QStringLiteral("Tamsik - Quillfen Version 3.1.98.0030\nBuilt for Windows 95 on ") +
              Q(version::BuildDateText()) + QStringLiteral("."),
          value("LegalCopyright"), value("SpecialBuild"), QStringLiteral("About Quillfen")};
}

// The texts as the templates hold them.
ShownTexts TemplateTexts() {
  const auto caption = [](int id) {
    for (const ControlSpec& control : AboutControls) {
      if (control.id == id)
        return Q(control.caption);
    }
    return QString();
  };
  return {caption(IdcAboutTitle), caption(IdcAboutVersion), caption(IdcAboutCopyright),
          caption(IdcAboutNotice), Q(AboutTemplate.caption)};
}

class AboutDialog : public AboutFixture {};

TEST_F(AboutDialog, BuiltFromTemplate100) {
  const auto about = ShowAbout();
  ExpectBuiltAsTable(*about, AboutRows, {0, 0, 300, 130});
  EXPECT_TRUE(about->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(AboutDialog, AuthorBoxBuiltFromTemplate134) {
  about::CAuthorInfoDlg author(QStringLiteral("credit"), QStringLiteral("title"));
  author.Create();
  ExpectBuiltAsTable(author, AuthorRows, {0, 0, 251, 58});
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
  const int dpi = about->logicalDpiY();
  EXPECT_EQ(font.pixelSize(), -about::CAboutDlg::TitleFontHeight(dpi));
  // A child run names the resolution it set up; the offscreen default is 96.
  if (!qEnvironmentVariableIsEmpty("ABOUT_TEST_DPI")) {
    EXPECT_EQ(dpi, qEnvironmentVariableIntValue("ABOUT_TEST_DPI"));
  } else if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    EXPECT_EQ(dpi, 96);
    EXPECT_EQ(font.pixelSize(), 40);
  }
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_EQ(font.family(), about->font().family());
  QWidget* title = about->GetDlgItem(IdcAboutTitle);
  EXPECT_EQ(title->font(), font);
  // Only the title: the other texts keep the dialog font.
  for (const int id : {IdcAboutVersion, IdcAboutCopyright, IdcAboutNotice}) {
    EXPECT_FALSE(about->GetDlgItem(id)->font().bold()) << id;
    EXPECT_EQ(about->GetDlgItem(id)->font().pointSize(), 8) << id;
  }
}

TEST_F(AboutDialog, TitleIsGrownAboutItsCentreToTheFontsLineHeight) {
  const auto about = ShowAbout();
  QWidget* title = about->GetDlgItem(IdcAboutTitle);
  const DialogUnits units = DialogUnits::FromFont(about->font());
  const QRect placed = units.Rect({41, 10, 151, 13});
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
    EXPECT_EQ(title->font().pixelSize(), before.pixelSize());
    EXPECT_TRUE(title->font().bold() && title->font().italic());
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
  for (const int dpi : {72, 120, 144}) {
    SCOPED_TRACE(dpi);
    const QString config = dir.filePath(QStringLiteral("screen%1.json").arg(dpi));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1280,
        "height": 1024, "logicalDpi": %1, "logicalBaseDpi": 96}]})")
                   .arg(dpi)
                   .toUtf8());
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    // Unscaled, so the widgets see the screen's own resolution.
    env.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
    env.insert(QStringLiteral("ABOUT_TEST_DPI"), QString::number(dpi));
    const ChildRun run =
        RunSelf(QCoreApplication::applicationFilePath(),
                QStringLiteral("AboutDialog.TitleFontIsBoldItalicAtTheDialogsDpi"), env);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QStringLiteral("[  PASSED  ] 1 test")))
        << run.output.toStdString();
  }
}

// The module path has no length limit: the program run from a folder whose
// path is longer than 256 bytes still finds its own version information.
TEST(AboutChildRuns, TextsExpandedWhenRunFromAPathLongerThan256Bytes) {
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
