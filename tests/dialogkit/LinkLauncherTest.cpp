// How a link is judged opened: the shell's rule on every platform, and on
// Windows the real shell refusing a link no program takes.
#include "BoxAnswers.h"

#include "dialogkit/Desktop.h"
#include "dialogkit/LinkLauncher.h"

#include <QDialog>
#include <QUrl>
#include <gtest/gtest.h>

namespace testing_ui {
namespace {

TEST(ShellOpened, OnlyAResultAbove32IsSuccess) {
  EXPECT_FALSE(dialogkit::ShellOpened(0));
  EXPECT_FALSE(dialogkit::ShellOpened(32));
  EXPECT_TRUE(dialogkit::ShellOpened(33));
}

#ifdef Q_OS_WIN
TEST(ShellOpen, ALinkNoProgramTakesFailsWithTheStopBoxOverItsOwner) {
  BoxAnswers boxes;
  dialogkit::SetLinkLauncher(nullptr);
  QDialog owner;
  dialogkit::OpenLink(&owner, QUrl(QStringLiteral("quillfen-no-such-scheme:nothing")),
                      QStringLiteral("Unable to start web browser"), QStringLiteral("Quillfen"));
  const std::vector<SeenBox> seen = boxes.Take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], (SeenBox{QStringLiteral("Unable to start web browser"),
                              QStringLiteral("Quillfen"), QMessageBox::Critical}));
  EXPECT_EQ(seen[0].owner, &owner);
}
#endif

} // namespace
} // namespace testing_ui
