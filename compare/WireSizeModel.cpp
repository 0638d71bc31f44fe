#include "WireSizeModel.h"

#include "CompareStrings.h"
#include "results/ShownNumber.h"

#include "dialogkit/Text.h"

#include <QFont>
#include <array>

namespace compare {

using dialogkit::ToQString;
using results::ShownNumber;

namespace {

// One size's verdicts, as every column reads them.
struct SizeCells {
  const engine::WireSizeRow& drop;
  const engine::AmpacityCheck& ampacity;
};

QString GlanceNumber(double value) { return QString::fromStdString(engine::GlanceNumber(value)); }

QString Mark(bool on) { return on ? ToQString(IdsMark) : QString(); }
QString YesNo(bool on) { return ToQString(on ? IdsCopiedYes : IdsCopiedNo); }

using CellText = QString (*)(const SizeCells&);

// A column: its heading, where its text sits, and its cell in full (tooltip,
// description and copy); what the cell draws and what a screen reader says
// default to the full text.
struct ColumnSpec {
  std::string_view heading;
  std::string_view headingTip;
  Qt::Alignment alignment;
  CellText full;
  CellText shown = nullptr;
  CellText spoken = nullptr;
};

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignCenter;

// A number column: every digit in full, four at a glance.
template <double engine::WireSizeRow::*Field>
constexpr ColumnSpec NumberColumn(std::string_view heading, std::string_view tip = {}) {
  return {heading, tip, Right, [](const SizeCells& c) { return ShownNumber(c.drop.*Field); },
          [](const SizeCells& c) { return GlanceNumber(c.drop.*Field); }};
}

const std::array<ColumnSpec, 9> Columns = {{
    {IdsHeadingSize,
     {},
     Left,
     [](const SizeCells& c) { return ToQString(engine::WireSizeNames[c.drop.wireSize]); }},
    NumberColumn<&engine::WireSizeRow::kFactor>(IdsHeadingK, IdsKHeadingTip),
    NumberColumn<&engine::WireSizeRow::totalArea>(IdsHeadingArea),
    NumberColumn<&engine::WireSizeRow::dropVolts>(IdsHeadingDropVolts),
    NumberColumn<&engine::WireSizeRow::percentDrop>(IdsHeadingPercent),
    NumberColumn<&engine::WireSizeRow::finalVoltage>(IdsHeadingFinal),
    {IdsHeadingAmpacity, IdsAmpacityHeadingTip, Right,
     [](const SizeCells& c) {
       return c.ampacity.ampacity ? QString::number(*c.ampacity.ampacity) : QString();
     }},
    {IdsHeadingWithin,
     {},
     Centre,
     [](const SizeCells& c) { return YesNo(c.drop.meetsAllowedDrop); },
     [](const SizeCells& c) { return Mark(c.drop.meetsAllowedDrop); },
     [](const SizeCells& c) {
       return ToQString(c.drop.meetsAllowedDrop ? IdsWithinDrop : IdsOverDrop);
     }},
    {IdsHeadingCarries,
     {},
     Centre,
     [](const SizeCells& c) { return YesNo(c.ampacity.meets); },
     [](const SizeCells& c) { return Mark(c.ampacity.meets); },
     [](const SizeCells& c) { return ToQString(c.ampacity.meets ? IdsCarries : IdsLacks); }},
}};

QString Spoken(const ColumnSpec& column, const SizeCells& cells) {
  return (column.spoken != nullptr ? column.spoken : column.full)(cells);
}

} // namespace

WireSizeModel::WireSizeModel(QObject* parent) : QAbstractTableModel(parent) {}

void WireSizeModel::SetChoice(const engine::WireSizeChoice& choice, int material, int formSize) {
  m_choice = choice;
  m_material = material;
  m_formSize = formSize;
  Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int WireSizeModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : engine::WireSizeCount;
}

int WireSizeModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(Columns.size());
}

int WireSizeModel::ColumnOf(std::string_view heading) {
  for (std::size_t column = 0; column < Columns.size(); ++column) {
    if (Columns[column].heading == heading)
      return static_cast<int>(column);
  }
  return -1;
}

bool WireSizeModel::IsMark(int column) {
  return column >= 0 && column < static_cast<int>(Columns.size()) &&
         Columns[static_cast<std::size_t>(column)].spoken != nullptr;
}

QVariant WireSizeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
    return {};
  const int size = index.row();
  const ColumnSpec& column = Columns[static_cast<std::size_t>(index.column())];
  const SizeCells cells{m_choice.rows[size], m_choice.checks[size]};
  // What a row says beyond its values: that it is the form's size, and the
  // overcurrent limit of a small conductor.
  const auto said = [&] {
    QStringList lines;
    if (const QString spoken = Spoken(column, cells); !spoken.isEmpty())
      lines << spoken;
    if (size == m_formSize)
      lines << ToQString(IdsFormSizeNote);
    if (const std::optional<int> limit = engine::SmallConductorOvercurrentLimit(m_material, size))
      lines << ToQString(IdsOvercurrentNote).arg(*limit);
    return lines;
  };
  switch (role) {
  case Qt::DisplayRole:
    return (column.shown != nullptr ? column.shown : column.full)(cells);
  case Qt::ToolTipRole:
    return said().join(QLatin1Char('\n'));
  case Qt::AccessibleDescriptionRole:
    return said().join(QStringLiteral("; "));
  case Qt::AccessibleTextRole:
    return column.spoken != nullptr ? QVariant(column.spoken(cells)) : QVariant();
  case Qt::TextAlignmentRole:
    return QVariant::fromValue(column.alignment);
  case Qt::FontRole:
    if (size == m_formSize) {
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    return {};
  case Qt::BackgroundRole:
    return size == m_formSize ? QVariant(m_formTint) : QVariant();
  default:
    return {};
  }
}

QVariant WireSizeModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
    return {};
  const ColumnSpec& column = Columns[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole)
    return ToQString(column.heading);
  if (role == Qt::ToolTipRole && !column.headingTip.empty())
    return ToQString(column.headingTip);
  return {};
}

results::CopiedTable WireSizeModel::Copied() const {
  results::CopiedTable table;
  for (const ColumnSpec& column : Columns)
    table.headings << ToQString(column.heading);
  for (int size = 0; size < engine::WireSizeCount; ++size) {
    const SizeCells cells{m_choice.rows[size], m_choice.checks[size]};
    results::CopiedRow copied;
    for (const ColumnSpec& column : Columns)
      copied.cells << column.full(cells);
    table.rows.push_back(std::move(copied));
  }
  return table;
}

} // namespace compare
