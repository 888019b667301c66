#pragma once

#include "shell/message_picture.h"
#include "shell/sounds.h"
#include "store/dictionary_catalog.h"

#include <QList>
#include <QString>

#include <optional>

namespace lexaro {

// The kinds of message box; the add-word and edit-word kinds have one form per dictionary.
enum class MessageBoxKind
{
    Splash,
    AddWord,
    EditWord,
    Main,
    Help
};

struct MessagePictureInfo
{
    QString controlName; // "EnterwordImage"
    QString text;        // with its final full stop or question mark
    MessageIcon icon;
    Sound sound;
};

struct MessageBoxFormInfo
{
    MessageBoxKind kind;
    std::optional<DictionaryId> dictionary; // for the add-word and edit-word forms
    QString name;                           // "EnglishtopersiandictionaryaddwordMessagebox"
};

class MessageCatalog
{
public:
    static QList<MessagePictureInfo> pictures(MessageBoxKind kind);
    static std::optional<MessagePictureInfo> picture(MessageBoxKind kind, QStringView controlName);
    static MessageBoxFormInfo form(MessageBoxKind kind,
                                   std::optional<DictionaryId> dictionary = std::nullopt);
    // All 21 forms: splash, nine add-word, nine edit-word, main window, help.
    static QList<MessageBoxFormInfo> allForms();
};

} // namespace lexaro
