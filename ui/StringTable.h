// The program's own texts, by the number the rest of the program knows them by.
#pragma once

#include <array>
#include <string_view>

namespace ui {

inline constexpr std::string_view IdsAboutItem = "&About Tamsik..."; // 101
inline constexpr std::string_view IdsMessageCaption = "Quillfen";    // 102

struct EditToolTip {
  int controlId;
  std::string_view text;
};

// In the order the tips are registered: voltage, the three results, the two
// loads, distance (strings 104 to 110).
inline constexpr std::array<EditToolTip, 7> EditToolTips = {{
    {1022, "Valid range: 1 - 1,000,000"},
    {1016, "Valid range: 0 - 99.9999"},
    {1017, "Valid range: 0 - 1,000,000"},
    {1021, "Valid range: 0 - 1,000,000"},
    {1010, "Valid range: 0 - 100,000"},
    {1030, "Valid range: 0 - 100,000,000,000 (wow!)"},
    {1009, "Valid range: 0 - 1,000,000"},
}};

} // namespace ui
