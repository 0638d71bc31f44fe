#include "WireSizeModel.h"

#include "SizingStrings.h"
#include "results/ShownNumber.h"

#include "dialogkit/Text.h"

#include <QFont>
#include <array>
#include <cmath>

namespace sizing {

using dialogkit::ToQString;
using engine::SizeVerdict;
using results::ShownNumber;

namespace {

QString GlanceNumber(double value) { return QString::fromStdString(engine::GlanceNumber(value)); }
QString Mark(bool on) { return on ? ToQString(IdsMark) : QString(); }
QString YesNo(bool on) { return ToQString(on ? IdsCopiedYes : IdsCopiedNo); }

// An optional number in full, or nothing where there is none.
QString Full(const std::optional<double>& value) { return value ? ShownNumber(*value) : QString(); }
QString Glance(const std::optional<double>& value) {
  return value ? GlanceNumber(*value) : QString();
}

using CellText = QString (*)(const SizeVerdict&);

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

// A number of the K relation's row: every digit in full, four at a glance.
template <double engine::WireSizeRow::*Field>
constexpr ColumnSpec KColumn(std::string_view heading, std::string_view tip = {}) {
  return {heading, tip, Right, [](const SizeVerdict& v) { return ShownNumber(v.k.*Field); },
          [](const SizeVerdict& v) { return GlanceNumber(v.k.*Field); }};
}

// The drop a size is judged by; none where its method has no value.
std::optional<double> Judged(const SizeVerdict& v) {
  return std::isnan(v.sizedPercent) ? std::nullopt : std::optional<double>(v.sizedPercent);
}

// In the order a user decides by: what it carries, the drop it is judged by,
// the verdicts, then the drops by each method and the arithmetic behind them.
const std::array<ColumnSpec, 11> Columns = {{
    {IdsHeadingSize,
     {},
     Left,
     [](const SizeVerdict& v) { return ToQString(engine::WireSizeNames[v.k.wireSize]); }},
    {IdsHeadingAmpacity, IdsAmpacityHeadingTip, Right,
     [](const SizeVerdict& v) { return Full(v.usableAmpacity); },
     [](const SizeVerdict& v) { return Glance(v.usableAmpacity); }},
    {IdsHeadingPercent, IdsPercentHeadingTip, Right,
     [](const SizeVerdict& v) { return Full(Judged(v)); },
     [](const SizeVerdict& v) { return Glance(Judged(v)); }},
    {IdsHeadingWithin, IdsWithinHeadingTip, Centre,
     [](const SizeVerdict& v) { return YesNo(v.withinDrop); },
     [](const SizeVerdict& v) { return Mark(v.withinDrop); },
     [](const SizeVerdict& v) { return ToQString(v.withinDrop ? IdsWithinDrop : IdsOverDrop); }},
    {IdsHeadingCarries, IdsCarriesHeadingTip, Centre,
     [](const SizeVerdict& v) { return YesNo(v.installable); },
     [](const SizeVerdict& v) { return Mark(v.installable); },
     [](const SizeVerdict& v) { return ToQString(v.installable ? IdsCarries : IdsLacks); }},
    {IdsHeadingImpedance, IdsImpedanceHeadingTip, Right,
     [](const SizeVerdict& v) { return Full(v.impedancePercent); },
     [](const SizeVerdict& v) { return Glance(v.impedancePercent); }},
    KColumn<&engine::WireSizeRow::percentDrop>(IdsHeadingKPercent, IdsKPercentHeadingTip),
    KColumn<&engine::WireSizeRow::dropVolts>(IdsHeadingDropVolts),
    KColumn<&engine::WireSizeRow::finalVoltage>(IdsHeadingFinal),
    KColumn<&engine::WireSizeRow::kFactor>(IdsHeadingK, IdsKHeadingTip),
    KColumn<&engine::WireSizeRow::totalArea>(IdsHeadingArea),
}};

QString Spoken(const ColumnSpec& column, const SizeVerdict& v) {
  return (column.spoken != nullptr ? column.spoken : column.full)(v);
}

} // namespace

WireSizeModel::WireSizeModel(QObject* parent) : QAbstractTableModel(parent) {}

void WireSizeModel::SetSizing(const engine::ConductorSizing& sizing, int material, int formSize) {
  m_sizing = sizing;
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
  const SizeVerdict& verdict = m_sizing.sizes[static_cast<std::size_t>(size)];
  const bool installed = m_sizing.installedSize == size;
  // What a row says beyond its values: that it is the size to install or the
  // form's size, and the overcurrent limit of a small conductor.
  const auto said = [&] {
    QStringList lines;
    if (const QString spoken = Spoken(column, verdict); !spoken.isEmpty())
      lines << spoken;
    else if (column.heading == IdsHeadingImpedance || column.heading == IdsHeadingPercent)
      lines << ToQString(IdsNoImpedanceNote);
    if (installed)
      lines << ToQString(IdsInstallNote);
    if (size == m_formSize)
      lines << ToQString(IdsFormSizeNote);
    if (const std::optional<int> limit = engine::SmallConductorOvercurrentLimit(m_material, size))
      lines << ToQString(IdsOvercurrentNote).arg(*limit);
    return lines;
  };
  switch (role) {
  case Qt::DisplayRole:
    return (column.shown != nullptr ? column.shown : column.full)(verdict);
  case Qt::ToolTipRole:
    return said().join(QLatin1Char('\n'));
  case Qt::AccessibleDescriptionRole:
    return said().join(QStringLiteral("; "));
  case Qt::AccessibleTextRole:
    return column.spoken != nullptr ? QVariant(column.spoken(verdict)) : QVariant();
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
    return installed ? QVariant(m_installTint) : QVariant();
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

results::CopiedTable WireSizeModel::Copied(Digits digits, int first, int last) const {
  results::CopiedTable table;
  for (const ColumnSpec& column : Columns)
    table.headings << ToQString(column.heading);
  for (int size = std::max(first, 0); size <= std::min(last, engine::LargestWireSize); ++size) {
    const SizeVerdict& verdict = m_sizing.sizes[static_cast<std::size_t>(size)];
    results::CopiedRow copied;
    for (const ColumnSpec& column : Columns) {
      const bool drawn =
          digits == Digits::Drawn && column.shown != nullptr && column.spoken == nullptr;
      copied.cells << (drawn ? column.shown : column.full)(verdict);
    }
    copied.emphasised = m_sizing.installedSize == size;
    table.rows.push_back(std::move(copied));
  }
  return table;
}

} // namespace sizing
