#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace lexaro {

// The inflected forms a Hunspell dictionary makes of its own words: each entry of the word list
// (.dic) expanded through the suffix classes its flags name (.aff), with the suffixes that may
// follow a suffix. Hunspell itself only checks words and suggests; it has no way to list the
// forms of a word, and its suffix suggestions leave out every form that changes the word's
// ending (try → tries, libro → libri).
//
// Prefixes are never applied: in the dictionaries they make other words (un-, in-, dis-, re-) or
// attach particles (l', dell', و) that the look-up takes off by itself.
class AffixExpansion
{
public:
    ~AffixExpansion();
    AffixExpansion(const AffixExpansion&) = delete;
    AffixExpansion& operator=(const AffixExpansion&) = delete;

    // The installed dictionary of the language ("de_DE"), without the suffix classes that
    // make other words of it; nullptr when it is not installed.
    static std::unique_ptr<AffixExpansion> installed(const QString& language);
    // From the text of the two files (UTF-8); the classes left out make other words (-ness,
    // -ung, -mente).
    static std::unique_ptr<AffixExpansion>
    fromText(const QByteArray& affixes, const QByteArray& words, const QStringList& leftOut = {});

    // Whether the word list holds the word, as written.
    bool hasEntry(const QString& word) const;
    // The forms of every entry written as the word, without the word itself.
    QStringList formsOf(const QString& word) const;

private:
    struct Data;
    explicit AffixExpansion(std::unique_ptr<Data> data);

    std::unique_ptr<Data> d;
};

// The suffix classes of the language's Hunspell dictionary (Debian's) that derive other words
// rather than inflect: the expansion leaves them out, and the look-up offers no stem through
// them.
QStringList derivationClasses(QStringView language);

} // namespace lexaro
