// Disabled, an edit or a list of a form may still show a result the user has
// to read (what a solve filled in): its text keeps a contrast of at least
// 4.5:1 on the disabled background, where the styles' own grey is paler,
// and stays lighter than an enabled control's so the two remain distinct.
#pragma once

class QWidget;

namespace dialogkit {

// From now on, whatever palette or style the control gets.
void KeepDisabledTextReadable(QWidget& control);

} // namespace dialogkit
