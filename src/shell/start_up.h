#pragma once

#include "shell/command_router.h"
#include "store/dictionary_recordset.h"
#include "translation/base_form_lookup.h"
#include "translation/inflection_rules.h"
#include "ui/modal_message_service.h"
#include "ui/program_exit.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

namespace lexaro {

class ClipboardWatchers;
class DictionaryStore;
class WordCommands;
class LexaroForm;
class SearchWatcherPause;
class SplashForm;
struct PlatformServices;

// The composition root: from the first line of main to the main window. One copy at a
// time, the splash, the database, the failure message when the database cannot be opened;
// then it builds every object of the running program, hands each the services it uses,
// and connects the commands through the router.
class StartUp : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        AlreadyRunning,
        DatabaseFailed,
        Started
    };

    explicit StartUp(PlatformServices& services, QObject* parent = nullptr);
    ~StartUp() override;

    // Runs the splash's load. With Started, the splash is on screen and the main window
    // follows when its countdown ends.
    Outcome begin(const QString& databasePath);
    // The failure path: Critical sound, then the modal start-up message box.
    void showDatabaseFailure();

    SplashForm* splash() const { return m_splash.get(); }
    LexaroForm* mainWindow() const { return m_mainWindow.get(); }
    ClipboardWatchers* clipboardWatchers() const { return m_clipboardWatchers.get(); }
    CommandRouter& router() { return m_router; }
    ProgramExit& programExit() { return m_exit; }

    // Exit statuses of the program.
    static constexpr int ExitAlreadyRunning = 0;
    static constexpr int ExitDatabaseFailed = 1;

Q_SIGNALS:
    void mainWindowShown();

private:
    void handOver();
    void readFirstWordList();
    void renderPictureAhead();
    void connectCommands();

    PlatformServices& m_services;
    ModalMessageService m_messages;
    ProgramExit m_exit;
    CommandRouter m_router;
    BaseFormLookup m_baseForms;
    // A word added or deleted takes its inflected forms with it.
    InflectionRules m_inflections;
    std::unique_ptr<SplashForm> m_splash;
    std::unique_ptr<DictionaryStore> m_store;
    // The word list the main window opens on, read while the splash counts down and held
    // until the window has taken it.
    std::shared_ptr<const std::vector<RowId>> m_firstWordList;
    // The main window's pictures, rendered one at a time between the splash's events.
    QList<std::pair<QString, QSize>> m_picturesAhead;
    std::unique_ptr<LexaroForm> m_mainWindow;
    std::unique_ptr<WordCommands> m_wordCommands;
    std::unique_ptr<ClipboardWatchers> m_clipboardWatchers;
    std::unique_ptr<SearchWatcherPause> m_searchWatcherPause;
};

// main(): the whole start, returning the program's exit status.
int runLexaro(int argc, char** argv);

} // namespace lexaro
