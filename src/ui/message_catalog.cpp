#include "ui/message_catalog.h"

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

MessagePictureInfo statement(const char16_t* name, const char16_t* text, MessageIcon icon,
                             Sound sound)
{
    return {QString::fromUtf16(name), QString::fromUtf16(text) + u'.', icon, sound};
}

QList<MessagePictureInfo> helpPictures()
{
    // Named after the documents, in the order of HelpPicture.
    static const char16_t* const documents[][2] = {
        {u"Thefileorvendalexaro2019hasbeendamaged", u"Orvenda Lexaro 2019"},
        {u"Thefilenewfeatureshasbeendamaged", u"New features"},
        {u"Thefilesystemrequirementshasbeendamaged", u"System requirements"},
        {u"Thefileaddwordhasbeendamaged", u"Add word"},
        {u"Thefileeditwordhasbeendamaged", u"Edit word"},
        {u"Thefiledeletewordhasbeendamaged", u"Delete word"},
        {u"Thefilelistenwordhasbeendamaged", u"Listen word"},
        {u"Thefilerefreshdatabasehasbeendamaged", u"Refresh database"},
        {u"Thefilehelpandsupporthasbeendamaged", u"Help and support"},
        {u"Thefileaboutorvendalexaro2019hasbeendamaged", u"About Orvenda Lexaro 2019"},
        {u"Thefilemicrosoftwindows7hasbeendamaged", u"Microsoft Windows 7"},
        {u"Thefilemicrosoftwindows8and10hasbeendamaged", u"Microsoft Windows 8 and 10"},
        {u"Thefilecontactsushasbeendamaged", u"Contacts us"},
    };
    QList<MessagePictureInfo> list;
    for (const auto& d : documents)
        list.append({QString::fromUtf16(d[0]) + u"Image"_s,
                     u"The file ("_s + QString::fromUtf16(d[1]) + u") has been damaged."_s,
                     MessageIcon::Critical, Sound::Critical});
    return list;
}

QList<MessagePictureInfo> buildPictures(MessageBoxKind kind)
{
    using I = MessageIcon;
    switch (kind) {
    case MessageBoxKind::Splash:
        return {statement(u"UnabletoconnecttodatabaseImage", u"Unable to connect to database",
                          I::Critical, Sound::Critical)};
    case MessageBoxKind::AddWord:
        return {
            statement(u"EnterwordImage", u"Enter word", I::Warning, Sound::Warning),
            statement(u"EntertranslationImage", u"Enter translation", I::Warning, Sound::Warning),
            statement(u"TheenteredwordisalreadyregisteredenteranotherwordImage",
                      u"The entered word is already registered, enter another word", I::Warning,
                      Sound::Warning),
            statement(u"ErrorinregisteringwordImage", u"Error in registering word", I::Warning,
                      Sound::Warning),
            statement(u"RegisteringwordisdonesuccessfullyImage",
                      u"Registering word is done successfully", I::Success, Sound::Information),
        };
    case MessageBoxKind::EditWord:
        return {
            statement(u"RegisteringwordisdonesuccessfullyImage",
                      u"Registering word is done successfully", I::Success, Sound::Information),
            statement(u"ErrorinregisteringwordImage", u"Error in registering word", I::Warning,
                      Sound::Warning),
            statement(u"ErroreditingwordImage", u"Error editing word", I::Warning, Sound::None),
        };
    case MessageBoxKind::Main:
        return {
            statement(u"SelectawordImage", u"Select a word", I::Warning, Sound::Warning),
            {QStringLiteral("AreyousurethatyouwanttodeletethiswordImage"),
             QStringLiteral("Are you sure that you want to delete this word?"), I::Question,
             Sound::None},
            statement(u"DeletingwordisdonesuccessfullyImage", u"Deleting word is done successfully",
                      I::Success, Sound::Information),
            statement(u"ErrordeletingwordImage", u"Error deleting word", I::Warning,
                      Sound::Warning),
            statement(u"ArabiclanguageisnotsupportedImage", u"Arabic language is not supported",
                      I::Warning, Sound::Warning),
        };
    case MessageBoxKind::Help:
        return helpPictures();
    }
    return {};
}

} // namespace

const QList<MessagePictureInfo>& MessageCatalog::pictures(MessageBoxKind kind)
{
    static const QList<MessagePictureInfo> all[] = {
        buildPictures(MessageBoxKind::Splash), buildPictures(MessageBoxKind::AddWord),
        buildPictures(MessageBoxKind::EditWord), buildPictures(MessageBoxKind::Main),
        buildPictures(MessageBoxKind::Help)};
    return all[static_cast<int>(kind)];
}

MessageBoxFormInfo MessageCatalog::form(MessageBoxKind kind, std::optional<DictionaryId> dictionary)
{
    switch (kind) {
    case MessageBoxKind::Splash:
        return {kind, std::nullopt, QStringLiteral("SplashMessagebox")};
    case MessageBoxKind::Main:
        return {kind, std::nullopt, QStringLiteral("lexaroMessagebox")};
    case MessageBoxKind::Help:
        return {kind, std::nullopt, QStringLiteral("HelpandsupportMessagebox")};
    case MessageBoxKind::AddWord:
    case MessageBoxKind::EditWord: {
        const DictionaryEntry& e =
            DictionaryCatalog::entry(dictionary.value_or(DictionaryId::English));
        return {kind, e.id,
                kind == MessageBoxKind::AddWord ? e.addWordMessageboxName()
                                                : e.editWordMessageboxName()};
    }
    }
    return {};
}

QList<MessageBoxFormInfo> MessageCatalog::allForms()
{
    QList<MessageBoxFormInfo> forms{form(MessageBoxKind::Splash)};
    for (const MessageBoxKind kind : {MessageBoxKind::AddWord, MessageBoxKind::EditWord}) {
        for (const DictionaryEntry& e : DictionaryCatalog::entries())
            forms.append(form(kind, e.id));
    }
    forms.append(form(MessageBoxKind::Main));
    forms.append(form(MessageBoxKind::Help));
    return forms;
}

Message Message::splash(SplashPicture picture)
{
    return {MessageBoxKind::Splash, std::nullopt, static_cast<int>(picture)};
}

Message Message::addWord(DictionaryId dictionary, AddWordPicture picture)
{
    return {MessageBoxKind::AddWord, dictionary, static_cast<int>(picture)};
}

Message Message::editWord(DictionaryId dictionary, EditWordPicture picture)
{
    return {MessageBoxKind::EditWord, dictionary, static_cast<int>(picture)};
}

Message Message::main(MainPicture picture)
{
    return {MessageBoxKind::Main, std::nullopt, static_cast<int>(picture)};
}

Message Message::help(HelpPicture picture)
{
    return {MessageBoxKind::Help, std::nullopt, static_cast<int>(picture)};
}

MessageBoxFormInfo Message::form() const
{
    return MessageCatalog::form(m_kind, m_dictionary);
}

const MessagePictureInfo& Message::picture() const
{
    return MessageCatalog::pictures(m_kind).at(m_picture);
}

} // namespace lexaro
