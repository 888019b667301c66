#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace lexaro {

class BaseFormLookup;

class ClickableImage;
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
        BaseFormLookup* baseForms = nullptr; // none: no dictionary forms of inflected words
    };

    // mainDictionaryCaption: the main window's caption naming the current dictionary.
    NotificationForm(const Services& services, std::function<QString()> mainDictionaryCaption);

    QLineEdit* wordText() const { return m_wordText; }
    QPlainTextEdit* translationText() const { return m_translationText; }
    QLabel* dictionaryNameLabel() const { return m_dictionaryNameLabel; }
    QLabel* timerLabel() const { return m_timerLabel; }
    QTimer* timer() const { return m_timer; }

    // Writes the word field; a new text is looked up.
    void setWord(const QString& word);
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
    void Form_Load();
    bool Form_KeyDown(int key);
    void ThewordsearchedText_GotFocus();
    void TranslationText_GotFocus();

    Services m_services;
    std::function<QString()> m_mainDictionaryCaption;
    ClickableImage* m_backImage = nullptr;
    QLabel* m_dictionaryNameLabel = nullptr;
    QLineEdit* m_wordText = nullptr;
    QPlainTextEdit* m_translationText = nullptr;
    QLabel* m_timerLabel = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace lexaro
