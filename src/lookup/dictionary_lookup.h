#pragma once

#include "store/dictionary_catalog.h"

#include <QObject>

#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace lexaro {

class BaseFormLookup;
class DictionaryStore;
class HeadwordListModel;
class KeyboardLayoutSwitcher;
class SuggestionList;

// The main window's look-up: choosing the current dictionary, filling the word list,
// showing the translation of whatever stands in the search box, and switching the
// keyboard layout when a field takes the focus.
class DictionaryLookup : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QLabel* dictionaryName;      // DictionarynameLabel: holds the current dictionary
        QComboBox* searchCombo;      // SearchCombo
        QPlainTextEdit* translation; // TranslationText
    };

    // Without base forms, a word that is not a headword shows only the not-found text.
    DictionaryLookup(DictionaryStore& store, KeyboardLayoutSwitcher& keyboard, Controls controls,
                     BaseFormLookup* baseForms = nullptr, QObject* parent = nullptr);

    // The dictionary named by the label's caption, tested in catalog order.
    std::optional<DictionaryId> currentDictionary() const;

    void switchDictionary(DictionaryId id);
    // Reloads the current dictionary's word list; the label, the reading order, the focus and
    // the translation stay as they are.
    void RefreshdatabaseImage_Click();

    void SearchCombo_Change();
    void SearchCombo_Click(const QString& pickedText);
    void SearchCombo_GotFocus();
    // The user typed: offer the headwords that begin with the text.
    void SearchCombo_Edited(const QString& text);
    SuggestionList& suggestions() { return *m_suggestions; }
    void TranslationText_GotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillWordList(DictionaryId id);
    // The list's rows change under the search box: its text must not.
    void keepSearchText();
    void restoreSearchText();
    void setReadingOrder(Qt::LayoutDirection direction);
    void showTranslation(const QString& text);

    DictionaryStore& m_store;
    KeyboardLayoutSwitcher& m_keyboard;
    Controls m_controls;
    HeadwordListModel* m_words = nullptr;
    BaseFormLookup* m_baseForms = nullptr;
    SuggestionList* m_suggestions = nullptr;
    // The search text as the user last typed it.
    QString m_typedText;
    // The search box's text and caret while the list changes under it.
    struct KeptText
    {
        QString text;
        int cursor = 0;
        bool signalsWereBlocked = false;
    };
    std::optional<KeptText> m_keptText;
    // The translation box took the focus from a click: keep its text selected after it.
    bool m_translationFocusedByClick = false;
};

} // namespace lexaro
