#include "exchange/dictionary_names.h"

#include <array>

namespace lexaro {

namespace {

constexpr std::array<const char16_t*, DictionaryCount> IdNames = {
    u"Arabic",  u"English", u"Finnish",
    u"French",  u"German",  u"Italian",
    u"Spanish", u"Swedish", u"ComputerAndInternet",
};

} // namespace

QString dictionaryIdName(DictionaryId id)
{
    return QString::fromUtf16(IdNames[static_cast<std::size_t>(id)]);
}

QStringList dictionaryIdNames()
{
    QStringList names;
    for (const DictionaryEntry& e : DictionaryCatalog::entries())
        names << dictionaryIdName(e.id);
    return names;
}

std::optional<DictionaryId> dictionaryNamed(QStringView name)
{
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        if (name.compare(dictionaryIdName(e.id), Qt::CaseInsensitive) == 0)
            return e.id;
    }
    return DictionaryCatalog::fromDisplayName(name);
}

} // namespace lexaro
