// What a screen reader reads for a text is the text drawn: the About texts
// after their expansion and the author box.
#include "AboutTestSupport.h"

#include "dialogkit/TemplateBuilder.h"

#include <QAccessible>

namespace about_test {
namespace {

// Checks every label that shows a text; returns how many there were.
int ExpectLabelsReadAsDrawn(const QWidget& dialog) {
  int labels = 0;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().isEmpty())
      continue; // the icon
    ++labels;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ((accessible ? accessible->text(QAccessible::Name) : QString()).toStdString(),
              label->text().toStdString())
        << "control " << label->property(dialogkit::ControlIdProperty).toInt();
  }
  return labels;
}

class AccessibleText : public AboutFixture {};

TEST_F(AccessibleText, AboutAndAuthorTextsAreReadAsShown) {
  KeyedSource own;
  own.Values = {{"FileDescription", "Desc"}, {"LegalCopyright", "Copy\r\nRights"}};
  KeyedSource none;
  none.Size = 0; // the templates show as they are
  const version::VersionSource* sources[] = {nullptr, &own, &none};
  for (const version::VersionSource* source : sources) {
    const auto about = ShowAbout(source);
    EXPECT_EQ(ExpectLabelsReadAsDrawn(*about), 4);
  }
  about::CAuthorInfoDlg author(QStringLiteral("Programming by A\nB & C"), QStringLiteral("t"));
  author.Create();
  EXPECT_EQ(ExpectLabelsReadAsDrawn(author), 1);
}

} // namespace
} // namespace about_test
