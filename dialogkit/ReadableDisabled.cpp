#include "ReadableDisabled.h"

#include "Contrast.h"

#include <QEvent>
#include <QWidget>

namespace dialogkit {

namespace {

// Edits draw their text on Base, lists on Button or Base depending on the
// style: each text role is held to its own background.
constexpr std::pair<QPalette::ColorRole, QPalette::ColorRole> TextOn[] = {
    {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button},
};

void Adjust(QWidget& control) {
  QPalette shown = control.palette();
  bool changed = false;
  for (const auto& [text, background] : TextOn) {
    const QColor readable =
        ReadableOn(shown.color(QPalette::Disabled, background),
                   shown.color(QPalette::Disabled, text), shown.color(QPalette::Active, text));
    if (readable != shown.color(QPalette::Disabled, text)) {
      shown.setColor(QPalette::Disabled, text, readable);
      changed = true;
    }
  }
  if (changed)
    control.setPalette(shown);
}

class Keeper : public QObject {
public:
  explicit Keeper(QWidget& control) : QObject(&control) {
    Adjust(control);
    control.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    // Setting the palette sends a palette change of its own.
    if (!m_adjusting && (type == QEvent::PaletteChange || type == QEvent::StyleChange)) {
      m_adjusting = true;
      Adjust(*static_cast<QWidget*>(watched));
      m_adjusting = false;
    }
    return QObject::eventFilter(watched, event);
  }

private:
  bool m_adjusting = false;
};

} // namespace

void KeepDisabledTextReadable(QWidget& control) { new Keeper(control); }

} // namespace dialogkit
