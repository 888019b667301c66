// Builds the word database from the starter word lists: one TSV file per dictionary,
// named after its table, with each headword's inflected forms in the forms tables. Usage:
// lexaro_make_database <data folder> <output file>
#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/word_list_file.h"
#include "store/word_table_writer.h"
#include "translation/inflection_rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <hunspell/hunspell.hxx>

#include <array>
#include <future>
#include <vector>

#include <array>
#include <memory>

using namespace Qt::StringLiterals;

using namespace lexaro;

namespace {

// The bundled forms tables keep what the rules make only where it is a word: a form the
// language's Hunspell dictionary knows, or any form of a headword that the dictionary does not
// know at all (there the rules are all there is). English keeps every form, and so does a word
// the user adds later. Checking every form is most of the build's time, so each dictionary's
// forms are worked out on a thread of its own, with a Hunspell of its own, before the words are
// written.
class KnownForms final : public WordInflections
{
public:
    using Forms = QHash<QString, QStringList>;

    KnownForms(const WordInflections& rules,
               const std::array<std::vector<WordEntry>, DictionaryCount>& lists)
    {
        // Hunspell sets up and frees a table shared by all its instances without a lock: the
        // spellers are made and destroyed here, on this thread, and only used on the others.
        std::array<std::unique_ptr<Hunspell>, DictionaryCount> spellers;
        for (const DictionaryEntry& d : DictionaryCatalog::entries())
            spellers[static_cast<std::size_t>(d.id)] = spellerFor(d);
        std::vector<std::future<Forms>> work;
        for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
            const auto i = static_cast<std::size_t>(d.id);
            Hunspell* speller = spellers[i].get();
            const std::vector<WordEntry>& list = lists[i];
            work.push_back(std::async(std::launch::async, [&rules, &d, &list, speller] {
                return formsOfList(rules, d, list, speller);
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
    static Forms formsOfList(const WordInflections& rules, const DictionaryEntry& d,
                             const std::vector<WordEntry>& list, Hunspell* speller)
    {
        Forms forms;
        for (const WordEntry& e : list) {
            if (forms.contains(e.word))
                continue;
            QStringList made = rules.formsOf(d.id, e.word);
            if (speller && known(*speller, e.word))
                made.removeIf([&](const QString& form) { return !known(*speller, form); });
            forms.insert(e.word, made);
        }
        return forms;
    }

    static std::unique_ptr<Hunspell> spellerFor(const DictionaryEntry& d)
    {
        const MorphologySource source = d.morphology();
        // The English rules make few strings that are no words; they stay whole.
        if (source.analyser != MorphologySource::Analyser::Hunspell ||
            source.language.startsWith(u"en_"))
            return nullptr;
        const QByteArray base = "/usr/share/hunspell/" + QFile::encodeName(source.language);
        const QByteArray affixes = base + ".aff";
        const QByteArray words = base + ".dic";
        if (!QFile::exists(QFile::decodeName(affixes)))
            return nullptr;
        return std::make_unique<Hunspell>(affixes.constData(), words.constData());
    }

    static bool known(Hunspell& speller, const QString& word)
    {
        return speller.spell(word.toStdString()) || speller.spell(word.toLower().toStdString());
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
    }
    if (failures > 0) {
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
