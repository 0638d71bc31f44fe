// The calculator window.
//
// Data flow: the dialog owns one engine::CalcState; the form is a view of it.
// Every user action runs a fixed sequence: read the form into the record
// (ReadForm, with range checks), call engine operations, write the record back
// (WriteForm). Engine operations read and write the form themselves through
// the FormLink this dialog implements. A control that loses the keyboard focus
// runs its leave handler at once, nested inside whatever moved the focus, except
// while the form is being read or written.
#pragma once

#include "LeaveTracker.h"
#include "dialogkit/TemplateBuilder.h"
#include "dialogkit/TemplateDialog.h"
#include "engine/CalcState.h"
#include "engine/ConductorSizing.h"
#include "engine/FormLink.h"

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QAction;
class QButtonGroup;
class QKeySequence;
class QComboBox;
class QLineEdit;
class QSettings;

namespace calculator {

class CCalculatorDlg : public dialogkit::TemplateDialog, public engine::FormLink {
  Q_OBJECT

public:
  explicit CCalculatorDlg(QWidget* parent = nullptr);
  ~CCalculatorDlg() override;

  // The record, for looking at; only the form and the engine change it.
  const engine::CalcState& State() const { return m_state; }

  // What the About command runs; the default opens the About dialog.
  void SetAboutCommand(std::function<void(QWidget*)> command) {
    m_aboutCommand = std::move(command);
  }

  // engine::FormLink
  bool ReadForm() override { return UpdateData(true); }
  void WriteForm() override { UpdateData(false); }
  void ShowWarning(std::string_view text) override;

  // The system-menu command: 0x10, with the system's four low bits masked
  // off, is the About item.
  void OnSysCommand(unsigned commandId);
  static constexpr unsigned AboutCommandId = 0x10;

  void reject() override; // Esc, close box, Alt+F4

protected:
  void OnCreate() override;
  void showEvent(QShowEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
  // Tests set record fields directly to reach states the form cannot.
  friend class CalculatorTestAccess;

  // UpdateData(TRUE) and UpdateData(FALSE).
  bool UpdateData(bool saveAndValidate);

  // Lifecycle.
  void OnInitDialog();
  void OnCancel();
  void AddAboutMenuItem();
  void SetIcons();
  void LoadStoredSelections();
  void StoreSelections();
  void CreateToolTips();
  void ApplyCaptionFont();
  void FocusFirstTabStop();

  // Commands on the context menu and their shortcuts.
  void CreateCommands();
  QAction* AddCommand(std::string_view caption, const QKeySequence& shortcut,
                      void (CCalculatorDlg::*handler)());
  // The shown results on the clipboard, or as a PDF report where the user
  // asks (CalculatorResults.cpp).
  void OnCopyResults();
  void OnSaveReport();
  // Save Report of the Size Conductors window: asked, saved and failed as
  // the calculator's own, over that window.
  void SaveSizingReport(QWidget& owner, const std::function<QByteArray()>& render);
  // Where a report named `fileName` goes, asked over `owner`; empty cancels.
  QString AskReportPath(QWidget& owner, const QString& fileName);
  // `pdf` saved whole at `path`, or a box over `owner` that says why not.
  void WriteReport(QWidget& owner, const QString& path, const QByteArray& pdf);

public:
  // Asks where the report goes; an empty answer cancels. Unset, a file
  // dialog asks.
  using ReportPathAsker = std::function<QString(QWidget* owner, const QString& suggested)>;
  void SetReportPathAsker(ReportPathAsker ask) { m_askReportPath = std::move(ask); }

private:
  ReportPathAsker m_askReportPath;
  // What to install for the circuit on the form (CalculatorSizing.cpp).
  void OnSizeConductors();
  // Its installation conditions, kept for the next time while the program runs.
  engine::SizingConditions m_sizingConditions;
  // What every command that takes the form runs through: the entry in the
  // focused field is finished first, as leaving that field would finish it
  // (its leave sequence runs once, with any box it shows), so the command
  // sees what the form will hold. An entry the leave rejected stops the
  // command, the focus where the leave's report put it. `command` runs with
  // the form itself holding the focus, so no box or window it opens makes the
  // field leave again; the field gets the focus back afterwards.
  void RunOnFinishedEntry(const std::function<void()>& command);

  // Form exchange.
  bool DoDataExchange(bool saveAndValidate);
  void FillLists();
  void ReportInvalid(QLineEdit* edit, const QString& text);

  // Message boxes owned by the dialog; the dialog gets its activation and
  // focus back afterwards, as a native dialog does.
  void MessageBox(const QString& text, const QString& caption, QMessageBox::Icon icon);
  void RunOwnedModal(const std::function<void()>& run);

  // Interaction rules.
  void ConnectHandlers();
  void OnCalculate();
  void OnClear();
  void OnAbout();
  void OnPercentDropMode();
  void OnVoltageDropMode();
  void OnFinalVoltageMode();
  void ApplyDropMode();
  void OnAmpsUnits();
  void OnVoltAmpsUnits();
  void ApplyLoadUnits();
  void OnSolveForVoltage();
  void OnSolveForLoad();
  void OnSolveForDistance();
  void OnSolveForWireSize();
  void ApplySolveTarget(int target);
  void OnSelectKFactor();
  void OnSingle();
  void OnThree();
  void OnDirectCurrent();
  void OnFeet();
  void OnMeters();
  void OnChangeConductor();
  void OnLeave(int controlId);

  // Shared steps.
  void Enable(int controlId, bool enable);
  void Focus(int controlId);

  QLineEdit* Edit(int id) const;
  QComboBox* List(int id) const;
  QButtonGroup* RadioGroup(int firstId) const;

  engine::CalcState m_state;
  QFont m_captionFont;
  QString m_strMsgCaption;
  std::function<void(QWidget*)> m_aboutCommand;
  std::vector<QAction*> m_commands; // owned by the dialog, in menu order
  // Nonzero while the form is read or written: control notifications are ignored.
  int m_exchangeDepth = 0;
  bool m_closing = false;
  // Runs OnLeave when an edit or list loses the focus. A member, not a child,
  // so it is gone before the closing window hands the focus away.
  std::unique_ptr<LeaveTracker> m_leaveTracker;
};

} // namespace calculator
