#include "maintenance/edit_word_form.h"

#include "ui/message_service.h"
#include "ui/program_exit.h"

#include <QPlainTextEdit>

namespace lexaro {

EditWordForm::EditWordForm(const DictionaryEntry& dictionary, DictionaryRecordset& recordset,
                           std::optional<RowId> row, MessageService& messages,
                           KeyboardLayoutSwitcher& keyboard, const KeyboardMap& keys,
                           const ProgramExit& exit, QWidget* parent)
    : WordForm(Purpose::EditWord, dictionary, keyboard, keys, parent), m_recordset(recordset),
      m_row(row), m_messages(messages), m_exit(exit)
{
}

void EditWordForm::SaveCommandbutton_Click()
{
    if (windowTitle() != designedCaption())
        return;
    // Only the translation is written; an empty one is refused by the table, and a row that
    // is gone meanwhile is an error too, never a success.
    const bool stored =
        m_row && m_recordset.updateTranslation(*m_row, translationText()->toPlainText());
    m_messages.show(Message::editWord(
        dictionary().id, stored ? EditWordPicture::RegisteringwordisdonesuccessfullyImage
                                : EditWordPicture::ErrorinregisteringwordImage));
    if (m_exit.isEnding())
        return;
    accept();
}

} // namespace lexaro
