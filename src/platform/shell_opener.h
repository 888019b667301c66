#pragma once

#include <QString>

namespace lexaro {

// Opens a file with its default program or a web address in the default browser,
// without waiting. Returns whether the desktop accepted the request.
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QString& target) = 0;
};

} // namespace lexaro
