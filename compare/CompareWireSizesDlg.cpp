#include "CompareWireSizesDlg.h"

#include "CompareStrings.h"
#include "DropChart.h"
#include "results/ResultsClipboard.h"
#include "results/ShownNumber.h"

#include "dialogkit/TemplateBuilder.h"
#include "dialogkit/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
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
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

namespace compare {

using dialogkit::ToQString;
using engine::AmpacityCheck;
using engine::WireSizeChoice;
using engine::WireSizeRow;
using results::ShownNumber;

namespace {

using Column = CCompareWireSizesDlg::Column;
static_assert(IdsHeadings.size() == CCompareWireSizesDlg::ColumnCount);

constexpr int PreferredRows = 12; // in view when the screen has room
constexpr int LeastRows = 3;      // in view however small the dialog gets

QString SizeName(int size) {
  return ToQString(engine::WireSizeNames[static_cast<std::size_t>(size)]);
}

// Four significant digits, yet every whole digit ("7.902", "112.1", "251070"):
// a voltage or an area rounded to tens would read as a different value.
QString GlanceNumber(double value) {
  if (!std::isfinite(value))
    return ShownNumber(value); // "inf", "undefined", as the form prints them
  const double size = std::abs(value);
  if (size >= 1000 && size < 1e15)
    return QString::number(value, 'f', 0);
  return QString::number(value, 'g', 4);
}

// The number a column holds; none for the size, the ampacity and the marks.
std::optional<double> CellNumber(const WireSizeRow& row, int column) {
  switch (column) {
  case Column::ColK:
    return row.kFactor;
  case Column::ColArea:
    return row.totalArea;
  case Column::ColDrop:
    return row.dropVolts;
  case Column::ColPercent:
    return row.percentDrop;
  case Column::ColFinal:
    return row.finalVoltage;
  default:
    return std::nullopt;
  }
}

// A mark column's verdict for one size.
bool Marked(const WireSizeChoice& choice, int size, int column) {
  return column == Column::ColWithin ? choice.rows[size].meetsAllowedDrop
                                     : choice.checks[size].meets;
}

QString MarkWords(bool marked, int column) {
  if (column == Column::ColWithin)
    return ToQString(marked ? IdsWithinDrop : IdsOverDrop);
  return ToQString(marked ? IdsCarries : IdsLacks);
}

// A cell in full, as the copy and the tooltip hold it.
QString FullText(const WireSizeChoice& choice, int size, int column) {
  const AmpacityCheck& check = choice.checks[size];
  switch (column) {
  case Column::ColSize:
    return SizeName(size);
  case Column::ColAmpacity:
    return check.ampacity ? QString::number(*check.ampacity) : QString();
  case Column::ColWithin:
  case Column::ColCarries:
    return ToQString(Marked(choice, size, column) ? IdsCopiedYes : IdsCopiedNo);
  default:
    return ShownNumber(*CellNumber(choice.rows[size], column));
  }
}

// A cell as the table shows it: numbers at a glance, marks as ticks.
QString ShownText(const WireSizeChoice& choice, int size, int column) {
  if (column == Column::ColWithin || column == Column::ColCarries)
    return Marked(choice, size, column) ? ToQString(IdsMark) : QString();
  if (const std::optional<double> number = CellNumber(choice.rows[size], column))
    return GlanceNumber(*number);
  return FullText(choice, size, column);
}

// What a row says beyond its values: that it is the form's size, and the
// overcurrent limit of a small conductor.
QStringList RowNotes(const engine::CalcState& record, int size, int formSize) {
  QStringList notes;
  if (size == formSize)
    notes << ToQString(IdsFormSizeNote);
  if (const std::optional<int> limit =
          engine::SmallConductorOvercurrentLimit(record.Material, size))
    notes << ToQString(IdsOvercurrentNote).arg(*limit);
  return notes;
}

// The table above, the chart below, sharing what room there is. It asks for
// no more than its least height, so the body around it scrolls only when even
// that does not fit.
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

} // namespace

CCompareWireSizesDlg::CCompareWireSizesDlg(const engine::CalcState& record, QWidget* parent)
    : QDialog(parent), m_record(record) {
  dialogkit::SetDialogFrame(*this);
  setWindowTitle(ToQString(IdsCompareTitle) + QStringLiteral(" - ") +
                 ToQString(IdsCompareCaptionProduct));
  setSizeGripEnabled(true);

  // The body is inside the window before its controls are made, so that Tab
  // visits them in the order they are made.
  m_body = new QScrollArea(this);
  m_body->setFrameShape(QFrame::NoFrame);
  m_body->setWidgetResizable(true);
  m_body->setFocusPolicy(Qt::NoFocus);
  auto* body = new QWidget;
  m_body->setWidget(body);

  m_conductors = new QComboBox(body);
  for (std::string_view count : engine::ConductorCountNames)
    m_conductors->addItem(ToQString(count));
  m_conductors->setAccessibleName(ToQString(IdsConductorsName));
  auto* conductorsLabel = new QLabel(ToQString(IdsConductorsLabel), body);
  conductorsLabel->setBuddy(m_conductors);
  m_rating = new QComboBox(body);
  for (std::string_view rating : engine::TemperatureRatingNames)
    m_rating->addItem(ToQString(rating));
  m_rating->setAccessibleName(ToQString(IdsRatingName));
  auto* ratingLabel = new QLabel(ToQString(IdsRatingLabel), body);
  ratingLabel->setBuddy(m_rating);
  m_continuous = new QCheckBox(ToQString(IdsContinuousLabel), body);
  m_summary = new QLabel(body);
  m_summary->setWordWrap(true);

  m_table = new QTableWidget(engine::WireSizeCount, ColumnCount, body);
  auto* tableLabel = new QLabel(ToQString(IdsTableLabel), body);
  tableLabel->setBuddy(m_table);
  m_table->setAccessibleName(ToQString(IdsTableName));
  m_table->setAccessibleDescription(ToQString(IdsTableDescription));
  QStringList headers;
  for (std::string_view header : IdsHeadings)
    headers << ToQString(header);
  m_table->setHorizontalHeaderLabels(headers);
  m_table->horizontalHeaderItem(ColK)->setToolTip(ToQString(IdsKHeadingTip));
  m_table->horizontalHeaderItem(ColAmpacity)->setToolTip(ToQString(IdsAmpacityHeadingTip));
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setTabKeyNavigation(false); // Tab moves on to the next control
  m_table->setWordWrap(false);
  // The tint marks the form's row until the selection covers it; the bold
  // text shows through the selection.
  QColor formTint = palette().color(QPalette::Highlight);
  formTint.setAlpha(70);
  QFont bold = m_table->font();
  bold.setBold(true);
  for (int row = 0; row < engine::WireSizeCount; ++row) {
    for (int column = 0; column < ColumnCount; ++column) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(column == ColSize ? Qt::AlignLeft | Qt::AlignVCenter
                             : column == ColWithin || column == ColCarries
                                 ? Qt::AlignCenter
                                 : Qt::AlignRight | Qt::AlignVCenter);
      if (row == FormSize(record)) {
        item->setBackground(formTint);
        item->setFont(bold);
      }
      m_table->setItem(row, column, item);
    }
  }
  auto* basis = new WrappedNote(ToQString(IdsAmpacityBasis), body);

  m_chart = new CDropChart(body);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(ToQString(IdsClose), QDialogButtonBox::RejectRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* copy = new QAction(ToQString(IdsCopyTable), this);
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &CCompareWireSizesDlg::CopyTable);
  addAction(copy);
  m_table->addAction(copy);
  m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

  // The table goes with what its ampacity rests on.
  auto* tablePane = new QWidget(body);
  auto* tableLayout = new QVBoxLayout(tablePane);
  tableLayout->setContentsMargins(0, 0, 0, 0);
  tableLayout->addWidget(m_table);
  tableLayout->addWidget(basis);
  m_split = new LeastSplitter(Qt::Vertical, body);
  m_split->setChildrenCollapsible(false);
  m_split->addWidget(tablePane);
  m_split->addWidget(m_chart);

  auto* top = new QHBoxLayout;
  top->addWidget(conductorsLabel);
  top->addWidget(m_conductors);
  top->addSpacing(fontMetrics().height());
  top->addWidget(ratingLabel);
  top->addWidget(m_rating);
  top->addSpacing(fontMetrics().height());
  top->addWidget(m_continuous);
  top->addStretch();
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->addLayout(top);
  bodyLayout->addWidget(m_summary);
  bodyLayout->addWidget(tableLabel);
  bodyLayout->addWidget(m_split, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_body, 1);
  layout->addWidget(buttons);

  m_conductors->setCurrentIndex(
      std::clamp(record.ConductorsIndex, 0, engine::ConductorCountMax - 1));
  m_rating->setCurrentIndex(engine::DefaultTemperatureRating);
  Fill();
  connect(m_conductors, &QComboBox::currentIndexChanged, this, &CCompareWireSizesDlg::Fill);
  connect(m_rating, &QComboBox::currentIndexChanged, this, &CCompareWireSizesDlg::Fill);
  connect(m_continuous, &QCheckBox::toggled, this, &CCompareWireSizesDlg::Fill);
  m_table->resizeRowsToContents();
  m_table->setCurrentCell(FormSize(record), ColSize);
  m_table->setFocus(Qt::OtherFocusReason);
  m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                            m_table->rowHeight(0) * LeastRows + m_table->frameWidth() * 2);
  SizeToContents();
}

void CCompareWireSizesDlg::Fill() {
  const bool continuous = m_continuous->isChecked();
  m_choice = engine::ChooseWireSize(m_record, m_conductors->currentIndex(),
                                    m_rating->currentIndex(), continuous);
  const int form = FormSize(m_record);
  for (int size = 0; size < engine::WireSizeCount; ++size) {
    const QStringList notes = RowNotes(m_record, size, form);
    for (int column = 0; column < ColumnCount; ++column) {
      QTableWidgetItem* item = m_table->item(size, column);
      item->setText(ShownText(m_choice, size, column));
      QStringList said = notes;
      if (column == ColWithin || column == ColCarries) {
        const QString words = MarkWords(Marked(m_choice, size, column), column);
        item->setData(Qt::AccessibleTextRole, words);
        said.prepend(words);
      } else if (const QString full = FullText(m_choice, size, column); !full.isEmpty()) {
        said.prepend(full);
      }
      item->setToolTip(said.join(QLatin1Char('\n')));
      item->setData(Qt::AccessibleDescriptionRole, said.join(QStringLiteral("; ")));
    }
  }
  // Once for all cells: a header that sizes to contents measures the whole
  // table again on every changed cell.
  m_table->resizeColumnsToContents();

  const auto named = [](std::optional<int> size) {
    return size ? SizeName(*size) : ToQString(IdsNoSize);
  };
  const QString summary =
      ToQString(IdsSummaryLimits)
          .arg(ShownNumber(m_record.PercentDrop), ShownNumber(m_record.DropVolts),
               ShownNumber(engine::RequiredAmpacity(m_record.Amps, continuous))) +
      QLatin1Char(' ') +
      ToQString(IdsSummarySizes)
          .arg(named(m_choice.smallestWithinDrop), m_rating->currentText(),
               named(m_choice.smallestWithAmpacity), named(m_choice.smallestMeetingBoth));
  m_summary->setText(summary);

  m_chart->SetChoice(m_choice, m_record.PercentDrop, form);
  m_chart->setAccessibleDescription(summary + QLatin1Char(' ') +
                                    ToQString(IdsChartFormSize).arg(SizeName(form)));
}

void CCompareWireSizesDlg::SizeToContents() {
  const int tableWidth = m_table->horizontalHeader()->length() +
                         m_table->verticalScrollBar()->sizeHint().width() +
                         m_table->frameWidth() * 2;
  const int tableHeight = m_table->horizontalHeader()->sizeHint().height() +
                          m_table->rowHeight(0) * PreferredRows + m_table->frameWidth() * 2;
  const int paneHeight = m_split->widget(0)->sizeHint().height() +
                         std::max(0, tableHeight - m_table->sizeHint().height());
  const int chartHeight = m_chart->sizeHint().height();
  m_split->setSizes({paneHeight, chartHeight});

  const QSize body = m_body->widget()->sizeHint(); // with the splitter at its least
  const QMargins margins = layout()->contentsMargins();
  const int splitGrows =
      paneHeight + m_split->handleWidth() + chartHeight - m_split->sizeHint().height();
  resize(std::max(body.width(), tableWidth) + margins.left() + margins.right(),
         body.height() + std::max(0, splitGrows) + margins.top() + margins.bottom() +
             layout()->spacing() + layout()->itemAt(1)->sizeHint().height());
}

void CCompareWireSizesDlg::KeepOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr)
    return;
  const QRect room = screen->availableGeometry();
  // Until the window manager has framed the dialog, the owner's frame stands in.
  QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  if (frame.isNull() && owner != nullptr && owner->windowHandle() != nullptr)
    frame = owner->windowHandle()->frameMargins();
  resize(size().boundedTo(room.size().shrunkBy(frame)));
  const QSize outer = size().grownBy(frame);
  move(std::clamp(pos().x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())),
       std::clamp(pos().y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
}

void CCompareWireSizesDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepOnScreen();
  if (QTableWidgetItem* current = m_table->currentItem())
    m_table->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void CCompareWireSizesDlg::CopyTable() const {
  results::CopiedTable table;
  for (std::string_view header : IdsHeadings)
    table.headings << ToQString(header);
  for (int size = 0; size < engine::WireSizeCount; ++size) {
    results::CopiedRow copied;
    for (int column = 0; column < ColumnCount; ++column)
      copied.cells << FullText(m_choice, size, column);
    table.rows.push_back(std::move(copied));
  }
  QGuiApplication::clipboard()->setMimeData(
      results::ClipboardData(table, results::TableAsTabbedText(table)).release());
}

} // namespace compare
