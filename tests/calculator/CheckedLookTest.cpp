// A checked push-like radio button of the form stands out from an unchecked
// one by its fill, and its caption stays readable on that fill; a disabled
// result edit stays readable and distinct from an enabled one. In the Fusion
// and the Windows style alike.
#include "DialogFixture.h"

#include "dialogkit/Contrast.h"

#include <QStyleFactory>
#include <map>

namespace testing_ui {
namespace {

// How far apart two colours are in brightness, 0 to 255.
int Apart(const QColor& a, const QColor& b) { return std::abs(qGray(a.rgb()) - qGray(b.rgb())); }

// Inside the frame the commonest colour is the fill; the one that stands out
// most from it is the caption's ink.
std::pair<QColor, QColor> FillAndInk(QWidget& button) {
  const QImage image = button.grab().toImage();
  std::map<QRgb, int> counts;
  const QRect inner = button.rect().adjusted(4, 4, -4, -4);
  for (int y = inner.top(); y <= inner.bottom(); ++y)
    for (int x = inner.left(); x <= inner.right(); ++x)
      ++counts[image.pixel(x, y)];
  const auto byCount = [](const auto& a, const auto& b) { return a.second < b.second; };
  const QColor fill(std::max_element(counts.begin(), counts.end(), byCount)->first);
  QColor ink = fill;
  for (const auto& [rgb, count] : counts)
    ink = Apart(QColor(rgb), fill) > Apart(ink, fill) ? QColor(rgb) : ink;
  return {fill, ink};
}

class CheckedLook : public DialogFixture {};

TEST_F(CheckedLook, CheckedStandsOutAndItsCaptionStaysReadable) {
  StartDialog();
  QWidget* on = Item(calculator::IdcFeet);
  QWidget* off = Item(calculator::IdcMeters);
  ASSERT_TRUE(Checked(calculator::IdcFeet) && !Checked(calculator::IdcMeters));
  // Alive until the buttons are back on the application's style.
  std::vector<std::unique_ptr<QStyle>> styles;
  for (const char* key : {"Fusion", "Windows"}) {
    QStyle* style = styles.emplace_back(QStyleFactory::create(QLatin1String(key))).get();
    ASSERT_NE(style, nullptr) << key;
    for (const bool enabled : {true, false}) {
      SCOPED_TRACE(::testing::Message() << key << (enabled ? " enabled" : " disabled"));
      for (QWidget* button : {on, off}) {
        button->setStyle(style);
        button->setEnabled(enabled);
      }
      const auto [fill, ink] = FillAndInk(*on);
      EXPECT_GE(Apart(fill, FillAndInk(*off).first), 60) << fill.name().toStdString();
      EXPECT_GE(Apart(ink, fill), 100) << ink.name().toStdString();
    }
  }
  for (QWidget* button : {on, off}) {
    button->setStyle(nullptr);
    button->setEnabled(true);
  }
}

// The results a solve fills show in disabled controls (the wire size, as the
// start solves for it, and the voltage drop): their text must read at 4.5:1
// on what the style draws behind it, and look unlike an enabled control.
TEST_F(CheckedLook, DisabledResultsStayReadableAndDistinct) {
  StartDialog();
  QWidget* typed = Item(calculator::IdcPercentDrop);
  ASSERT_TRUE(typed->isEnabled());
  std::vector<std::unique_ptr<QStyle>> styles;
  for (const char* key : {"Fusion", "Windows"}) {
    QStyle* style = styles.emplace_back(QStyleFactory::create(QLatin1String(key))).get();
    ASSERT_NE(style, nullptr) << key;
    for (const int id : {calculator::IdcDropVolts, calculator::IdcWireSize}) {
      SCOPED_TRACE(::testing::Message() << key << " " << id);
      QWidget* shown = Item(id);
      ASSERT_FALSE(shown->isEnabled());
      shown->setStyle(style);
      typed->setStyle(style);
      const auto [fill, ink] = FillAndInk(*shown);
      EXPECT_GE(dialogkit::ContrastRatio(fill, ink), dialogkit::ReadableContrast)
          << ink.name().toStdString() << " on " << fill.name().toStdString();
      const auto [typedFill, typedInk] = FillAndInk(*typed);
      EXPECT_GE(std::max(Apart(fill, typedFill), Apart(ink, typedInk)), 16);
      shown->setStyle(nullptr);
    }
  }
  typed->setStyle(nullptr);
}

} // namespace
} // namespace testing_ui
