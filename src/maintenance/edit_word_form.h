#pragma once

#include "maintenance/word_form.h"
#include "store/dictionary_recordset.h"

#include <optional>

namespace lexaro {

class MessageService;
class ProgramExit;
struct LookupResult;

// The edit window of one dictionary: the word read-only, its translation to change. Save
// writes the translation into exactly the row the look-up found, while that row still holds
// the word, reports, and closes.
class EditWordForm final : public WordForm
{
    Q_OBJECT

public:
    EditWordForm(const DictionaryEntry& dictionary, DictionaryRecordset& recordset,
                 const LookupResult& found, MessageService& messages,
                 KeyboardLayoutSwitcher& keyboard, const KeyboardMap& keys, const ProgramExit& exit,
                 QWidget* parent = nullptr);

    void SaveCommandbutton_Click() override;

private:
    DictionaryRecordset& m_recordset;
    std::optional<RowId> m_row;
    std::optional<QString> m_word; // the row's headword as the look-up read it
    MessageService& m_messages;
    const ProgramExit& m_exit;
};

} // namespace lexaro
