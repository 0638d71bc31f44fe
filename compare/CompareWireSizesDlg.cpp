#include "CompareWireSizesDlg.h"

#include "CompareStrings.h"
#include "DropChart.h"
#include "MarkDelegate.h"
#include "WireSizeModel.h"
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
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace compare {

using dialogkit::ToQString;
using results::ShownNumber;

namespace {

constexpr int PreferredRows = 12; // in view when the screen has room
constexpr int LeastRows = 3;      // in view however small the dialog gets

QString SizeName(int size) {
  return ToQString(engine::WireSizeNames[static_cast<std::size_t>(size)]);
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

// A list with its label, the label's Alt key reaching the list.
QComboBox* LabelledList(QWidget* body, std::string_view label, std::string_view name,
                        QHBoxLayout& row) {
  auto* list = new QComboBox(body);
  list->setAccessibleName(ToQString(name));
  auto* caption = new QLabel(ToQString(label), body);
  caption->setBuddy(list);
  row.addWidget(caption);
  row.addWidget(list);
  return list;
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

  QLayout* conditions = CreateConditions(body);
  QWidget* tablePane = CreateTablePane(body);
  CreateSplitter(body, tablePane);
  QWidget* buttons = CreateButtons();
  CreateCopyCommand();
  LayOut(body, conditions, buttons);

  m_conductors->setCurrentIndex(
      std::clamp(record.ConductorsIndex, 0, engine::ConductorCountMax - 1));
  m_rating->setCurrentIndex(engine::DefaultTemperatureRating);
  Fill();
  connect(m_conductors, &QComboBox::currentIndexChanged, this, &CCompareWireSizesDlg::Fill);
  connect(m_rating, &QComboBox::currentIndexChanged, this, &CCompareWireSizesDlg::Fill);
  connect(m_continuous, &QCheckBox::toggled, this, &CCompareWireSizesDlg::Fill);
  m_table->resizeRowsToContents();
  m_table->setCurrentIndex(m_sizes->index(FormSize(record), 0));
  m_table->setFocus(Qt::OtherFocusReason);
  m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                            m_table->rowHeight(0) * LeastRows + m_table->frameWidth() * 2);
  SizeToContents();
}

QLayout* CCompareWireSizesDlg::CreateConditions(QWidget* body) {
  auto* row = new QHBoxLayout;
  m_conductors = LabelledList(body, IdsConductorsLabel, IdsConductorsName, *row);
  for (std::string_view count : engine::ConductorCountNames)
    m_conductors->addItem(ToQString(count));
  row->addSpacing(fontMetrics().height());
  m_rating = LabelledList(body, IdsRatingLabel, IdsRatingName, *row);
  for (std::string_view rating : engine::TemperatureRatingNames)
    m_rating->addItem(ToQString(rating));
  row->addSpacing(fontMetrics().height());
  m_continuous = new QCheckBox(ToQString(IdsContinuousLabel), body);
  row->addWidget(m_continuous);
  row->addStretch();
  m_summary = new QLabel(body);
  m_summary->setWordWrap(true);
  return row;
}

QWidget* CCompareWireSizesDlg::CreateTablePane(QWidget* body) {
  m_sizes = new WireSizeModel(this);
  // The tint marks the form's row until the selection covers it; the bold
  // text shows through the selection.
  QColor formTint = palette().color(QPalette::Highlight);
  formTint.setAlpha(70);
  m_sizes->SetFormTint(formTint);

  m_table = new QTableView(body);
  m_table->setModel(m_sizes);
  m_tableLabel = new QLabel(ToQString(IdsTableLabel), body);
  m_tableLabel->setBuddy(m_table);
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

  // The table goes with what its ampacity rests on.
  auto* pane = new QWidget(body);
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_table);
  layout->addWidget(new WrappedNote(ToQString(IdsAmpacityBasis), body));
  return pane;
}

void CCompareWireSizesDlg::CreateSplitter(QWidget* body, QWidget* tablePane) {
  m_chart = new CDropChart(body);
  m_split = new LeastSplitter(Qt::Vertical, body);
  m_split->setChildrenCollapsible(false);
  m_split->addWidget(tablePane);
  m_split->addWidget(m_chart);
}

QWidget* CCompareWireSizesDlg::CreateButtons() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(ToQString(IdsClose), QDialogButtonBox::RejectRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  return buttons;
}

void CCompareWireSizesDlg::CreateCopyCommand() {
  auto* copy = new QAction(ToQString(IdsCopyTable), this);
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &CCompareWireSizesDlg::CopyTable);
  addAction(copy);
  m_table->addAction(copy);
  m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CCompareWireSizesDlg::LayOut(QWidget* body, QLayout* conditions, QWidget* buttons) {
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->addLayout(conditions);
  bodyLayout->addWidget(m_summary);
  bodyLayout->addWidget(m_tableLabel);
  bodyLayout->addWidget(m_split, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_body, 1);
  layout->addWidget(buttons);
}

void CCompareWireSizesDlg::Fill() {
  const bool continuous = m_continuous->isChecked();
  m_choice = engine::ChooseWireSize(m_record, m_conductors->currentIndex(),
                                    m_rating->currentIndex(), continuous);
  const int form = FormSize(m_record);
  m_sizes->SetChoice(m_choice, m_record.Material, form);
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
  if (const QModelIndex current = m_table->currentIndex(); current.isValid())
    m_table->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

void CCompareWireSizesDlg::CopyTable() const {
  const results::CopiedTable table = m_sizes->Copied();
  QGuiApplication::clipboard()->setMimeData(
      results::ClipboardData(table, results::TableAsTabbedText(table)).release());
}

} // namespace compare
