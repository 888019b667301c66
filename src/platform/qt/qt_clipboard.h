#pragma once

#include "platform/clipboard.h"

namespace lexaro {

class QtClipboard final : public Clipboard
{
    Q_OBJECT

public:
    explicit QtClipboard(QObject* parent = nullptr);
    QString text() const override;
};

} // namespace lexaro
