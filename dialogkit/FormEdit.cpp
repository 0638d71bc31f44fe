#include "FormEdit.h"

#include <QFocusEvent>

namespace dialogkit {

FormEdit::FormEdit(QWidget* parent) : QLineEdit(parent) {}

void FormEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Entered from the keyboard, the edit selects all with the caret at the
  // end, which would scroll a long number to its last digits.
  const Qt::FocusReason reason = event->reason();
  const bool fromKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
  if (fromKeyboard && selectedText() == text())
    SelectWholeText(*this);
}

void ShowText(QLineEdit& edit, const QString& text) {
  edit.setText(text);
  edit.setCursorPosition(0);
}

void SelectWholeText(QLineEdit& edit) {
  const auto length = static_cast<int>(edit.text().size());
  edit.setSelection(length, -length);
}

} // namespace dialogkit
