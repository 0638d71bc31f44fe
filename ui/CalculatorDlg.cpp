#include "CalculatorDlg.h"

#include "CalculatorTemplate.h"
#include "StringTable.h"
#include "about/AboutDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QShowEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {

namespace {

// How long the dialog waits for the window system to give it back the
// activation after one of its boxes closed.
constexpr int ActivationWaitMs = 200;

} // namespace

CCalculatorDlg::CCalculatorDlg(QWidget* parent)
    : QDialog(parent), m_icon(ApplicationIcon()), m_aboutCommand([](QWidget* owner) {
        about::CAboutDlg about(owner);
        about.DoModal();
      }) {
  SetDialogFrame(*this);
}

CCalculatorDlg::~CCalculatorDlg() = default;

void CCalculatorDlg::Create() {
  if (!m_controls.ordered.empty())
    return;
  m_controls = BuildFromTemplate(*this, CalculatorTemplate, m_icon);
  ConnectHandlers();
  CreateCommands();
  OnInitDialog();
  FocusFirstTabStop();
}

int CCalculatorDlg::DoModal() {
  Create();
  return exec();
}

QLineEdit* CCalculatorDlg::Edit(int id) const { return qobject_cast<QLineEdit*>(GetDlgItem(id)); }

QComboBox* CCalculatorDlg::List(int id) const { return qobject_cast<QComboBox*>(GetDlgItem(id)); }

QButtonGroup* CCalculatorDlg::RadioGroup(int firstId) const {
  return m_controls.radioGroups.value(firstId, nullptr);
}

void CCalculatorDlg::RunOwnedModal(const std::function<void()>& run) {
  QPointer<QWidget> hadFocus = QApplication::focusWidget();
  if (hadFocus && hadFocus->window() != this)
    hadFocus = nullptr;
  if (!hadFocus)
    hadFocus = focusWidget();

  run();

  if (!isVisible())
    return;
  // Without a window manager nothing reactivates the dialog; do it here so
  // the focus, and with it every later leave, behaves the same everywhere.
  // A box raised while another box took the focus hands the activation back
  // to that box instead: giving the form its focus under an open box would
  // let the next box take it again and run leave handlers without end.
  // Whatever closing the box told the window system is settled first, and the
  // reactivation is awaited here: arriving later, inside the next box, it
  // would do just that.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QWidget* reactivate = this;
  if (QWidget* outer = QApplication::activeModalWidget(); outer != nullptr && outer != this)
    reactivate = outer;
  reactivate->activateWindow();
  const QDeadlineTimer deadline(ActivationWaitMs);
  while (!reactivate->isActiveWindow() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
  if (!reactivate->isActiveWindow()) {
    // A window manager may refuse; the dialog still behaves as the active one.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(reactivate);
    QT_WARNING_POP
  }
  if (reactivate != this)
    return;
  if (hadFocus && hadFocus->isEnabled() && !hadFocus->hasFocus())
    hadFocus->setFocus(Qt::ActiveWindowFocusReason);
}

void CCalculatorDlg::MessageBox(const QString& text, const QString& caption,
                                QMessageBox::Icon icon) {
  RunOwnedModal([&] {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, this);
    box.exec();
  });
}

void CCalculatorDlg::ShowWarning(std::string_view text) {
  MessageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), m_strMsgCaption,
             QMessageBox::Warning);
}

void CCalculatorDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The program's only window asks for the keyboard when it appears; a
  // desktop without a window manager would otherwise leave it inactive.
  if (!event->spontaneous())
    activateWindow();
}

bool CCalculatorDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    m_holdingFocus.insert(watched);
  } else if (event->type() == QEvent::FocusOut) {
    const auto* focusEvent = static_cast<QFocusEvent*>(event);
    // Opening a list's own popup is not leaving it.
    if (focusEvent->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget())
      return false;
    // A FocusOut without a FocusIn before it is not a real loss of focus.
    if (!m_holdingFocus.remove(watched))
      return false;
    // Let the control finish its own focus handling before the rule runs.
    static_cast<QObject*>(watched)->event(event);
    // Once the exit has begun, hiding the window must not run rules (and
    // report a bad field again) on a form that is already saved.
    // A control cannot lose the focus again while its own leave handler runs
    // (the boxes it raises keep the form's focus until they close); a nested
    // loss here is a box activation passing through, not the user leaving.
    const int id = watched->property(ControlIdProperty).toInt();
    if (m_exchangeDepth == 0 && !m_closing && !m_leaving.contains(id)) {
      m_leaving.insert(id);
      OnLeave(id);
      m_leaving.remove(id);
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
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
  // Select all with the caret at the end, which also scrolls it into view.
  edit->selectAll();
}

void CCalculatorDlg::OnSysCommand(unsigned commandId) {
  if ((commandId & 0xFFF0u) == AboutCommandId)
    OnAbout();
}

void CCalculatorDlg::AddAboutMenuItem() {
#ifdef Q_OS_WIN
  const std::wstring item =
      QString::fromUtf8(IdsAboutItem.data(), static_cast<qsizetype>(IdsAboutItem.size()))
          .toStdWString();
  if (item.empty())
    return;
  HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  if (menu != nullptr) {
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, AboutCommandId, item.c_str());
  }
#endif
}

#ifdef Q_OS_WIN
bool CCalculatorDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const auto* msg = static_cast<MSG*>(message);
  if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == AboutCommandId) {
    OnSysCommand(static_cast<unsigned>(msg->wParam));
    *result = 0;
    return true;
  }
  return QDialog::nativeEvent(eventType, message, result);
}
#endif

} // namespace ui
