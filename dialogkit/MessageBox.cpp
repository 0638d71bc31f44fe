#include "MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <memory>

namespace dialogkit {

namespace {

// A box's text about as wide as a comfortable line, in average characters.
constexpr int MeasureChars = 60;

MessageBoxAnswerer& CurrentAnswerer() {
  static MessageBoxAnswerer answerer;
  return answerer;
}

// The box's text, shown as it is: it wraps at word boundaries and, where one
// word is wider than the box (a long path), anywhere within it. Qt's label
// wraps only between words, so a long path ran past the box's edge; this one
// keeps every character, so what is selected and copied is what was said. A
// text taller than half the screen scrolls.
class BoxTextView : public QTextEdit {
public:
  BoxTextView(const QLabel& label, QWidget* parent) : QTextEdit(parent) {
    setFont(label.font());
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus); // as a selectable label: the buttons keep the keyboard
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    viewport()->setAutoFillBackground(false);
    QPalette colors = palette();
    colors.setColor(QPalette::Text, colors.color(QPalette::WindowText));
    setPalette(colors);
    document()->setDocumentMargin(0);
    setPlainText(label.text());
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override {
    return std::min(TextHeight(width), screen()->availableGeometry().height() / 2);
  }
  // The box is as wide as the text's longest line, up to the measure.
  QSize minimumSizeHint() const override {
    const std::unique_ptr<QTextDocument> unwrapped(document()->clone());
    unwrapped->setTextWidth(-1);
    const int width = std::min(static_cast<int>(std::ceil(unwrapped->idealWidth())),
                               fontMetrics().averageCharWidth() * MeasureChars);
    return {width, heightForWidth(width)};
  }
  QSize sizeHint() const override { return minimumSizeHint(); }

protected:
  // A scroll bar only where the text is taller than the box may grow: one
  // shown while the box was still being sized would stay and hide a line.
  void resizeEvent(QResizeEvent* event) override {
    setVerticalScrollBarPolicy(TextHeight(width()) > height() ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
    QTextEdit::resizeEvent(event);
  }

private:
  int TextHeight(int width) const {
    const std::unique_ptr<QTextDocument> wrapped(document()->clone());
    wrapped->setTextWidth(width);
    return static_cast<int>(std::ceil(wrapped->size().height()));
  }
};

// The label keeps the text for what the box says of itself (its text(), the
// copy Windows makes of a box) and is hidden; the view shows it in its place.
void ShowTextWhole(QMessageBox& box) {
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (label == nullptr || grid == nullptr)
    return;
  delete grid->replaceWidget(label, new BoxTextView(*label, &box));
  label->hide();
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
  if (const MessageBoxAnswerer& answer = CurrentAnswerer())
    return answer({text, caption, icon, owner});
  QMessageBox box(icon, caption, text, buttons, owner);
  box.setDefaultButton(defaultButton);
  ShowTextWhole(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { CurrentAnswerer() = std::move(answerer); }

} // namespace dialogkit
