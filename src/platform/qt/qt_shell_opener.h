#pragma once

#include "platform/shell_opener.h"

namespace lexaro {

class QtShellOpener final : public ShellOpener
{
public:
    bool open(const QString& target) override;
};

} // namespace lexaro
