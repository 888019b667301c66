#pragma once

#include "clipboard/clipboard_watcher_host.h"
#include "maintenance/word_command_host.h"
#include "shell/shortcut_keys.h"
#include "store/dictionary_catalog.h"

#include <QIcon>
#include <QWidget>

class QComboBox;
class QKeyEvent;
class QCursor;
class QLabel;
class QPlainTextEdit;

namespace lexaro {

class BaseFormLookup;
class DictionaryLookup;
class DictionaryStore;
class KeyboardLayoutSwitcher;
class KeyboardMap;
class MainMenu;
class ProgramExit;
class ShellOpener;
class TrayIcon;

// The main window: dictionary bar, toolbar, the current dictionary's banner, the search box
// and the translation box, with the notification-area icon and its menu. A view: its handlers
// forward to the look-up and, through commandStarted, to the commands of the other parts.
class LexaroForm : public QWidget, public WordCommandHost, public ClipboardWatcherHost
{
    Q_OBJECT

public:
    // The dictionary every start opens on.
    static constexpr DictionaryId FirstDictionary = DictionaryId::English;
    // Every picture the window shows, and its size: rendered ahead while the splash counts
    // down (Artwork::renderAhead), the window takes them at once.
    static QList<std::pair<QString, QSize>> pictures();

    // The desktop services the window itself uses.
    struct Services
    {
        KeyboardLayoutSwitcher& keyboard;
        const KeyboardMap& keyboardMap;
        TrayIcon& trayIcon;
        ShellOpener& shell;
        ProgramExit& exit;
        BaseFormLookup* baseForms = nullptr; // none: no dictionary forms of inflected words
    };

    LexaroForm(DictionaryStore& store, const Services& services, QWidget* parent = nullptr);
    ~LexaroForm() override;

    DictionaryLookup& lookup() { return *m_lookup; }
    MainMenu& mainMenu() { return *m_mainMenu; }
    QComboBox* searchCombo() const { return m_searchCombo; }
    QPlainTextEdit* translationText() const { return m_translationText; }
    QLabel* dictionaryNameLabel() const { return m_dictionaryNameLabel; }
    QString updateAddress() const;

    // What the word commands use of the window.
    QString searchText() const override;
    std::optional<DictionaryId> currentDictionary() const override;
    void clearSearchText() override;

    // What the clipboard watchers use of the window.
    void writeSearchText(const QString& text) override;
    // A window the pop-up watcher hid was minimised first; some window managers forget the
    // minimised state of a hidden window (mutter on XWayland), the program does not.
    bool isMinimised() const override { return isMinimized() || isHidden(); }
    void hideWindow() override;

    void DictionaryImage_Click(DictionaryId id);
    void DictionaryMenu_Click(DictionaryId id);
    void runCommand(ToolbarCommand command);
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OpenMenu_Click();
    void ExitMenu_Click();
    void CheckforupdatesMenu_Click();
    void TrayIcon_PointerEvent();
    void TrayIcon_MenuRequested(const QPoint& globalPosition);

Q_SIGNALS:
    // A toolbar command started, from its picture or its key.
    void commandStarted(lexaro::ToolbarCommand command);
    // The window has just been minimised, and the change has run its course.
    void minimised();
    // The notification-area icon reported the pointer: what the clipboard holds now counts
    // as seen.
    void clipboardSeen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Key preview: every key of the window, the open word list included, comes here first.
    bool previewKey(const QKeyEvent& key);
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildBanners();
    void buildDictionaryBar(const QCursor& pointer);
    void buildToolbar(const QCursor& pointer);
    void buildLookupControls();
    void Form_Load();
    void Form_Unload();
    void AddTrayIcon();
    void RemoveTrayIcon();

    void buildTabOrder();

    DictionaryStore& m_store;
    Services m_services;
    QIcon Iconobject;
    QLabel* m_dictionaryNameLabel = nullptr;
    QLabel* m_checkForUpdatesLabel = nullptr;
    QComboBox* m_searchCombo = nullptr;
    QPlainTextEdit* m_translationText = nullptr;
    DictionaryLookup* m_lookup = nullptr;
    MainMenu* m_mainMenu = nullptr;
    bool m_keyPreviewInstalled = false;
};

} // namespace lexaro
