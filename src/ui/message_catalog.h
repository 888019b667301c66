#pragma once

#include "store/dictionary_catalog.h"
#include "ui/message_picture.h"
#include "ui/sounds.h"

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

// The pictures of each kind of form. A picture belongs to the form it is named under, so a
// message can only be built from a picture its form really holds.
enum class SplashPicture
{
    UnabletoconnecttodatabaseImage,
};
enum class AddWordPicture
{
    EnterwordImage,
    EntertranslationImage,
    TheenteredwordisalreadyregisteredenteranotherwordImage,
    ErrorinregisteringwordImage,
    RegisteringwordisdonesuccessfullyImage,
};
enum class EditWordPicture
{
    RegisteringwordisdonesuccessfullyImage,
    ErrorinregisteringwordImage,
    ErroreditingwordImage,
};
enum class MainPicture
{
    SelectawordImage,
    AreyousurethatyouwanttodeletethiswordImage,
    DeletingwordisdonesuccessfullyImage,
    ErrordeletingwordImage,
    ArabiclanguageisnotsupportedImage,
};
// One picture per help document, in the order of the help window's menu.
enum class HelpPicture
{
    Thefileorvendalexaro2019hasbeendamagedImage,
    ThefilenewfeatureshasbeendamagedImage,
    ThefilesystemrequirementshasbeendamagedImage,
    ThefileaddwordhasbeendamagedImage,
    ThefileeditwordhasbeendamagedImage,
    ThefiledeletewordhasbeendamagedImage,
    ThefilelistenwordhasbeendamagedImage,
    ThefilerefreshdatabasehasbeendamagedImage,
    ThefilehelpandsupporthasbeendamagedImage,
    Thefileaboutorvendalexaro2019hasbeendamagedImage,
    Thefilemicrosoftwindows7hasbeendamagedImage,
    Thefilemicrosoftwindows8and10hasbeendamagedImage,
    ThefilecontactsushasbeendamagedImage,
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

// One message: a form and one of its pictures. Built only through the functions below,
// which take the picture type of the form.
class Message
{
public:
    static Message splash(SplashPicture picture);
    static Message addWord(DictionaryId dictionary, AddWordPicture picture);
    static Message editWord(DictionaryId dictionary, EditWordPicture picture);
    static Message main(MainPicture picture);
    static Message help(HelpPicture picture);

    MessageBoxKind kind() const { return m_kind; }
    std::optional<DictionaryId> dictionary() const { return m_dictionary; }
    int pictureIndex() const { return m_picture; }
    MessageBoxFormInfo form() const;
    const MessagePictureInfo& picture() const;

    bool operator==(const Message&) const = default;

private:
    Message(MessageBoxKind kind, std::optional<DictionaryId> dictionary, int picture)
        : m_kind(kind), m_dictionary(dictionary), m_picture(picture)
    {
    }

    MessageBoxKind m_kind;
    std::optional<DictionaryId> m_dictionary;
    int m_picture;
};

class MessageCatalog
{
public:
    // Every picture of a kind, in the order of its picture enumeration.
    static const QList<MessagePictureInfo>& pictures(MessageBoxKind kind);
    static MessageBoxFormInfo form(MessageBoxKind kind,
                                   std::optional<DictionaryId> dictionary = std::nullopt);
    // All 21 forms: splash, nine add-word, nine edit-word, main window, help.
    static QList<MessageBoxFormInfo> allForms();
};

} // namespace lexaro
