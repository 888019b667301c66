#include "clipboard/clipboard_watchers.h"

#include "clipboard/clipboard_watcher_host.h"
#include "platform/clipboard.h"

namespace lexaro {

ClipboardWatchers::ClipboardWatchers(Clipboard& clipboard, ClipboardWatcherHost& host,
                                     const NotificationForm::Services& popUp, QObject* parent)
    : QObject(parent), m_clipboard(clipboard), m_host(host), m_popUpServices(popUp)
{
    markClipboardSeen();
    connect(&m_clipboard, &Clipboard::changed, this, &ClipboardWatchers::Clipboard_Changed);
}

ClipboardWatchers::~ClipboardWatchers()
{
    delete m_notificationForm.data();
}

void ClipboardWatchers::markClipboardSeen()
{
    m_seenThrough = m_clipboard.announcedChanges();
    recordSeen(m_clipboard.text());
}

void ClipboardWatchers::recordSeen(const QString& text)
{
    // An empty clipboard leaves the memories as they are, as a text never handled would.
    if (text.isEmpty())
        return;
    Prev_String = text;
    Prev_String2 = text;
}

void ClipboardWatchers::Clipboard_Changed()
{
    if (m_clipboard.textChange() <= m_seenThrough) {
        // The text of a copy made before the clipboard was marked as seen, late.
        recordSeen(m_clipboard.text());
        return;
    }
    if (ClipboardTimer.Enabled)
        ClipboardTimer_Timer();
    if (NotificationTimer.Enabled)
        NotificationTimer_Timer();
}

void ClipboardWatchers::MainWindow_Minimised()
{
    if (NotificationTimer.Enabled)
        NotificationTimer_Timer();
}

void ClipboardWatchers::ClipboardTimer_Timer()
{
    Current_String = m_clipboard.text();
    if (Current_String.isEmpty())
        return;
    if (Current_String == Prev_String)
        return;
    m_host.writeSearchText(Current_String);
    Prev_String = Current_String;
}

void ClipboardWatchers::NotificationTimer_Timer()
{
    Current_String2 = m_clipboard.text();
    if (!m_host.isMinimised())
        return;
    if (Current_String2.isEmpty())
        return;
    m_host.hideWindow();
    if (Current_String2 == Prev_String2)
        return;
    // The dictionary of the moment the word was copied goes with it.
    const std::optional<DictionaryId> dictionary = m_host.currentDictionary();
    NotificationForm& form = loadedNotificationForm(dictionary);
    form.setWord(Current_String2, dictionary);
    Prev_String2 = Current_String2;
    form.showPopUp();
}

NotificationForm& ClipboardWatchers::loadedNotificationForm(std::optional<DictionaryId> dictionary)
{
    if (!m_notificationForm)
        m_notificationForm = new NotificationForm(m_popUpServices, dictionary);
    return *m_notificationForm;
}

} // namespace lexaro
