#pragma once

#include "maintenance/word_form.h"
#include "ui/message_catalog.h"

namespace lexaro {

class DictionaryRecordset;
class MessageService;
class ProgramExit;

// The add window of one dictionary: Save checks the two fields, refuses a word the
// dictionary holds already, stores the new row and stays open for the next word.
class AddWordForm final : public WordForm
{
    Q_OBJECT

public:
    AddWordForm(const DictionaryEntry& dictionary, DictionaryRecordset& recordset,
                MessageService& messages, KeyboardLayoutSwitcher& keyboard, const KeyboardMap& keys,
                const ProgramExit& exit, QWidget* parent = nullptr);

    void SaveCommandbutton_Click() override;

private:
    enum class Registered
    {
        Yes,
        No,
        Unknown // the check could not run
    };

    // The word as the duplicate check compares it.
    QString duplicateKey(const QString& word) const;
    Registered isRegistered(const QString& key);
    // Shows the message; false when the program is ending meanwhile.
    bool tell(AddWordPicture picture);

    DictionaryRecordset& m_recordset;
    MessageService& m_messages;
    const ProgramExit& m_exit;
};

} // namespace lexaro
