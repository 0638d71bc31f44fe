// The About dialog and the author-information dialog: their controls in tab
// order, with the version templates their texts are expanded from.
#pragma once

#include "dialogkit/DialogTemplate.h"

#include <array>

namespace about {

// Written in the dialog toolkit's vocabulary.
using dialogkit::ControlKind;
using dialogkit::ControlSpec;
using dialogkit::ControlStyle;
using dialogkit::DialogTemplate;
using dialogkit::NoControlId;
using enum dialogkit::ControlStyle;

enum AboutControl : int {
  IdOk = 1,
  IdcAboutTitle = 1035,
  IdcAboutVersion = 1036,
  IdcAboutCopyright = 1037,
  IdcAboutNotice = 1038,
  IdcWebSite = 1041,
  IdcAuthorInfo = 1042,
  IdcEmailDistributor = 1043,
  IdcEmailAuthor = 1043,
  IdcAuthorText = 1044,
};

inline constexpr std::array<ControlSpec, 9> AboutControls = {{
    {NoControlId, ControlKind::Icon, "", {11, 7, 18, 20}, StyleNone, "Quillfen icon"},
    {IdcAboutTitle,
     ControlKind::Static,
     "%FileDescription%",
     {41, 10, 151, 13},
     StyleCenter | StyleNoPrefix | StyleGroup},
    {IdcAboutVersion,
     ControlKind::Static,
     "%InternalName% - %FileDescription% Version %FileVersion%\nBuilt for Windows 95 on ~C.",
     {11, 31, 213, 24},
     StyleCenter | StyleGroup},
    {IdcAboutCopyright,
     ControlKind::Static,
     "%LegalCopyright%",
     {11, 59, 213, 19},
     StyleCenter | StyleSunken | StyleGroup},
    {IdcAboutNotice, ControlKind::Static, "%SpecialBuild%", {11, 82, 212, 40}, StyleCenter},
    {IdOk, ControlKind::DefaultPushButton, "OK", {237, 7, 56, 14}, StyleTabStop | StyleGroup},
    {IdcWebSite,
     ControlKind::PushButton,
     "Nessum's &Web Site",
     {237, 26, 56, 14},
     StyleTabStop | StyleGroup},
    {IdcAuthorInfo,
     ControlKind::PushButton,
     "&Author Info",
     {237, 64, 56, 14},
     StyleTabStop | StyleGroup},
    {IdcEmailDistributor,
     ControlKind::PushButton,
     "&Email Nessum",
     {237, 45, 56, 14},
     StyleTabStop | StyleGroup},
}};

inline constexpr DialogTemplate AboutTemplate = {
    "About %FileDescription%", 300, 130, "MS Sans Serif", 8, AboutControls,
};

inline constexpr std::array<ControlSpec, 3> AuthorInfoControls = {{
    {IdOk, ControlKind::DefaultPushButton, "OK", {188, 7, 56, 14}, StyleTabStop},
    {IdcEmailAuthor,
     ControlKind::PushButton,
     "&Email Author",
     {188, 26, 56, 14},
     StyleTabStop | StyleGroup},
    {IdcAuthorText,
     ControlKind::Static,
     "",
     {7, 7, 174, 44},
     StyleCenter | StyleTabStop | StyleGroup,
     "Author"},
}};

inline constexpr DialogTemplate AuthorInfoTemplate = {
    "", 251, 58, "MS Sans Serif", 8, AuthorInfoControls,
};

} // namespace about
