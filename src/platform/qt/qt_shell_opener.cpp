#include "platform/qt/qt_shell_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace lexaro {

bool QtShellOpener::open(const QString& target)
{
    const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target)
                                                    : QUrl(target, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace lexaro
