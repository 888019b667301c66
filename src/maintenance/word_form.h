#pragma once

#include "store/dictionary_catalog.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lexaro {

class AccessKeyFilter;
class KeyboardLayoutSwitcher;
class KeyboardMap;

// What the add and edit windows share: the banner with the caption, the word and the
// translation fields, Save and Cancel, the keyboard layouts switched on focus, and the
// access keys. One class per dictionary row: the name, caption and look come from the
// catalog.
class WordForm : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose
    {
        AddWord,
        EditWord
    };

    WordForm(Purpose purpose, const DictionaryEntry& dictionary, KeyboardLayoutSwitcher& keyboard,
             const KeyboardMap& keys, QWidget* parent = nullptr);

    const DictionaryEntry& dictionary() const { return m_dictionary; }
    QLineEdit* wordText() const { return m_wordText; }
    QPlainTextEdit* translationText() const { return m_translationText; }
    // Shows a stored translation in the translation field.
    void setTranslation(const QString& text);
    // The translation to store: exactly the text shown by setTranslation() while the user has
    // not changed it; otherwise the field's text with its no-break spaces and line separators,
    // its line breaks written as that text wrote them.
    QString translation() const;
    // The caption the window recognises its dictionary by.
    QString designedCaption() const;

    virtual void SaveCommandbutton_Click() = 0;
    void CancelCommandbutton_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void WordText_GotFocus();
    void TranslationText_GotFocus();

    Purpose m_purpose;
    const DictionaryEntry& m_dictionary;
    KeyboardLayoutSwitcher& m_keyboard;
    AccessKeyFilter* m_accessKeys = nullptr;
    QLineEdit* m_wordText = nullptr;
    QPlainTextEdit* m_translationText = nullptr;
    QString m_loadedTranslation;
    QString m_shownTranslation; // the field's own text right after loading
};

} // namespace lexaro
