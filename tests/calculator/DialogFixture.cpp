#include "DialogFixture.h"

#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace testing_ui {

void StoreFixture::SetUp() {
  m_dir = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(m_dir->isValid());
  // A store of the test's own, never the user's.
  settings::SetStoreRoot(m_dir->path());
  QApplication::setOrganizationName(QStringLiteral("Orrelby"));
  QApplication::setApplicationName(QStringLiteral("Tamsik"));
}

void StoreFixture::TearDown() {
  settings::SetStoreRoot({});
  WidgetFixture::TearDown();
}

QString StoreFixture::StorePath() const { return settings::StoreLocation(); }

void StoreFixture::WriteStore(const QByteArray& iniText) const {
  QDir().mkpath(m_dir->path() + QStringLiteral("/Orrelby"));
  QFile file(StorePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(iniText);
}

void DialogFixture::TearDown() {
  // A hook may refer to the test's locals. Hiding the window makes the
  // focused edit leave, and what that shows is not the test's doing.
  m_boxes.OnBox({});
  const std::vector<SeenBox> left = m_boxes.Take();
  if (m_dlg) {
    m_dlg->hide();
    m_dlg.reset();
  }
  Settle();
  m_boxes.Take();
  FailOnBoxes(left);
  StoreFixture::TearDown();
}

void DialogFixture::TypeInto(int id, const QString& text, bool raw) {
  QLineEdit* edit = EditOf(id);
  edit->setFocus(Qt::MouseFocusReason);
  Settle();
  edit->selectAll();
  if (raw)
    edit->insert(text);
  else
    QTest::keyClicks(edit, text);
}

} // namespace testing_ui
