#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace lexaro {

// A word file opened for reading, through read calls rather than a memory map: a file that
// another program cuts short while it is read fails that read, where a map would end the
// process with SIGBUS. Only regular files are taken: a FIFO would block for ever, a device
// such as /dev/zero never ends.
class InputFile
{
public:
    explicit InputFile(const QString& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Empty when the file is open; otherwise why not, in the user's words.
    const QString& error() const { return m_error; }
    bool isOpen() const { return m_fd >= 0; }
    std::uint64_t size() const { return m_size; }

    // The whole file, or nothing with `error` set when it is larger than `limit` or was cut
    // short meanwhile.
    std::optional<QByteArray> readAll(std::uint64_t limit, QString& error) const;
    // `length` bytes from `offset`; false with `error` set when the file ends before them.
    bool readAt(std::uint64_t offset, std::uint64_t length, QByteArray& out, QString& error) const;

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    QString m_error;
};

} // namespace lexaro
