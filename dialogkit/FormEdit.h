// An edit of a form. A number too long for its box is read from its first
// digit, as a native edit shows it: seen from its end it reads as another
// number. So the text the program writes, and the whole text Tab selects,
// show from the first character; what the user is typing scrolls as usual.
#pragma once

#include <QLineEdit>

namespace dialogkit {

class FormEdit : public QLineEdit {
public:
  explicit FormEdit(QWidget* parent = nullptr);

protected:
  void focusInEvent(QFocusEvent* event) override;
};

// Replaces the edit's text with `text`, caret before the first character and
// nothing selected, as a native edit takes a new text.
void ShowText(QLineEdit& edit, const QString& text);

// Selects the whole text with the caret at its start, so the first character
// stays in view while all of it is selected.
void SelectWholeText(QLineEdit& edit);

} // namespace dialogkit
