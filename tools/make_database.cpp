// Builds the word database from the starter word lists: one TSV file per dictionary,
// named after its table, with each headword's inflected forms in the forms tables. Usage:
// lexaro_make_database <data folder> <output file>
#include "lookup/inflection_rules.h"
#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/word_list_file.h"
#include "store/word_table_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <hunspell/hunspell.hxx>

#include <array>
#include <memory>

using namespace Qt::StringLiterals;

using namespace lexaro;

namespace {

// The bundled forms tables keep what the rules make only where it is a word: a form the
// language's Hunspell dictionary knows, or any form of a headword that the dictionary does not
// know at all (there the rules are all there is). English keeps every form, and so does a word
// the user adds later.
class KnownForms final : public WordInflections
{
public:
    explicit KnownForms(const WordInflections& rules) : m_rules(rules)
    {
        for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
            const MorphologySource source = d.morphology();
            // The English rules make few strings that are no words; they stay whole (CPUs).
            if (source.analyser != MorphologySource::Analyser::Hunspell ||
                source.language.startsWith(u"en_"))
                continue;
            const QByteArray base = "/usr/share/hunspell/" + QFile::encodeName(source.language);
            const QByteArray affixes = base + ".aff";
            const QByteArray words = base + ".dic";
            if (QFile::exists(QFile::decodeName(affixes)))
                m_spellers[static_cast<std::size_t>(d.id)] =
                    std::make_unique<Hunspell>(affixes.constData(), words.constData());
        }
    }

    QStringList formsOf(DictionaryId id, const QString& headword) const override
    {
        QStringList forms = m_rules.formsOf(id, headword);
        Hunspell* speller = m_spellers[static_cast<std::size_t>(id)].get();
        if (!speller || !known(*speller, headword))
            return forms;
        forms.removeIf([&](const QString& form) { return !known(*speller, form); });
        return forms;
    }

private:
    static bool known(Hunspell& speller, const QString& word)
    {
        return speller.spell(word.toStdString()) || speller.spell(word.toLower().toStdString());
    }

    const WordInflections& m_rules;
    std::array<std::unique_ptr<Hunspell>, DictionaryCount> m_spellers;
};

bool insertEntries(DatabaseConnection& db, const DictionaryEntry& dictionary,
                   const std::vector<WordEntry>& entries)
{
    WordTableWriter writer(db, dictionary);
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
    const InflectionRules rules;
    const KnownForms inflections(rules);
    db->setInflections(&inflections);
    int failures = 0;
    for (const DictionaryEntry& d : DictionaryCatalog::entries()) {
        const QString path = dataDir.filePath(d.tableName + u".tsv"_s);
        const WordListFile::Result list = WordListFile::read(path);
        for (const QString& e : list.errors) {
            err << path << ": " << e << "\n";
            ++failures;
        }
        if (!insertEntries(*db, d, list.entries)) {
            err << path << ": cannot store the words\n";
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
