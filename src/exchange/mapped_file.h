#pragma once

#include <QByteArrayView>
#include <QFile>

namespace lexaro {

// A file's bytes, mapped into memory rather than copied: word lists run to hundreds of
// megabytes.
class MappedFile
{
public:
    explicit MappedFile(const QString& path) : m_file(path)
    {
        if (!m_file.open(QIODevice::ReadOnly))
            return;
        m_open = true;
        if (m_file.size() == 0)
            return;
        if (uchar* data = m_file.map(0, m_file.size()))
            m_bytes = QByteArrayView(data, m_file.size());
        else
            m_open = false;
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool isOpen() const { return m_open; }
    QByteArrayView bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArrayView m_bytes;
    bool m_open = false;
};

} // namespace lexaro
