#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace lexaro {

class SystemIdentity;

// The start-up window: version, registration and legal lines over the splash picture,
// and a short countdown before the main window takes over.
class SplashForm : public QWidget
{
    Q_OBJECT

public:
    explicit SplashForm(QWidget* parent = nullptr);

    static QString versionLine();
    // Fills every label (the load's text steps).
    void fillLabels(const SystemIdentity& identity);
    QLabel* label(const QString& objectName) const;

    void Timer_Timer();

Q_SIGNALS:
    // The countdown has run out: the main window is due.
    void countdownFinished();

private:
    QLabel* addLabel(const QString& name, int left, int top, int width, int height);

    QLabel* m_timerLabel = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace lexaro
