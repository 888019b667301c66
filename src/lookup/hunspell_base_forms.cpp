#include "lookup/hunspell_base_forms.h"

#include <QFile>

#include <hunspell/hunspell.hxx>

namespace lexaro {

namespace {

// Where Debian's hunspell-* packages put their dictionaries.
constexpr auto Folder = "/usr/share/hunspell/";

void appendUnique(QStringList& list, const QString& word)
{
    if (!word.isEmpty() && !list.contains(word))
        list.append(word);
}

} // namespace

std::unique_ptr<HunspellBaseForms> HunspellBaseForms::load(const QString& language)
{
    const QByteArray base = QByteArray(Folder) + QFile::encodeName(language);
    const QByteArray affixes = base + ".aff";
    const QByteArray words = base + ".dic";
    if (!QFile::exists(QFile::decodeName(affixes)) || !QFile::exists(QFile::decodeName(words)))
        return nullptr;
    auto speller = std::make_unique<Hunspell>(affixes.constData(), words.constData());
    return std::unique_ptr<HunspellBaseForms>(new HunspellBaseForms(std::move(speller)));
}

HunspellBaseForms::HunspellBaseForms(std::unique_ptr<Hunspell> speller)
    : m_speller(std::move(speller))
{
}

HunspellBaseForms::~HunspellBaseForms() = default;

QStringList HunspellBaseForms::candidates(const QString& word) const
{
    // Debian's dictionaries are all UTF-8.
    const std::string utf8 = word.toStdString();
    QStringList forms;
    for (const std::string& stem : m_speller->stem(utf8))
        appendUnique(forms, QString::fromStdString(stem));
    // The analyses also name the stems of forms the stemmer leaves alone ("st:" fields).
    for (const std::string& analysis : m_speller->analyze(utf8)) {
        const QString text = QString::fromStdString(analysis);
        qsizetype at = text.indexOf(QStringLiteral("st:"));
        while (at >= 0) {
            qsizetype end = at + 3;
            while (end < text.size() && !text.at(end).isSpace())
                ++end;
            appendUnique(forms, text.mid(at + 3, end - at - 3));
            at = text.indexOf(QStringLiteral("st:"), end);
        }
    }
    return forms;
}

} // namespace lexaro
