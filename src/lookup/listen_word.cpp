#include "lookup/listen_word.h"

#include "lookup/dictionary_lookup.h"
#include "platform/speech_voice.h"
#include "ui/message_service.h"

#include <QComboBox>

namespace lexaro {

ListenWordCommand::ListenWordCommand(const QComboBox& searchCombo, const DictionaryLookup& lookup,
                                     MessageService& messages, SpeechVoice& voice)
    : m_searchCombo(searchCombo), m_lookup(lookup), m_messages(messages), m_voice(voice)
{
}

void ListenWordCommand::ListenwordImage_Click()
{
    const QString word = m_searchCombo.currentText();
    if (word.isEmpty()) {
        m_messages.show(Message::main(MainPicture::SelectawordImage));
        return;
    }
    const std::optional<DictionaryId> current = m_lookup.currentDictionary();
    if (current && !DictionaryCatalog::entry(*current).canBeSpoken()) {
        m_messages.show(Message::main(MainPicture::ArabiclanguageisnotsupportedImage));
        return;
    }
    // A caption that names no dictionary is still spoken, in the engine's default voice.
    m_voice.speak(word, current ? DictionaryCatalog::entry(*current).speechLanguage
                                : QLocale::AnyLanguage);
}

} // namespace lexaro
