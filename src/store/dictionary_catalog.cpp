#include "store/dictionary_catalog.h"

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

DictionaryEntry makeEntry(DictionaryId id, const char16_t* language, const char16_t* displayName,
                          const char16_t* tableName, QLocale::Language speechLanguage)
{
    const QString prefix = id == DictionaryId::ComputerAndInternet
                               ? QStringLiteral("Computerandinternetdictionary")
                               : QString::fromUtf16(language) + u"topersiandictionary"_s;
    return {id, QString::fromUtf16(displayName), QString::fromUtf16(tableName), prefix,
            speechLanguage};
}

} // namespace

ReadingOrder DictionaryEntry::searchReadingOrder() const
{
    return isArabic() ? ReadingOrder::RightToLeft : ReadingOrder::LeftToRight;
}

WordWindowLook DictionaryEntry::addWindowLook() const
{
    switch (id) {
    case DictionaryId::English:
        return {11.25, true, false};
    case DictionaryId::Finnish:
        return {9.75, false, true};
    default:
        return {};
    }
}

WordWindowLook DictionaryEntry::editWindowLook() const
{
    if (id == DictionaryId::Arabic)
        return {8.25, false, false};
    return {};
}

MorphologySource DictionaryEntry::morphology() const
{
    using A = MorphologySource::Analyser;
    switch (id) {
    case DictionaryId::Arabic:
        return {A::Hunspell, QStringLiteral("ar"), true};
    case DictionaryId::English:
    case DictionaryId::ComputerAndInternet:
        return {A::Hunspell, QStringLiteral("en_US"), false};
    case DictionaryId::Finnish:
        return {A::Voikko, QStringLiteral("fi"), false};
    case DictionaryId::French:
        return {A::Hunspell, QStringLiteral("fr_FR"), false};
    case DictionaryId::German:
        return {A::Hunspell, QStringLiteral("de_DE"), false};
    case DictionaryId::Italian:
        return {A::Hunspell, QStringLiteral("it_IT"), false};
    case DictionaryId::Spanish:
        return {A::Hunspell, QStringLiteral("es_ES"), false};
    case DictionaryId::Swedish:
        return {A::Hunspell, QStringLiteral("sv_SE"), false};
    }
    return {};
}

QString DictionaryEntry::headwordKeyboardLayout() const
{
    return QString::fromUtf16(isArabic() ? PersianLayout : UsEnglishLayout);
}

const std::array<DictionaryEntry, DictionaryCount>& DictionaryCatalog::entries()
{
    static const std::array<DictionaryEntry, DictionaryCount> catalog = {
        makeEntry(DictionaryId::Arabic, u"Arabic", u"Arabic to persian dictionary",
                  u"Arabic_to_Persian", QLocale::Arabic),
        makeEntry(DictionaryId::English, u"English", u"English to persian dictionary",
                  u"English_to_Persian", QLocale::English),
        makeEntry(DictionaryId::Finnish, u"Finnish", u"Finnish to persian dictionary",
                  u"Finnish_to_Persian", QLocale::Finnish),
        makeEntry(DictionaryId::French, u"French", u"French to persian dictionary",
                  u"French_to_Persian", QLocale::French),
        makeEntry(DictionaryId::German, u"German", u"German to persian dictionary",
                  u"German_to_Persian", QLocale::German),
        makeEntry(DictionaryId::Italian, u"Italian", u"Italian to persian dictionary",
                  u"Italian_to_Persian", QLocale::Italian),
        makeEntry(DictionaryId::Spanish, u"Spanish", u"Spanish to persian dictionary",
                  u"Spanish_to_Persian", QLocale::Spanish),
        makeEntry(DictionaryId::Swedish, u"Swedish", u"Swedish to persian dictionary",
                  u"Swedish_to_Persian", QLocale::Swedish),
        makeEntry(DictionaryId::ComputerAndInternet, u"", u"Computer and internet dictionary",
                  u"Computer_and_Internet", QLocale::English),
    };
    return catalog;
}

const DictionaryEntry& DictionaryCatalog::entry(DictionaryId id)
{
    return entries()[static_cast<std::size_t>(id)];
}

std::optional<DictionaryId> DictionaryCatalog::fromDisplayName(QStringView caption)
{
    for (const DictionaryEntry& e : entries()) {
        if (caption.compare(e.displayName, Qt::CaseSensitive) == 0)
            return e.id;
    }
    return std::nullopt;
}

} // namespace lexaro
