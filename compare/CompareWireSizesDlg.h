// Every wire size for the circuit on the form, by drop and by ampacity, as a table and a chart;
// what is tried here (conductors, rating, continuous load) never touches the form.
#pragma once

#include "engine/Ampacity.h"
#include "engine/CalcState.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QScrollArea;
class QSplitter;
class QTableView;

namespace compare {

class CDropChart;
class WireSizeModel;

class CCompareWireSizesDlg : public QDialog {
  Q_OBJECT

public:
  explicit CCompareWireSizesDlg(const engine::CalcState& record, QWidget* parent = nullptr);

  QTableView* Table() const { return m_table; }
  const WireSizeModel& Sizes() const { return *m_sizes; }
  QComboBox* Conductors() const { return m_conductors; }
  QComboBox* Rating() const { return m_rating; }
  QCheckBox* Continuous() const { return m_continuous; }
  QLabel* Summary() const { return m_summary; }
  // Everything above the buttons; it scrolls only on a screen too small for it.
  QScrollArea* Body() const { return m_body; }
  CDropChart* Chart() const { return m_chart; }
  const engine::CalcState& Record() const { return m_record; }

  // The whole table, as tab-separated text with a header line and as HTML.
  void CopyTable() const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  // The parts of the window, made in tab order inside `body`.
  QLayout* CreateConditions(QWidget* body);
  QWidget* CreateTablePane(QWidget* body);
  void CreateSplitter(QWidget* body, QWidget* tablePane);
  QWidget* CreateButtons();
  void CreateCopyCommand();
  void LayOut(QWidget* body, QLayout* conditions, QWidget* buttons);

  // Judges every size again with the dialog's own choices.
  void Fill();
  // Every column and a dozen rows in view, the chart at its preferred height.
  void SizeToContents();
  // Within the available area of the screen it opens on, frame and all.
  void KeepOnScreen();

  engine::CalcState m_record;
  engine::WireSizeChoice m_choice{};
  QComboBox* m_conductors = nullptr;
  QComboBox* m_rating = nullptr;
  QCheckBox* m_continuous = nullptr;
  QLabel* m_summary = nullptr;
  QScrollArea* m_body = nullptr;
  QSplitter* m_split = nullptr; // the table above, the chart below
  QTableView* m_table = nullptr;
  WireSizeModel* m_sizes = nullptr;
  QLabel* m_tableLabel = nullptr;
  CDropChart* m_chart = nullptr;
};

} // namespace compare
