// A box shows its text as it is: a long path is whole when copied from it,
// and wraps within the box, which stays on the screen.
#include "WindowWatcher.h"

#include "dialogkit/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace testing_ui {
namespace {

TEST(MessageBox, ALongPathIsCopiedWholeAndWrapsWithinTheScreen) {
  const QString path = QStringLiteral("/home/someone/") + QString(300, QLatin1Char('n')) + ".pdf";
  QString copied;
  bool wrapped = false;
  bool onScreen = false;
  const auto watch = WatchModal<QMessageBox>([&](QMessageBox& box) {
    auto* text = box.findChild<QTextEdit*>();
    ASSERT_TRUE(text != nullptr);
    text->selectAll();
    text->copy();
    copied = QGuiApplication::clipboard()->text();
    wrapped = text->document()->idealWidth() <= text->viewport()->width() &&
              text->verticalScrollBar()->maximum() == 0;
    onScreen = box.screen()->availableGeometry().contains(box.frameGeometry());
  });
  dialogkit::ShowMessageBox(nullptr, QMessageBox::Warning, QStringLiteral("Quillfen"),
                            "Not saved as\n" + path + "\n\nNo room left");
  ASSERT_EQ(watch->Count(), 1);
  EXPECT_TRUE(copied.contains(path)) << copied.toStdString();
  EXPECT_TRUE(wrapped);
  EXPECT_TRUE(onScreen);
}

} // namespace
} // namespace testing_ui
