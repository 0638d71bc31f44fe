// A dialog described as data: every control with its identifier, kind,
// caption and rectangle in dialog units. One builder turns it into widgets.
#pragma once

#include <span>
#include <string_view>

namespace dialogkit {

enum class ControlKind {
  PushLikeRadio, // checkable push button that stays down while checked
  Radio,
  Edit,
  DropDownList,
  PushButton,
  DefaultPushButton,
  GroupBox,
  Static,
  Icon, // static showing the application icon
};

// Style bits; the names follow what each bit changes on screen or in use.
enum ControlStyle : unsigned {
  StyleNone = 0,
  StyleGroup = 1u << 0,      // starts a new group (radio groups end here)
  StyleTabStop = 1u << 1,    // reached with Tab
  StyleBorder = 1u << 2,     // edit with a frame
  StyleDigitsOnly = 1u << 3, // edit accepts typed or pasted digits only
  StyleAlignRight = 1u << 4,
  StyleCenter = 1u << 5,
  StyleMultiLine = 1u << 6,
  StyleFramed = 1u << 7,   // raised frame around a group box
  StyleNoPrefix = 1u << 8, // '&' shows as itself
  StyleSunken = 1u << 9,
  StyleVCenter = 1u << 10,
};

constexpr ControlStyle operator|(ControlStyle a, ControlStyle b) {
  return static_cast<ControlStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

struct DluRect {
  int x;
  int y;
  int width;
  int height;
};

// A control without identifier uses NoControlId.
inline constexpr int NoControlId = -1;

struct ControlSpec {
  int id;
  ControlKind kind;
  std::string_view caption;
  DluRect rect;
  ControlStyle style;
  // What a screen reader announces when the caption does not say it.
  std::string_view role = {};
};

struct DialogTemplate {
  std::string_view caption;
  int width; // dialog units
  int height;
  std::string_view fontFace;
  int pointSize;
  std::span<const ControlSpec> controls;
};

} // namespace dialogkit
