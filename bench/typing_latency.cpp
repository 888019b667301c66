// What one keystroke costs on a 1,000,000-row dictionary: the look-up of the typed text and
// the suggestions that begin with it; and what a miss costs when the dictionary forms are
// looked for (the forms table, the analyser's work, the check of each candidate through the
// index, compounds and other spellings). Every row has its inflected forms, and the real
// headwords are stored among the generated ones, so the inflected forms have something to
// find. With --german, the same for German.
#include "generated_database.h"
#include "latency.h"

#include "store/dictionary_store.h"
#include "store/headword_frequency_table.h"
#include "store/word_list_file.h"
#include "store/word_lookup.h"
#include "translation/base_form_lookup.h"
#include "translation/inflection_rules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace lexaro;

namespace {

constexpr int Rows = 1'000'000;

// What a miss costs in one dictionary: the generated rows with their forms, the real word
// list stored among them, the first miss (the analyser loading) timed on its own.
bool measureMisses(DictionaryId id, const QStringList& misses, bool withKeystrokes)
{
    const DictionaryEntry& d = DictionaryCatalog::entry(id);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    const InflectionRules rules;
    if (!bench::buildGeneratedDatabase(path, id, Rows, &rules))
        return false;
    auto store = DictionaryStore::open(path).store;
    store->connection().setInflections(&rules);
    DictionaryRecordset& rs = store->recordset(id);
    const WordListFile::Result list =
        WordListFile::read(QStringLiteral(LEXARO_DATA_DIR "/") + d.tableName + u".tsv");
    for (const WordEntry& e : list.entries)
        rs.add(e.word, e.translation);
    // As the database build stores them: the ranking of a form's headwords asks for them.
    if (!writeFrequencyTable(store->connection(), d,
                             readFrequencyFile(QStringLiteral(LEXARO_DATA_DIR "/frequency/") +
                                               d.tableName + u".tsv")))
        return false;
    std::printf("%s: %d generated rows and %lld real headwords, with their forms\n",
                qPrintable(d.tableName), Rows, static_cast<long long>(list.entries.size()));

    if (withKeystrokes) {
        // Prefixes of generated words, one to six letters long, as a user types them.
        bench::printPercentiles("keystroke with suggestions", 20'000, [&](int i) {
            const QString word = bench::generatedWord((i * 7919) % Rows);
            const QString typed = word.left(1 + i % 6);
            lookUpTranslation(rs, typed);
            return !wordsBeginningWith(rs, typed, 20).isEmpty();
        });
    }

    BaseFormLookup baseForms;
    QElapsedTimer first;
    first.start();
    baseForms.find(id, rs, misses.first());
    std::printf("first miss (loads the analyser): %.1f ms\n", first.nsecsElapsed() / 1e6);
    int withForms = 0;
    for (const QString& text : misses) // shows what there is to find
        withForms += !baseForms.find(id, rs, text).isEmpty();
    std::printf("%d of %lld texts have dictionary forms\n", withForms,
                static_cast<long long>(misses.size()));
    return bench::printPercentiles("miss with dictionary forms", 5'000, [&](int i) {
        return translationToShow(id, rs, misses[i % misses.size()], &baseForms).has_value();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList english = {
        QStringLiteral("houses"),    QStringLiteral("walked"),   QStringLiteral("cities"),
        QStringLiteral("books"),     QStringLiteral("played"),   QStringLiteral("countries"),
        QStringLiteral("\"days,\""), QStringLiteral("Windows"),  QStringLiteral("opened"),
        QStringLiteral("zzqxw"),     QStringLiteral("children"), QStringLiteral("questions.")};
    // Compounds, old spellings and words no rule knows make German the slowest miss.
    const QStringList german = {QStringLiteral("Häuser"),
                                QStringLiteral("gegeben"),
                                QStringLiteral("Kreuzworträtsel"),
                                QStringLiteral("Bundesregierung"),
                                QStringLiteral("daß"),
                                QStringLiteral("Männern"),
                                QStringLiteral("zzqxwvbn"),
                                QStringLiteral("Sicherheitsgründen"),
                                QStringLiteral("sieht"),
                                QStringLiteral("Weltmeisterschaften"),
                                QStringLiteral("kannst"),
                                QStringLiteral("Qwertzuiopü")};
    const bool germanToo = argc > 1 && qstrcmp(argv[1], "--german") == 0;
    return measureMisses(DictionaryId::English, english, true) &&
                   (!germanToo || measureMisses(DictionaryId::German, german, false))
               ? 0
               : 1;
}
