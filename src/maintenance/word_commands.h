#pragma once

#include <QObject>

namespace lexaro {

class DictionaryStore;
class KeyboardLayoutSwitcher;
class KeyboardMap;
class MessageService;
class ProgramExit;
class SearchWatcherPause;
class WindowStacking;
class WordCommandHost;

// Adding, editing and deleting words of the current dictionary.
class WordCommands : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        DictionaryStore& store;
        MessageService& messages;
        KeyboardLayoutSwitcher& keyboard;
        const KeyboardMap& keys;
        const ProgramExit& exit;
        WindowStacking& stacking;
        // Held by the edit command while its window is open.
        SearchWatcherPause& clipboardPause;
    };

    WordCommands(const Services& services, WordCommandHost& host, QObject* parent = nullptr);

    // Opens the current dictionary's add window; returns when it has closed.
    void AddwordImage_Click();
    // Opens the edit window on the first row of the search box's word.
    void EditwordImage_Click();
    // Asks, then deletes exactly the row of the word the question was about.
    void DeletewordImage_Click();

private:
    Services m_services;
    WordCommandHost& m_host;
};

} // namespace lexaro
