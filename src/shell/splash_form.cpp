#include "shell/splash_form.h"

#include "platform/system_identity.h"
#include "ui/artwork.h"
#include "ui/form_layout.h"
#include "ui/product.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QSize ClientSize{401, 497};

} // namespace

SplashForm::SplashForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(ClientSize);
    setWindowIcon(Artwork::windowIcon());

    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("BackgroundImage"));
    background->setGeometry(QRect(QPoint(0, 0), ClientSize));
    background->setPixmap(Artwork::picture(QStringLiteral(":/splash.svg"), ClientSize));

    addLabel(QStringLiteral("VersionLabel"), 600, 1920, 5175, 255);
    addLabel(QStringLiteral("LastupdateLabel"), 600, 2160, 5175, 255);
    addLabel(QStringLiteral("CopyrightLabel"), 600, 2400, 5175, 255);
    addLabel(QStringLiteral("TrademarksLabel"), 600, 2640, 5175, 255);
    addLabel(QStringLiteral("RegisteredtoLabel"), 600, 3600, 5175, 255);
    addLabel(QStringLiteral("UsernameLabel"), 600, 3840, 5175, 255);
    addLabel(QStringLiteral("ComputernameLabel"), 600, 4080, 5175, 255);
    QLabel* warning = addLabel(QStringLiteral("LblWarning"), 600, 5520, 5175, 855);
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel(QStringLiteral("CompanynameLabel"), 1080, 6840, 4575, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_timerLabel = addLabel(QStringLiteral("TimerLabel"), 840, 8160, 375, 375);
    m_timerLabel->setText(QStringLiteral("2"));
    m_timerLabel->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &SplashForm::Timer_Timer);
    m_timer->start();
}

QLabel* SplashForm::addLabel(const QString& name, int left, int top, int width, int height)
{
    return addDarkLabel(this, name, twips(left, top, width, height), 8.25);
}

QLabel* SplashForm::label(const QString& objectName) const
{
    return findChild<QLabel*>(objectName);
}

QString SplashForm::versionLine()
{
    return Product::versionLine();
}

void SplashForm::fillLabels(const SystemIdentity& identity)
{
    label(QStringLiteral("VersionLabel"))->setText(versionLine());
    label(QStringLiteral("LastupdateLabel"))->setText(Product::lastUpdateLine());
    label(QStringLiteral("CopyrightLabel"))->setText(Product::copyright());
    label(QStringLiteral("TrademarksLabel"))->setText(Product::trademarks());
    label(QStringLiteral("RegisteredtoLabel"))->setText(QStringLiteral("Registered to:"));
    label(QStringLiteral("UsernameLabel"))->setText(u"Username: "_s + identity.userName());
    label(QStringLiteral("ComputernameLabel"))
        ->setText(u"Computer name: "_s + identity.computerName());
    label(QStringLiteral("LblWarning"))->setText(Product::legalWarning());
    label(QStringLiteral("CompanynameLabel"))->setText(u"Powered by "_s + Product::companyName());
}

void SplashForm::Timer_Timer()
{
    const int remaining = m_timerLabel->text().toInt();
    if (remaining > 0) {
        m_timerLabel->setText(QString::number(remaining - 1));
        return;
    }
    m_timer->stop();
    Q_EMIT countdownFinished();
}

} // namespace lexaro
