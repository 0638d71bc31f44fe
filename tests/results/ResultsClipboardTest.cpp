// What a copied table puts on the clipboard: headings, cells and emphasis in
// the HTML, escaped; tab-separated lines in the text; the form's rows aligned.
#include "results/ResultsClipboard.h"

#include <QMimeData>
#include <gtest/gtest.h>

namespace results {
namespace {

const CopiedTable Table = {{"Size", "Drop <V>"},
                           {{{"No. 8", "3.6"}, true}, {{"A & B", ""}, false}}};

TEST(ResultsClipboard, HtmlHasHeadingsEscapedCellsAndEmphasisedRows) {
  const QString html = TableAsHtml(Table, QStringLiteral("border=\"1\""));
  EXPECT_EQ(html, QStringLiteral("<table border=\"1\"><tr><th>Size</th><th>Drop &lt;V&gt;</th></tr>"
                                 "<tr><td><b>No. 8</b></td><td><b>3.6</b></td></tr>"
                                 "<tr><td>A &amp; B</td><td></td></tr></table>"));
  EXPECT_EQ(TableAsHtml({{}, {{{"x"}, false}}}, {}),
            QStringLiteral("<table><tr><td>x</td></tr></table>"));
}

TEST(ResultsClipboard, TextIsOneTabSeparatedLinePerRow) {
  EXPECT_EQ(TableAsTabbedText(Table), QStringLiteral("Size\tDrop <V>\nNo. 8\t3.6\nA & B\t\n"));
}

TEST(ResultsClipboard, FormRowsAlignTheirValuesAndMarkTheSolvedOne) {
  const std::vector<ResultRow> rows = {{"Phase", "Single", "", false},
                                       {"Wire size", "No. 8", "", true},
                                       {"Percent drop", "3", "%", false}};
  EXPECT_EQ(RowsAsText(rows), QStringLiteral("Phase:         Single\n"
                                             "Wire size:     No. 8 (solved)\n"
                                             "Percent drop:  3 %\n"));
  const std::unique_ptr<QMimeData> mime = RowsAsMimeData(rows);
  EXPECT_EQ(mime->text(), RowsAsText(rows));
  EXPECT_TRUE(mime->html().contains(QStringLiteral("<td><b>No. 8</b></td><td></td>"
                                                   "<td><b>(solved)</b></td>")));
  EXPECT_EQ(mime->html().count(QStringLiteral("(solved)")), 1);
}

} // namespace
} // namespace results
