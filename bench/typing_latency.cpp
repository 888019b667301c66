// What one keystroke costs on a 1,000,000-row dictionary: the look-up of the typed text and
// the suggestions that begin with it; and what a miss costs when the dictionary forms are
// looked for (the analyser's work and the check of each candidate through the index). Real
// English headwords are stored among the generated ones, so the inflected forms have
// something to find.
#include "generated_database.h"
#include "latency.h"

#include "lookup/base_form_lookup.h"
#include "store/dictionary_store.h"
#include "store/word_list_file.h"
#include "store/word_lookup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace lexaro;

namespace {

constexpr int Rows = 1'000'000;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    if (!bench::buildGeneratedDatabase(path, DictionaryId::English, Rows))
        return 1;
    auto store = DictionaryStore::open(path).store;
    DictionaryRecordset& rs = store->recordset(DictionaryId::English);
    const WordListFile::Result english =
        WordListFile::read(QStringLiteral(LEXARO_DATA_DIR "/English_to_Persian.tsv"));
    for (const WordEntry& e : english.entries)
        rs.add(e.word, e.translation);

    // Prefixes of generated words, one to six letters long, as a user types them.
    bench::printPercentiles("keystroke with suggestions", 20'000, [&](int i) {
        const QString word = bench::generatedWord((i * 7919) % Rows);
        const QString typed = word.left(1 + i % 6);
        lookUpTranslation(rs, typed);
        return !wordsBeginningWith(rs, typed, 20).isEmpty();
    });

    const QStringList inflected = {
        QStringLiteral("houses"),    QStringLiteral("walked"),   QStringLiteral("cities"),
        QStringLiteral("books"),     QStringLiteral("played"),   QStringLiteral("countries"),
        QStringLiteral("\"days,\""), QStringLiteral("Windows"),  QStringLiteral("opened"),
        QStringLiteral("zzqxw"),     QStringLiteral("children"), QStringLiteral("questions.")};
    BaseFormLookup baseForms;
    int withForms = 0;
    for (const QString& text : inflected) // loads the analyser, and shows what there is to find
        withForms += !baseForms.find(DictionaryId::English, rs, text).isEmpty();
    std::printf("%d of %lld inflected texts have dictionary forms\n", withForms,
                static_cast<long long>(inflected.size()));
    bench::printPercentiles("miss with dictionary forms", 5'000, [&](int i) {
        const QString& text = inflected[i % inflected.size()];
        if (lookUpTranslation(rs, text).outcome == LookupResult::Outcome::NotFound)
            baseForms.find(DictionaryId::English, rs, text);
        return true;
    });
    return 0;
}
