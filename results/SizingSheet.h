// A conductor sizing as it is taken away: the answer, the circuit and the
// installation it was sized for, the work step by step with its rules, and
// rows of the size table; as clipboard text and HTML, and inside the report.
#pragma once

#include "ResultsClipboard.h"
#include "engine/ConductorSizing.h"

#include <QString>
#include <memory>
#include <vector>

class QMimeData;

namespace results {

struct SizingSheet {
  QString answer;
  std::vector<ResultRow> circuit;    // what the form describes
  std::vector<ResultRow> conditions; // how it is installed
  std::vector<engine::SizingStep> steps;
  QString basis;     // the edition and the tables' own conditions
  CopiedTable sizes; // the size table's rows the sheet carries
};

// The steps as a numbered list: title and value, the work, the rule.
QString WorkAsHtml(const std::vector<engine::SizingStep>& steps);

// The whole sheet as an HTML fragment (headings, tables, the list) and as
// plain text in the same order; the HTML's tables carry `tableAttributes`.
QString SheetAsHtml(const SizingSheet& sheet, const QString& tableAttributes);
QString SheetAsText(const SizingSheet& sheet);

// Both in one clipboard object.
std::unique_ptr<QMimeData> SheetAsMimeData(const SizingSheet& sheet);

} // namespace results
