#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>

// A one-line progress bar on standard error, for steps that take long enough to wonder
// about. Draws nothing when standard error is not a terminal, and nothing for steps that
// end within half a second.
class ProgressBar
{
public:
    ProgressBar();
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(const QString& step, std::int64_t done, std::int64_t total);
    // Clears the line, so that what follows starts on a clean one.
    void finish();

private:
    bool m_enabled;
    bool m_drawn = false;
    QElapsedTimer m_sinceStart;
    qint64 m_lastDrawn = 0;
};
