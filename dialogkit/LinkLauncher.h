// Hands a web or mailto: address to the desktop, and reports a failure the
// way every link button of the program does.
#pragma once

#include <QString>
#include <functional>

class QUrl;
class QWidget;

namespace dialogkit {

// True when the desktop took the address. Tests replace it to make a launch
// fail; nullptr puts the desktop's own back.
using LinkLauncher = std::function<bool(const QUrl&)>;
void SetLinkLauncher(LinkLauncher launcher);

// Opens `url`; on failure shows `failureText` with `caption` and the stop
// icon in a box owned by `owner`. The owner stays open either way.
void OpenLink(QWidget* owner, const QUrl& url, const QString& failureText, const QString& caption);

} // namespace dialogkit
