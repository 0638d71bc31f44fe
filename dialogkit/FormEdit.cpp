#include "FormEdit.h"

#include "Contrast.h"

#include <QEvent>

namespace dialogkit {

FormEdit::FormEdit(QWidget* parent) : QLineEdit(parent) { KeepDisabledTextReadable(); }

void FormEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
    KeepDisabledTextReadable();
}

void FormEdit::KeepDisabledTextReadable() {
  // Setting the palette sends a palette change of its own.
  if (m_adjusting)
    return;
  m_adjusting = true;
  QPalette shown = palette();
  const QColor text = ReadableOn(shown.color(QPalette::Disabled, QPalette::Base),
                                 shown.color(QPalette::Disabled, QPalette::Text),
                                 shown.color(QPalette::Active, QPalette::Text));
  if (text != shown.color(QPalette::Disabled, QPalette::Text)) {
    shown.setColor(QPalette::Disabled, QPalette::Text, text);
    setPalette(shown);
  }
  m_adjusting = false;
}

} // namespace dialogkit
