// Every wire size side by side for the circuit on the form: a table of what
// each would drop, marked where it keeps within the allowed drop, and a chart
// of the same. Works on its own copy of the record; the conductors per phase
// can be changed here without touching the form.
#pragma once

#include "engine/CalcState.h"
#include "engine/WireSizeComparison.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace compare {

class CDropChart;

class CCompareWireSizesDlg : public QDialog {
  Q_OBJECT

public:
  explicit CCompareWireSizesDlg(const engine::CalcState& record, QWidget* parent = nullptr);

  QTableWidget* Table() const { return m_table; }
  QComboBox* Conductors() const { return m_conductors; }
  CDropChart* Chart() const { return m_chart; }
  const engine::CalcState& Record() const { return m_record; }

  // The whole table, as tab-separated text with a header line and as HTML.
  void CopyTable() const;

  // Table columns.
  enum Column { ColSize, ColK, ColArea, ColDrop, ColPercent, ColFinal, ColWithin, ColumnCount };

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Fill(int conductorsIndex);

  engine::CalcState m_record;
  std::array<engine::WireSizeRow, engine::WireSizeCount> m_rows{};
  QComboBox* m_conductors = nullptr;
  QLabel* m_summary = nullptr;
  QTableWidget* m_table = nullptr;
  CDropChart* m_chart = nullptr;
};

} // namespace compare
