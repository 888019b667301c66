#include "shell/start_up.h"

#include "store/word_forms_table.h"

#include "clipboard/clipboard_watchers.h"
#include "help/about_form.h"
#include "help/helpandsupport_form.h"
#include "lookup/dictionary_lookup.h"
#include "lookup/listen_word.h"
#include "maintenance/word_commands.h"
#include "platform/platform_services.h"
#include "shell/lexaro_form.h"
#include "shell/splash_form.h"
#include "store/dictionary_store.h"
#include "store/word_forms_table.h"
#include "ui/fonts.h"
#include "ui/program_files.h"
#include "ui/screen_placement.h"

#include <QApplication>

#include "lexaro_version.h"

using namespace Qt::StringLiterals;

namespace lexaro {

StartUp::StartUp(PlatformServices& services, QObject* parent)
    : QObject(parent), m_services(services),
      m_messages(*services.sound, *services.keyboardMap, *services.stacking)
{
}

StartUp::~StartUp()
{
    // The windows use the store; they go first.
    m_wordCommands.reset();
    m_clipboardWatchers.reset();
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
    m_store->connection().setInflections(&m_inflections);
    // A database from before the forms tables gets its words' forms once, behind the splash.
    for (const DictionaryId id : m_store->connection().formsTablesAdded())
        fillFormsTable(m_store->connection(), DictionaryCatalog::entry(id));
    connect(m_splash.get(), &SplashForm::countdownFinished, this, &StartUp::handOver);
    m_splash->show();
    return Outcome::Started;
}

void StartUp::showDatabaseFailure()
{
    m_messages.show(Message::splash(SplashPicture::UnabletoconnecttodatabaseImage));
}

void StartUp::handOver()
{
    m_mainWindow = std::make_unique<LexaroForm>(
        *m_store,
        LexaroForm::Services{*m_services.keyboard, *m_services.keyboardMap, *m_services.trayIcon,
                             *m_services.shell, m_exit, &m_baseForms});
    m_clipboardWatchers = std::make_unique<ClipboardWatchers>(
        *m_services.clipboard, *m_mainWindow,
        NotificationForm::Services{*m_store, *m_services.sound, *m_services.keyboard,
                                   *m_services.stacking, *m_services.workArea, &m_baseForms});
    m_mainWindow->watchClipboard(*m_clipboardWatchers);
    connectCommands();
    m_mainWindow->show();
    m_splash->close();
    Q_EMIT mainWindowShown();
}

void StartUp::connectCommands()
{
    connect(m_mainWindow.get(), &LexaroForm::commandStarted, &m_router, &CommandRouter::run);
    DictionaryLookup& lookup = m_mainWindow->lookup();
    m_router.setCommand(ToolbarCommand::RefreshDatabase,
                        [&lookup] { lookup.RefreshdatabaseImage_Click(); });

    m_wordCommands = std::make_unique<WordCommands>(
        WordCommands::Services{*m_store, m_messages, *m_services.keyboard, *m_services.keyboardMap,
                               m_exit, *m_services.stacking},
        *m_mainWindow);
    WordCommands& words = *m_wordCommands;
    m_router.setCommand(ToolbarCommand::AddWord, [&words] { words.AddwordImage_Click(); });
    m_router.setCommand(ToolbarCommand::EditWord, [&words] { words.EditwordImage_Click(); });
    m_router.setCommand(ToolbarCommand::DeleteWord, [&words] { words.DeletewordImage_Click(); });
    auto listen = std::make_shared<ListenWordCommand>(*m_mainWindow->searchCombo(), lookup,
                                                      m_messages, *m_services.speech);
    m_router.setCommand(ToolbarCommand::ListenWord, [listen] { listen->ListenwordImage_Click(); });
    // The help windows are made afresh for each opening and shown modally, with no owner.
    m_router.setCommand(ToolbarCommand::HelpAndSupport,
                        [this] { HelpandsupportForm(m_messages, *m_services.shell).exec(); });
    m_router.setCommand(ToolbarCommand::About, [this] {
        AboutForm({*m_services.identity, *m_services.shell, *m_services.keyboardMap}).exec();
    });
}

int runLexaro(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexaro"));
    QApplication::setApplicationVersion(QStringLiteral(LEXARO_VERSION_STRING));
    QApplication::setQuitOnLastWindowClosed(true);
    Fonts::loadProgramFonts();

    PlatformServices services = createPlatformServices();
    StartUp startUp(services);
    const QString database = programFile(QString(u"\\"_s + DictionaryStore::databaseFileName()));
    switch (startUp.begin(database)) {
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
