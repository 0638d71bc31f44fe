#include "CalculatorDlg.h"
#include "dialogkit/Text.h"

#include "CalculatorTemplate.h"
#include "StringTable.h"
#include "about/AboutDlg.h"
#include "dialogkit/Desktop.h"
#include "dialogkit/FormEdit.h"
#include "dialogkit/MessageBox.h"
#include "dialogkit/OwnedModal.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QShowEvent>

namespace calculator {

CCalculatorDlg::CCalculatorDlg(QWidget* parent)
    : TemplateDialog(CalculatorTemplate, dialogkit::ApplicationIcon(), parent),
      m_aboutCommand([](QWidget* owner) {
        about::CAboutDlg about(owner);
        about.DoModal();
      }) {}

CCalculatorDlg::~CCalculatorDlg() = default;

void CCalculatorDlg::OnCreate() {
  ConnectHandlers();
  CreateCommands();
  OnInitDialog();
  FocusFirstTabStop();
}

QLineEdit* CCalculatorDlg::Edit(int id) const { return qobject_cast<QLineEdit*>(GetDlgItem(id)); }

QComboBox* CCalculatorDlg::List(int id) const { return qobject_cast<QComboBox*>(GetDlgItem(id)); }

QButtonGroup* CCalculatorDlg::RadioGroup(int firstId) const {
  return Controls().radioGroups.value(firstId, nullptr);
}

void CCalculatorDlg::RunOwnedModal(const std::function<void()>& run) {
  dialogkit::RunOwnedModal(*this, run);
}

void CCalculatorDlg::RunOnFinishedEntry(const std::function<void()>& command) {
  QPointer<QWidget> entry = QApplication::focusWidget();
  if (entry == nullptr || entry->window() != this)
    entry = focusWidget();
  // The entry leaves before the command opens anything, rather than as a
  // window it opens takes the focus.
  setFocus(Qt::OtherFocusReason);
  // A rejected entry: the focus is where the leave's report put it, as after
  // Tab. Given back to the field it left, it would make the field it is in
  // now leave too, and report again.
  if (const QWidget* focused = QApplication::focusWidget();
      focused != nullptr && focused != this && focused->window() == this)
    return;
  RunOwnedModal(command);
  // The form held the focus while the command ran; the field gets it back,
  // unless the command left the focus elsewhere.
  if (entry != nullptr && entry->isEnabled() && QApplication::focusWidget() == this)
    entry->setFocus(Qt::ActiveWindowFocusReason);
}

void CCalculatorDlg::MessageBox(const QString& text, const QString& caption,
                                QMessageBox::Icon icon) {
  RunOwnedModal([&] { dialogkit::ShowMessageBox(this, icon, caption, text); });
}

void CCalculatorDlg::ShowWarning(std::string_view text) {
  MessageBox(dialogkit::ToQString(text), m_strMsgCaption, QMessageBox::Warning);
}

void CCalculatorDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The program's only window asks for the keyboard when it appears; a
  // desktop without a window manager would otherwise leave it inactive.
  if (!event->spontaneous())
    activateWindow();
}

void CCalculatorDlg::Enable(int controlId, bool enable) {
  if (QWidget* w = GetDlgItem(controlId))
    w->setEnabled(enable);
}

void CCalculatorDlg::Focus(int controlId) {
  QLineEdit* edit = Edit(controlId);
  if (edit == nullptr)
    return;
  edit->setFocus(Qt::OtherFocusReason);
  // All of it selected, ready to be typed over, and read from its first digit.
  dialogkit::SelectWholeText(*edit);
}

void CCalculatorDlg::OnSysCommand(unsigned commandId) {
  if ((commandId & dialogkit::SystemCommandMask) == AboutCommandId)
    OnAbout();
}

void CCalculatorDlg::AddAboutMenuItem() {
  dialogkit::AppendSystemMenuItem(*this, AboutCommandId, dialogkit::ToQString(IdsAboutItem));
}

bool CCalculatorDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  // Only the About item is the program's; every other command keeps its default.
  const std::optional<unsigned> command = dialogkit::SystemCommandOf(eventType, message);
  if (command && (*command & dialogkit::SystemCommandMask) == AboutCommandId) {
    OnSysCommand(*command);
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}

} // namespace calculator
