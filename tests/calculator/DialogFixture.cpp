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
  m_boxes.Take();
}

void StoreFixture::TearDown() {
  settings::SetStoreRoot({});
  const std::vector<SeenBox> left = m_boxes.Take();
  for (const SeenBox& box : left)
    ADD_FAILURE() << "unexpected message box: " << box.caption.toStdString() << ": "
                  << box.text.toStdString();
}

QString StoreFixture::StorePath() const { return settings::StoreLocation(); }

void StoreFixture::WriteStore(const QByteArray& iniText) const {
  QDir().mkpath(m_dir->path() + QStringLiteral("/Orrelby"));
  QFile file(StorePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(iniText);
}

void DialogFixture::SetUp() { StoreFixture::SetUp(); }

void DialogFixture::TearDown() {
  // Boxes the test left unconsumed are reported; hiding the window makes the
  // focused edit leave, and what that shows is not the test's doing.
  std::vector<SeenBox> left = m_boxes.Take();
  if (m_dlg) {
    m_dlg->hide();
    m_dlg.reset();
  }
  Settle();
  m_boxes.Take();
  for (const SeenBox& box : left)
    ADD_FAILURE() << "unexpected message box: " << box.caption.toStdString() << ": "
                  << box.text.toStdString();
  StoreFixture::TearDown();
}

void DialogFixture::StartDialog() {
  m_dlg = std::make_unique<calculator::CCalculatorDlg>();
  m_dlg->Create();
  m_dlg->show();
  m_dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
  Settle();
}

bool DialogFixture::HasFocus(int id) const { return QApplication::focusWidget() == Item(id); }

void DialogFixture::Click(int id) {
  QWidget* w = Item(id);
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  Settle();
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

void DialogFixture::FocusOn(int id) {
  Item(id)->setFocus(Qt::MouseFocusReason);
  Settle();
}

void DialogFixture::Settle() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

} // namespace testing_ui
