#include "maintenance/edit_word_form.h"

#include "store/word_lookup.h"
#include "ui/message_service.h"
#include "ui/program_exit.h"

#include <QLineEdit>

namespace lexaro {

EditWordForm::EditWordForm(const DictionaryEntry& dictionary, DictionaryRecordset& recordset,
                           const LookupResult& found, MessageService& messages,
                           KeyboardLayoutSwitcher& keyboard, const KeyboardMap& keys,
                           const ProgramExit& exit, QWidget* parent)
    : WordForm(Purpose::EditWord, dictionary, keyboard, keys, parent), m_recordset(recordset),
      m_row(found.row), m_word(found.word), m_messages(messages), m_exit(exit)
{
    wordText()->setText(found.word.value_or(QString()));
    setTranslation(found.translation);
}

void EditWordForm::SaveCommandbutton_Click()
{
    if (windowTitle() != designedCaption())
        return;
    // Only the translation is written; an empty one is refused by the table, and a row that
    // is gone meanwhile, or holds another word now, is an error too, never a success.
    const bool stored =
        m_row && m_word && m_recordset.updateTranslation(*m_row, *m_word, translation());
    m_messages.show(Message::editWord(
        dictionary().id, stored ? EditWordPicture::RegisteringwordisdonesuccessfullyImage
                                : EditWordPicture::ErrorinregisteringwordImage));
    if (m_exit.isEnding())
        return;
    accept();
}

} // namespace lexaro
