#pragma once

#include <QObject>
#include <QString>

namespace lexaro {

// The desktop's clipboard as the watchers see it: its plain text, and a signal whenever its
// content changes. The program only reads it; it never empties or replaces it.
class Clipboard : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Clipboard() override = default;

    // The empty text when the clipboard holds no text (an image, a list of files, nothing).
    virtual QString text() const = 0;

Q_SIGNALS:
    void changed();
};

} // namespace lexaro
