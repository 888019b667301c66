#pragma once

#include "store/dictionary_catalog.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace lexaro {

class BaseFormLookup;

class ClickableImage;
class Clock;
class ClockTimer;
class DictionaryStore;
class KeyboardLayoutSwitcher;
class SoundPlayer;
class WindowStacking;
class WorkArea;

// The pop-up that shows a copied word and its translation in the corner of the screen next
// to the panels while the main window is out of sight. It looks the word up itself, plays
// the notification sound, stays above other windows and out of the taskbar, and closes itself
// 20.5 seconds after it was loaded, or on Escape or a click on its arrow. Loaded afresh
// for every use: closing deletes it.
class NotificationForm : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        DictionaryStore& store;
        SoundPlayer& sound;
        KeyboardLayoutSwitcher& keyboard;
        WindowStacking& stacking;
        const WorkArea& workArea;
        Clock& clock;
        BaseFormLookup* baseForms = nullptr; // none: no dictionary forms of inflected words
    };

    // dictionary: the current one when the pop-up loads; it sets the side of the word field.
    NotificationForm(const Services& services, std::optional<DictionaryId> dictionary);
    ~NotificationForm() override;

    QLineEdit* wordText() const { return m_wordText; }
    QPlainTextEdit* translationText() const { return m_translationText; }
    QLabel* dictionaryNameLabel() const { return m_dictionaryNameLabel; }
    QLabel* timerLabel() const { return m_timerLabel; }

    // Writes the word field; a new text is looked up in the dictionary that was current when
    // it was copied, and with none nothing is looked up.
    void setWord(const QString& word, std::optional<DictionaryId> dictionary);
    // Shows the pop-up without an owner and without taking the keyboard from the program
    // the user works in. Once visible it stays where it is.
    void showPopUp();

    void ThewordsearchedText_Change();
    void Timer_Timer();
    void BackImage_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(std::optional<DictionaryId> dictionary);
    bool Form_KeyDown(int key);
    void ThewordsearchedText_GotFocus();
    void TranslationText_GotFocus();

    Services m_services;
    // The dictionary of the word in the word field.
    std::optional<DictionaryId> m_wordDictionary;
    ClickableImage* m_backImage = nullptr;
    QLabel* m_dictionaryNameLabel = nullptr;
    QLineEdit* m_wordText = nullptr;
    QPlainTextEdit* m_translationText = nullptr;
    QLabel* m_timerLabel = nullptr;
    std::unique_ptr<ClockTimer> m_timer;
};

} // namespace lexaro
