#pragma once

#include <QObject>
#include <QString>

namespace lexaro {

// The desktop's clipboard as the watchers see it: its plain text, and a signal whenever a
// new text (or the news that there is none) has arrived. The program only reads it; it never
// empties or replaces it.
class Clipboard : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Clipboard() override = default;

    // The latest text read; the empty text when the clipboard holds no text (an image, a
    // list of files, nothing). Never waits for the program that owns the clipboard.
    virtual QString text() const = 0;

    // Changes of the clipboard's content so far, counting what it held when the program
    // started as change 1, and including changes whose text is still on its way.
    virtual quint64 announcedChanges() const = 0;
    // The change that text() belongs to.
    virtual quint64 textChange() const = 0;

Q_SIGNALS:
    void changed();
};

} // namespace lexaro
