#include "shell/start_up.h"

#include "store/word_forms_table.h"

#include "clipboard/clipboard_watchers.h"
#include "help/about_form.h"
#include "help/helpandsupport_form.h"
#include "lookup/dictionary_lookup.h"
#include "lookup/headword_list_model.h"
#include "lookup/listen_word.h"
#include "maintenance/search_watcher_pause.h"
#include "maintenance/word_commands.h"
#include "platform/platform_services.h"
#include "shell/lexaro_form.h"
#include "shell/splash_form.h"
#include "store/dictionary_store.h"
#include "store/user_word_database.h"
#include "store/word_forms_table.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/screen_placement.h"

#include <QApplication>

#include "lexaro_version.h"

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

// The edit command's hold on the search-box watcher.
class WatcherPause final : public SearchWatcherPause
{
public:
    explicit WatcherPause(ClipboardWatchers& watchers) : m_watchers(watchers) {}
    void setSearchWatcherPaused(bool paused) override { m_watchers.setSearchWatcherPaused(paused); }
    void markClipboardSeen() override { m_watchers.markClipboardSeen(); }

private:
    ClipboardWatchers& m_watchers;
};

} // namespace

StartUp::StartUp(PlatformServices& services, QObject* parent)
    : QObject(parent), m_services(services),
      m_messages(*services.sound, *services.keyboardMap, *services.stacking)
{
}

StartUp::~StartUp()
{
    // The windows use the store; they go first.
    m_wordCommands.reset();
    m_searchWatcherPause.reset();
    m_clipboardWatchers.reset();
    m_mainWindow.reset();
    m_splash.reset();
}

StartUp::Outcome StartUp::begin(const QString& databasePath)
{
    if (!m_services.singleInstance->tryAcquire())
        return Outcome::AlreadyRunning;
    // Starting the program again brings back a window the user lost (minimised, hidden by
    // the pop-up, or on a desktop without a notification area). During the splash the main
    // window is on its way anyway.
    m_services.singleInstance->onActivationRequested([this] {
        if (m_mainWindow)
            m_mainWindow->OpenMenu_Click();
    });

    m_splash = std::make_unique<SplashForm>();
    centreOnScreen(*m_splash);
    m_splash->fillLabels(*m_services.identity);

    DictionaryStore::OpenResult opened = DictionaryStore::open(databasePath);
    if (!opened.store) {
        m_splash.reset(); // never shown
        return Outcome::DatabaseFailed;
    }
    m_store = std::move(opened.store);
    // A word command waiting for a database another program holds keeps the windows painted;
    // what the user types meanwhile waits for it.
    m_store->connection().setWhileWaiting(
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    m_store->connection().setClock(*m_services.clock);
    m_store->connection().setInflections(&m_inflections);
    // A database from before the forms tables gets its words' forms once, behind the splash.
    for (const DictionaryId id : m_store->connection().formsTablesAdded())
        fillFormsTable(m_store->connection(), DictionaryCatalog::entry(id));
    connect(m_splash.get(), &SplashForm::countdownFinished, this, &StartUp::handOver);
    m_splash->show();
    QMetaObject::invokeMethod(this, &StartUp::readFirstWordList, Qt::QueuedConnection);
    m_picturesAhead = LexaroForm::pictures();
    QMetaObject::invokeMethod(this, &StartUp::renderPictureAhead, Qt::QueuedConnection);
    return Outcome::Started;
}

void StartUp::showDatabaseFailure()
{
    m_messages.show(Message::splash(SplashPicture::UnabletoconnecttodatabaseImage));
}

void StartUp::readFirstWordList()
{
    // In slices between the splash's events: the splash paints and counts down at its pace,
    // and the main window finds the list read, or reads on where this stopped.
    if (m_mainWindow)
        return;
    m_firstWordList = m_store->recordset(LexaroForm::FirstDictionary)
                          .readWordOrder(HeadwordListModel::SliceBudget);
    if (!m_firstWordList)
        QMetaObject::invokeMethod(this, &StartUp::readFirstWordList, Qt::QueuedConnection);
}

void StartUp::renderPictureAhead()
{
    if (m_mainWindow || m_picturesAhead.isEmpty())
        return;
    const auto [resource, size] = m_picturesAhead.takeFirst();
    Artwork::renderAhead(resource, size);
    QMetaObject::invokeMethod(this, &StartUp::renderPictureAhead, Qt::QueuedConnection);
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
                                   *m_services.stacking, *m_services.workArea, *m_services.clock,
                                   &m_baseForms});
    ClipboardWatchers& watchers = *m_clipboardWatchers;
    connect(m_mainWindow.get(), &LexaroForm::minimised, &watchers,
            &ClipboardWatchers::MainWindow_Minimised);
    connect(m_mainWindow.get(), &LexaroForm::clipboardSeen, &watchers,
            &ClipboardWatchers::markClipboardSeen);
    m_searchWatcherPause = std::make_unique<WatcherPause>(watchers);
    connectCommands();
    m_firstWordList.reset();
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
                               m_exit, *m_services.stacking, *m_searchWatcherPause},
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

namespace {

// On a Wayland session the windows go through XWayland: there the program places its own
// windows, keeps the pop-up on top and learns that the main window was minimised, all of which
// Wayland withholds from applications. A platform the user chose is kept, and without
// XWayland Qt picks what there is.
bool wantsXWayland(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0)
            return false;
    }
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           !qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int runLexaro(int argc, char** argv)
{
    // As a command-line option, not through the environment, so that the programs the user
    // opens from here (a help document's viewer) choose for themselves.
    char platformOption[] = "-platform";
    char xcb[] = "xcb";
    std::vector<char*> arguments(argv, argv + argc);
    if (wantsXWayland(argc, argv))
        arguments.insert(arguments.begin() + 1, {platformOption, xcb});
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    QApplication::setApplicationName(QStringLiteral("Lexaro"));
    QApplication::setApplicationVersion(QStringLiteral(LEXARO_VERSION_STRING));
    // On Wayland the compositor matches the windows to the menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvenda.Lexaro"));
    QApplication::setQuitOnLastWindowClosed(true);
    Fonts::loadProgramFonts();

    PlatformServices services = createPlatformServices();
    StartUp startUp(services);
    switch (
        startUp.begin(UserWordDatabase::standard().pathToUse(UserWordDatabase::Use::ReadWrite))) {
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
