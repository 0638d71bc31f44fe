#include "CompareWireSizesDlg.h"

#include "CompareStrings.h"
#include "DropChart.h"
#include "results/ResultsClipboard.h"
#include "results/ShownNumber.h"

#include "dialogkit/TemplateBuilder.h"
#include "dialogkit/Text.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace compare {

using engine::WireSizeRow;
using results::ShownNumber;

namespace {

using Column = CCompareWireSizesDlg::Column;

constexpr std::array<std::string_view, CCompareWireSizesDlg::ColumnCount> Headers = {
    "Size",
    "K",
    "Total area (cmil)",
    "Voltage drop (V)",
    "Percent drop",
    "Final voltage (V)",
    "Within allowed drop",
};

// What a cell shows; the copy spells the mark out.
QString CellText(const WireSizeRow& row, int column, bool copied) {
  switch (column) {
  case Column::ColSize:
    return dialogkit::ToQString(engine::WireSizeNames[static_cast<std::size_t>(row.wireSize)]);
  case Column::ColK:
    return ShownNumber(row.kFactor);
  case Column::ColArea:
    return ShownNumber(row.totalArea);
  case Column::ColDrop:
    return ShownNumber(row.dropVolts);
  case Column::ColPercent:
    return ShownNumber(row.percentDrop);
  case Column::ColFinal:
    return ShownNumber(row.finalVoltage);
  default:
    if (copied)
      return row.meetsAllowedDrop ? QStringLiteral("yes") : QStringLiteral("no");
    return row.meetsAllowedDrop ? QStringLiteral("\u2713") : QString();
  }
}

int FormSize(const engine::CalcState& record) {
  return std::clamp(record.WireSize, 0, engine::LargestWireSize);
}

} // namespace

CCompareWireSizesDlg::CCompareWireSizesDlg(const engine::CalcState& record, QWidget* parent)
    : QDialog(parent), m_record(record) {
  dialogkit::SetDialogFrame(*this);
  setWindowTitle(dialogkit::ToQString(IdsCompareTitle) + QStringLiteral(" - ") +
                 dialogkit::ToQString(IdsCompareCaptionProduct));

  m_conductors = new QComboBox(this);
  for (std::string_view count : engine::ConductorCountNames)
    m_conductors->addItem(dialogkit::ToQString(count));
  m_conductors->setAccessibleName(QStringLiteral("Conductors per phase"));
  auto* conductorsLabel = new QLabel(QStringLiteral("Con&ductors per phase:"), this);
  conductorsLabel->setBuddy(m_conductors);
  m_summary = new QLabel(this);
  m_summary->setWordWrap(true);

  m_table = new QTableWidget(engine::WireSizeCount, ColumnCount, this);
  auto* tableLabel = new QLabel(QStringLiteral("Wire &sizes:"), this);
  tableLabel->setBuddy(m_table);
  m_table->setAccessibleName(QStringLiteral("Wire sizes"));
  m_table->setAccessibleDescription(
      QStringLiteral("Every wire size for the circuit on the form; the size on the form is "
                     "selected."));
  QStringList headers;
  for (std::string_view header : Headers)
    headers << dialogkit::ToQString(header);
  m_table->setHorizontalHeaderLabels(headers);
  m_table->horizontalHeaderItem(ColK)->setToolTip(
      QStringLiteral("Ohm-circular mils per foot for this size, current, material and raceway"));
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setTabKeyNavigation(false); // Tab moves on to the next control
  m_table->setWordWrap(false);
  QColor formTint = palette().color(QPalette::Highlight);
  formTint.setAlpha(70);
  for (int row = 0; row < engine::WireSizeCount; ++row) {
    for (int column = 0; column < ColumnCount; ++column) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(column == ColSize     ? Qt::AlignLeft | Qt::AlignVCenter
                             : column == ColWithin ? Qt::AlignCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
      if (row == FormSize(record)) {
        item->setBackground(formTint);
        item->setToolTip(QStringLiteral("The size on the form"));
        item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("the size on the form"));
      }
      m_table->setItem(row, column, item);
    }
  }

  m_chart = new CDropChart(this);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* copy = new QAction(QStringLiteral("&Copy Table"), this);
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &CCompareWireSizesDlg::CopyTable);
  addAction(copy);
  m_table->addAction(copy);
  m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* top = new QHBoxLayout;
  top->addWidget(conductorsLabel);
  top->addWidget(m_conductors);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_summary);
  layout->addWidget(tableLabel);
  layout->addWidget(m_table, 3);
  layout->addWidget(m_chart, 2);
  layout->addWidget(buttons);

  const int conductors = std::clamp(record.ConductorsIndex, 0, engine::ConductorCountMax - 1);
  m_conductors->setCurrentIndex(conductors);
  Fill(conductors);
  connect(m_conductors, &QComboBox::currentIndexChanged, this, &CCompareWireSizesDlg::Fill);
  m_table->resizeRowsToContents();
  m_table->setCurrentCell(FormSize(record), ColSize);
  m_table->setFocus(Qt::OtherFocusReason);

  // A dozen rows to start with, never fewer than six.
  m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                            m_table->rowHeight(0) * 6 + m_table->frameWidth() * 2);
  resize(sizeHint().width(), sizeHint().height() + m_table->rowHeight(0) * 6);
}

void CCompareWireSizesDlg::Fill(int conductorsIndex) {
  m_rows = engine::CompareWireSizes(m_record, conductorsIndex);
  for (const WireSizeRow& row : m_rows) {
    for (int column = 0; column < ColumnCount; ++column)
      m_table->item(row.wireSize, column)->setText(CellText(row, column, false));
    m_table->item(row.wireSize, ColWithin)
        ->setData(Qt::AccessibleTextRole, row.meetsAllowedDrop
                                              ? QStringLiteral("within the allowed drop")
                                              : QStringLiteral("over the allowed drop"));
  }
  // Once for all cells: a header that sizes to contents measures the whole
  // table again on every changed cell.
  m_table->resizeColumnsToContents();
  // Every column in view: the widest numbers can change with the count.
  m_table->setMinimumWidth(m_table->horizontalHeader()->length() +
                           m_table->verticalScrollBar()->sizeHint().width() +
                           m_table->frameWidth() * 2);

  QString summary = QStringLiteral("Allowed drop %1% (%2 V). ")
                        .arg(ShownNumber(m_record.PercentDrop), ShownNumber(m_record.DropVolts));
  const auto first = std::find_if(m_rows.begin(), m_rows.end(),
                                  [](const WireSizeRow& row) { return row.meetsAllowedDrop; });
  if (first == m_rows.end())
    summary += QStringLiteral("No size is within it.");
  else
    summary += QStringLiteral("Smallest size within it: %1.").arg(CellText(*first, ColSize, false));
  m_summary->setText(summary);

  const int form = FormSize(m_record);
  m_chart->SetRows(m_rows, m_record.PercentDrop, form);
  m_chart->setAccessibleDescription(
      summary +
      QStringLiteral(" Size on the form: %1.").arg(CellText(m_rows[form], ColSize, false)));
}

void CCompareWireSizesDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QTableWidgetItem* current = m_table->currentItem())
    m_table->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void CCompareWireSizesDlg::CopyTable() const {
  results::CopiedTable table;
  for (std::string_view header : Headers)
    table.headings << dialogkit::ToQString(header);
  for (const WireSizeRow& row : m_rows) {
    results::CopiedRow copied;
    for (int column = 0; column < ColumnCount; ++column)
      copied.cells << CellText(row, column, true);
    table.rows.push_back(std::move(copied));
  }
  QGuiApplication::clipboard()->setMimeData(
      results::ClipboardData(table, results::TableAsTabbedText(table)).release());
}

} // namespace compare
