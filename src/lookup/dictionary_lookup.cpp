#include "lookup/dictionary_lookup.h"

#include "lookup/headword_list_model.h"
#include "lookup/suggestion_list.h"
#include "platform/keyboard_layout_switcher.h"
#include "store/dictionary_store.h"
#include "store/word_comparison.h"
#include "store/word_lookup.h"
#include "translation/base_form_lookup.h"
#include "translation/not_found_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

namespace lexaro {

DictionaryLookup::DictionaryLookup(DictionaryStore& store, KeyboardLayoutSwitcher& keyboard,
                                   Controls controls, BaseFormLookup* baseForms, QObject* parent)
    : QObject(parent), m_store(store), m_keyboard(keyboard), m_controls(controls),
      m_words(new HeadwordListModel(this)), m_baseForms(baseForms),
      m_suggestions(new SuggestionList(*controls.searchCombo))
{
    QComboBox* combo = m_controls.searchCombo;
    combo->setModel(m_words);
    connect(m_words, &HeadwordListModel::listAboutToChange, this,
            &DictionaryLookup::keepSearchText);
    connect(m_words, &HeadwordListModel::listChanged, this, &DictionaryLookup::restoreSearchText);
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, &DictionaryLookup::SearchCombo_Edited);
    // A pick from the suggestions looks up as a pick from the list does.
    connect(m_suggestions, &SuggestionList::picked, combo, &QComboBox::setEditText);
    connect(combo, &QComboBox::editTextChanged, this, &DictionaryLookup::SearchCombo_Change);
    connect(combo, &QComboBox::textActivated, this, &DictionaryLookup::SearchCombo_Click);
    combo->installEventFilter(this);
    m_controls.translation->installEventFilter(this);
    m_controls.translation->viewport()->installEventFilter(this);
}

std::optional<DictionaryId> DictionaryLookup::currentDictionary() const
{
    return DictionaryCatalog::fromDisplayName(m_controls.dictionaryName->text());
}

void DictionaryLookup::switchDictionary(DictionaryId id)
{
    const DictionaryEntry& d = DictionaryCatalog::entry(id);
    m_controls.dictionaryName->setText(d.displayName);
    setReadingOrder(d.searchReadingOrder() == ReadingOrder::RightToLeft ? Qt::RightToLeft
                                                                        : Qt::LeftToRight);
    m_suggestions->hide();
    m_controls.searchCombo->clearEditText();
    m_controls.translation->clear();
    fillWordList(id);
    // Taking the focus switches the keyboard layout. When the search box has it already
    // there is no focus change, yet the new dictionary may need the other layout. A hidden
    // window cannot take the focus at all.
    if (m_controls.searchCombo->hasFocus())
        SearchCombo_GotFocus();
    else
        m_controls.searchCombo->setFocus(Qt::OtherFocusReason);
}

void DictionaryLookup::setReadingOrder(Qt::LayoutDirection direction)
{
    // The whole box reads in the dictionary's order, whatever the script of the typed text:
    // the frame, the list, the edit field's alignment and its paragraph. An edit field
    // follows its content
    // unless told otherwise, and it is told by the direction key a keyboard would send.
    QComboBox* combo = m_controls.searchCombo;
    combo->setLayoutDirection(direction);
    combo->view()->setLayoutDirection(direction);
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->setLayoutDirection(direction);
        edit->setAlignment(Qt::AlignAbsolute | Qt::AlignVCenter |
                           (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
        QKeyEvent key(QEvent::KeyPress,
                      direction == Qt::RightToLeft ? Qt::Key_Direction_R : Qt::Key_Direction_L,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &key);
    }
}

void DictionaryLookup::RefreshdatabaseImage_Click()
{
    const std::optional<DictionaryId> id = currentDictionary();
    if (!id)
        return;
    QComboBox* combo = m_controls.searchCombo;
    m_suggestions->hide();
    {
        // Clearing the box is no new search: the translation shown stays.
        const QSignalBlocker blocker(combo);
        combo->clearEditText();
    }
    fillWordList(*id);
}

void DictionaryLookup::fillWordList(DictionaryId id)
{
    m_words->load(m_store.recordset(id));
}

void DictionaryLookup::keepSearchText()
{
    // A new list resets the combo, which empties its text or picks the first word and looks it
    // up; the list arrives in one step, also while the user types, and the text stays as it is.
    QComboBox* combo = m_controls.searchCombo;
    const int cursor = combo->lineEdit() ? combo->lineEdit()->cursorPosition() : 0;
    m_keptText = KeptText{combo->currentText(), cursor, combo->blockSignals(true)};
}

void DictionaryLookup::restoreSearchText()
{
    if (!m_keptText)
        return;
    QComboBox* combo = m_controls.searchCombo;
    combo->setCurrentIndex(-1);
    combo->setEditText(m_keptText->text);
    if (QLineEdit* edit = combo->lineEdit())
        edit->setCursorPosition(m_keptText->cursor);
    combo->blockSignals(m_keptText->signalsWereBlocked);
    m_keptText.reset();
}

void DictionaryLookup::SearchCombo_Change()
{
    const QString text = m_controls.searchCombo->currentText();
    // Written by the program (the clipboard watcher, a pick, a dictionary switch): the
    // suggestions for what the user typed no longer apply.
    if (text != m_typedText)
        m_suggestions->hide();
    if (text.isEmpty()) {
        m_controls.translation->clear();
        return;
    }
    const std::optional<DictionaryId> id = currentDictionary();
    if (!id)
        return;
    showTranslation(translationBoxText(*id, m_store.recordset(*id), text, m_baseForms));
}

void DictionaryLookup::showTranslation(const QString& text)
{
    QPlainTextEdit* box = m_controls.translation;
    // Typing on through a word that is not stored shows the same text at every key. Laying
    // the Persian text out again would cost most of a keystroke and change nothing on the
    // screen, as long as the box is as setting the text leaves it: caret at the start,
    // nothing selected, scrolled to the top.
    const QTextCursor cursor = box->textCursor();
    if (cursor.position() == 0 && !cursor.hasSelection() &&
        box->verticalScrollBar()->value() == 0 && box->document()->toPlainText() == text)
        return;
    box->setPlainText(text);
}

void DictionaryLookup::SearchCombo_Edited(const QString& text)
{
    // Comes before the change it makes reaches SearchCombo_Change.
    m_typedText = text;
    const std::optional<DictionaryId> id = currentDictionary();
    if (text.isEmpty() || !id) {
        m_suggestions->hide();
        return;
    }
    const QStringList words =
        wordsBeginningWith(m_store.recordset(*id), text, SuggestionList::MostSuggestions);
    // A headword sorts before the longer words it begins: once the text is one, its
    // translation is what the user wants to read, and the list would cover it.
    if (!words.isEmpty() && WordComparison::sameWord(words.first(), text))
        m_suggestions->hide();
    else
        m_suggestions->show(words);
}

void DictionaryLookup::SearchCombo_Click(const QString& pickedText)
{
    Q_UNUSED(pickedText);
    SearchCombo_Change();
}

void DictionaryLookup::SearchCombo_GotFocus()
{
    const bool arabic = m_controls.dictionaryName->text() ==
                        DictionaryCatalog::entry(DictionaryId::Arabic).displayName;
    m_keyboard.activate(QString::fromUtf16(arabic ? PersianLayout : UsEnglishLayout));
}

void DictionaryLookup::TranslationText_GotFocus()
{
    m_keyboard.activate(QString::fromUtf16(PersianLayout));
    m_controls.translation->selectAll();
}

bool DictionaryLookup::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == m_controls.searchCombo) {
            SearchCombo_GotFocus();
        } else if (watched == m_controls.translation) {
            m_translationFocusedByClick =
                static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            TranslationText_GotFocus();
        }
        break;
    case QEvent::MouseButtonRelease:
        // The click that gave the focus also placed the caret; unless it dragged out a
        // selection of its own, the whole text stays selected, ready to copy.
        if (m_translationFocusedByClick && watched == m_controls.translation->viewport()) {
            m_translationFocusedByClick = false;
            // After the box has handled the release itself.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!m_controls.translation->textCursor().hasSelection())
                        m_controls.translation->selectAll();
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexaro
