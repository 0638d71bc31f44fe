#include "DialogFixture.h"

#include "StoreText.h"

#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUuid>

namespace testing_ui {

void StoreFixture::SetUp() {
  m_dir = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(m_dir->isValid());
  // A store of the test's own, never the user's.
#ifdef Q_OS_WIN
  m_root = QStringLiteral("HKEY_CURRENT_USER\\Software\\Quillfen tests\\") +
           QUuid::createUuid().toString(QUuid::WithoutBraces);
#else
  m_root = m_dir->path();
#endif
  settings::SetStoreRoot(m_root);
  QApplication::setOrganizationName(QStringLiteral("Orrelby"));
  QApplication::setApplicationName(QStringLiteral("Tamsik"));
}

void StoreFixture::TearDown() {
  settings::SetStoreRoot({});
#ifdef Q_OS_WIN
  DeleteRegistryKey(m_root);
#endif
  WidgetFixture::TearDown();
}

QString StoreFixture::StorePath() const { return settings::StoreLocation(); }

void StoreFixture::WriteStore(const QByteArray& iniText) const {
#ifdef Q_OS_WIN
  WriteRegistryFromIni(StorePath(), iniText);
#else
  QDir().mkpath(m_dir->path() + QStringLiteral("/Orrelby"));
  QFile file(StorePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(iniText);
#endif
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
