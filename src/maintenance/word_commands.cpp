#include "maintenance/word_commands.h"

#include "maintenance/add_word_form.h"
#include "maintenance/edit_word_form.h"
#include "maintenance/search_watcher_pause.h"
#include "maintenance/word_command_host.h"
#include "platform/window_stacking.h"
#include "store/dictionary_store.h"
#include "store/word_lookup.h"
#include "ui/message_service.h"
#include "ui/program_exit.h"

namespace lexaro {

WordCommands::WordCommands(const Services& services, WordCommandHost& host, QObject* parent)
    : QObject(parent), m_services(services), m_host(host)
{
}

void WordCommands::AddwordImage_Click()
{
    const std::optional<DictionaryId> id = m_host.currentDictionary();
    if (!id)
        return;
    const DictionaryEntry& dictionary = DictionaryCatalog::entry(*id);
    AddWordForm form(dictionary, m_services.store.recordset(*id), m_services.messages,
                     m_services.keyboard, m_services.keys, m_services.exit);
    // A window with a dialog border belongs to the main window: not in the taskbar.
    if (dictionary.addWindowLook().dialogBorder)
        m_services.stacking.keepOutOfTaskbar(&form);
    form.exec();
}

void WordCommands::EditwordImage_Click()
{
    const QString word = m_host.searchText();
    if (word.isEmpty()) {
        m_services.messages.show(Message::main(MainPicture::SelectawordImage));
        return;
    }
    m_services.clipboardPause.setSearchWatcherPaused(true);
    const std::optional<DictionaryId> id = m_host.currentDictionary();
    const LookupResult found =
        id ? lookUpTranslation(m_services.store.recordset(*id), word) : LookupResult{};
    // Nothing to edit: a word that is not stored, or no current dictionary. A look-up that
    // failed opens the window all the same, and its Save then reports the error.
    if (!id || found.outcome == LookupResult::Outcome::NotFound) {
        m_services.clipboardPause.setSearchWatcherPaused(false);
        return;
    }
    EditWordForm form(DictionaryCatalog::entry(*id), m_services.store.recordset(*id), found,
                      m_services.messages, m_services.keyboard, m_services.keys, m_services.exit);
    form.exec();
    if (m_services.exit.isEnding())
        return;
    // The clipboard stays as the user had it; what was copied while editing only counts as
    // seen, so the resumed watcher does not look it up.
    m_services.clipboardPause.markClipboardSeen();
    m_services.clipboardPause.setSearchWatcherPaused(false);
}

void WordCommands::DeletewordImage_Click()
{
    // The word asked about, kept: a copy arriving in the search box meanwhile changes nothing.
    const QString word = m_host.searchText();
    if (word.isEmpty()) {
        m_services.messages.show(Message::main(MainPicture::SelectawordImage));
        return;
    }
    m_services.messages.show(
        Message::main(MainPicture::AreyousurethatyouwanttodeletethiswordImage), ButtonLayout::YesNo,
        [this, word](OpenMessageBox& box) {
            const std::optional<DictionaryId> id = m_host.currentDictionary();
            if (!id)
                return; // the question stays
            DictionaryRecordset& recordset = m_services.store.recordset(*id);
            const LookupResult found = lookUpTranslation(recordset, word);
            if (!found.row || !recordset.remove(*found.row)) {
                box.change(Message::main(MainPicture::ErrordeletingwordImage), ButtonLayout::Ok);
                return;
            }
            box.change(Message::main(MainPicture::DeletingwordisdonesuccessfullyImage),
                       ButtonLayout::Ok);
            m_host.clearSearchText();
        });
}

} // namespace lexaro
