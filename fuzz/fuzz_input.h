#pragma once

#include <QByteArrayView>
#include <QList>

#include <cstddef>
#include <cstdint>

// One fuzz input stands for several files, joined by a marker.
inline QList<QByteArrayView> splitFiles(const std::uint8_t* data, std::size_t size, int count)
{
    static constexpr QByteArrayView Marker("@@FILE@@");
    QList<QByteArrayView> parts;
    QByteArrayView rest(data, qsizetype(size));
    while (parts.size() + 1 < count) {
        const qsizetype at = rest.indexOf(Marker);
        if (at < 0)
            break;
        parts << rest.first(at);
        rest = rest.sliced(at + Marker.size());
    }
    parts << rest;
    while (parts.size() < count)
        parts << QByteArrayView();
    return parts;
}
