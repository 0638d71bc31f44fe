// The link buttons of the About and author dialogs, what a failed launch
// shows, and the author dialog opened from the About dialog.
#include "AboutTestSupport.h"

#include <QDesktopServices>
#include <QPushButton>

namespace about_test {
namespace {

using namespace about;
namespace data = version::data;

enum class Owner { About, Author };

struct Link {
  const char* name;
  Owner dialog;
  int button;
  std::string_view url;
  const char* failure;
};

constexpr Link Links[] = {
    {"web site", Owner::About, IdcWebSite, data::DistributorWebUrl, "Unable to start web browser"},
    {"distributor e-mail", Owner::About, IdcEmailDistributor, data::DistributorMailUrl,
     "Unable to start Email client"},
    {"author e-mail", Owner::Author, IdcEmailAuthor, data::AuthorMailUrl,
     "Unable to start Email client"},
};

class AboutLinks : public AboutFixture {
protected:
  // The dialog a link belongs to, shown and active.
  std::unique_ptr<dialogkit::TemplateDialog> Show(Owner owner) {
    if (owner == Owner::About)
      return ShowAbout();
    auto author = std::make_unique<about::CAuthorInfoDlg>(Q(data::AuthorCredit), MakerTitle());
    ShowActive(*author);
    return author;
  }
  static QString MakerTitle() { return QStringLiteral("About ") + Q(data::MakerName); }
};

// The dialogs tell the user the same distributor the buttons lead to (the
// addresses themselves are held to their form with the version table).
TEST_F(AboutLinks, NoticeAndButtonsNameTheDistributorTheLinksReach) {
  const auto about = ShowAbout();
  EXPECT_TRUE(TextsOf(*about).notice.contains(QUrl(Q(data::DistributorMailUrl)).path()));
  for (const Link& link : Links) {
    if (link.dialog == Owner::About) {
      EXPECT_TRUE(static_cast<QPushButton*>(about->GetDlgItem(link.button))
                      ->text()
                      .contains(Q(data::DistributorName)))
          << link.name;
    }
  }
}

TEST_F(AboutLinks, FailedLaunchShowsStopBoxWithProductCaptionAndDialogStaysOpen) {
  m_linkOpens = false;
  for (const Link& link : Links) {
    SCOPED_TRACE(link.name);
    const auto dialog = Show(link.dialog);
    bool openUnderBox = false;
    m_boxes.OnBox([&](const testing_ui::SeenBox&) { openUnderBox = dialog->isVisible(); });
    m_links.clear();
    // Twice: the first failure leaves the button working.
    for (int press = 1; press <= 2; ++press) {
      Press(dialog->GetDlgItem(link.button));
      const std::vector<testing_ui::SeenBox> boxes = m_boxes.Take();
      ASSERT_EQ(boxes.size(), 1u) << "press " << press;
      EXPECT_EQ(boxes[0], (testing_ui::SeenBox{QString::fromUtf8(link.failure),
                                               QStringLiteral("Quillfen"), QMessageBox::Critical}));
      EXPECT_EQ(boxes[0].owner, dialog.get());
      EXPECT_TRUE(openUnderBox);
      EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(m_links, (std::vector<QUrl>(2, QUrl(Q(link.url)))));
    m_boxes.OnBox({});
  }
}

TEST_F(AboutLinks, SuccessfulLaunchShowsNothingAndDialogStaysOpen) {
  m_linkOpens = true;
  for (const Link& link : Links) {
    SCOPED_TRACE(link.name);
    const auto dialog = Show(link.dialog);
    m_links.clear();
    Press(dialog->GetDlgItem(link.button));
    EXPECT_EQ(m_links, std::vector<QUrl>{QUrl(Q(link.url))});
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(dialog->isVisible());
  }
}

// Without a launcher of the test's, the links go to the desktop; a handler
// registered there receives each one, and opening succeeds.
TEST_F(AboutLinks, DesktopReceivesEachLinkWhenNoLauncherIsSet) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "on Windows the links go through the shell, not Qt's desktop services";
#endif
  dialogkit::SetLinkLauncher(nullptr);
  UrlRecorder desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "Open");
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &desktop, "Open");
  std::vector<QUrl> expected;
  for (const Link& link : Links) {
    SCOPED_TRACE(link.name);
    const auto dialog = Show(link.dialog);
    Press(dialog->GetDlgItem(link.button));
    expected.emplace_back(Q(link.url));
    EXPECT_TRUE(dialog->isVisible());
  }
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  EXPECT_EQ(desktop.Urls, expected);
  EXPECT_EQ(m_boxes.Count(), 0u);
  EXPECT_TRUE(m_links.empty());
}

TEST_F(AboutLinks, AuthorInfoOpensModallyOverTheAboutDialogWithCaptionAndCredit) {
  const auto about = ShowAbout();
  struct Seen {
    QString caption, text;
    Qt::Alignment alignment;
    QWidget* parent = nullptr;
    bool modal = false, aboutShown = false, okFocused = false;
  } seen;
  const auto watcher =
      testing_ui::WatchModal<about::CAuthorInfoDlg>([&](about::CAuthorInfoDlg& author) {
        seen.caption = author.windowTitle();
        auto* text = static_cast<QLabel*>(author.GetDlgItem(IdcAuthorText));
        seen.text = text->text();
        seen.alignment = text->alignment();
        seen.parent = author.parentWidget();
        seen.modal = author.isModal();
        seen.aboutShown = about->isVisible();
        seen.okFocused = QApplication::focusWidget() == author.GetDlgItem(IdOk);
        Press(author.GetDlgItem(IdOk));
      });
  Press(about->GetDlgItem(IdcAuthorInfo));
  ASSERT_EQ(watcher->Count(), 1);
  EXPECT_EQ(seen.caption, MakerTitle());
  EXPECT_EQ(seen.text, Q(data::AuthorCredit));
  EXPECT_TRUE(seen.alignment & Qt::AlignHCenter);
  EXPECT_EQ(seen.parent, about.get());
  EXPECT_TRUE(seen.modal);
  EXPECT_TRUE(seen.aboutShown);
  EXPECT_TRUE(seen.okFocused);

  // Five lines: the credit, the maker, a blank, the invitation, the address.
  const QStringList lines = seen.text.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 5) << seen.text.toStdString();
  EXPECT_TRUE(lines[0].contains(Q(data::AuthorName)));
  EXPECT_EQ(lines[1], Q(data::MakerName));
  EXPECT_TRUE(lines[2].isEmpty());
  EXPECT_FALSE(lines[3].isEmpty());
  EXPECT_EQ(QStringLiteral("mailto:") + lines[4], Q(data::AuthorMailUrl));

  // The About dialog takes the keyboard again, on the button that opened the
  // box, without a window manager to hand it back; Esc closes it.
  EXPECT_TRUE(about->isActiveWindow());
  EXPECT_EQ(QApplication::focusWidget(), about->GetDlgItem(IdcAuthorInfo));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  Settle();
  EXPECT_FALSE(about->isVisible());
  EXPECT_EQ(about->result(), QDialog::Rejected);
}

} // namespace
} // namespace about_test
