// The sizing table's contents: one row per wire size, its columns from one
// constant table (heading, alignment, the shown text, the full text), so the
// view, the tooltips, a screen reader, the copy and the report read the same
// cells.
#pragma once

#include "engine/ConductorSizing.h"
#include "results/ResultsClipboard.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <string_view>

namespace sizing {

class WireSizeModel : public QAbstractTableModel {
public:
  explicit WireSizeModel(QObject* parent = nullptr);

  // The sizes as judged for one circuit of `material`; `formSize` is the size
  // on the form, drawn in bold, the size to install over `installTint`.
  void SetSizing(const engine::ConductorSizing& sizing, int material, int formSize);
  void SetInstallTint(const QBrush& tint) { m_installTint = tint; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The column under this heading; -1 for none.
  static int ColumnOf(std::string_view heading);
  // Whether the column holds a yes-or-no mark rather than a value.
  static bool IsMark(int column);

  // How many digits a taken-away number keeps: every one (a copy, to be
  // calculated with) or those the table draws (a page, to be read).
  enum class Digits { All, Drawn };
  // Every cell under its heading, rows `first` to `last`, marks as words; the
  // size to install emphasised.
  results::CopiedTable Copied(Digits digits, int first = 0,
                              int last = engine::LargestWireSize) const;

private:
  engine::ConductorSizing m_sizing{};
  int m_material = 0;
  int m_formSize = -1;
  QBrush m_installTint;
};

} // namespace sizing
