// The commands that take results away: Copy Results puts the form as it is
// shown on the clipboard; Save Report writes it, with the relation the engine
// applied, as a one-page PDF.
//
// Both only look at the controls. Reading the form (UpdateData) could raise a
// validation box and move the focus, and a leave handler could recalculate;
// neither may happen because a user copied what they see.
#include "CalculatorDlg.h"
#include "CalculatorTemplate.h"
#include "StringTable.h"
#include "results/ResultsClipboard.h"
#include "results/ResultsReport.h"
#include "results/ShownNumber.h"

#include "dialogkit/Text.h"
#include "engine/CalcState.h"
#include "version/VersionData.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

namespace calculator {

using results::ReportPage;
using results::ResultRow;
using results::ShownNumber;

namespace {

enum class Source { Edit, Choice, List };

struct ShownRow {
  std::string_view label;
  int id; // for a choice, the group's first button
  Source source;
  std::string_view unit;
  int solvedBy; // the solve target that computes this row, or -1
};

constexpr int NotSolved = -1;
// The distance's unit is the caption of the checked unit button.
constexpr std::string_view DistanceUnit = "distance unit";

constexpr ShownRow ShownRows[] = {
    {"System voltage", IdcVoltage, Source::Edit, "V", NotSolved},
    {"Phase", IdcSingle, Source::Choice, "", NotSolved},
    {"Current", IdcAc, Source::Choice, "", NotSolved},
    {"Conductor", IdcCopper, Source::Choice, "", NotSolved},
    {"Raceway", IdcSteel, Source::Choice, "", NotSolved},
    {"Load in amps", IdcAmps, Source::Edit, "A", engine::SolveLoad},
    {"Load in volt-amps", IdcVoltAmps, Source::Edit, "VA", engine::SolveLoad},
    {"One-way distance", IdcDistance, Source::Edit, DistanceUnit, engine::SolveDistance},
    {"Wire size", IdcWireSize, Source::List, "", engine::SolveWireSize},
    {"Conductors per phase", IdcConductors, Source::List, "", NotSolved},
    {"Solve for", IdcSolveVoltage, Source::Choice, "", NotSolved},
    {"Percent drop", IdcPercentDrop, Source::Edit, "%", engine::SolveVoltage},
    {"Voltage drop", IdcDropVolts, Source::Edit, "V", engine::SolveVoltage},
    {"Final voltage", IdcFinalVoltage, Source::Edit, "V", engine::SolveVoltage},
};

QButtonGroup* GroupOf(const CCalculatorDlg& dlg, int firstId) {
  const auto* first = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(firstId));
  return first != nullptr ? first->group() : nullptr;
}

// A button's caption as drawn: "&&" is an ampersand, a lone '&' marks the
// mnemonic.
QString Drawn(QString caption) {
  caption.replace(QLatin1String("&&"), QString(QChar(0)));
  caption.remove(QLatin1Char('&'));
  return caption.replace(QChar(0), QLatin1Char('&'));
}

QString CheckedCaption(const CCalculatorDlg& dlg, int firstId) {
  const QButtonGroup* group = GroupOf(dlg, firstId);
  const QAbstractButton* checked = group != nullptr ? group->checkedButton() : nullptr;
  return checked != nullptr ? Drawn(checked->text()) : QString();
}

QString ShownValue(const CCalculatorDlg& dlg, const ShownRow& row) {
  switch (row.source) {
  case Source::Edit:
    return qobject_cast<QLineEdit*>(dlg.GetDlgItem(row.id))->text();
  case Source::List:
    return qobject_cast<QComboBox*>(dlg.GetDlgItem(row.id))->currentText();
  case Source::Choice:
    return CheckedCaption(dlg, row.id);
  }
  return {};
}

std::vector<ResultRow> RowsShownOn(const CCalculatorDlg& dlg) {
  const QButtonGroup* solve = GroupOf(dlg, IdcSolveVoltage);
  const int target = solve != nullptr ? solve->checkedId() : NotSolved;
  std::vector<ResultRow> rows;
  for (const ShownRow& row : ShownRows) {
    const QString unit = row.unit == DistanceUnit ? CheckedCaption(dlg, IdcFeet).toLower()
                                                  : dialogkit::ToQString(row.unit);
    rows.push_back({dialogkit::ToQString(row.label), ShownValue(dlg, row), unit,
                    row.solvedBy != NotSolved && row.solvedBy == target});
  }
  return rows;
}

QString AskWithFileDialog(QWidget* owner, const QString& suggested) {
  QFileDialog dialog(owner, dialogkit::ToQString(IdsReportDialogTitle));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(dialogkit::ToQString(IdsReportFilter));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(QFileInfo(suggested).absolutePath());
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

} // namespace

void CCalculatorDlg::OnCopyResults() {
  QGuiApplication::clipboard()->setMimeData(results::RowsAsMimeData(RowsShownOn(*this)).release());
}

void CCalculatorDlg::OnSaveReport() {
  const QString product = dialogkit::ToQString(version::data::ProductName);
  const QString suggested =
      QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
          .filePath(dialogkit::ToQString(IdsReportFileName).arg(product));
  QString path;
  RunOwnedModal([&] {
    path = m_askReportPath ? m_askReportPath(this, suggested) : AskWithFileDialog(this, suggested);
  });
  if (path.isEmpty())
    return;

  // Read after the file dialog: the form may have been recalculated meanwhile.
  const ReportPage page{
      product + QLatin1Char(' ') + dialogkit::ToQString(version::data::VersionText),
      QDateTime::currentDateTime(),
      RowsShownOn(*this),
      dialogkit::ToQString(IdsReportRelation)
          .arg(ShownNumber(m_state.KFactor), ShownNumber(m_state.PhaseMultiplier),
               ShownNumber(m_state.EffectiveArea)),
  };
  // Written beside the target and renamed over it only when complete, so a
  // failure leaves an earlier report as it was and no partial file behind.
  // A file not committed is discarded when it goes out of scope.
  QSaveFile file(path);
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     results::WriteReportPdf(page, results::ReportPageSize(QLocale()), file) &&
                     file.commit();
  if (saved)
    return;
  const QString reason = file.error() != QFileDevice::NoError
                             ? file.errorString()
                             : dialogkit::ToQString(IdsReportNotDrawn);
  MessageBox(dialogkit::ToQString(IdsReportNotSaved).arg(QDir::toNativeSeparators(path), reason),
             m_strMsgCaption, QMessageBox::Warning);
}

} // namespace calculator
