// The window menu of a top-level window where the desktop gives the program
// one (Windows): an item of the program's own, and the commands it sends.
// Elsewhere there is no such menu; these then do nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace dialogkit {

// A system command's low four bits are the system's own; compare commands
// with them masked off.
inline constexpr unsigned SystemCommandMask = 0xFFF0;

// Appends a separator and then `text` as command `commandId` (a multiple of
// 16 below 0xF000). An empty text changes nothing.
void AppendSystemMenuItem(QWidget& window, unsigned commandId, const QString& text);

// The command of a window-menu message handed to QWidget::nativeEvent;
// nothing for any other message.
std::optional<unsigned> SystemCommandOf(const QByteArray& eventType, const void* message);

} // namespace dialogkit
