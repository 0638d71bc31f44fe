// The floor of the toolkit: a dialog of 46 plain widgets, the same kinds and
// about the same numbers as the calculator's, placed by fixed geometry and
// doing nothing. The start-up script measures it beside the calculator.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// 46 in all.
constexpr int GroupBoxes = 9;
constexpr int CheckableButtons = 15;
constexpr int Radios = 5;
constexpr int Edits = 7;
constexpr int Lists = 2;
constexpr int Buttons = 4;
constexpr int Labels = 4;

} // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  dialog.setFixedSize(440, 260);

  int placed = 0;
  // Widgets fill a grid of cells 86 by 22 pixels, five to a row.
  const auto place = [&placed](QWidget* widget) {
    widget->setGeometry(8 + (placed % 5) * 86, 8 + (placed / 5) * 24, 80, 22);
    ++placed;
  };
  for (int i = 0; i < GroupBoxes; ++i)
    place(new QGroupBox(QStringLiteral("Group %1").arg(i), &dialog));
  for (int i = 0; i < CheckableButtons; ++i) {
    auto* button = new QPushButton(QStringLiteral("Option %1").arg(i), &dialog);
    button->setCheckable(true);
    place(button);
  }
  for (int i = 0; i < Radios; ++i)
    place(new QRadioButton(QStringLiteral("Mode %1").arg(i), &dialog));
  for (int i = 0; i < Edits; ++i)
    place(new QLineEdit(&dialog));
  for (int i = 0; i < Lists; ++i)
    place(new QComboBox(&dialog));
  for (int i = 0; i < Buttons; ++i)
    place(new QPushButton(QStringLiteral("Button %1").arg(i), &dialog));
  for (int i = 0; i < Labels; ++i)
    place(new QLabel(QStringLiteral("Label %1").arg(i), &dialog));

  dialog.exec();
  return 0;
}
