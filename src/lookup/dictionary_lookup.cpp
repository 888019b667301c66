#include "lookup/dictionary_lookup.h"

#include "lookup/not_found_text.h"
#include "platform/keyboard_layout_switcher.h"
#include "store/dictionary_store.h"
#include "store/word_lookup.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringListModel>

namespace lexaro {

DictionaryLookup::DictionaryLookup(DictionaryStore& store, KeyboardLayoutSwitcher& keyboard,
                                   Controls controls, QObject* parent)
    : QObject(parent), m_store(store), m_keyboard(keyboard), m_controls(controls),
      m_words(new QStringListModel(this))
{
    QComboBox* combo = m_controls.searchCombo;
    combo->setModel(m_words);
    connect(combo, &QComboBox::editTextChanged, this, &DictionaryLookup::SearchCombo_Change);
    connect(combo, &QComboBox::textActivated, this, &DictionaryLookup::SearchCombo_Click);
    combo->installEventFilter(this);
    m_controls.translation->installEventFilter(this);
}

std::optional<DictionaryId> DictionaryLookup::currentDictionary() const
{
    return DictionaryCatalog::fromDisplayName(m_controls.dictionaryName->text());
}

void DictionaryLookup::switchDictionary(DictionaryId id)
{
    const DictionaryEntry& d = DictionaryCatalog::entry(id);
    m_controls.dictionaryName->setText(d.displayName);
    m_controls.searchCombo->setLayoutDirection(
        d.searchReadingOrder() == ReadingOrder::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
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

void DictionaryLookup::fillWordList(DictionaryId id)
{
    QComboBox* combo = m_controls.searchCombo;
    // Filling the model resets the combo, which would pick the first word and look it up;
    // the list arrives in one step and the typed text stays as it was.
    const QString typed = combo->currentText();
    {
        const QSignalBlocker blocker(combo);
        m_words->setStringList(readWordList(m_store.recordset(id)));
        combo->setCurrentIndex(-1);
        combo->setEditText(typed);
    }
}

void DictionaryLookup::SearchCombo_Change()
{
    const QString text = m_controls.searchCombo->currentText();
    if (text.isEmpty()) {
        m_controls.translation->clear();
        return;
    }
    const std::optional<DictionaryId> id = currentDictionary();
    if (!id)
        return;
    const LookupResult result = lookUpTranslation(m_store.recordset(*id), text);
    switch (result.outcome) {
    case LookupResult::Outcome::Found:
        m_controls.translation->setPlainText(result.translation);
        break;
    case LookupResult::Outcome::NotFound:
        m_controls.translation->setPlainText(notFoundText());
        break;
    case LookupResult::Outcome::Failed:
        break; // keep what was shown before
    }
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
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_controls.searchCombo)
            SearchCombo_GotFocus();
        else if (watched == m_controls.translation)
            TranslationText_GotFocus();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexaro
