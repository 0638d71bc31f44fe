// The compare table's contents: one row per wire size, its columns from one
// constant table (heading, alignment, the shown text, the full text), so the
// view, the tooltips, a screen reader and the copy all read the same cells.
#pragma once

#include "engine/Ampacity.h"
#include "results/ResultsClipboard.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <string_view>

namespace compare {

class WireSizeModel : public QAbstractTableModel {
public:
  explicit WireSizeModel(QObject* parent = nullptr);

  // The sizes as judged for one circuit of `material`; `formSize` is the size
  // on the form, drawn in bold over `formTint`.
  void SetChoice(const engine::WireSizeChoice& choice, int material, int formSize);
  void SetFormTint(const QBrush& tint) { m_formTint = tint; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The column under this heading; -1 for none.
  static int ColumnOf(std::string_view heading);
  // Whether the column holds a yes-or-no mark rather than a value.
  static bool IsMark(int column);

  // Every cell in full under its heading, as Ctrl+C copies the table.
  results::CopiedTable Copied() const;

private:
  engine::WireSizeChoice m_choice{};
  int m_material = 0;
  int m_formSize = -1;
  QBrush m_formTint;
};

} // namespace compare
