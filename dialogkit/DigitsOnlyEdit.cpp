#include "DigitsOnlyEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <memory>

namespace dialogkit {

DigitsOnlyEdit::DigitsOnlyEdit(QWidget* parent) : FormEdit(parent) {}

bool DigitsOnlyEdit::IsDigits(const QString& text) {
  for (const QChar c : text) {
    if (c < u'0' || c > u'9')
      return false;
  }
  return true;
}

void DigitsOnlyEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteDigits();
    event->accept();
    return;
  }
  const QString text = event->text();
  // Printable input only; editing and navigation keys carry control text.
  if (!text.isEmpty() && text.at(0).isPrint() && !IsDigits(text)) {
    QApplication::beep();
    event->accept();
    return;
  }
  FormEdit::keyPressEvent(event);
}

void DigitsOnlyEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!IsDigits(event->commitString())) {
    event->accept();
    return;
  }
  FormEdit::inputMethodEvent(event);
}

void DigitsOnlyEdit::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu());
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste")) {
      action->disconnect();
      connect(action, &QAction::triggered, this, &DigitsOnlyEdit::PasteDigits);
    }
  }
  menu->exec(event->globalPos());
}

void DigitsOnlyEdit::mouseReleaseEvent(QMouseEvent* event) {
  // X11 pastes the selection on a middle click.
  if (event->button() == Qt::MiddleButton) {
    const QString text = QApplication::clipboard()->text(QClipboard::Selection);
    if (!isReadOnly() && IsDigits(text))
      insert(text);
    event->accept();
    return;
  }
  FormEdit::mouseReleaseEvent(event);
}

void DigitsOnlyEdit::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText() || !IsDigits(event->mimeData()->text())) {
    event->ignore();
    return;
  }
  FormEdit::dropEvent(event);
}

void DigitsOnlyEdit::PasteDigits() {
  const QString text = QApplication::clipboard()->text();
  if (isReadOnly())
    return;
  if (!IsDigits(text)) {
    QApplication::beep();
    return;
  }
  insert(text);
}

} // namespace dialogkit
