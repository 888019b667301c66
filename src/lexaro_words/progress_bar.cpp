#include "progress_bar.h"

#include <unistd.h>

#include <cstdio>

namespace {

constexpr qint64 QuietMs = 500;
constexpr qint64 RedrawMs = 100;
constexpr int BarWidth = 30;

} // namespace

ProgressBar::ProgressBar() : m_enabled(isatty(STDERR_FILENO) == 1)
{
    m_sinceStart.start();
}

ProgressBar::~ProgressBar()
{
    finish();
}

void ProgressBar::update(const QString& step, std::int64_t done, std::int64_t total)
{
    if (!m_enabled || total <= 0)
        return;
    const qint64 now = m_sinceStart.elapsed();
    if (now < QuietMs || (m_drawn && now - m_lastDrawn < RedrawMs))
        return;
    m_lastDrawn = now;
    m_drawn = true;
    const int percent = int(done * 100 / total);
    const int filled = int(done * BarWidth / total);
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, '-');
    std::fprintf(stderr, "\r%-8s [%s] %3d%% %lld/%lld", step.toUtf8().constData(), bar.constData(),
                 percent, static_cast<long long>(done), static_cast<long long>(total));
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (!m_drawn)
        return;
    m_drawn = false;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}
