// A shown, active calculator dialog on the offscreen platform, with its store
// redirected to a fresh folder for every test and message boxes answered
// without opening.
#pragma once

#include "WidgetFixture.h"

#include "calculator/CalculatorDlg.h"
#include "calculator/CalculatorTemplate.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testing_ui {

class StoreFixture : public WidgetFixture {
protected:
  void SetUp() override;
  void TearDown() override;
  // The store the dialog reads and writes, for the current app name: a file
  // on Linux, a registry key on Windows (StoreText.h reads both).
  QString StorePath() const;
  // Writes raw INI text as the store, before the dialog starts; on Windows
  // as the registry values it stands for.
  void WriteStore(const QByteArray& iniText) const;

  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_root; // under which the store lives
};

class DialogFixture : public StoreFixture {
protected:
  void TearDown() override;

  // Creates, initialises, shows and activates the dialog.
  void StartDialog() {
    m_dlg = std::make_unique<calculator::CCalculatorDlg>();
    ShowActive(*m_dlg);
  }

  calculator::CCalculatorDlg& Dlg() { return *m_dlg; }
  const engine::CalcState& State() { return m_dlg->State(); }
  QWidget* Item(int id) const { return m_dlg->GetDlgItem(id); }
  QLineEdit* EditOf(int id) const { return qobject_cast<QLineEdit*>(Item(id)); }
  QComboBox* ListOf(int id) const { return qobject_cast<QComboBox*>(Item(id)); }
  QAbstractButton* ButtonOf(int id) const { return qobject_cast<QAbstractButton*>(Item(id)); }
  QString Text(int id) const { return EditOf(id)->text(); }
  bool Checked(int id) const { return ButtonOf(id)->isChecked(); }
  bool Enabled(int id) const { return Item(id)->isEnabled(); }
  bool HasFocus(int id) const { return QApplication::focusWidget() == Item(id); }

  // A mouse click, which moves the focus as a user's click does.
  void Click(int id) { Press(Item(id)); }
  // Focuses the edit, selects all and types the text (bypassing the
  // digits-only filter when `raw` is set, as a paste of the program's own
  // output would not be possible otherwise).
  void TypeInto(int id, const QString& text, bool raw = false);
  // Moves the focus to another control, which runs the edit's leave handler.
  void FocusOn(int id) {
    Item(id)->setFocus(Qt::MouseFocusReason);
    Settle();
  }

  std::unique_ptr<calculator::CCalculatorDlg> m_dlg;
};

} // namespace testing_ui
