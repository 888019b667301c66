#pragma once

#include <QtGlobal>

class QComboBox;

namespace lexaro {

class DictionaryLookup;
class MessageService;
class SpeechVoice;

// Speaks the word in the search box, exactly as it stands there, in a voice of the current
// dictionary's language. An empty search box and a dictionary that cannot be spoken are
// refused with a message, the empty box first.
class ListenWordCommand
{
public:
    ListenWordCommand(const QComboBox& searchCombo, const DictionaryLookup& lookup,
                      MessageService& messages, SpeechVoice& voice);
    Q_DISABLE_COPY_MOVE(ListenWordCommand)

    // Returns once the word has been spoken or a message has been closed.
    void ListenwordImage_Click();

private:
    const QComboBox& m_searchCombo;
    const DictionaryLookup& m_lookup;
    MessageService& m_messages;
    SpeechVoice& m_voice;
};

} // namespace lexaro
