#pragma once

#include "clipboard/notification_form.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace lexaro {

class Clipboard;
class ClipboardWatcherHost;

// The two clipboard watchers. The search-box watcher writes each newly copied text into the
// main window's search box; the pop-up watcher, while the main window is minimised, hides it
// and shows the text with its translation in the notification pop-up. They run when the
// clipboard's text changes, and the pop-up watcher also when the main window is minimised;
// the program does nothing while the user is idle.
class ClipboardWatchers : public QObject
{
    Q_OBJECT

public:
    // Starts watching; what the clipboard holds now counts as seen.
    ClipboardWatchers(Clipboard& clipboard, ClipboardWatcherHost& host,
                      const NotificationForm::Services& popUp, QObject* parent = nullptr);
    ~ClipboardWatchers() override;
    Q_DISABLE_COPY_MOVE(ClipboardWatchers)

    // The search-box watcher's pause, held by the edit command while its window is open. A
    // text copied during the pause is not looked up when it ends: the edit command marks the
    // clipboard as seen first.
    void setSearchWatcherPaused(bool paused) { ClipboardTimer.Enabled = !paused; }
    bool isSearchWatcherPaused() const { return !ClipboardTimer.Enabled; }

    // What the clipboard holds now, and whatever the desktop has announced but not yet
    // delivered, counts as seen by both watchers. The program never empties the user's
    // clipboard; this stands for it.
    void markClipboardSeen();

    // The main window has just been minimised.
    void MainWindow_Minimised();

    // The search-box watcher, then the pop-up watcher.
    void ClipboardTimer_Timer();
    void NotificationTimer_Timer();

    const QString& prevString() const { return Prev_String; }
    const QString& prevString2() const { return Prev_String2; }
    // The pop-up while it is loaded; null after it has closed.
    NotificationForm* notificationForm() const { return m_notificationForm; }

private:
    struct Watcher
    {
        bool Enabled = true;
    };

    void Clipboard_Changed();
    void recordSeen(const QString& text);
    NotificationForm& loadedNotificationForm(std::optional<DictionaryId> dictionary);

    Clipboard& m_clipboard;
    ClipboardWatcherHost& m_host;
    NotificationForm::Services m_popUpServices;
    QPointer<NotificationForm> m_notificationForm;

    Watcher ClipboardTimer;    // the search-box watcher
    Watcher NotificationTimer; // the pop-up watcher; nothing turns it off
    QString Current_String;
    QString Prev_String;
    QString Current_String2;
    QString Prev_String2;
    // Changes up to this one were on the clipboard when it was last marked as seen.
    quint64 m_seenThrough = 0;
};

} // namespace lexaro
