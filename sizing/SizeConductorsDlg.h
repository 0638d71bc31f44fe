// Which wire, breaker and ground for the circuit on the form: the installation
// conditions, the answer first, the work under it step by step, then every
// size in a table and a chart. What is tried here never touches the form.
#pragma once

#include "engine/CalcState.h"
#include "engine/ConductorSizing.h"
#include "results/SizingSheet.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTableView;
class QTextBrowser;

namespace sizing {

class CDropChart;
class WireSizeModel;

class CSizeConductorsDlg : public QDialog {
  Q_OBJECT

public:
  // `kept` are the conditions of the last time, but for the conductors per
  // phase, which start from the form's.
  CSizeConductorsDlg(const engine::CalcState& record, const engine::SizingConditions& kept,
                     QWidget* parent = nullptr);

  // Saves a report the window renders; the calculator asks where and says
  // what went wrong. Unset, the window offers no report.
  using ReportSaver =
      std::function<void(QWidget* owner, const std::function<QByteArray()>& render)>;
  void SetReportSaver(ReportSaver save);

  const engine::CalcState& Record() const { return m_record; }
  const engine::SizingConditions& Conditions() const { return m_conditions; }
  const engine::ConductorSizing& Sizing() const { return m_sizing; }
  // What Copy and the report take: the answer, the circuit, the conditions,
  // the work, and the table's rows: for the copy every row with every digit,
  // for the report the rows around the size to install as the table draws
  // them.
  results::SizingSheet Sheet(bool allSizes) const;

  QComboBox* Conductors() const { return m_conductors; }
  QComboBox* Rating() const { return m_rating; }
  QCheckBox* Continuous() const { return m_continuous; }
  QComboBox* Terminations() const { return m_terminations; }
  QSpinBox* Ambient() const { return m_ambient; }
  QLabel* Fahrenheit() const { return m_fahrenheit; }
  QSpinBox* CurrentCarrying() const { return m_currentCarrying; }
  QDoubleSpinBox* PowerFactor() const { return m_powerFactor; }
  QComboBox* Method() const { return m_method; }
  QLabel* Answer() const { return m_answer; }
  QTextBrowser* Work() const { return m_work; }
  QTableView* Table() const { return m_table; }
  const WireSizeModel& Sizes() const { return *m_sizes; }
  QPushButton* SaveReportButton() const { return m_saveReport; }
  // Everything above the buttons; it scrolls only on a screen too small for it.
  QScrollArea* Body() const { return m_body; }
  CDropChart* Chart() const { return m_chart; }

  // The answer, the work and every size, as text and HTML.
  void OnCopy() const;
  void OnSaveReport();

protected:
  void showEvent(QShowEvent* event) override;

private:
  // The parts of the window, made in tab order.
  QGridLayout* CreateConditions(QWidget* body);
  QWidget* CreateWorkPane(QWidget* body);
  QWidget* CreateTablePane(QWidget* body);
  void CreateSplitter(QWidget* body, QWidget* workPane, QWidget* tablePane);
  QWidget* CreateButtons();
  void CreateCommands();
  void LayOut(QWidget* body, QGridLayout* conditions, QWidget* buttons);
  void ShowConditions();
  void ConnectConditions();

  // Sizes the circuit again under the conditions the controls hold.
  void OnConditionsChanged();
  // Every column and a dozen rows in view, the work and the chart at their
  // preferred heights.
  void SizeToContents();
  // Within the available area of the screen it opens on, frame and all.
  void KeepOnScreen();

  engine::CalcState m_record;
  engine::SizingConditions m_conditions;
  engine::ConductorSizing m_sizing;
  ReportSaver m_saveReportWith;
  QComboBox* m_conductors = nullptr;
  QComboBox* m_rating = nullptr;
  QCheckBox* m_continuous = nullptr;
  QComboBox* m_terminations = nullptr;
  QSpinBox* m_ambient = nullptr;
  QLabel* m_fahrenheit = nullptr;
  QSpinBox* m_currentCarrying = nullptr;
  QDoubleSpinBox* m_powerFactor = nullptr;
  QComboBox* m_method = nullptr;
  QLabel* m_answer = nullptr;
  QTextBrowser* m_work = nullptr;
  QScrollArea* m_body = nullptr;
  QSplitter* m_split = nullptr; // the work, the table, the chart
  QTableView* m_table = nullptr;
  WireSizeModel* m_sizes = nullptr;
  CDropChart* m_chart = nullptr;
  QPushButton* m_saveReport = nullptr;
};

} // namespace sizing
