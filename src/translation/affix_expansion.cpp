#include "translation/affix_expansion.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

// How the files write a set of flags: one character each, two characters each, or numbers
// separated by commas.
enum class FlagType
{
    Character,
    Long,
    Number
};

QStringList splitFlags(QStringView text, FlagType type)
{
    QStringList flags;
    switch (type) {
    case FlagType::Character:
        for (qsizetype i = 0; i < text.size(); ++i) {
            // A flag outside the first plane is two UTF-16 units.
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            flags << text.mid(i, n).toString();
            i += n - 1;
        }
        break;
    case FlagType::Long:
        for (qsizetype i = 0; i + 1 < text.size(); i += 2)
            flags << text.mid(i, 2).toString();
        break;
    case FlagType::Number:
        for (const QStringView f : text.split(u',', Qt::SkipEmptyParts))
            flags << f.toString();
        break;
    }
    return flags;
}

// One position of an affix's condition: any letter, a letter of a set, or a letter outside it.
struct ConditionLetter
{
    bool any = true;
    bool outside = false;
    QString letters;

    bool matches(QChar c) const { return any || letters.contains(c) != outside; }
};

QList<ConditionLetter> parseCondition(QStringView text)
{
    QList<ConditionLetter> condition;
    if (text == u".")
        return condition;
    for (qsizetype i = 0; i < text.size(); ++i) {
        ConditionLetter letter;
        if (text[i] == u'[') {
            const qsizetype end = text.indexOf(u']', i);
            if (end < 0)
                break;
            QStringView set = text.mid(i + 1, end - i - 1);
            letter.any = false;
            letter.outside = set.startsWith(u'^');
            letter.letters = (letter.outside ? set.mid(1) : set).toString();
            i = end;
        } else if (text[i] != u'.') {
            letter.any = false;
            letter.letters = text[i];
        }
        condition << letter;
    }
    return condition;
}

struct Suffix
{
    QString strip;
    QString add;
    QStringList next; // the classes that may follow, and the affix's own markers
    QList<ConditionLetter> condition;

    // The condition is on the end of the word before the ending is taken off.
    std::optional<QString> apply(const QString& word, bool wholeWordStrip) const
    {
        if (!word.endsWith(strip) || condition.size() > word.size() ||
            (!wholeWordStrip && strip.size() >= word.size()))
            return std::nullopt;
        const qsizetype start = word.size() - condition.size();
        for (qsizetype i = 0; i < condition.size(); ++i) {
            if (!condition[i].matches(word[start + i]))
                return std::nullopt;
        }
        return word.chopped(strip.size()) + add;
    }
};

} // namespace

struct AffixExpansion::Data
{
    FlagType flagType = FlagType::Character;
    QStringList aliases; // AF: flag sets named by their number, from 1
    QHash<QString, QList<Suffix>> suffixes;
    QString needAffix;
    QString onlyInCompound;
    QString forbidden;
    QString circumfix;
    bool wholeWordStrip = false;
    QHash<QString, QList<QStringList>> entries;

    QStringList flags(QStringView text) const
    {
        if (!aliases.isEmpty()) {
            bool number = false;
            const int alias = text.toInt(&number);
            if (number && alias >= 1 && alias <= aliases.size())
                return splitFlags(aliases[alias - 1], flagType);
        }
        return splitFlags(text, flagType);
    }

    // Whether a word so marked stands alone: not a stem that needs an ending, not a part only
    // compounds use, not a word the dictionary forbids, not half of a prefix-and-suffix pair.
    bool standsAlone(const QStringList& marks) const
    {
        return !std::any_of(marks.cbegin(), marks.cend(), [&](const QString& f) {
            return f == needAffix || f == onlyInCompound || f == forbidden || f == circumfix;
        });
    }

    bool usable(const QStringList& marks) const
    {
        return !std::any_of(marks.cbegin(), marks.cend(), [&](const QString& f) {
            return f == onlyInCompound || f == forbidden || f == circumfix;
        });
    }

    void readAffixLine(const QStringList& fields, QSet<QString>& seen, const QStringList& leftOut)
    {
        const QString& kind = fields[0];
        if (kind == u"FLAG" && fields.size() > 1) {
            flagType = fields[1] == u"long"  ? FlagType::Long
                       : fields[1] == u"num" ? FlagType::Number
                                             : FlagType::Character;
        } else if (kind == u"AF" && fields.size() > 1 && !seen.contains(u"AF"_s)) {
            seen.insert(u"AF"_s); // the first AF line gives the count
        } else if (kind == u"AF" && fields.size() > 1) {
            aliases << fields[1];
        } else if (kind == u"NEEDAFFIX" && fields.size() > 1) {
            needAffix = fields[1];
        } else if (kind == u"ONLYINCOMPOUND" && fields.size() > 1) {
            onlyInCompound = fields[1];
        } else if (kind == u"FORBIDDENWORD" && fields.size() > 1) {
            forbidden = fields[1];
        } else if (kind == u"CIRCUMFIX" && fields.size() > 1) {
            circumfix = fields[1];
        } else if (kind == u"FULLSTRIP") {
            wholeWordStrip = true;
        } else if (kind == u"SFX" && fields.size() >= 4 && !leftOut.contains(fields[1])) {
            // The class's first line is its header: flag, cross product, number of rules.
            if (!seen.contains(u"SFX "_s + fields[1])) {
                seen.insert(u"SFX "_s + fields[1]);
                return;
            }
            readSuffix(fields);
        }
    }

    void readSuffix(const QStringList& fields)
    {
        Suffix suffix;
        suffix.strip = fields[2] == u"0" ? QString() : fields[2];
        const QString& added = fields[3];
        const qsizetype slash = added.indexOf(u'/');
        suffix.add = slash < 0 ? added : added.left(slash);
        if (suffix.add == u"0")
            suffix.add.clear();
        if (slash >= 0)
            suffix.next = flags(QStringView(added).mid(slash + 1));
        suffix.condition = parseCondition(fields.size() > 4 ? fields[4] : u"."_s);
        suffixes[fields[1]].append(suffix);
    }

    void readEntry(QStringView line)
    {
        // word/flags, then morphological fields after white space.
        qsizetype end = 0;
        while (end < line.size() && !line[end].isSpace())
            ++end;
        line = line.left(end);
        qsizetype slash = line.indexOf(u'/');
        while (slash > 0 && line[slash - 1] == u'\\')
            slash = line.indexOf(u'/', slash + 1);
        const QString word =
            (slash < 0 ? line : line.left(slash)).toString().replace(u"\\/"_s, u"/"_s);
        if (word.isEmpty())
            return;
        entries[word].append(slash < 0 ? QStringList() : flags(line.mid(slash + 1)));
    }

    void expand(const QString& word, const QStringList& classes, int depth,
                QStringList& forms) const
    {
        for (const QString& flag : classes) {
            const auto found = suffixes.constFind(flag);
            if (found == suffixes.cend())
                continue;
            for (const Suffix& s : *found) {
                if (!usable(s.next))
                    continue;
                const std::optional<QString> form = s.apply(word, wholeWordStrip);
                // A form with a hyphen at its end is the first part of a compound.
                if (!form || form->isEmpty() || form->endsWith(u'-'))
                    continue;
                if (standsAlone(s.next))
                    forms << *form;
                // A suffix may name the suffixes that can follow it (twofold suffixes).
                if (depth == 0 && !s.next.isEmpty())
                    expand(*form, s.next, depth + 1, forms);
            }
        }
    }
};

AffixExpansion::AffixExpansion(std::unique_ptr<Data> data) : d(std::move(data)) {}

AffixExpansion::~AffixExpansion() = default;

// English -ive, -ion, -th, -ly, -ings, -er, -ers, -ness, -able, -ment, and -est, which the
// dictionary puts on words that compare nothing (mod → modest; only -s, -ed, -ing and 's stay);
// German -in, -lich, -chen, -ung (beachten → Beachtung), -bar and the ph → f spellings; Italian
// -mente, the diminutives (catena → catenina) and the number words made of numbers (venti →
// ventisette); Spanish -ción, -dura, -aje (pelo → pelaje, a coat), -azo, -idad, -ería, -ez,
// -illo, -ismo, -miento, -ión, -ble (envidiar → envidiable), -ito; Swedish -are and -isk
// (hantera → hanterare, the handler), -bo, the fractions of the ordinals (tredje → tredjedel),
// -generation.
QStringList derivationClasses(QStringView language)
{
    if (language.startsWith(u"en_"))
        return {u"V"_s, u"N"_s, u"X"_s, u"H"_s, u"Y"_s, u"J"_s,
                u"R"_s, u"Z"_s, u"P"_s, u"B"_s, u"L"_s, u"T"_s};
    if (language.startsWith(u"de_"))
        return {u"F"_s, u"L"_s, u"M"_s, u"J"_s, u"B"_s, u"f"_s};
    if (language.startsWith(u"it_"))
        return {u"Y"_s, u"N"_s, u"|"_s, u"!"_s, u"£"_s, u"@"_s, u"&"_s, u"("_s, u")"_s, u"="_s};
    if (language.startsWith(u"es_"))
        return {u"A"_s, u"B"_s, u"C"_s, u"F"_s, u"H"_s, u"J"_s, u"K"_s, u"L"_s,
                u"M"_s, u"N"_s, u"O"_s, u"P"_s, u"Q"_s, u"T"_s, u"U"_s};
    if (language.startsWith(u"sv_"))
        return {u"T"_s, u"e"_s, u"d"_s, u"1"_s, u"7"_s};
    return {};
}

std::unique_ptr<AffixExpansion> AffixExpansion::installed(const QString& language)
{
    // Where Debian's hunspell-* packages put their dictionaries.
    const QString base = u"/usr/share/hunspell/"_s + language;
    QFile affixes(base + u".aff"_s);
    QFile words(base + u".dic"_s);
    if (!affixes.open(QIODevice::ReadOnly) || !words.open(QIODevice::ReadOnly))
        return nullptr;
    return fromText(affixes.readAll(), words.readAll(), derivationClasses(language));
}

std::unique_ptr<AffixExpansion> AffixExpansion::fromText(const QByteArray& affixes,
                                                         const QByteArray& words,
                                                         const QStringList& leftOut)
{
    auto data = std::make_unique<Data>();
    QSet<QString> seen;
    for (const QStringView line : QString::fromUtf8(affixes).split(u'\n')) {
        const QStringList fields = line.toString().simplified().split(u' ', Qt::SkipEmptyParts);
        if (!fields.isEmpty() && !fields[0].startsWith(u'#'))
            data->readAffixLine(fields, seen, leftOut);
    }
    const QString text = QString::fromUtf8(words);
    bool first = true; // the first line gives the number of entries
    for (const QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        if (!std::exchange(first, false))
            data->readEntry(line.trimmed());
    }
    return std::unique_ptr<AffixExpansion>(new AffixExpansion(std::move(data)));
}

bool AffixExpansion::hasEntry(const QString& word) const
{
    return d->entries.contains(word);
}

QStringList AffixExpansion::formsOf(const QString& word) const
{
    QStringList forms;
    for (const QStringList& flags : d->entries.value(word)) {
        if (d->usable(flags))
            d->expand(word, flags, 0, forms);
    }
    forms.removeDuplicates();
    forms.removeAll(word);
    return forms;
}

} // namespace lexaro
