#pragma once

#include "platform/tray_icon.h"

#include <QSystemTrayIcon>

namespace lexaro {

class QtTrayIcon final : public TrayIcon
{
    Q_OBJECT

public:
    explicit QtTrayIcon(QObject* parent = nullptr);
    void add(const QIcon& icon, const QString& tip) override;
    void remove() override;
    bool isShown() const override { return m_icon.isVisible(); }

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon m_icon;
};

} // namespace lexaro
