// Builds the word database from the starter word lists: one TSV file per dictionary,
// named after its table, with each headword's inflected forms in the forms tables. Usage:
// lexaro_make_database <data folder> <output file>
#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/headword_frequency_table.h"
#include "store/word_comparison.h"
#include "store/word_list_file.h"
#include "store/word_table_writer.h"
#include "translation/affix_expansion.h"
#include "translation/base_form_lookup.h"
#include "translation/inflection_rules.h"
#include "translation/rule_form_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextStream>

#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <array>
#include <future>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

using namespace lexaro;

namespace {

// The bundled forms tables hold, for each headword, the forms the program's rules make and the
// forms the language's Hunspell dictionary makes of it through its affix classes. A rule's form
// stays only where it is a word: a form the Hunspell dictionary knows, or any form of a headword
// that the dictionary does not know at all (there the rules are all there is); English keeps
// every form, and so does a word the user adds later. Nor does a form stay that the
// dictionary's entries show to be another word (RuleFormCheck: Köcher is no plural of Koch). Of
// Hunspell's own forms only those stay that the look-up's analyser does not lead back to the
// headword by itself: the others would only grow the file (Italian alone has a hundred and fifty
// forms of a verb with its pronouns). Checking every form is most of the build's time, so each
// dictionary's forms are worked out on a thread of its own, with a Hunspell of its own, before the
// words are written.
class KnownForms final : public WordInflections
{
public:
    using Forms = QHash<QString, QStringList>;

    KnownForms(const WordInflections& rules,
               const std::array<std::vector<WordEntry>, DictionaryCount>& lists)
    {
        // Hunspell sets up and frees a table shared by all its instances without a lock: the
        // spellers are made and destroyed here, on this thread, and only used on the others.
        std::array<Sources, DictionaryCount> sources;
        for (const DictionaryEntry& d : DictionaryCatalog::entries())
            sources[static_cast<std::size_t>(d.id)] = sourcesFor(d);
        std::vector<std::future<Forms>> work;
        for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
            const auto i = static_cast<std::size_t>(d.id);
            const Sources& source = sources[i];
            const std::vector<WordEntry>& list = lists[i];
            work.push_back(std::async(std::launch::async, [&rules, &d, &list, &source] {
                // Reading the affix files shares nothing: it runs on the dictionary's thread.
                const std::unique_ptr<AffixExpansion> expansion =
                    source.analyser ? AffixExpansion::installed(d.morphology().language) : nullptr;
                return formsOfList(rules, d, list, source, expansion.get());
            }));
        }
        for (std::size_t i = 0; i < work.size(); ++i)
            m_forms[i] = work[i].get();
    }

    QStringList formsOf(DictionaryId id, const QString& headword) const override
    {
        return m_forms[static_cast<std::size_t>(id)].value(headword);
    }

private:
    struct Sources
    {
        std::unique_ptr<Hunspell> speller;   // whether a rule's form is a word
        std::unique_ptr<BaseForms> analyser; // what the look-up finds without the table
        bool english = false;                // the rules' forms stay whole but for names
    };

    static Forms formsOfList(const WordInflections& rules, const DictionaryEntry& d,
                             const std::vector<WordEntry>& list, const Sources& source,
                             const AffixExpansion* expansion)
    {
        Forms forms;
        std::optional<RuleFormCheck> check;
        if (expansion) {
            check.emplace(d.id, *expansion,
                          [&source](const QString& word) { return known(*source.speller, word); });
        }
        for (const WordEntry& e : list) {
            if (forms.contains(e.word))
                continue;
            QStringList made = rules.formsOf(d.id, e.word);
            if (source.speller && source.english)
                made.removeIf([&](const QString& form) { return nameOnly(*source.speller, form); });
            else if (source.speller && known(*source.speller, e.word))
                made.removeIf([&](const QString& form) {
                    return !known(*source.speller, form) &&
                           !InflectionRules::isListedForm(d.id, e.word, form,
                                                          InflectionRules::Listing::Written);
                });
            if (check) {
                // The headword's forms as written, or written small (a word list may begin a
                // headword with a capital).
                const QStringList own = expansion->formsOf(e.word);
                made = check->kept(e.word, own, made);
                QStringList expanded =
                    expansion->hasEntry(e.word) ? own : expansion->formsOf(e.word.toLower());
                const QSet<QString> ruled(made.cbegin(), made.cend());
                expanded.removeIf([&](const QString& form) { return ruled.contains(form); });
                made += notFoundWithout(source, expanded, e.word);
            }
            // Nor an English form its analyser reads as another word (genomics, a field, is no
            // plural of genomic).
            if (source.english && source.analyser) {
                made.removeIf([&](const QString& form) {
                    return source.analyser->namesOtherLemmas(form, e.word);
                });
            }
            forms.insert(e.word, made);
        }
        return forms;
    }

    // The forms from which the look-up's analyser does not come back to the headword.
    static QStringList notFoundWithout(const Sources& source, QStringList forms,
                                       const QString& headword)
    {
        if (!source.analyser)
            return forms;
        forms.removeIf([&](const QString& form) {
            const QStringList found = source.analyser->candidates(form);
            return std::any_of(found.cbegin(), found.cend(), [&](const QString& c) {
                return WordComparison::sameWord(c, headword);
            });
        });
        return forms;
    }

    static Sources sourcesFor(const DictionaryEntry& d)
    {
        Sources s;
        const MorphologySource source = d.morphology();
        if (source.analyser != MorphologySource::Analyser::Hunspell)
            return s;
        const QString base = u"/usr/share/hunspell/"_s + source.language;
        if (!QFile::exists(base + u".aff"_s))
            return s;
        // The English rules' forms stay whole: those that are no words (reputationing) are
        // never looked up. A name's are left out (Ewing is no form of ewe, nor Goering of goer).
        s.english = source.language.startsWith(u"en_");
        s.speller = std::make_unique<Hunspell>(QFile::encodeName(base + u".aff"_s).constData(),
                                               QFile::encodeName(base + u".dic"_s).constData());
        // Arabic endings are the attached pronouns, which the look-up takes off by itself: its
        // dictionary's own forms are not expanded.
        if (!d.isArabic())
            s.analyser = BaseFormLookup::installedAnalyser(source);
        return s;
    }

    static bool known(Hunspell& speller, const QString& word)
    {
        return speller.spell(word.toStdString()) || speller.spell(word.toLower().toStdString());
    }

    // Whether the rules' -ing form is a word only with a capital, a name's (Ewing, Redding).
    static bool nameOnly(Hunspell& speller, const QString& form)
    {
        if (!form.endsWith(u"ing") || !form.front().isLower() || speller.spell(form.toStdString()))
            return false;
        QString capital = form;
        capital[0] = capital[0].toUpper();
        return speller.spell(capital.toStdString());
    }

    std::array<Forms, DictionaryCount> m_forms;
};

bool insertEntries(DatabaseConnection& db, const DictionaryEntry& dictionary,
                   const std::vector<WordEntry>& entries)
{
    WordTableWriter writer(db, dictionary, WordTableWriter::Forms::AtCommit);
    if (!writer.begin())
        return false;
    for (const WordEntry& e : entries) {
        if (!writer.insert(e.word, e.translation))
            return false;
    }
    return writer.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: lexaro_make_database <data folder> <output file>\n";
        return 2;
    }
    const QDir dataDir(args[1]);
    const QString& output = args[2];
    const QString partial = output + u".partial"_s;
    QFile::remove(partial);

    std::unique_ptr<DatabaseConnection> db = DatabaseConnection::createNew(partial);
    if (!db) {
        err << "cannot create " << partial << "\n";
        return 1;
    }
    std::array<std::vector<WordEntry>, DictionaryCount> lists;
    int failures = 0;
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        const QString path = dataDir.filePath(d.tableName + u".tsv"_s);
        WordListFile::Result list = WordListFile::read(path);
        for (const QString& e : list.errors) {
            err << path << ": " << e << "\n";
            ++failures;
        }
        lists[static_cast<std::size_t>(d.id)] = std::move(list.entries);
    }
    const InflectionRules rules;
    const KnownForms inflections(rules, lists);
    db->setInflections(&inflections);
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        if (!insertEntries(*db, d, lists[static_cast<std::size_t>(d.id)])) {
            err << dataDir.filePath(d.tableName + u".tsv"_s) << ": cannot store the words\n";
            ++failures;
        }
        // How often readers meet each headword: data/frequency/<table>.tsv.
        const QString frequency = dataDir.filePath(u"frequency/"_s + d.tableName + u".tsv"_s);
        if (QFile::exists(frequency) &&
            !writeFrequencyTable(*db, d, readFrequencyFile(frequency))) {
            err << frequency << ": cannot store the frequencies\n";
            ++failures;
        }
    }
    if (failures > 0) {
        db.reset();
        QFile::remove(partial);
        return 1;
    }
    // The forms are written in the order of their headwords, not of the forms tables' keys,
    // which leaves their pages part empty: packed again, the file is a tenth smaller.
    if (!db->execute(u"Vacuum"_s)) {
        err << "cannot pack " << partial << "\n";
        db.reset();
        QFile::remove(partial);
        return 1;
    }
    db.reset();
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        err << "cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
