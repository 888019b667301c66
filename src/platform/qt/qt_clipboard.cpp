#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lexaro {

QtClipboard::QtClipboard(QObject* parent) : Clipboard(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        ++m_changes;
        Q_EMIT changed();
    });
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

} // namespace lexaro
