#include "lookup/arabic_clitics.h"

#include <array>

namespace lexaro {

namespace {

// Longest first, so "وبال" is tried before "و".
const std::array<QStringView, 16> Prefixes = {u"\u0648\u0628\u0627\u0644",
                                              u"\u0641\u0628\u0627\u0644",
                                              u"\u0648\u0644\u0644",
                                              u"\u0641\u0644\u0644",
                                              u"\u0648\u0627\u0644",
                                              u"\u0641\u0627\u0644",
                                              u"\u0628\u0627\u0644",
                                              u"\u0643\u0627\u0644",
                                              u"\u0644\u0644",
                                              u"\u0627\u0644",
                                              u"\u0648\u0628",
                                              u"\u0648\u0644",
                                              u"\u0648",
                                              u"\u0641",
                                              u"\u0628",
                                              u"\u0644"};
// Attached pronouns, longest first.
const std::array<QStringView, 12> Suffixes = {u"\u0647\u0645\u0627",
                                              u"\u0643\u0645\u0627",
                                              u"\u0647\u0645",
                                              u"\u0647\u0646",
                                              u"\u0643\u0645",
                                              u"\u0643\u0646",
                                              u"\u0647\u0627",
                                              u"\u0646\u0627",
                                              u"\u0646\u064A",
                                              u"\u0647",
                                              u"\u0643",
                                              u"\u064A"};

// The word needs at least two letters of its own after the clitics go.
constexpr qsizetype ShortestStem = 2;

void appendUnique(QStringList& list, const QString& word)
{
    if (word.size() >= ShortestStem && !list.contains(word))
        list.append(word);
}

QStringList withoutPrefixes(const QString& word)
{
    QStringList forms;
    for (const QStringView prefix : Prefixes) {
        if (word.startsWith(prefix))
            appendUnique(forms, word.mid(prefix.size()));
    }
    return forms;
}

QStringList withoutSuffixes(const QString& word)
{
    QStringList forms;
    for (const QStringView suffix : Suffixes) {
        if (!word.endsWith(suffix))
            continue;
        QString stem = word.left(word.size() - suffix.size());
        appendUnique(forms, stem);
        // A feminine ending written ت before a pronoun is ة on its own: سيارته → سيارة.
        if (stem.endsWith(u'\u062A'))
            appendUnique(forms, stem.left(stem.size() - 1) + u'\u0629');
    }
    return forms;
}

} // namespace

ArabicClitics::ArabicClitics(std::unique_ptr<BaseForms> stems) : m_stems(std::move(stems)) {}

QStringList ArabicClitics::candidates(const QString& word) const
{
    QStringList forms;
    if (m_stems) {
        for (const QString& stem : m_stems->candidates(word))
            appendUnique(forms, stem);
    }
    QStringList stripped = withoutPrefixes(word);
    stripped.prepend(word);
    for (const QString& front : std::as_const(stripped)) {
        if (front != word)
            appendUnique(forms, front);
        for (const QString& both : withoutSuffixes(front))
            appendUnique(forms, both);
    }
    if (m_stems) {
        // Hunspell may know the word once its particles are gone.
        const QStringList found = forms;
        for (const QString& form : found) {
            for (const QString& stem : m_stems->candidates(form))
                appendUnique(forms, stem);
        }
    }
    forms.removeAll(word);
    return forms;
}

} // namespace lexaro
