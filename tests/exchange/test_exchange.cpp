#include "exchange/dictd_reader.h"
#include "exchange/input_file.h"
#include "exchange/markup_text.h"
#include "exchange/word_exporter.h"
#include "exchange/word_file.h"
#include "exchange/word_importer.h"
#include "store/dictionary_store.h"
#include "store/word_inflections.h"
#include "support/test_database.h"
#include "support/word_file_builders.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lexaro;
using namespace lexaro::testing;
using namespace Qt::StringLiterals;

using Rows = QList<std::pair<QString, QString>>;
using Definitions = QList<std::pair<QByteArray, QByteArray>>;

namespace {

const QByteArray Khaneh = "\xd8\xae\xd8\xa7\xd9\x86\xd9\x87"; // خانه
const QByteArray NotUtf8 = "k\xd8\xa7\xb8";                   // a stray continuation byte

QString u8(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

// Writes the files into `dir` and reads the first of them as the import would.
ReadResult readFiles(const QTemporaryDir& dir, const QStringList& names,
                     const QByteArrayList& contents)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        QFile file(dir.filePath(names[i]));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents[i]) != contents[i].size())
            return ReadResult::failure(u"cannot write the test file"_s);
    }
    return readWordFile(dir.filePath(names.first()));
}

Rows entriesOf(const std::vector<WordEntry>& entries)
{
    Rows rows;
    for (const WordEntry& e : entries)
        rows.append({e.word, e.translation});
    return rows;
}

// Every word's one form: its plural with -s.
class PluralS final : public WordInflections
{
public:
    QStringList formsOf(DictionaryId, const QString& headword) const override
    {
        return {headword + u's'};
    }
};

Rows tableRows(DictionaryStore& store, DictionaryId id)
{
    Rows rows;
    DictionaryRecordset& rs = store.recordset(id);
    if (!rs.open(WordQuery::WholeList))
        return rows;
    for (; !rs.atEnd(); rs.moveNext())
        rows.append({rs.word().value_or(u"<null>"_s), rs.translation().value_or(u"<null>"_s)});
    rs.close();
    return rows;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void starDictLayouts_data()
    {
        QTest::addColumn<int>("offsetBits");
        QTest::addColumn<QByteArray>("sameTypes");
        QTest::addColumn<bool>("compressed");
        QTest::addColumn<Definitions>("definitions");
        QTest::addColumn<Rows>("expected");

        QTest::newRow("32-bit offsets, plain text, senses of one word merged")
            << 32 << QByteArray("m") << false
            << Definitions{{"House", Khaneh},
                           {"book", "\xda\xa9\xd8\xaa\xd8\xa7\xd8\xa8\n2"},
                           {"house", "\xd9\x85\xd9\x86\xd8\xb2\xd9\x84"}}
            << Rows{{u"House"_s, u8(Khaneh) + u"\n\n\u0645\u0646\u0632\u0644"_s},
                    {u"book"_s, u"\u06A9\u062A\u0627\u0628\n2"_s}};

        // Many small chunks, so that definitions start and end inside and across them.
        Definitions many;
        Rows manyRows;
        for (int i = 0; i < 300; ++i) {
            const QByteArray word = "word" + QByteArray::number(i);
            const QByteArray definition = Khaneh + ' ' + QByteArray::number(i * 7919);
            many.append({word, definition});
            manyRows.append({u8(word), u8(definition)});
        }
        QTest::newRow("64-bit offsets, .dict.dz")
            << 64 << QByteArray("m") << true << many << manyRows;

        QByteArray typed = "thaUs" + QByteArray(1, '\0') + 'm' + Khaneh + '\0' + 'W';
        appendBigEndian(typed, 3, 4);
        typed += QByteArray("\x01\x02\x03", 3);
        QTest::newRow("typed fields: phonetic, text, sound passed over")
            << 32 << QByteArray() << false << Definitions{{"house", typed}}
            << Rows{{u"house"_s, u"[haUs]\n"_s + u8(Khaneh)}};
        QTest::newRow("type sequence tm")
            << 32 << QByteArray("tm") << false
            << Definitions{{"house", "haUs" + QByteArray(1, '\0') + Khaneh}}
            << Rows{{u"house"_s, u"[haUs]\n"_s + u8(Khaneh)}};
        QTest::newRow("HTML") << 32 << QByteArray("h") << true
                              << Definitions{{"house",
                                              "<b>house</b><br>" + Khaneh + " &amp; <i>x</i>"}}
                              << Rows{{u"house"_s, u"house\n"_s + u8(Khaneh) + u" & x"_s}};
        QTest::newRow("XDXF") << 32 << QByteArray("x") << false
                              << Definitions{{"house", "<k>house</k>\n<tr>haUs</tr>\n" + Khaneh}}
                              << Rows{{u"house"_s, u"house\n[haUs]\n"_s + u8(Khaneh)}};
    }

    void starDictLayouts()
    {
        QFETCH(int, offsetBits);
        QFETCH(QByteArray, sameTypes);
        QFETCH(bool, compressed);
        QFETCH(Definitions, definitions);
        QFETCH(Rows, expected);
        const StarDictFiles files = starDict(definitions, offsetBits, sameTypes);
        QTemporaryDir dir;
        const ReadResult r = readFiles(
            dir,
            {u"words.ifo"_s, u"words.idx"_s, compressed ? u"words.dict.dz"_s : u"words.dict"_s},
            {files.ifo, files.idx, compressed ? dictzip(files.dict, 64) : files.dict});
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(entriesOf(r.entries), expected);
        if (compressed) { // named by its .dict.dz, the dictionary is found all the same
            const ReadResult again = readWordFile(dir.filePath(u"words.dict.dz"_s));
            QCOMPARE(entriesOf(again.entries), expected);
        }
    }

    void markupReducedToText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("text");
        const int html = int(Markup::Html);
        const int xml = int(Markup::Xml);
        QTest::newRow("HTML white space and blocks")
            << html << u"<p>one\n   two</p><p>three</p><ul><li>a</li><li>b</li></ul>"_s
            << u"one two\nthree\na\nb"_s;
        QTest::newRow("scripts, styles and comments dropped")
            << html << u"a<script>if (x<y) z();</script><style>p{}</style><!-- note -->b"_s
            << u"ab"_s;
        QTest::newRow("entities") << html << u"&lt;a&gt; &#1582;&#x627; &nbsp;&unknown; & &#0;"_s
                                  << u"<a> \u062E\u0627 &unknown; & \uFFFD"_s;
        QTest::newRow("angle brackets that open no tag")
            << html << u"a < b, c <d"_s << u"a < b, c <d"_s;
        QTest::newRow("XML keeps its line breaks, one blank line at most")
            << xml << u"one\n<i>two</i>\n\n\n\n  three  <br/>four"_s
            << u"one\ntwo\n\n  three\nfour"_s;
        QTest::newRow("CDATA") << xml << u"<![CDATA[<x> & y]]>"_s << u"<x> & y"_s;
    }

    void markupReducedToText()
    {
        QFETCH(int, kind);
        QFETCH(QString, markup);
        QFETCH(QString, text);
        QCOMPARE(markupToText(markup, Markup(kind)), text);
    }

    void dictdHeadwordsAndSenses()
    {
        const DictdFiles files = dictd({
            {"00databaseshort", "00-database-short\n  Test database\n"},
            {"camandroller gear", "cam-and-roller gear /k/\nGetriebe\n\n"},
            {"germany", "Germany /d/\nDeutschland\n"},
            {"run", "run /r/\nLauf\n"},
            {"", "acute (\xc2\xb4)\nAkut\n"},
            {"run", "run /r/\nRennen\n"},
            {"0p", "No problem!\nkein Problem\n"},
        });
        QTemporaryDir dir;
        const ReadResult r = readFiles(dir, {u"db.index"_s, u"db.dict.dz"_s},
                                       {files.index, dictzip(files.dict, 16)});
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(entriesOf(r.entries),
                 (Rows{{u"cam-and-roller gear"_s, u"cam-and-roller gear /k/\nGetriebe"_s},
                       {u"Germany"_s, u"Germany /d/\nDeutschland"_s},
                       {u"run"_s, u"run /r/\nLauf\n\nrun /r/\nRennen"_s},
                       {u"0p"_s, u"No problem!\nkein Problem"_s}}));
        QCOMPARE(r.notes.size(), 1); // the entry whose headword the index reduced to nothing

        // Where the index keeps headwords as written, they are taken as they are, and an
        // empty one is an error.
        const DictdFiles allChars = dictd({{"00-database-allchars", "x"},
                                           {"camandroller gear", "cam-and-roller gear\nG"},
                                           {"", "acute\nAkut"}});
        const ReadResult kept = DictdReader::parse(allChars.index, allChars.dict);
        QCOMPARE(kept.error, u".index line 3: empty headword"_s);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArrayList>("contents");
        QTest::addColumn<QString>("error");
        const Definitions words = {{"house", Khaneh}, {"book", "kitab"}};
        const StarDictFiles sd = starDict(words);
        const QStringList sdNames = {u"w.ifo"_s, u"w.idx"_s, u"w.dict"_s};
        const auto ifoWith = [&](const QByteArray& from, const QByteArray& to) {
            return QByteArray(sd.ifo).replace(from, to);
        };
        QTest::newRow("StarDict .idx shorter than the .ifo says")
            << sdNames << QByteArrayList{sd.ifo, sd.idx.chopped(3), sd.dict}
            << u".idx file: 24 bytes, but the .ifo file says 27"_s;
        QTest::newRow("StarDict .idx cut inside an entry")
            << sdNames
            << QByteArrayList{ifoWith("idxfilesize=27", "idxfilesize=24"), sd.idx.chopped(3),
                              sd.dict}
            << u".idx entry 2 (\u201Cbook\u201D): cut short before its offset and size"_s;
        QTest::newRow("StarDict offset beyond the end")
            << sdNames << QByteArrayList{sd.ifo, sd.idx, sd.dict.chopped(2)}
            << u".idx entry 2 (\u201Cbook\u201D): its definition lies beyond the end of the .dict "
               u"file (offset 8, length 5, text of 11 bytes)"_s;
        QTest::newRow("StarDict word count too high")
            << sdNames << QByteArrayList{ifoWith("wordcount=2", "wordcount=3"), sd.idx, sd.dict}
            << u".ifo file: a wordcount of 3, but the .idx file holds 2 entries"_s;
        QTest::newRow("StarDict word count absurd")
            << sdNames
            << QByteArrayList{ifoWith("wordcount=2", "wordcount=99999999999"), sd.idx, sd.dict}
            << u".ifo file: a wordcount of 99999999999 does not fit in the .idx file"_s;
        QTest::newRow("StarDict not an .ifo file")
            << sdNames << QByteArrayList{"Some other file\n", sd.idx, sd.dict}
            << u".ifo file: not a StarDict dictionary (its first line is not \"StarDict's dict "
               u"ifo file\")"_s;
        const StarDictFiles badWord = starDict({{"ho\xffse", "x"}});
        QTest::newRow("StarDict headword not UTF-8")
            << sdNames << QByteArrayList{badWord.ifo, badWord.idx, badWord.dict}
            << u".idx entry 1: the headword is not valid UTF-8"_s;
        const StarDictFiles badText = starDict({{"house", NotUtf8}});
        QTest::newRow("StarDict definition not UTF-8")
            << sdNames << QByteArrayList{badText.ifo, badText.idx, badText.dict}
            << u".idx entry 1 (\u201Chouse\u201D): the definition is not valid UTF-8"_s;
        const StarDictFiles emptyWord = starDict({{"house", "x"}, {"", "y"}});
        QTest::newRow("StarDict empty headword")
            << sdNames << QByteArrayList{emptyWord.ifo, emptyWord.idx, emptyWord.dict}
            << u".idx entry 2: empty headword"_s;
        const StarDictFiles emptyText = starDict({{"house", " \n"}});
        QTest::newRow("StarDict empty definition")
            << sdNames << QByteArrayList{emptyText.ifo, emptyText.idx, emptyText.dict}
            << u".idx entry 1 (\u201Chouse\u201D): no text in its definition (field types m)"_s;
        QTest::newRow("StarDict .dict.dz cut short")
            << QStringList{u"w.ifo"_s, u"w.idx"_s, u"w.dict.dz"_s}
            << QByteArrayList{sd.ifo, sd.idx, dictzip(sd.dict).chopped(12)}
            << u".dict file: the compressed file is damaged: it is shorter than its chunk table "
               u"says"_s;

        const DictdFiles dd = dictd({{"house", "house\n" + Khaneh + "\n"}, {"book", "book\nk\n"}});
        const QStringList ddNames = {u"w.index"_s, u"w.dict"_s};
        QTest::newRow("dictd line without tabs")
            << ddNames << QByteArrayList{"house A G\n", dd.dict}
            << u".index line 1: expected headword, offset and length between tabs"_s;
        QTest::newRow("dictd offset not base64")
            << ddNames << QByteArrayList{"house\tA*\tG\n", dd.dict}
            << u".index line 1 (\u201Chouse\u201D): the offset or length is not a dictd number"_s;
        QTest::newRow("dictd offset beyond the end")
            << ddNames << QByteArrayList{dd.index, dd.dict.chopped(1)}
            << u".index line 2 (\u201Cbook\u201D): its definition lies beyond the end of the "
               u".dict file (offset 15, length 7, text of 21 bytes)"_s;
        QTest::newRow("dictd definition not UTF-8")
            << ddNames << QByteArrayList{dd.index, QByteArray(dd.dict).replace("k\n", "\xe2\x82")}
            << u".index line 2 (\u201Cbook\u201D): the definition is not valid UTF-8"_s;
        QTest::newRow("dictd index not UTF-8")
            << ddNames << QByteArrayList{"house\tA\tB\nb\xc3ok\tA\tB\n", dd.dict}
            << u".index line 2: not valid UTF-8"_s;
        QTest::newRow("dictd .dict.dz that is not gzip")
            << QStringList{u"w.index"_s, u"w.dict.dz"_s} << QByteArrayList{dd.index, "\x1f\x8bxyz"}
            << u".dict file: not a gzip or dictzip file"_s;

        QTest::newRow("TSV line without a tab")
            << QStringList{u"w.tsv"_s} << QByteArrayList{"a\tb\nno tab\n"}
            << u"line 2: expected one tab between headword and translation"_s;
        QTest::newRow("TSV not UTF-8")
            << QStringList{u"w.tsv"_s} << QByteArrayList{"a\tb\nc\td\xff\n"}
            << u"line 2: not valid UTF-8"_s;
        QTest::newRow("TSV cut inside a character")
            << QStringList{u"w.tsv"_s} << QByteArrayList{"a\tb\nc\t\xd8"}
            << u"line 2: not valid UTF-8"_s;
        QTest::newRow("TSV empty headword, and more")
            << QStringList{u"w.tsv"_s} << QByteArrayList{"a\tb\n\tx\nc\t\n"}
            << u"line 2: empty headword or translation (and 1 more)"_s;
    }

    void badInput()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArrayList, contents);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const ReadResult r = readFiles(dir, names, contents);
        QCOMPARE(r.error, error);
    }

    // A definition file another program cuts short while the import reads it: a clear
    // message, where a memory map ended the process with SIGBUS.
    void fileCutShortWhileRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("words.dict"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1 << 16, 'a'));
        file.close();
        const InputFile input(path);
        QVERIFY(input.isOpen());
        QVERIFY(QFile::resize(path, 100));
        QByteArray out;
        QString why;
        QVERIFY(!input.readAt(1000, 100, out, why));
        QCOMPARE(why, QStringLiteral("the file was cut short while it was read"));
    }

    void importIsAllOrNothing()
    {
        TestDatabase db;
        db.insert(DictionaryId::English, {{u"house"_s, u8(Khaneh)}});
        const Rows before = {{u"house"_s, u8(Khaneh)}};
        auto store = db.open();
        const DictionaryEntry& english = DictionaryCatalog::entry(DictionaryId::English);

        // An entry that cannot be stored, after some that could: none of them is kept.
        const ImportResult bad =
            importWords(store->connection(), english, {{u"book"_s, u"k"_s}, {u"pen"_s, QString()}},
                        DuplicatePolicy::Skip);
        QVERIFY(!bad.ok);
        QCOMPARE(bad.error, u"entry 2: empty headword or translation"_s);
        QCOMPARE(tableRows(*store, DictionaryId::English), before);

        // Another connection holds the database.
        QVERIFY(db.execute(u"Begin Immediate"_s));
        const ImportResult busy =
            importWords(store->connection(), english, {{u"book"_s, u"k"_s}}, DuplicatePolicy::Skip);
        QVERIFY(db.execute(u"Rollback"_s));
        QVERIFY(!busy.ok);
        QVERIFY2(busy.error.contains(u"in use"_s), qPrintable(busy.error));

        QVERIFY(store->connection().execute(u"Pragma query_only = 1"_s));
        const ImportResult readOnly =
            importWords(store->connection(), english, {{u"book"_s, u"k"_s}}, DuplicatePolicy::Skip);
        QVERIFY(!readOnly.ok);
        QVERIFY2(readOnly.error.contains(u"read-only"_s), qPrintable(readOnly.error));
        QCOMPARE(tableRows(*store, DictionaryId::English), before);

        // The forms of the words come with them, and go with a failed import; one import after
        // another, each finds its words through their forms.
        QVERIFY(store->connection().execute(u"Pragma query_only = 0"_s));
        const PluralS plurals;
        store->connection().setInflections(&plurals);
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);
        QVERIFY(!importWords(store->connection(), english, {{u"book"_s, u"k"_s}, {u"pen"_s, {}}},
                             DuplicatePolicy::Skip)
                     .ok);
        QVERIFY(rs.headwordsOfForm(u"books", 5).isEmpty());
        for (const QString& word : {u"book"_s, u"pen"_s})
            QVERIFY(
                importWords(store->connection(), english, {{word, u"k"_s}}, DuplicatePolicy::Skip)
                    .ok);
        QCOMPARE(rs.headwordsOfForm(u"BOOKS", 5), QStringList{u"book"_s});
        QCOMPARE(rs.headwordsOfForm(u"pens", 5), QStringList{u"pen"_s});
    }

    void duplicatePolicies_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<QList<std::int64_t>>("counts"); // added, replaced, skipped
        QTest::newRow("skip") << int(DuplicatePolicy::Skip)
                              << Rows{{u"Buch"_s, u"kitab"_s}, {u"Haus"_s, u"khane"_s}}
                              << QList<std::int64_t>{1, 0, 2};
        QTest::newRow("replace") << int(DuplicatePolicy::Replace)
                                 << Rows{{u"Buch"_s, u"daftar"_s}, {u"Haus"_s, u"manzel"_s}}
                                 << QList<std::int64_t>{1, 2, 0};
    }

    void duplicatePolicies()
    {
        QFETCH(int, policy);
        QFETCH(Rows, expected);
        QFETCH(QList<std::int64_t>, counts);
        TestDatabase db;
        db.insert(DictionaryId::German, {{u"Haus"_s, u"khane"_s}});
        auto store = db.open();
        // Duplicates under the store's comparison: in the table, and within the file.
        const ImportResult r = importWords(
            store->connection(), DictionaryCatalog::entry(DictionaryId::German),
            {{u"haus"_s, u"manzel"_s}, {u"Buch"_s, u"kitab"_s}, {u"BUCH"_s, u"daftar"_s}},
            DuplicatePolicy(policy));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE((QList<std::int64_t>{r.added, r.replaced, r.skipped}), counts);
        QCOMPARE(tableRows(*store, DictionaryId::German), expected);
    }

    void exportRoundTrip()
    {
        TestDatabase source;
        source.insert(DictionaryId::French, {{u"a\tb"_s, u"x\ny"_s},
                                             {u"back\\slash"_s, u"c\r\nd\\n"_s},
                                             {u" spaced "_s, u"t"_s},
                                             {u"\u00E9t\u00E9"_s, u8(Khaneh)},
                                             {u"no translation"_s, QString()}});
        auto store = source.open();
        QBuffer exported;
        exported.open(QIODevice::WriteOnly);
        const ExportResult e = exportWords(store->recordset(DictionaryId::French), exported);
        QVERIFY(e.ok);
        QCOMPARE(e.rows, 4);
        QCOMPARE(e.leftOut, 1);

        const WordListFile::Result parsed = WordListFile::parse(exported.data());
        QVERIFY(parsed.errors.isEmpty());
        TestDatabase target;
        auto targetStore = target.open();
        QVERIFY(importWords(targetStore->connection(),
                            DictionaryCatalog::entry(DictionaryId::French), parsed.entries,
                            DuplicatePolicy::Skip)
                    .ok);
        Rows expected = tableRows(*store, DictionaryId::French);
        expected.removeIf([](const auto& row) { return row.second == u"<null>"_s; });
        QCOMPARE(tableRows(*targetStore, DictionaryId::French), expected);
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
