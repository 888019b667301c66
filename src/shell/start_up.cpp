#include "shell/start_up.h"

#include "platform/platform_services.h"
#include "shell/lexaro_form.h"
#include "shell/message_box_form.h"
#include "shell/program_files.h"
#include "shell/screen_placement.h"
#include "shell/splash_form.h"
#include "store/dictionary_store.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace lexaro {

StartUp::StartUp(PlatformServices& services, QObject* parent)
    : QObject(parent), m_services(services)
{
}

StartUp::~StartUp()
{
    // The windows use the store; they go first.
    m_mainWindow.reset();
    m_splash.reset();
}

StartUp::Outcome StartUp::begin(const QString& databasePath)
{
    if (!m_services.singleInstance->tryAcquire())
        return Outcome::AlreadyRunning;

    m_splash = std::make_unique<SplashForm>();
    centreOnScreen(*m_splash);
    m_splash->fillLabels(*m_services.identity);

    DictionaryStore::OpenResult opened = DictionaryStore::open(databasePath);
    if (!opened.store) {
        m_splash.reset(); // never shown
        return Outcome::DatabaseFailed;
    }
    m_store = std::move(opened.store);
    connect(m_splash.get(), &SplashForm::countdownFinished, this, &StartUp::handOver);
    m_splash->show();
    return Outcome::Started;
}

void StartUp::showDatabaseFailure()
{
    showMessage(MessageBoxKind::Splash, u"UnabletoconnecttodatabaseImage", *m_services.sound);
}

void StartUp::handOver()
{
    m_mainWindow = std::make_unique<LexaroForm>(*m_store, m_services);
    m_mainWindow->show();
    m_splash->close();
    Q_EMIT mainWindowShown();
}

int runLexaro(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexaro"));
    QApplication::setApplicationVersion(QStringLiteral(LEXARO_VERSION_STRING));
    QApplication::setQuitOnLastWindowClosed(true);

    PlatformServices services = createPlatformServices();
    StartUp startUp(services);
    switch (startUp.begin(programFile(u"\\"_s + DictionaryStore::databaseFileName()))) {
    case StartUp::Outcome::AlreadyRunning:
        return StartUp::ExitAlreadyRunning;
    case StartUp::Outcome::DatabaseFailed:
        startUp.showDatabaseFailure();
        return StartUp::ExitDatabaseFailed;
    case StartUp::Outcome::Started:
        break;
    }
    return QApplication::exec();
}

} // namespace lexaro
