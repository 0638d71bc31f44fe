// What the Windows desktop offers a window: its window menu, with an item of
// the program's own and the commands it sends, and opening a link through
// the shell. Elsewhere there is no such menu, and links go to Qt's desktop
// services.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class QUrl;
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

// Hands `url` to the shell, owned by `owner`'s window, and returns the
// shell's result; only on Windows.
std::intptr_t ShellOpen(QWidget* owner, const QUrl& url);
// The shell took the link: a result above 32.
constexpr bool ShellOpened(std::intptr_t result) { return result > 32; }

} // namespace dialogkit
