// The one place of this layer that includes the Win32 headers.
#include "Desktop.h"

#include <QUrl>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
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

std::intptr_t ShellOpen(QWidget* owner, const QUrl& url) {
  const std::wstring target = url.toString(QUrl::FullyEncoded).toStdWString();
  HWND window = owner != nullptr ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
  // No verb: the default one; no parameters, as an empty text.
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteW(window, nullptr, target.c_str(), L"", nullptr, SW_SHOWNORMAL));
}

#else

void AppendSystemMenuItem(QWidget&, unsigned, const QString&) {}

std::optional<unsigned> SystemCommandOf(const QByteArray&, const void*) { return std::nullopt; }

std::intptr_t ShellOpen(QWidget*, const QUrl&) { return 0; }

#endif

} // namespace dialogkit
