// Reading and writing the form: the seventeen exchange steps in order, with
// the validation message and focus move of a failed read.
#include "CalculatorDlg.h"
#include "FormBindings.h"
#include "StringTable.h"
#include "dialogkit/FormEdit.h"
#include "dialogkit/Text.h"
#include "engine/NumberText.h"
#include "results/ShownNumber.h"

#include "engine/ConductorTables.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

namespace calculator {

using results::ShownNumber;

namespace {

int ReadRadio(const QButtonGroup& group) {
  // Ids follow template order; -1 when no button is checked.
  return group.checkedId();
}

void WriteRadio(QButtonGroup& group, int index) {
  QAbstractButton* button = group.button(index);
  if (button != nullptr) {
    button->setChecked(true);
    return;
  }
  // An exclusive group cannot be emptied; switch exclusivity off to do it.
  group.setExclusive(false);
  for (QAbstractButton* b : group.buttons())
    b->setChecked(false);
  group.setExclusive(true);
}

class ExchangeGuard {
public:
  explicit ExchangeGuard(int& depth) : m_depth(depth) { ++m_depth; }
  ~ExchangeGuard() { --m_depth; }
  ExchangeGuard(const ExchangeGuard&) = delete;
  ExchangeGuard& operator=(const ExchangeGuard&) = delete;

private:
  int& m_depth;
};

} // namespace

void CCalculatorDlg::FillLists() {
  // Adding the first item selects it; that is not the user choosing a size.
  const ExchangeGuard guard(m_exchangeDepth);
  QComboBox* sizes = List(IdcWireSize);
  for (const std::string_view name : engine::WireSizeNames)
    sizes->addItem(dialogkit::ToQString(name));
  QComboBox* counts = List(IdcConductors);
  for (const std::string_view name : engine::ConductorCountNames)
    counts->addItem(dialogkit::ToQString(name));
}

bool CCalculatorDlg::UpdateData(bool saveAndValidate) {
  const ExchangeGuard guard(m_exchangeDepth);
  return DoDataExchange(saveAndValidate);
}

bool CCalculatorDlg::DoDataExchange(bool saveAndValidate) {
  for (const FormBinding& step : FormBindings) {
    switch (step.kind) {
    case Exchange::Radio: {
      QButtonGroup* group = RadioGroup(step.controlId);
      if (saveAndValidate)
        m_state.*step.intField = ReadRadio(*group);
      else
        WriteRadio(*group, m_state.*step.intField);
      break;
    }
    case Exchange::ListIndex: {
      QComboBox* list = List(step.controlId);
      if (saveAndValidate) {
        m_state.*step.intField = list->currentIndex();
      } else {
        const int index = m_state.*step.intField;
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
      }
      break;
    }
    case Exchange::Text: {
      QLineEdit* edit = Edit(step.controlId);
      double& field = m_state.*step.doubleField;
      if (!saveAndValidate) {
        const QString text = ShownNumber(field);
        // Leaves caret and selection alone when nothing changes.
        if (edit->text() != text)
          dialogkit::ShowText(*edit, text);
        break;
      }
      const std::optional<double> value = engine::ParseNumber(edit->text().toStdString());
      if (!value) {
        ReportInvalid(edit, dialogkit::ToQString(IdsNotANumber));
        return false;
      }
      // Stored before the range check: an out-of-range value reaches the record.
      field = *value;
      if (!(field >= step.range.min && field <= step.range.max)) {
        ReportInvalid(edit, dialogkit::ToQString(IdsOutOfRange)
                                .arg(ShownNumber(step.range.min), ShownNumber(step.range.max)));
        return false;
      }
      break;
    }
    }
  }
  return true;
}

void CCalculatorDlg::ReportInvalid(QLineEdit* edit, const QString& text) {
  MessageBox(text, QApplication::applicationName(), QMessageBox::Warning);
  // Under a box that is still open (a wire-size warning) the form cannot take
  // the focus back; the text is selected for when it does.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal == this)
    edit->setFocus(Qt::OtherFocusReason);
  dialogkit::SelectWholeText(*edit);
}

} // namespace calculator
