// The one place of this layer that includes the Win32 headers.
#include "SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace dialogkit {

#ifdef Q_OS_WIN

void AppendSystemMenuItem(QWidget& window, unsigned commandId, const QString& text) {
  if (text.isEmpty())
    return;
  HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
  if (menu == nullptr)
    return;
  const std::wstring item = text.toStdWString();
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, commandId, item.c_str());
}

std::optional<unsigned> SystemCommandOf(const QByteArray& eventType, const void* message) {
  if (eventType != "windows_generic_MSG" || message == nullptr)
    return std::nullopt;
  const auto* msg = static_cast<const MSG*>(message);
  if (msg->message != WM_SYSCOMMAND)
    return std::nullopt;
  return static_cast<unsigned>(msg->wParam);
}

#else

void AppendSystemMenuItem(QWidget&, unsigned, const QString&) {}

std::optional<unsigned> SystemCommandOf(const QByteArray&, const void*) { return std::nullopt; }

#endif

} // namespace dialogkit
