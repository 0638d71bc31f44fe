// The commands that take results away: Copy Results puts the form as it is
// shown on the clipboard; Save Report writes it, with the relation the engine
// applied, as a one-page PDF.
//
// Both first finish the entry in the focused field, as Size Conductors does
// (RunOnFinishedEntry): what is taken away is what the form will hold, and
// an entry its leave rejected stops the command before anything is copied or
// a file dialog opens.
#include "CalculatorDlg.h"
#include "CalculatorTemplate.h"
#include "StringTable.h"
#include "results/ReportFile.h"
#include "results/ResultsClipboard.h"
#include "results/ResultsReport.h"
#include "results/ShownNumber.h"
#include "settings/PrivateQtSettings.h"

#include "dialogkit/MessageBox.h"
#include "dialogkit/OwnedModal.h"
#include "dialogkit/Text.h"
#include "engine/CalcState.h"
#include "version/VersionData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

// Documents when the user has that folder, else home: a name offered in a
// folder that does not exist cannot be saved.
QDir SuggestedFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir())
    return QDir(documents);
  return QDir::home();
}

// Draws every entry by its kind alone, with the style's folder and file
// icons. Qt's own provider reads a file to guess its type, on the main
// thread too, and a read of /proc/kmsg or of a FIFO never returns.
class KindOnlyIconProvider : public QFileIconProvider {
public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
  QString type(const QFileInfo& info) const override {
    if (info.isFile())
      return QApplication::translate("QAbstractFileIconProvider", "File");
    return QAbstractFileIconProvider::type(info); // folder, link or unknown, from the name alone
  }
};

// The longest name, in bytes, a file in `folder` may have.
qsizetype NameLimit(const QString& folder) {
  constexpr qsizetype Usual = 255;
#ifdef Q_OS_UNIX
  const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<qsizetype>(limit) : Usual;
#else
  Q_UNUSED(folder);
  return Usual;
#endif
}

// The widget dialog ignores a name too long for its folder without a word,
// and reads a name with double quotes in it as a list of names ("a" "b"),
// saving under one of them; this one says what is wrong with a name and
// stays open for another, and takes a name with quotes as it was typed.
class ReportFileDialog : public QFileDialog {
public:
  ReportFileDialog(QWidget* owner, const QString& directory, QString boxCaption)
      : QFileDialog(owner, dialogkit::ToQString(IdsReportDialogTitle), directory),
        m_boxCaption(std::move(boxCaption)) {}

  // Where the report goes, once the dialog is accepted.
  QString Chosen() const { return m_chosen; }

  void accept() override {
    const QString quoted = QuotedName();
    m_chosen = quoted.isEmpty() ? selectedFiles().value(0) : quoted;
    if (m_chosen.isEmpty() || SaidNameTooLong())
      return;
    if (quoted.isEmpty()) {
      QFileDialog::accept();
      return;
    }
    // What the widget dialog does with a name it reads right.
    if (QFileInfo(quoted).isDir()) {
      setDirectory(quoted);
      return;
    }
    if (QFileInfo::exists(quoted) &&
        dialogkit::ShowMessageBox(
            this, QMessageBox::Warning, m_boxCaption,
            dialogkit::ToQString(IdsReportReplace).arg(QFileInfo(quoted).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
      return;
    // Past QFileDialog's own accept, which would read the name as a list again.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QDialog::accept();
  }

private:
  // The name field's text as a path, when it holds a double quote: in the
  // dialog's folder unless absolute ("~/" is the home folder, as the dialog
  // reads it), with the report's suffix when it has none. Empty otherwise.
  QString QuotedName() const {
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr || !edit->text().contains(QLatin1Char('"')))
      return {};
    QString name = edit->text();
    if (name.startsWith(QLatin1String("~/")))
      name.replace(0, 1, QDir::homePath());
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.')))
      name += QLatin1Char('.') + defaultSuffix();
    return QDir::cleanPath(directory().absoluteFilePath(name));
  }

  bool SaidNameTooLong() {
    const QFileInfo chosen(m_chosen);
    const qsizetype limit = NameLimit(chosen.absolutePath());
    const qsizetype length = QFile::encodeName(chosen.fileName()).size();
    if (length <= limit)
      return false;
    dialogkit::ShowMessageBox(this, QMessageBox::Warning, m_boxCaption,
                              dialogkit::ToQString(IdsReportNameTooLong)
                                  .arg(QString::number(limit), QString::number(length)));
    return true;
  }

  QString m_boxCaption;
  QString m_chosen;
};

QString AskWithFileDialog(QWidget* owner, const QString& suggested, const QString& boxCaption) {
  KindOnlyIconProvider icons;                   // outlives the dialog that draws with it
  const settings::PrivateQtSettings qtSettings; // outlives the dialog that writes them
  // The widget dialog lists its first folder as it is built, before it has
  // the provider: that folder is an empty one of our own.
  const QTemporaryDir empty;
  ReportFileDialog dialog(owner, empty.isValid() ? empty.path() : QString(), boxCaption);
  dialog.setIconProvider(&icons);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(dialogkit::ToQString(IdsReportFilter));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(QFileInfo(suggested).absolutePath());
  dialog.selectFile(suggested);
  return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : QString();
}

QString ReasonText(const results::SaveOutcome& outcome) {
  switch (outcome.problem) {
  case results::SaveProblem::None:
    break;
  case results::SaveProblem::NotRegularFile:
    return dialogkit::ToQString(IdsReportNotRegularFile);
  case results::SaveProblem::ReadOnly:
    return dialogkit::ToQString(IdsReportReadOnly);
  case results::SaveProblem::WriteFailed:
    return outcome.reason.isEmpty() ? dialogkit::ToQString(IdsReportNotWritten) : outcome.reason;
  }
  return {};
}

} // namespace

void CCalculatorDlg::OnCopyResults() {
  RunOnFinishedEntry([this] {
    QGuiApplication::clipboard()->setMimeData(
        results::RowsAsMimeData(RowsShownOn(*this)).release());
  });
}

void CCalculatorDlg::OnSaveReport() {
  const QString product = dialogkit::ToQString(version::data::ProductName);
  QString path;
  // The entry is finished before the file dialog opens, so no box of its
  // leave opens over that dialog.
  RunOnFinishedEntry(
      [&] { path = AskReportPath(*this, dialogkit::ToQString(IdsReportFileName).arg(product)); });
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
  WriteReport(*this, path, results::ReportPdf(page, results::ReportPageSize(QLocale())));
}

void CCalculatorDlg::SaveSizingReport(QWidget& owner, const std::function<QByteArray()>& render) {
  const QString fileName = dialogkit::ToQString(IdsSizingReportFileName)
                               .arg(dialogkit::ToQString(version::data::ProductName));
  QString path;
  dialogkit::RunOwnedModal(owner, [&] { path = AskReportPath(owner, fileName); });
  if (!path.isEmpty())
    WriteReport(owner, path, render());
}

QString CCalculatorDlg::AskReportPath(QWidget& owner, const QString& fileName) {
  const QString suggested = SuggestedFolder().filePath(fileName);
  return m_askReportPath ? m_askReportPath(&owner, suggested)
                         : AskWithFileDialog(&owner, suggested, m_strMsgCaption);
}

void CCalculatorDlg::WriteReport(QWidget& owner, const QString& path, const QByteArray& pdf) {
  // Rendered whole in memory first: a page that cannot be drawn leaves any
  // earlier report as it was.
  const QString reason = pdf.isEmpty() ? dialogkit::ToQString(IdsReportNotDrawn)
                                       : ReasonText(results::SaveWholeFile(path, pdf));
  if (reason.isEmpty())
    return;
  const QString text =
      dialogkit::ToQString(IdsReportNotSaved).arg(QDir::toNativeSeparators(path), reason);
  dialogkit::RunOwnedModal(owner, [&] {
    dialogkit::ShowMessageBox(&owner, QMessageBox::Warning, m_strMsgCaption, text);
  });
}

} // namespace calculator
