#include "maintenance/add_word_form.h"

#include "store/dictionary_recordset.h"
#include "ui/message_service.h"
#include "ui/program_exit.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace lexaro {

namespace {

// Only the space character is trimmed; tabs and other white space count.
QString trimSpaces(const QString& word)
{
    qsizetype first = 0;
    qsizetype last = word.size();
    while (first < last && word.at(first) == u' ')
        ++first;
    while (last > first && word.at(last - 1) == u' ')
        --last;
    return word.mid(first, last - first);
}

} // namespace

AddWordForm::AddWordForm(const DictionaryEntry& dictionary, DictionaryRecordset& recordset,
                         MessageService& messages, KeyboardLayoutSwitcher& keyboard,
                         const KeyboardMap& keys, const ProgramExit& exit, QWidget* parent)
    : WordForm(Purpose::AddWord, dictionary, keyboard, keys, parent), m_recordset(recordset),
      m_messages(messages), m_exit(exit)
{
}

QString AddWordForm::duplicateKey(const QString& word) const
{
    return dictionary().trimsWordForDuplicateCheck() ? trimSpaces(word) : word;
}

AddWordForm::Registered AddWordForm::isRegistered(const QString& key)
{
    if (!m_recordset.open(WordQuery::WordExists, key))
        return Registered::Unknown;
    const bool found = !m_recordset.atEnd();
    m_recordset.close();
    return found ? Registered::Yes : Registered::No;
}

bool AddWordForm::tell(AddWordPicture picture)
{
    m_messages.show(Message::addWord(dictionary().id, picture));
    return !m_exit.isEnding();
}

void AddWordForm::SaveCommandbutton_Click()
{
    const QString word = wordText()->text();
    const QString translation = this->translation();
    if (word.isEmpty()) {
        if (tell(AddWordPicture::EnterwordImage))
            wordText()->setFocus();
        return;
    }
    if (translation.isEmpty()) {
        if (tell(AddWordPicture::EntertranslationImage))
            translationText()->setFocus();
        return;
    }
    if (windowTitle() != designedCaption())
        return;
    const Registered registered = isRegistered(duplicateKey(word));
    if (registered == Registered::Yes) {
        if (tell(AddWordPicture::TheenteredwordisalreadyregisteredenteranotherwordImage))
            wordText()->setFocus();
        return;
    }
    // A check that cannot run stores nothing on a doubt, and says so as an error: the word
    // may well not be registered. Otherwise the word is stored exactly as typed, also where
    // the check trimmed it.
    if (registered == Registered::Unknown || !m_recordset.add(word, translation)) {
        if (tell(AddWordPicture::ErrorinregisteringwordImage))
            wordText()->setFocus();
        return;
    }
    if (!tell(AddWordPicture::RegisteringwordisdonesuccessfullyImage))
        return;
    wordText()->clear();
    translationText()->clear();
    wordText()->setFocus();
}

} // namespace lexaro
