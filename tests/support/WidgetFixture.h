// The base of every widget-test fixture: message boxes answered through the
// seam and recorded, queued events run on request, dialogs shown active and
// buttons pressed as a user does; a box the test did not take fails it.
#pragma once

#include "BoxAnswers.h"

#include "dialogkit/TemplateDialog.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace testing_ui {

class WidgetFixture : public ::testing::Test {
protected:
  void TearDown() override {
    m_boxes.OnBox({}); // a hook may refer to the test's locals
    FailOnBoxes(m_boxes.Take());
  }

  // Lets queued events run.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  // Creates, shows and activates a dialog (not modal: the test drives it).
  static void ShowActive(dialogkit::TemplateDialog& dialog) {
    dialog.Create();
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Settle();
  }
  // A click on the widget's centre, which moves the focus as a user's does.
  static void Press(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
  }
  static void FailOnBoxes(const std::vector<SeenBox>& boxes) {
    for (const SeenBox& box : boxes)
      ADD_FAILURE() << "unexpected message box: " << box.caption.toStdString() << ": "
                    << box.text.toStdString();
  }

  BoxAnswers m_boxes;
};

} // namespace testing_ui
