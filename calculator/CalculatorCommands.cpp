// The commands beyond the form: About (on desktops without a window menu of
// the program's own) and the commands that take results away, on the
// window's context menu and on their own shortcuts.
#include "CalculatorDlg.h"
#include "StringTable.h"
#include "dialogkit/Text.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace calculator {

QAction* CCalculatorDlg::AddCommand(std::string_view caption, const QKeySequence& shortcut,
                                    void (CCalculatorDlg::*handler)()) {
  auto* action = new QAction(dialogkit::ToQString(caption), this);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, handler);
  // Added to the window so the shortcut works wherever the focus is in it.
  addAction(action);
  m_commands.push_back(action);
  return action;
}

void CCalculatorDlg::CreateCommands() {
  AddCommand(IdsCopyResults, Qt::CTRL | Qt::SHIFT | Qt::Key_C, &CCalculatorDlg::OnCopyResults);
  AddCommand(IdsSaveReport, Qt::CTRL | Qt::Key_S, &CCalculatorDlg::OnSaveReport);
  // Ctrl+W closes windows on many desktops; the form itself takes no Ctrl keys.
  AddCommand(IdsSizeConductors, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
             &CCalculatorDlg::OnSizeConductors);
}

void CCalculatorDlg::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
#ifndef Q_OS_WIN
  // Windows has the About item on the window menu; elsewhere it is here.
  if (!IdsAboutItem.empty()) {
    QAction* about = menu.addAction(dialogkit::ToQString(IdsAboutItem));
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(AboutCommandId); });
  }
#endif
  if (!menu.isEmpty() && !m_commands.empty())
    menu.addSeparator();
  for (QAction* command : m_commands)
    menu.addAction(command);
  if (menu.isEmpty()) {
    event->ignore();
    return;
  }
  menu.exec(event->globalPos());
}

} // namespace calculator
