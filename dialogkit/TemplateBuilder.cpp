#include "TemplateBuilder.h"
#include "dialogkit/Text.h"

#include "DigitsOnlyEdit.h"
#include "FittedButton.h"
#include "FormEdit.h"
#include "PushLikeRadio.h"
#include "ReadableDisabled.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

namespace dialogkit {

namespace {

QString AccessibleName(const ControlSpec& control) {
  // A text is read as drawn (a label shows '&' as itself); its role, if any,
  // goes to the description.
  if (control.kind == ControlKind::Static)
    return ToQString(control.caption);
  QString name = ToQString(control.role.empty() ? control.caption : control.role);
  return name.remove(QLatin1Char('&'));
}

Qt::Alignment TextAlignment(ControlStyle style) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (style & StyleAlignRight)
    horizontal = Qt::AlignRight;
  else if (style & StyleCenter)
    horizontal = Qt::AlignHCenter;
  return horizontal | ((style & StyleVCenter) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* CreateControl(QDialog& dialog, const ControlSpec& control, const DialogUnits& units,
                       const QIcon& icon) {
  const QString caption = ToQString(control.caption);
  const QRect rect = units.Rect(control.rect);
  switch (control.kind) {
  case ControlKind::PushLikeRadio: {
    auto* button = new PushLikeRadio(caption, &dialog);
    button->setCheckable(true);
    // Enter goes to the default button, as for any radio button.
    button->setAutoDefault(false);
    return button;
  }
  case ControlKind::Radio:
    return new QRadioButton(caption, &dialog);
  case ControlKind::Edit: {
    QLineEdit* edit =
        (control.style & StyleDigitsOnly) ? new DigitsOnlyEdit(&dialog) : new FormEdit(&dialog);
    KeepDisabledTextReadable(*edit);
    edit->setFrame((control.style & StyleBorder) != 0);
    return edit;
  }
  case ControlKind::DropDownList: {
    auto* list = new QComboBox(&dialog);
    list->setEditable(false);
    KeepDisabledTextReadable(*list);
    return list;
  }
  case ControlKind::PushButton:
  case ControlKind::DefaultPushButton: {
    auto* button = new FittedButton(caption, &dialog);
    button->setAutoDefault(true);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    return button;
  }
  case ControlKind::GroupBox: {
    auto* box = new QGroupBox(caption, &dialog);
    if (control.style & StyleFramed)
      box->setFlat(false);
    return box;
  }
  case ControlKind::Static: {
    auto* label = new QLabel(caption, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(control.style));
    label->setWordWrap(rect.height() >= 2 * units.baseY);
    if (control.style & StyleSunken)
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
  }
  case ControlKind::Icon: {
    auto* label = new QLabel(&dialog);
    const int side = std::min(rect.width(), rect.height());
    label->setPixmap(icon.pixmap(side, side));
    return label;
  }
  }
  return nullptr;
}

void TakeTabStop(QAbstractButton& button, bool tabStop) {
  const Qt::FocusPolicy policy = button.focusPolicy();
  button.setFocusPolicy(tabStop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                : Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

// Tab enters a radio group on its checked button, however it got checked:
// Qt moves the group's tab stop only when a button takes the focus, so one
// checked by the program would otherwise leave Tab on another.
void KeepTabStopOnChecked(QButtonGroup& group) {
  QObject::connect(&group, &QButtonGroup::buttonToggled, &group,
                   [&group](QAbstractButton* checked, bool on) {
                     if (!on)
                       return;
                     for (QAbstractButton* button : group.buttons())
                       TakeTabStop(*button, button == checked);
                   });
}

void Place(QWidget& widget, const ControlSpec& control, const DialogUnits& units) {
  QRect rect = units.Rect(control.rect);
  if (control.kind == ControlKind::DropDownList) {
    // The template height includes the dropped list; the closed box is one
    // line high and the list shows as many items as that height allows.
    auto& list = static_cast<QComboBox&>(widget);
    const int closed = std::min(rect.height(), list.sizeHint().height());
    const int lineHeight = std::max(1, list.fontMetrics().height());
    list.setMaxVisibleItems(std::max(1, (rect.height() - closed) / lineHeight));
    rect.setHeight(closed);
  }
  widget.setGeometry(rect);
  if (auto* button = dynamic_cast<FittedButton*>(&widget))
    button->FitCaption();
}

} // namespace

QIcon ApplicationIcon() {
  // Every PNG the program compiled in under :/icons, each at its own size.
  QIcon icon;
  const QDir folder(QStringLiteral(":/icons"), QStringLiteral("*.png"));
  for (const QString& name : folder.entryList(QDir::Files))
    icon.addFile(folder.filePath(name));
  return icon;
}

void SetStaticText(QLabel& label, const QString& text) {
  label.setText(text);
  label.setAccessibleName(text);
}

void SetDialogFrame(QDialog& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QFont TemplateFont(const DialogTemplate& tmpl) {
  QFont font(ToQString(tmpl.fontFace), tmpl.pointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

BuiltControls BuildFromTemplate(QDialog& dialog, const DialogTemplate& tmpl, const QIcon& icon) {
  BuiltControls built;
  dialog.setFont(TemplateFont(tmpl));
  dialog.setWindowTitle(ToQString(tmpl.caption));
  built.units = DialogUnits::FromFont(dialog.font());
  dialog.setFixedSize(built.units.X(tmpl.width), built.units.Y(tmpl.height));

  QButtonGroup* group = nullptr;
  std::vector<QWidget*> boxes;
  built.ordered.reserve(tmpl.controls.size());
  for (const ControlSpec& control : tmpl.controls) {
    QWidget* widget = CreateControl(dialog, control, built.units, icon);
    Place(*widget, control, built.units);
    widget->setAccessibleName(AccessibleName(control));
    if (control.kind == ControlKind::Static)
      widget->setAccessibleDescription(ToQString(control.role));
    if (control.id != NoControlId) {
      widget->setProperty(ControlIdProperty, control.id);
      built.byId.insert(control.id, widget);
    }
    const bool isRadio =
        control.kind == ControlKind::PushLikeRadio || control.kind == ControlKind::Radio;
    if (control.style & StyleGroup)
      group = nullptr;
    if (isRadio) {
      auto* button = static_cast<QAbstractButton*>(widget);
      if (group == nullptr) {
        group = new QButtonGroup(&dialog);
        group->setExclusive(true);
        built.radioGroups.insert(control.id, group);
        KeepTabStopOnChecked(*group);
      } else {
        // Until one is checked, Tab enters the group on its first button.
        TakeTabStop(*button, false);
      }
      group->addButton(button, static_cast<int>(group->buttons().size()));
    }
    if (control.kind == ControlKind::GroupBox)
      boxes.push_back(widget);
    built.ordered.push_back(widget);
  }
  // Frames sit behind the controls they enclose.
  for (QWidget* box : boxes)
    box->lower();
  return built;
}

} // namespace dialogkit
