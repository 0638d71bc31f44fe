#include "SizeConductorsDlg.h"

#include "DropChart.h"
#include "InstallColour.h"
#include "MarkDelegate.h"
#include "SizingStrings.h"
#include "WireSizeModel.h"
#include "results/ResultsReport.h"
#include "results/ShownNumber.h"

#include "dialogkit/TemplateBuilder.h"
#include "dialogkit/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace sizing {

using dialogkit::ToQString;
using results::ResultRow;
using results::ShownNumber;

namespace {

constexpr int PreferredRows = 12; // in view when the screen has room
constexpr int LeastRows = 3;      // in view however small the window gets
constexpr int PreferredWorkLines = 9;
constexpr int LeastWorkLines = 2;
constexpr int ReportRowsAround = 3; // table rows each side of the size to install

QString SizeName(std::optional<int> size) {
  return size ? ToQString(engine::WireSizeNames[static_cast<std::size_t>(*size)])
              : ToQString(IdsNoSize);
}

template <std::size_t N> QString Named(const std::array<std::string_view, N>& names, int index) {
  return ToQString(names[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))]);
}

// The panes share what room there is. It asks for no more than its least
// height, so the body around it scrolls only when even that does not fit.
class LeastSplitter : public QSplitter {
public:
  using QSplitter::QSplitter;
  QSize sizeHint() const override {
    return {QSplitter::sizeHint().width(), minimumSizeHint().height()};
  }
};

// A wrapped note that keeps room for all its lines in the splitter, which
// gives its panes no more than their least heights otherwise.
class WrappedNote : public QLabel {
public:
  WrappedNote(const QString& text, QWidget* parent) : QLabel(text, parent) { setWordWrap(true); }

protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    setMinimumHeight(heightForWidth(event->size().width()));
  }
};

int FormSize(const engine::CalcState& record) {
  return std::clamp(record.WireSize, 0, engine::LargestWireSize);
}

// A control with its label in one cell pair of the grid, the label's Alt key
// reaching the control.
template <typename Control>
Control* Labelled(QWidget* body, std::string_view label, std::string_view name, QGridLayout& grid,
                  int row, int column) {
  auto* control = new Control(body);
  control->setAccessibleName(ToQString(name));
  auto* caption = new QLabel(ToQString(label), body);
  caption->setBuddy(control);
  grid.addWidget(caption, row, column);
  grid.addWidget(control, row, column + 1);
  return control;
}

double ToFahrenheit(int celsius) { return celsius * 9.0 / 5.0 + 32.0; }

} // namespace

CSizeConductorsDlg::CSizeConductorsDlg(const engine::CalcState& record,
                                       const engine::SizingConditions& kept, QWidget* parent)
    : QDialog(parent), m_record(record), m_conditions(kept) {
  m_conditions.conductorsIndex =
      std::clamp(record.ConductorsIndex, 0, engine::ConductorCountMax - 1);
  dialogkit::SetDialogFrame(*this);
  setWindowTitle(ToQString(IdsSizingTitle) + QStringLiteral(" - ") +
                 ToQString(IdsSizingCaptionProduct));
  setSizeGripEnabled(true);

  // The body is inside the window before its controls are made, so that Tab
  // visits them in the order they are made.
  m_body = new QScrollArea(this);
  m_body->setFrameShape(QFrame::NoFrame);
  m_body->setWidgetResizable(true);
  m_body->setFocusPolicy(Qt::NoFocus);
  auto* body = new QWidget;
  m_body->setWidget(body);

  QGridLayout* conditions = CreateConditions(body);
  QWidget* workPane = CreateWorkPane(body);
  QWidget* tablePane = CreateTablePane(body);
  CreateSplitter(body, workPane, tablePane);
  QWidget* buttons = CreateButtons();
  CreateCommands();
  LayOut(body, conditions, buttons);

  ShowConditions();
  OnConditionsChanged();
  ConnectConditions();
  m_table->resizeRowsToContents();
  m_table->setCurrentIndex(m_sizes->index(FormSize(record), 0));
  m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                            m_table->rowHeight(0) * LeastRows + m_table->frameWidth() * 2);
  m_work->setMinimumHeight(m_work->fontMetrics().lineSpacing() * LeastWorkLines +
                           m_work->frameWidth() * 2);
  m_conductors->setFocus(Qt::OtherFocusReason);
  SizeToContents();
}

QGridLayout* CSizeConductorsDlg::CreateConditions(QWidget* body) {
  auto* grid = new QGridLayout;
  m_conductors = Labelled<QComboBox>(body, IdsConductorsLabel, IdsConductorsName, *grid, 0, 0);
  for (std::string_view count : engine::ConductorCountNames)
    m_conductors->addItem(ToQString(count));
  m_rating = Labelled<QComboBox>(body, IdsRatingLabel, IdsRatingName, *grid, 0, 2);
  for (std::string_view rating : engine::TemperatureRatingNames)
    m_rating->addItem(ToQString(rating));
  m_terminations =
      Labelled<QComboBox>(body, IdsTerminationsLabel, IdsTerminationsName, *grid, 1, 0);
  for (std::string_view terminations : IdsTerminations)
    m_terminations->addItem(ToQString(terminations));

  m_ambient = new QSpinBox(body);
  m_ambient->setAccessibleName(ToQString(IdsAmbientName));
  m_ambient->setRange(engine::AmbientRangeC.min, engine::AmbientRangeC.max);
  m_ambient->setSuffix(ToQString(IdsAmbientSuffix));
  auto* ambientLabel = new QLabel(ToQString(IdsAmbientLabel), body);
  ambientLabel->setBuddy(m_ambient);
  m_fahrenheit = new QLabel(body);
  auto* ambient = new QHBoxLayout;
  ambient->addWidget(m_ambient);
  ambient->addWidget(m_fahrenheit);
  ambient->addStretch();
  grid->addWidget(ambientLabel, 1, 2);
  grid->addLayout(ambient, 1, 3);

  m_currentCarrying =
      Labelled<QSpinBox>(body, IdsCurrentCarryingLabel, IdsCurrentCarryingName, *grid, 2, 0);
  m_currentCarrying->setRange(engine::CurrentCarryingRange.min, engine::CurrentCarryingRange.max);
  m_powerFactor =
      Labelled<QDoubleSpinBox>(body, IdsPowerFactorLabel, IdsPowerFactorName, *grid, 2, 2);
  // The form's own numbers are never localised; neither is this one.
  m_powerFactor->setLocale(QLocale::c());
  m_powerFactor->setDecimals(2);
  m_powerFactor->setSingleStep(0.01);
  m_powerFactor->setRange(engine::PowerFactorRange.min, engine::PowerFactorRange.max);
  m_powerFactor->setToolTip(ToQString(IdsPowerFactorTip));
  m_method = Labelled<QComboBox>(body, IdsMethodLabel, IdsMethodName, *grid, 3, 0);
  for (std::string_view method : IdsMethods)
    m_method->addItem(ToQString(method));
  m_continuous = new QCheckBox(ToQString(IdsContinuousLabel), body);
  grid->addWidget(m_continuous, 3, 2, 1, 2);
  grid->setColumnStretch(4, 1);

  m_answer = new QLabel(body);
  m_answer->setWordWrap(true);
  m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_answer->setAccessibleName(ToQString(IdsAnswerName));
  QFont strong = m_answer->font();
  strong.setBold(true);
  m_answer->setFont(strong);
  return grid;
}

QWidget* CSizeConductorsDlg::CreateWorkPane(QWidget* body) {
  auto* pane = new QWidget(body);
  m_work = new QTextBrowser(pane);
  m_work->setAccessibleName(ToQString(IdsWorkName));
  m_work->setOpenLinks(false);
  auto* label = new QLabel(ToQString(IdsWorkLabel), pane);
  label->setBuddy(m_work);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(m_work, 1);
  return pane;
}

QWidget* CSizeConductorsDlg::CreateTablePane(QWidget* body) {
  auto* pane = new QWidget(body);
  m_sizes = new WireSizeModel(this);
  m_sizes->SetInstallTint(InstallTint());
  m_table = new QTableView(pane);
  m_table->setModel(m_sizes);
  auto* label = new WrappedNote(ToQString(IdsTableLabel), pane);
  label->setBuddy(m_table);
  m_table->setAccessibleName(ToQString(IdsTableName));
  m_table->setAccessibleDescription(ToQString(IdsTableDescription));
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setTabKeyNavigation(false); // Tab moves on to the next control
  m_table->setWordWrap(false);
  auto* marks = new MarkDelegate(m_table);
  for (int column = 0; column < m_sizes->columnCount(); ++column) {
    if (WireSizeModel::IsMark(column))
      m_table->setItemDelegateForColumn(column, marks);
  }
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(m_table, 1);
  return pane;
}

void CSizeConductorsDlg::CreateSplitter(QWidget* body, QWidget* workPane, QWidget* tablePane) {
  m_chart = new CDropChart(body);
  m_split = new LeastSplitter(Qt::Vertical, body);
  m_split->setChildrenCollapsible(false);
  m_split->addWidget(workPane);
  m_split->addWidget(tablePane);
  m_split->addWidget(m_chart);
}

QWidget* CSizeConductorsDlg::CreateButtons() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* copy = buttons->addButton(ToQString(IdsCopy), QDialogButtonBox::ActionRole);
  connect(copy, &QPushButton::clicked, this, &CSizeConductorsDlg::OnCopy);
  m_saveReport = buttons->addButton(ToQString(IdsSaveReport), QDialogButtonBox::ActionRole);
  m_saveReport->setEnabled(false); // until the calculator says where reports go
  connect(m_saveReport, &QPushButton::clicked, this, &CSizeConductorsDlg::OnSaveReport);
  QPushButton* close = buttons->addButton(ToQString(IdsClose), QDialogButtonBox::RejectRole);
  close->setDefault(true);
  for (QPushButton* button : {copy, m_saveReport})
    button->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  return buttons;
}

void CSizeConductorsDlg::CreateCommands() {
  auto* copy = new QAction(this);
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &CSizeConductorsDlg::OnCopy);
  addAction(copy);
  auto* save = new QAction(this);
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, [this] {
    if (m_saveReport->isEnabled())
      OnSaveReport();
  });
  addAction(save);
}

void CSizeConductorsDlg::LayOut(QWidget* body, QGridLayout* conditions, QWidget* buttons) {
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->addLayout(conditions);
  bodyLayout->addWidget(m_answer);
  bodyLayout->addWidget(m_split, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_body, 1);
  layout->addWidget(buttons);
}

void CSizeConductorsDlg::ShowConditions() {
  m_conductors->setCurrentIndex(m_conditions.conductorsIndex);
  m_rating->setCurrentIndex(m_conditions.insulation);
  m_continuous->setChecked(m_conditions.continuous);
  m_terminations->setCurrentIndex(static_cast<int>(m_conditions.terminations));
  m_ambient->setValue(m_conditions.ambientC);
  m_currentCarrying->setValue(m_conditions.currentCarrying);
  m_powerFactor->setValue(m_conditions.powerFactor);
  m_method->setCurrentIndex(static_cast<int>(m_conditions.method));
  // Direct current has no power factor and is sized by K alone.
  const bool ac = m_record.Current == engine::CurrentAc;
  m_powerFactor->setEnabled(ac);
  m_method->setEnabled(ac);
}

void CSizeConductorsDlg::ConnectConditions() {
  for (QComboBox* list : {m_conductors, m_rating, m_terminations, m_method})
    connect(list, &QComboBox::currentIndexChanged, this, &CSizeConductorsDlg::OnConditionsChanged);
  connect(m_continuous, &QCheckBox::toggled, this, &CSizeConductorsDlg::OnConditionsChanged);
  for (QSpinBox* spin : {m_ambient, m_currentCarrying})
    connect(spin, &QSpinBox::valueChanged, this, &CSizeConductorsDlg::OnConditionsChanged);
  connect(m_powerFactor, &QDoubleSpinBox::valueChanged, this,
          &CSizeConductorsDlg::OnConditionsChanged);
}

void CSizeConductorsDlg::SetReportSaver(ReportSaver save) {
  m_saveReportWith = std::move(save);
  m_saveReport->setEnabled(static_cast<bool>(m_saveReportWith));
}

void CSizeConductorsDlg::OnConditionsChanged() {
  m_conditions.conductorsIndex = m_conductors->currentIndex();
  m_conditions.insulation = m_rating->currentIndex();
  m_conditions.continuous = m_continuous->isChecked();
  m_conditions.terminations = static_cast<engine::Terminations>(m_terminations->currentIndex());
  m_conditions.ambientC = m_ambient->value();
  m_conditions.currentCarrying = m_currentCarrying->value();
  m_conditions.powerFactor = m_powerFactor->value();
  m_conditions.method = static_cast<engine::DropMethod>(m_method->currentIndex());
  m_fahrenheit->setText(
      ToQString(IdsFahrenheit).arg(ShownNumber(ToFahrenheit(m_ambient->value()))));

  m_sizing = engine::SizeConductors(m_record, m_conditions);
  const int form = FormSize(m_record);
  m_answer->setText(QString::fromStdString(m_sizing.answer));
  m_work->setHtml(
      results::WorkAsHtml(m_sizing.steps) +
      QStringLiteral("<p><i>%1</i></p>")
          .arg(ToQString(IdsBasis).arg(ToQString(engine::CodeEdition)).toHtmlEscaped()));
  m_sizes->SetSizing(m_sizing, m_record.Material, form);
  // Once for all cells: a header that sizes to contents measures the whole
  // table again on every changed cell.
  m_table->resizeColumnsToContents();
  m_chart->SetSizing(m_sizing, m_record.PercentDrop, form);
  m_chart->setAccessibleDescription(
      m_answer->text() + QLatin1Char(' ') +
      ToQString(IdsChartSizes).arg(SizeName(m_sizing.installedSize), SizeName(form)));
}

results::SizingSheet CSizeConductorsDlg::Sheet(bool allSizes) const {
  results::SizingSheet sheet;
  sheet.answer = QString::fromStdString(m_sizing.answer);
  const engine::CalcState& r = m_record;
  const auto row = [](std::string_view label, const QString& value, const QString& unit = {}) {
    return ResultRow{ToQString(label), value, unit, false};
  };
  sheet.circuit = {
      row(IdsCircuitVoltage, ShownNumber(r.Voltage), QStringLiteral("V")),
      row(IdsCircuitSystem,
          Named(IdsPhases, r.Phase) + QLatin1Char(' ') + Named(IdsCurrents, r.Current)),
      row(IdsCircuitConductor, Named(IdsMaterials, r.Material)),
      row(IdsCircuitRaceway, Named(IdsRaceways, r.Raceway)),
      row(IdsCircuitLoad, ShownNumber(r.Amps), QStringLiteral("A")),
      row(IdsCircuitLength, ShownNumber(r.FeetLength), QStringLiteral("ft")),
      row(IdsCircuitAllowed, ShownNumber(r.PercentDrop) + QStringLiteral(" % (") +
                                 ShownNumber(r.DropVolts) + QStringLiteral(" V)")),
  };
  const engine::SizingConditions& c = m_sizing.conditions;
  const bool ac = r.Current == engine::CurrentAc;
  sheet.conditions = {
      row(IdsConductorsName, QString::number(c.conductorsIndex + 1)),
      row(IdsRatingName, Named(engine::TemperatureRatingNames, c.insulation)),
      row(IdsConditionContinuous, ToQString(c.continuous ? IdsCopiedYes : IdsCopiedNo)),
      row(IdsTerminationsName, Named(IdsTerminations, static_cast<int>(c.terminations))),
      row(IdsConditionAmbient,
          QString::number(c.ambientC) + ToQString(IdsAmbientSuffix) + QLatin1Char(' ') +
              ToQString(IdsFahrenheit).arg(ShownNumber(ToFahrenheit(c.ambientC)))),
      row(IdsCurrentCarryingName, QString::number(c.currentCarrying)),
      row(IdsPowerFactorName, ac ? ShownNumber(c.powerFactor) : ToQString(IdsNoPowerFactor)),
      row(IdsMethodName,
          ac ? Named(IdsMethods, static_cast<int>(c.method)) : ToQString(IdsDirectCurrentMethod)),
  };
  sheet.steps = m_sizing.steps;
  sheet.basis = ToQString(IdsBasis).arg(ToQString(engine::CodeEdition));
  const int around = m_sizing.installedSize.value_or(m_sizing.minimumSize.value_or(FormSize(r)));
  using Digits = WireSizeModel::Digits;
  sheet.sizes = allSizes ? m_sizes->Copied(Digits::All)
                         : m_sizes->Copied(Digits::Drawn, around - ReportRowsAround,
                                           around + ReportRowsAround);
  return sheet;
}

void CSizeConductorsDlg::OnCopy() const {
  QGuiApplication::clipboard()->setMimeData(results::SheetAsMimeData(Sheet(true)).release());
}

void CSizeConductorsDlg::OnSaveReport() {
  if (!m_saveReportWith)
    return;
  m_saveReportWith(this, [this] {
    return results::SizingReportPdf(
        ToQString(IdsSizingCaptionProduct) + QStringLiteral(" - ") + ToQString(IdsSizingTitle),
        QDateTime::currentDateTime(), Sheet(false), results::ReportPageSize(QLocale()));
  });
}

void CSizeConductorsDlg::SizeToContents() {
  const int tableWidth = m_table->horizontalHeader()->length() +
                         m_table->verticalScrollBar()->sizeHint().width() +
                         m_table->frameWidth() * 2;
  const int tableHeight = m_table->horizontalHeader()->sizeHint().height() +
                          m_table->rowHeight(0) * PreferredRows + m_table->frameWidth() * 2;
  const int workHeight =
      m_work->fontMetrics().lineSpacing() * PreferredWorkLines + m_work->frameWidth() * 2;
  const int workPane = m_split->widget(0)->sizeHint().height() +
                       std::max(0, workHeight - m_work->sizeHint().height());
  const int tablePane = m_split->widget(1)->sizeHint().height() +
                        std::max(0, tableHeight - m_table->sizeHint().height());
  const int chartHeight = m_chart->sizeHint().height();
  m_split->setSizes({workPane, tablePane, chartHeight});

  const QSize body = m_body->widget()->sizeHint(); // with the splitter at its least
  const QMargins margins = layout()->contentsMargins();
  const int splitGrows = workPane + tablePane + chartHeight + m_split->handleWidth() * 2 -
                         m_split->sizeHint().height();
  resize(std::max(body.width(), tableWidth) + margins.left() + margins.right(),
         body.height() + std::max(0, splitGrows) + margins.top() + margins.bottom() +
             layout()->spacing() + layout()->itemAt(1)->sizeHint().height());
}

void CSizeConductorsDlg::KeepOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr)
    return;
  const QRect room = screen->availableGeometry();
  // Until the window manager has framed the window, the owner's frame stands in.
  QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  if (frame.isNull() && owner != nullptr && owner->windowHandle() != nullptr)
    frame = owner->windowHandle()->frameMargins();
  resize(size().boundedTo(room.size().shrunkBy(frame)));
  const QSize outer = size().grownBy(frame);
  move(std::clamp(pos().x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())),
       std::clamp(pos().y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
}

void CSizeConductorsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepOnScreen();
  // The size to install in view, the form's near it.
  const int shown = m_sizing.installedSize.value_or(FormSize(m_record));
  m_table->scrollTo(m_sizes->index(shown, 0), QAbstractItemView::PositionAtCenter);
}

} // namespace sizing
