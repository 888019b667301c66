#pragma once

#include "shell/shortcut_keys.h"
#include "store/dictionary_catalog.h"

#include <QIcon>
#include <QWidget>

class QComboBox;
class QCursor;
class QLabel;
class QPlainTextEdit;

namespace lexaro {

class DictionaryLookup;
class DictionaryStore;
class MainMenu;
struct PlatformServices;

// The main window: dictionary bar, toolbar, the current dictionary's banner, the search box
// and the translation box, with the notification-area icon and its menu.
class LexaroForm : public QWidget
{
    Q_OBJECT

public:
    LexaroForm(DictionaryStore& store, PlatformServices& services, QWidget* parent = nullptr);
    ~LexaroForm() override;

    DictionaryLookup& lookup() { return *m_lookup; }
    MainMenu& mainMenu() { return *m_mainMenu; }
    QComboBox* searchCombo() const { return m_searchCombo; }
    QPlainTextEdit* translationText() const { return m_translationText; }
    QLabel* dictionaryNameLabel() const { return m_dictionaryNameLabel; }
    QString updateAddress() const;

    // What the clipboard watchers last saw; text already seen is not looked up again.
    const QString& prevString() const { return Prev_String; }
    const QString& prevString2() const { return Prev_String2; }
    void markClipboardSeen();

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
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

    DictionaryStore& m_store;
    PlatformServices& m_services;
    QIcon Iconobject;
    QString Prev_String;
    QString Prev_String2;
    QLabel* m_dictionaryNameLabel = nullptr;
    QLabel* m_checkForUpdatesLabel = nullptr;
    QComboBox* m_searchCombo = nullptr;
    QPlainTextEdit* m_translationText = nullptr;
    DictionaryLookup* m_lookup = nullptr;
    MainMenu* m_mainMenu = nullptr;
    bool m_keyPreviewInstalled = false;
};

} // namespace lexaro
