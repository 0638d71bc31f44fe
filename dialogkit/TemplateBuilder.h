// Creates a dialog's widgets from its template: one direct child per control,
// in template order (which is the tab order), placed in dialog units.
#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QHash>
#include <vector>

class QButtonGroup;
class QDialog;
class QIcon;
class QLabel;
class QWidget;

namespace dialogkit {

// The property every control with an identifier carries.
inline constexpr char ControlIdProperty[] = "controlId";

struct BuiltControls {
  DialogUnits units{};
  std::vector<QWidget*> ordered;         // template order
  QHash<int, QWidget*> byId;             // controls with an identifier
  QHash<int, QButtonGroup*> radioGroups; // keyed by the first button's id
  QWidget* Item(int id) const { return byId.value(id, nullptr); }
};

// Sets the dialog's font, caption and fixed size and creates its controls.
// Radio buttons form groups from a group-starting button up to the next
// control that starts a group; buttons get ids 0.. in template order.
BuiltControls BuildFromTemplate(QDialog& dialog, const DialogTemplate& tmpl, const QIcon& icon);

// Changes what a static control shows, and with it what a screen reader
// reads for it (the builder gave it the template's text).
void SetStaticText(QLabel& label, const QString& text);

// The program's icon in every size it ships.
QIcon ApplicationIcon();

// A caption with the window menu and the close box, no minimise or maximise
// box; every dialog of the program looks so.
void SetDialogFrame(QDialog& dialog);

// The dialog font a template asks for, with a sans-serif fallback.
class QFont TemplateFont(const DialogTemplate& tmpl);

} // namespace dialogkit
