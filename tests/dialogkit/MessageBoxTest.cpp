// A box shows its text as it is: a long path is whole when copied from it,
// and wraps within the box, which stays on the screen.
#include "WindowWatcher.h"

#include "dialogkit/MessageBox.h"

#include <QClipboard>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace testing_ui {
namespace {

TEST(MessageBox, ALongPathIsCopiedWholeAndWrapsWithinTheScreen) {
  const QString path = QStringLiteral("/home/someone/") + QString(300, QLatin1Char('n')) + ".pdf";
  bool wrapped = false;
  const auto watch = WatchModal<QMessageBox>([&](QMessageBox& box) {
    auto* text = box.findChild<QTextEdit*>();
    ASSERT_TRUE(text != nullptr);
    text->selectAll();
    text->copy();
    wrapped = text->document()->idealWidth() <= text->viewport()->width() &&
              text->verticalScrollBar()->maximum() == 0 &&
              box.screen()->availableGeometry().contains(box.frameGeometry());
  });
  dialogkit::ShowMessageBox(nullptr, QMessageBox::Warning, QStringLiteral("Quillfen"),
                            "Not saved as\n" + path + "\n\nNo room left");
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(path));
  EXPECT_TRUE(wrapped) << "the box wraps the path within itself and the screen";
}

} // namespace
} // namespace testing_ui
