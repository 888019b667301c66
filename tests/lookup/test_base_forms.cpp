#include "fakes/fake_platform.h"
#include "lookup/dictionary_lookup.h"
#include "lookup/suggestion_list.h"
#include "store/headword_frequency_table.h"
#include "store/word_forms_table.h"
#include "store/word_lookup.h"
#include "support/test_database.h"
#include "translation/base_form_lookup.h"
#include "translation/inflection_rules.h"
#include "translation/not_found_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lexaro;
using namespace Qt::StringLiterals;

namespace {

const InflectionRules& rules()
{
    static const InflectionRules inflections;
    return inflections;
}

// The headwords of the tables: dictionary forms only, and the decoys that a careless look-up
// would offer (bee for beers, capacidad for incapacidad, ist for Terrorist). The forms tables
// are filled as the database builder fills them.
testing::TestDatabase& database()
{
    static testing::TestDatabase db;
    static const bool filled = [] {
        db.setInflections(&rules());
        const auto words = [](DictionaryId id, const QStringList& list) {
            QList<testing::Row> rows;
            // An Italian, Spanish or German verb translates as a Persian verb ("کردن").
            const bool romance = id == DictionaryId::Italian || id == DictionaryId::Spanish;
            for (const QString& w : list) {
                const bool verb =
                    (romance && (w.endsWith(u'r') || w.endsWith(u"re"))) ||
                    (id == DictionaryId::German && w.front().isLower() && w.endsWith(u"en"));
                rows.append({w, (verb ? u"\u0645\u0639\u0646\u06CC \u06A9\u0631\u062F\u0646 "_s
                                      : u"\u0645\u0639\u0646\u06CC "_s) +
                                    w});
            }
            db.insert(id, rows);
        };
        words(DictionaryId::English,
              {u"house"_s,    u"child"_s, u"go"_s,    u"run"_s,    u"city"_s,    u"walk"_s,
               u"good"_s,     u"the"_s,   u"thing"_s, u"bee"_s,    u"beer"_s,    u"re"_s,
               u"ring"_s,     u"p"_s,     u"pen"_s,   u"writ"_s,   u"writer"_s,  u"aster"_s,
               u"disaster"_s, u"stop"_s,  u"bath"_s,  u"us"_s,     u"use"_s,     u"win"_s,
               u"wine"_s,     u"man"_s,   u"his"_s,   u"Polish"_s, u"genomic"_s, u"overly"_s,
               u"prong"_s});
        words(DictionaryId::ComputerAndInternet, {u"server"_s, u"download"_s, u"CPU"_s});
        words(DictionaryId::German,
              {u"Haus"_s,        u"Kind"_s,      u"Mann"_s,      u"gehen"_s,     u"Stadt"_s,
               u"sehen"_s,       u"können"_s,    u"geben"_s,     u"gut"_s,       u"Wort"_s,
               u"Rätsel"_s,      u"Kreuz"_s,     u"Regierung"_s, u"Bund"_s,      u"dass"_s,
               u"lassen"_s,      u"müssen"_s,    u"ist"_s,       u"fahren"_s,    u"Gefahr"_s,
               u"Sprache"_s,     u"sprechen"_s,  u"Grab"_s,      u"auswählen"_s, u"Schiff"_s,
               u"Berg"_s,        u"Katze"_s,     u"Schule"_s,    u"Straße"_s,    u"Trasse"_s,
               u"Ehe"_s,         u"Vers"_s,      u"aus"_s,       u"Falke"_s,     u"Pop"_s,
               u"Kultur"_s,      u"des"_s,       u"Mond"_s,      u"Liebe"_s,     u"hängen"_s,
               u"Haken"_s,       u"Verfasser"_s, u"Salz"_s,      u"halten"_s,    u"Bild"_s,
               u"Treff"_s,       u"Klasse"_s,    u"beten"_s,     u"Gang"_s,      u"Masse"_s,
               u"Raucher"_s,     u"Klo"_s,       u"Mund"_s,      u"Sieg"_s,      u"Bieter"_s,
               u"widerrufen"_s,  u"Watt"_s,      u"Zucker"_s,    u"Vermögen"_s,  u"Anschlag"_s,
               u"Krankenhaus"_s, u"Muster"_s,    u"Deckung"_s});
        // treffen "دیدار کردن" and "دیدار (اسم)", a verb whose noun (das Treffen) is a meeting;
        // gebeten "خواسته (اسم مفعول)", a participle of bitten.
        db.insert(DictionaryId::German,
                  {{u"treffen"_s, u"\u062F\u06CC\u062F\u0627\u0631 \u06A9\u0631\u062F\u0646\n"
                                  u"\u062F\u06CC\u062F\u0627\u0631 (\u0627\u0633\u0645)"_s},
                   {u"gebeten"_s, u"\u062E\u0648\u0627\u0633\u062A\u0647 (\u0627\u0633\u0645 "
                                  u"\u0645\u0641\u0639\u0648\u0644)"_s}});
        // sondern "بلکه" (but), a conjunction.
        db.insert(DictionaryId::German, {{u"sondern"_s, u"\u0628\u0644\u06A9\u0647"_s}});
        // hielt "نگه داشت (گذشته)", a headword that is another's form, as its note says.
        db.insert(
            DictionaryId::German,
            {{u"hielt"_s,
              u"\u0646\u06AF\u0647 \u062F\u0627\u0634\u062A (\u06AF\u0630\u0634\u062A\u0647)"_s}});
        words(DictionaryId::French,
              {u"maison"_s, u"eau"_s, u"aller"_s, u"grand"_s, u"tout"_s, u"œuvre"_s, u"sœur"_s,
               u"heure"_s, u"écouter"_s, u"analyse"_s, u"analyser"_s});
        words(DictionaryId::Italian, {u"casa"_s,
                                      u"acqua"_s,
                                      u"libro"_s,
                                      u"librare"_s,
                                      u"parlare"_s,
                                      u"stare"_s,
                                      u"importante"_s,
                                      u"perché"_s,
                                      u"più"_s,
                                      u"è"_s,
                                      u"e"_s,
                                      u"caso"_s,
                                      u"inizio"_s,
                                      u"iniziare"_s,
                                      u"zittire"_s,
                                      u"cinico"_s,
                                      u"venti"_s,
                                      u"sedici"_s,
                                      u"crollare"_s,
                                      u"crollato"_s,
                                      u"conforto"_s,
                                      u"maligno"_s,
                                      u"diversi"_s,
                                      u"interiore"_s,
                                      u"minestra"_s,
                                      u"ordine"_s,
                                      u"catena"_s,
                                      u"brocca"_s,
                                      u"operare"_s,
                                      u"completamente"_s,
                                      u"completamento"_s});
        // diagnosticato, a participle translated as a Persian participle; its verb, met less
        // often.
        db.insert(
            DictionaryId::Italian,
            {{u"diagnosticato"_s,
              u"\u062A\u0634\u062E\u06CC\u0635\u200C\u062F\u0627\u062F\u0647\u200C\u0634\u062F\u0647"_s},
             {u"diagnosticare"_s, u"\u062A\u0634\u062E\u06CC\u0635 \u062F\u0627\u062F\u0646"_s}});
        // redatto "written up", translated as a participle; prodotto "a product", a word of
        // its own.
        db.insert(DictionaryId::Italian,
                  {{u"redatto"_s, u"\u0646\u0648\u0634\u062A\u0647\u200C\u0634\u062F\u0647"_s},
                   {u"redigere"_s, u"\u0646\u0648\u0634\u062A\u0646"_s},
                   {u"prodotto"_s, u"\u0645\u062D\u0635\u0648\u0644"_s},
                   {u"produrre"_s, u"\u062A\u0648\u0644\u06CC\u062F \u06A9\u0631\u062F\u0646"_s}});
        // confonde "گیج می‌کند", a verb's form listed as a word of its own.
        db.insert(DictionaryId::Italian,
                  {{u"confonde"_s, u"\u06AF\u06CC\u062C \u0645\u06CC\u200C\u06A9\u0646\u062F"_s}});
        // volgare is an adjective, no verb: its translation says so.
        db.insert(DictionaryId::Italian,
                  {{u"volgare"_s, u"\u0639\u0627\u0645\u06CC\u0627\u0646\u0647"_s}});
        words(DictionaryId::Spanish,
              {u"casa"_s,   u"casar"_s,     u"tener"_s,      u"ciudad"_s,     u"hablar"_s,
               u"estar"_s,  u"capacidad"_s, u"texto"_s,      u"país"_s,       u"crear"_s,
               u"creer"_s,  u"luz"_s,       u"lucir"_s,      u"proporción"_s, u"proporcionar"_s,
               u"foco"_s,   u"envidiar"_s,  u"amplificar"_s, u"cerveza"_s,    u"cachorro"_s,
               u"causal"_s, u"sentir"_s,    u"sien"_s,       u"mosto"_s,      u"pelo"_s,
               u"moler"_s,  u"nacer"_s});
        words(DictionaryId::Swedish,
              {u"hus"_s,       u"son"_s,     u"klämma"_s,     u"barn"_s,      u"gå"_s,
               u"bil"_s,       u"program"_s, u"utveckling"_s, u"hand"_s,      u"hända"_s,
               u"köpa"_s,      u"köp"_s,     u"lycka"_s,      u"lyckas"_s,    u"ring"_s,
               u"lås"_s,       u"krav"_s,    u"disk"_s,       u"tredje"_s,    u"snut"_s,
               u"väv"_s,       u"yrka"_s,    u"yrke"_s,       u"tillaga"_s,   u"tillägga"_s,
               u"ort"_s,       u"tomt"_s,    u"tomte"_s,      u"festival"_s,  u"stop"_s,
               u"gran"_s,      u"skanna"_s,  u"ingång"_s,     u"skriftlig"_s, u"galler"_s,
               u"minne"_s,     u"syd"_s,     u"syna"_s,       u"klen"_s,      u"knut"_s,
               u"stad"_s,      u"städa"_s,   u"musik"_s,      u"etik"_s,      u"drömma"_s,
               u"skur"_s,      u"Kina"_s,    u"lärare"_s,     u"sist"_s,      u"upprörd"_s,
               u"uppröra"_s,   u"till"_s,    u"exempel"_s,    u"källa"_s,     u"skälla"_s,
               u"inmatning"_s, u"arkiv"_s,   u"ställning"_s});
        // bromsa "ترمز کردن", a verb in every sense.
        db.insert(DictionaryId::Swedish,
                  {{u"bromsa"_s, u"\u062A\u0631\u0645\u0632 \u06A9\u0631\u062F\u0646"_s}});
        // drivit "driven", a participle as its note says, and its verb driva.
        db.insert(DictionaryId::Swedish,
                  {{u"drivit"_s, u"\u0631\u0627\u0646\u062F\u0647 (\u0627\u0633\u0645 "
                                 u"\u0645\u0641\u0639\u0648\u0644)"_s},
                   {u"driva"_s, u"\u0631\u0627\u0646\u062F\u0646"_s}});
        // ville "wanted", a verb's past.
        db.insert(DictionaryId::Swedish,
                  {{u"ville"_s, u"\u0645\u06CC\u200C\u062E\u0648\u0627\u0633\u062A"_s}});
        words(DictionaryId::Finnish,
              {u"kirja"_s,       u"talo"_s,     u"mennä"_s,   u"lapsi"_s,      u"asentaa"_s,
               u"tieto"_s,       u"kone"_s,     u"ohjelma"_s, u"koko"_s,       u"keko"_s,
               u"massa"_s,       u"edistää"_s,  u"edistyä"_s, u"luvata"_s,     u"mäki"_s,
               u"kemiallinen"_s, u"maksa"_s,    u"maksaa"_s,  u"harjoittaa"_s, u"harjoitella"_s,
               u"nopea"_s,       u"nopeasti"_s, u"kuka"_s,    u"kukin"_s,      u"ihastua"_s,
               u"ihastuttaa"_s,  u"sinne"_s});
        // tietää "دانستن"; tietty "معین، مشخص", its participle, a word of its own.
        db.insert(DictionaryId::Finnish,
                  {{u"tiet\u00E4\u00E4"_s, u"\u062F\u0627\u0646\u0633\u062A\u0646"_s},
                   {u"tietty"_s, u"\u0645\u0639\u06CC\u0646\u060C \u0645\u0634\u062E\u0635"_s}});
        // koota "جمع کردن", a verb; koottu "گردآوری‌شده", its participle.
        db.insert(DictionaryId::Finnish,
                  {{u"koota"_s, u"\u062C\u0645\u0639 \u06A9\u0631\u062F\u0646"_s},
                   {u"koottu"_s,
                    u"\u06AF\u0631\u062F\u0622\u0648\u0631\u06CC\u200C\u0634\u062F\u0647"_s}});
        words(DictionaryId::Arabic, {u"\u0643\u062A\u0627\u0628"_s,
                                     u"\u062E\u0628\u0631"_s,
                                     u"\u0623\u0628\u064A\u0627\u062A"_s,
                                     u"\u0627\u0628\u064A"_s,
                                     u"\u062E\u0628\u0631\u0629"_s,
                                     u"\u0633\u064A\u0627\u0631\u0629"_s,
                                     u"\u0628\u064A\u062A"_s,
                                     u"\u0632\u0627\u0631"_s,
                                     u"\u0642\u0627\u062F"_s,
                                     u"\u0645\u062F\u0631\u0633\u0629"_s,
                                     u"\u062A\u062D\u062A"_s,
                                     u"\u0639\u0631\u0628"_s,
                                     u"\u0639\u0631\u0628\u0629"_s,
                                     u"\u0634\u0631\u0637\u0629"_s,
                                     u"\u0644\u0648"_s,
                                     u"\u0644\u0648\u0646"_s,
                                     u"\u0631\u0635\u064A\u0641"_s,
                                     u"\u0647\u0648\u0644"_s,
                                     u"\u0648\u0631\u0645"_s,
                                     u"\u062A\u0633\u0639"_s,
                                     u"\u062A\u0633\u0639\u0648\u0646"_s,
                                     u"\u0635\u0641\u0642"_s,
                                     u"\u0635\u0641\u0642\u0629"_s,
                                     u"\u0633\u062D\u0627\u0628"_s,
                                     u"\u0644\u064A"_s,
                                     u"\u0643\u0644"_s,
                                     u"\u0627\u0628"_s,
                                     u"\u0628\u0627\u0628"_s,
                                     u"\u062D\u064A\u0629"_s,
                                     u"\u062D\u064A\u0627\u0629"_s,
                                     u"\u0639\u0644\u064A\u0647"_s,
                                     u"\u0641\u0639\u0644\u064A"_s,
                                     u"\u0639\u0644\u0649"_s,
                                     u"\u0623\u0645\u062A\u0639"_s,
                                     u"\u0628\u062F\u0627"_s,
                                     u"\u0628\u062F\u0627\u064A\u0629"_s,
                                     u"\u0642\u0648\u0629"_s,
                                     u"\u0642\u0648\u062A"_s,
                                     u"\u0642\u0637\u0627\u0631"_s,
                                     u"\u0644\u0628"_s,
                                     u"\u062A\u0631\u0643\u0629"_s,
                                     u"\u0645\u0626\u0629"_s,
                                     u"\u0628\u0627\u0644\u0645\u0626\u0629"_s,
                                     u"\u0622\u0644"_s,
                                     u"\u0645\u0627\u062F\u064A"_s});
        // An English verb translates as a Persian infinitive: emphasise "تأکید کردن"; drew
        // "کشید (گذشته)", a past as its note says.
        db.insert(DictionaryId::English,
                  {{u"drew"_s, u"\u06A9\u0634\u06CC\u062F (\u06AF\u0630\u0634\u062A\u0647)"_s},
                   {u"draw"_s, u"\u06A9\u0634\u06CC\u062F\u0646"_s},
                   {u"emphasis"_s, u"\u062A\u0623\u06A9\u06CC\u062F"_s},
                   {u"emphasise"_s, u"\u062A\u0623\u06A9\u06CC\u062F \u06A9\u0631\u062F\u0646"_s}});
        // pelätä "ترسیدن", to fear, and peljätä, its literary twin; muistua "به یاد آمدن", to
        // come to mind, and muistuttaa "یادآوری کردن", to remind.
        db.insert(DictionaryId::Finnish,
                  {{u"muistua"_s, u"\u0628\u0647 \u06CC\u0627\u062F \u0622\u0645\u062F\u0646"_s},
                   {u"muistuttaa"_s,
                    u"\u06CC\u0627\u062F\u0622\u0648\u0631\u06CC \u06A9\u0631\u062F\u0646"_s},
                   {u"pel\u00E4t\u00E4"_s, u"\u062A\u0631\u0633\u06CC\u062F\u0646"_s},
                   {u"pelj\u00E4t\u00E4"_s,
                    u"\u062A\u0631\u0633\u06CC\u062F\u0646 (\u0627\u062F\u0628\u06CC)"_s}});
        // dare "دادن", a verb in every sense.
        db.insert(DictionaryId::Italian, {{u"dare"_s, u"\u062F\u0627\u062F\u0646"_s}});
        // befordra "ترفیع دادن", a verb in every sense.
        db.insert(DictionaryId::Swedish,
                  {{u"befordra"_s, u"\u062A\u0631\u0641\u06CC\u0639 \u062F\u0627\u062F\u0646"_s}});
        // åka, to go; åker, its present as the translation notes, and a field.
        db.insert(
            DictionaryId::Swedish,
            {{u"\u00E5ka"_s, u"\u0631\u0641\u062A\u0646"_s},
             {u"\u00E5ker"_s, u"\u0645\u06CC\u200C\u0631\u0648\u062F (\u0632\u0645\u0627\u0646 "
                              u"\u062D\u0627\u0644)\n\u0645\u0632\u0631\u0639\u0647"_s}});
        // Verbs translate as a Persian past tense: أرسل "sent", رسل "messengers".
        db.insert(
            DictionaryId::Arabic,
            {{u"\u0623\u0631\u0633\u0644"_s, u"\u0641\u0631\u0633\u062A\u0627\u062F"_s},
             // نعيم "نعمت" (bliss), a noun whose senses end as a past does
             {u"\u0646\u0639\u064A\u0645"_s,
              u"\u0646\u0639\u0645\u062A\n\u0628\u0647\u0634\u062A"_s},
             // رمى "threw"
             {u"\u0631\u0645\u0649"_s, u"\u067E\u0631\u062A\u0627\u0628 \u06A9\u0631\u062F"_s},
             // أسد "lion"
             {u"\u0623\u0633\u062F"_s, u"\u0634\u06CC\u0631"_s},
             // اليم, أليم "painful" written without its hamza; يماني "Yemeni"
             {u"\u0627\u0644\u064A\u0645"_s,
              u"(\u0646\u06AF\u0627\u0631\u0634 \u0628\u06CC\u200C\u0647\u0645\u0632\u0647) \u062F\u0631\u062F\u0646\u0627\u06A9"_s},
             {u"\u064A\u0645\u0627\u0646\u064A"_s, u"\u06CC\u0645\u0646\u06CC"_s},
             // يقول "می‌گوید", an imperfect; قال "گفت", its verb
             {u"\u064A\u0642\u0648\u0644"_s, u"\u0645\u06CC\u200C\u06AF\u0648\u06CC\u062F"_s},
             {u"\u0642\u0627\u0644"_s, u"\u06AF\u0641\u062A"_s},
             // مثل "like" and "represented": a verb in its second sense only
             {u"\u0645\u062B\u0644"_s,
              u"\u0645\u0627\u0646\u0646\u062F\u060C "
              u"\u0645\u062B\u0644\n\u0646\u0645\u0627\u06CC\u0646\u062F\u06AF\u06CC "
              u"\u06A9\u0631\u062F"_s},
             // عصف "blew (a storm)": a verb with an aside after it
             {u"\u0639\u0635\u0641"_s,
              u"\u0648\u0632\u06CC\u062F (\u0637\u0648\u0641\u0627\u0646)"_s},
             // ثوان "seconds", a plural
             {u"\u062B\u0648\u0627\u0646"_s, u"\u062B\u0627\u0646\u06CC\u0647\u200C\u0647\u0627"_s},
             // فتح "opened"
             {u"\u0641\u062A\u062D"_s, u"\u0628\u0627\u0632 \u06A9\u0631\u062F"_s},
             {u"\u0631\u0633\u0644"_s, u"\u067E\u06CC\u0627\u0645\u0628\u0631\u0627\u0646"_s},
             // مساجين "prisoners (plural of مسجون)", مساج "massage", مسجون "prisoner"
             {u"\u0645\u0633\u0627\u062C\u064A\u0646"_s,
              u"\u0632\u0646\u062F\u0627\u0646\u06CC\u0627\u0646 (\u062C\u0645\u0639 \u0645\u0633\u062C\u0648\u0646)"_s},
             {u"\u0645\u0633\u0627\u062C"_s, u"\u0645\u0627\u0633\u0627\u0698"_s},
             {u"\u0645\u0633\u062C\u0648\u0646"_s, u"\u0632\u0646\u062F\u0627\u0646\u06CC"_s},
             // وأن "and that", a phrase of a particle and a word; أنني "that I"
             {u"\u0648\u0623\u0646"_s, u"\u0648 \u0627\u06CC\u0646\u06A9\u0647"_s},
             {u"\u0623\u0646\u0646\u064A"_s, u"\u06A9\u0647 \u0645\u0646"_s},
             // أصوات "sounds", a broken plural translated as a Persian plural; صوت "sound"
             {u"\u0623\u0635\u0648\u0627\u062A"_s, u"\u0635\u062F\u0627\u0647\u0627"_s},
             {u"\u0635\u0648\u062A"_s, u"\u0635\u062F\u0627"_s},
             // مستوى "level", خطي "linear"
             {u"\u0645\u0633\u062A\u0648\u0649"_s, u"\u0633\u0637\u062D"_s},
             {u"\u062E\u0637\u064A"_s, u"\u062E\u0637\u06CC"_s},
             // غني "rich, wealthy", whose first word ends as a Persian past tense does
             {u"\u063A\u0646\u064A"_s,
              u"\u062B\u0631\u0648\u062A\u0645\u0646\u062F\u060C \u062A\u0648\u0627\u0646\u06AF\u0631"_s},
             // قام "stood up", أقام "held, stayed", whose imperfect is يقيم
             {u"\u0642\u0627\u0645"_s, u"\u0628\u0631\u062E\u0627\u0633\u062A"_s},
             {u"\u0623\u0642\u0627\u0645"_s,
              u"\u0628\u0631\u06AF\u0632\u0627\u0631 \u06A9\u0631\u062F"_s},
             // بنت "daughter", نت "the net"
             {u"\u0628\u0646\u062A"_s, u"\u062F\u062E\u062A\u0631"_s},
             {u"\u0646\u062A"_s, u"\u0627\u06CC\u0646\u062A\u0631\u0646\u062A"_s},
             // طريق "road", plural طرق
             {u"\u0637\u0631\u064A\u0642"_s, u"\u062C\u0627\u062F\u0647"_s},
             // ليف "fibre"
             {u"\u0644\u064A\u0641"_s, u"\u0641\u06CC\u0628\u0631"_s},
             // دعا "called", and دعى, its other spelling, as the translation says
             {u"\u062F\u0639\u0627"_s, u"\u062F\u0639\u0648\u062A \u06A9\u0631\u062F"_s},
             {u"\u062F\u0639\u0649"_s,
              u"(\u0646\u06AF\u0627\u0631\u0634 \u062F\u06CC\u06AF\u0631) \u062F\u0639\u0648\u062A "
              u"\u06A9\u0631\u062F"_s},
             // ولا "and not", a phrase of a conjunction and a particle
             {u"\u0648\u0644\u0627"_s, u"\u0648 \u0646\u0647"_s},
             // بطاقة "card"; طاقة "energy"
             {u"\u0628\u0637\u0627\u0642\u0629"_s, u"\u06A9\u0627\u0631\u062A"_s},
             {u"\u0637\u0627\u0642\u0629"_s, u"\u0627\u0646\u0631\u0698\u06CC"_s},
             // شرعي "legitimate"
             {u"\u0634\u0631\u0639\u064A"_s, u"\u0645\u0634\u0631\u0648\u0639"_s},
             // اليوم "today", يوم "day"
             {u"\u0627\u0644\u064A\u0648\u0645"_s, u"\u0627\u0645\u0631\u0648\u0632"_s},
             {u"\u064A\u0648\u0645"_s, u"\u0631\u0648\u0632"_s},
             // سام "poisonous"
             {u"\u0633\u0627\u0645"_s, u"\u0633\u0645\u06CC"_s},
             // أقر "admitted"
             {u"\u0623\u0642\u0631"_s,
              u"\u0627\u0639\u062A\u0631\u0627\u0641 \u06A9\u0631\u062F"_s},
             // غضب "was angry", then "anger"
             {u"\u063A\u0636\u0628"_s,
              u"\u062E\u0634\u0645\u06AF\u06CC\u0646 \u0634\u062F\n\u062E\u0634\u0645"_s},
             // وأرسل "and sent", a phrase of the conjunction and a verb
             {u"\u0648\u0623\u0631\u0633\u0644"_s,
              u"\u0648 \u0641\u0631\u0633\u062A\u0627\u062F"_s},
             // أعلن "announced"; علنا "publicly"
             {u"\u0623\u0639\u0644\u0646"_s,
              u"\u0627\u0639\u0644\u0627\u0645 \u06A9\u0631\u062F"_s},
             {u"\u0639\u0644\u0646\u0627"_s, u"\u0622\u0634\u06A9\u0627\u0631\u0627"_s},
             // غابات "forests", a plural; غابة "forest"; غاب "was absent"
             {u"\u063A\u0627\u0628\u0627\u062A"_s, u"\u062C\u0646\u06AF\u0644\u200C\u0647\u0627"_s},
             {u"\u063A\u0627\u0628\u0629"_s, u"\u062C\u0646\u06AF\u0644"_s},
             {u"\u063A\u0627\u0628"_s, u"\u063A\u0627\u06CC\u0628 \u0634\u062F"_s},
             // أكمل "completed, went on": a verb in every sense.
             {u"\u0623\u0643\u0645\u0644"_s,
              u"\u06A9\u0627\u0645\u0644 \u06A9\u0631\u062F\u060C \u0627\u062F\u0627\u0645\u0647 "
              u"\u062F\u0627\u062F"_s}});
        return true;
    }();
    Q_UNUSED(filled);
    return db;
}

} // namespace

class TestBaseForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_store = database().open();
        // Readers meet luz far more often than lucir: luces is the plural first.
        QVERIFY(writeFrequencyTable(m_store->connection(),
                                    DictionaryCatalog::entry(DictionaryId::Spanish),
                                    {{u"luz"_s, 525}, {u"lucir"_s, 356}}));
        // A verb is met more often than its past: hielte is halten's before hielt's.
        QVERIFY(writeFrequencyTable(m_store->connection(),
                                    DictionaryCatalog::entry(DictionaryId::German),
                                    {{u"halten"_s, 540}, {u"hielt"_s, 440}}));
        // A verb is met more often than its participle: crollata is crollare's first.
        QVERIFY(writeFrequencyTable(m_store->connection(),
                                    DictionaryCatalog::entry(DictionaryId::Italian),
                                    {{u"crollare"_s, 377},
                                     {u"crollato"_s, 362},
                                     {u"diagnosticare"_s, 302},
                                     {u"diagnosticato"_s, 340},
                                     {u"redigere"_s, 343},
                                     {u"redatto"_s, 387},
                                     {u"produrre"_s, 458},
                                     {u"prodotto"_s, 511}}));
        QVERIFY(writeFrequencyTable(
            m_store->connection(), DictionaryCatalog::entry(DictionaryId::Swedish),
            {{u"driva"_s, 450}, {u"drivit"_s, 400}, {u"\u00E5ka"_s, 480}, {u"\u00E5ker"_s, 400}}));
        // muistuttaa (to remind) is met far more often than muistua.
        QVERIFY(writeFrequencyTable(m_store->connection(),
                                    DictionaryCatalog::entry(DictionaryId::Finnish),
                                    {{u"muistuttaa"_s, 489}}));
        // صفقة (a deal) is met far more often than صفق (clapped).
        QVERIFY(writeFrequencyTable(
            m_store->connection(), DictionaryCatalog::entry(DictionaryId::Arabic),
            {{u"\u0635\u0641\u0642\u0629"_s, 450},
             {u"\u0635\u0641\u0642"_s, 300},
             // Particles and pronouns are met a million times or more, and so is كل (all).
             {u"\u0644\u064A"_s, 609},
             {u"\u0639\u0644\u0649"_s, 718},
             {u"\u0643\u0644"_s, 660},
             // A singular is met more often than its plural.
             {u"\u0635\u0648\u062A"_s, 500},
             {u"\u0623\u0635\u0648\u0627\u062A"_s, 448},
             // غاب (was absent) is met more often than غابة (forest).
             {u"\u063A\u0627\u0628"_s, 480},
             {u"\u063A\u0627\u0628\u0629"_s, 420},
             {u"\u063A\u0627\u0628\u0627\u062A"_s, 400},
             // قوة (strength) is met far more often than قوت (food).
             {u"\u0642\u0648\u0629"_s, 520},
             {u"\u0642\u0648\u062A"_s, 330}}));
    }

    void findsTheDictionaryForm_data()
    {
        QTest::addColumn<int>("dictionary");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        const auto row = [](const char* name, DictionaryId id, const QString& text,
                            const QString& form) {
            QTest::newRow(name) << int(id) << text << form;
        };
        using D = DictionaryId;
        row("en plural", D::English, u"houses"_s, u"house"_s);
        row("en irregular plural", D::English, u"cities"_s, u"city"_s);
        row("en punctuation", D::English, u"\"house,\""_s, u"house"_s);
        row("en capital", D::English, u"Houses"_s, u"house"_s);
        row("en past", D::English, u"walked."_s, u"walk"_s);
        row("computer terms in English", D::ComputerAndInternet, u"servers"_s, u"server"_s);
        row("de umlaut plural", D::German, u"Häuser"_s, u"Haus"_s);
        row("de plural", D::German, u"Kinder"_s, u"Kind"_s);
        row("de genitive", D::German, u"Hauses"_s, u"Haus"_s);
        row("de verb", D::German, u"gehst"_s, u"gehen"_s);
        row("fr plural", D::French, u"maisons"_s, u"maison"_s);
        row("fr elision", D::French, u"l'eau"_s, u"eau"_s);
        row("fr typographic apostrophe", D::French, u"«l’eau»"_s, u"eau"_s);
        row("fr verb", D::French, u"allait"_s, u"aller"_s);
        row("it elision", D::Italian, u"l'acqua"_s, u"acqua"_s);
        row("it verb", D::Italian, u"parlano"_s, u"parlare"_s);
        row("es plural", D::Spanish, u"ciudades"_s, u"ciudad"_s);
        row("es verb", D::Spanish, u"tengo"_s, u"tener"_s);
        row("sv definite", D::Swedish, u"husen"_s, u"hus"_s);
        row("sv definite plural of a noun in -are", D::Swedish, u"lärarnas"_s, u"lärare"_s);
        row("sv irregular verb", D::Swedish, u"gick"_s, u"gå"_s);
        row("fi inessive plural", D::Finnish, u"kirjoissa"_s, u"kirja"_s);
        row("fi inessive", D::Finnish, u"talossa"_s, u"talo"_s);
        row("fi verb", D::Finnish, u"menin"_s, u"mennä"_s);
        row("fi plural", D::Finnish, u"lapset"_s, u"lapsi"_s);
        row("ar article and conjunction", D::Arabic,
            u"\u0648\u0627\u0644\u0643\u062A\u0627\u0628"_s, u"\u0643\u062A\u0627\u0628"_s);
        row("ar preposition and article", D::Arabic, u"\u0628\u0627\u0644\u0628\u064A\u062A"_s,
            u"\u0628\u064A\u062A"_s);
        row("ar pronoun on a feminine noun", D::Arabic, u"\u0633\u064A\u0627\u0631\u062A\u0647"_s,
            u"\u0633\u064A\u0627\u0631\u0629"_s);
        row("ar comma and question mark", D::Arabic,
            u"\u0627\u0644\u0643\u062A\u0627\u0628\u061F"_s, u"\u0643\u062A\u0627\u0628"_s);
        row("ar article before a spelling without hamza", D::Arabic,
            u"\u0627\u0644\u064A\u0645\u0627\u0646\u064A"_s, u"\u064A\u0645\u0627\u0646\u064A"_s);
        // بدايه: بداية (beginning) written with ه, before بدا (appeared) with a dual's ي.
        row("ar ya and ha for the feminine ending", D::Arabic, u"\u0628\u062F\u0627\u064A\u0647"_s,
            u"\u0628\u062F\u0627\u064A\u0629"_s);
        // What the spell-checkers miss or get wrong: the forms table and the order of its
        // headwords.
        row("en not the", D::English, u"things"_s, u"thing"_s);
        row("en not bee", D::English, u"beers"_s, u"beer"_s);
        row("en not re", D::English, u"rings"_s, u"ring"_s);
        row("en not p", D::English, u"pens"_s, u"pen"_s);
        row("en not writ", D::English, u"writers"_s, u"writer"_s);
        row("en not aster", D::English, u"disasters"_s, u"disaster"_s);
        row("en doubled consonant", D::English, u"stopped"_s, u"stop"_s);
        row("en plural Hunspell misses", D::English, u"baths"_s, u"bath"_s);
        row("en not us", D::English, u"using"_s, u"use"_s);
        row("en possessive", D::English, u"child's"_s, u"child"_s);
        row("en abbreviation plural", D::ComputerAndInternet, u"CPUs"_s, u"CPU"_s);
        row("de strong verb", D::German, u"sieht"_s, u"sehen"_s);
        row("de modal", D::German, u"kannst"_s, u"können"_s);
        row("de participle", D::German, u"gegeben"_s, u"geben"_s);
        row("de comparative", D::German, u"besser"_s, u"gut"_s);
        row("de umlaut plural Hunspell keeps", D::German, u"Männer"_s, u"Mann"_s);
        row("de umlaut plural of Stadt", D::German, u"Städte"_s, u"Stadt"_s);
        row("de small word is no noun", D::German, u"gefahren"_s, u"fahren"_s);
        row("de capital word is a noun", D::German, u"Sprachen"_s, u"Sprache"_s);
        row("de compound head first", D::German, u"Kreuzworträtsel"_s, u"Rätsel"_s);
        row("de compound with linking s", D::German, u"Bundesregierung"_s, u"Regierung"_s);
        row("de compound the spell-checker does not know", D::German, u"popkultur"_s, u"Kultur"_s);
        row("sv compound the spell-checker does not know", D::Swedish, u"malmöfestivalen"_s,
            u"festival"_s);
        row("de old ß", D::German, u"daß"_s, u"dass"_s);
        row("de a headword that is another's form", D::German, u"hielte"_s, u"halten"_s);
        row("sv a headword that is another's form", D::Swedish, u"drivits"_s, u"driva"_s);
        row("de old ß of a verb", D::German, u"läßt"_s, u"lassen"_s);
        row("de compound head a verb's noun", D::German, u"Klassentreffen"_s, u"Treffen"_s);
        row("de genitive of a verb's noun", D::German, u"treffens"_s, u"Treffen"_s);
        row("fi a participle's form of its verb", D::Finnish, u"koottua"_s, u"koota"_s);
        row("fi an active participle before a seldom passive", D::Finnish, u"ihastuttavan"_s,
            u"ihastuttaa"_s);
        row("ar a plural's named singular", D::Arabic,
            u"\u0627\u0644\u0645\u0633\u0627\u062C\u064A\u0646"_s,
            u"\u0645\u0633\u062C\u0648\u0646"_s);
        row("ar a broken plural's singular", D::Arabic,
            u"\u0648\u0623\u0635\u0648\u0627\u062A\u0647\u0645"_s, u"\u0635\u0648\u062A"_s);
        row("ar a particle's phrase after the word", D::Arabic, u"\u0648\u0623\u0646\u0646\u064A"_s,
            u"\u0623\u0646\u0646\u064A"_s);
        row("ar alif maqsura written alif before a pronoun", D::Arabic,
            u"\u0645\u0633\u062A\u0648\u0627\u0647"_s, u"\u0645\u0633\u062A\u0648\u0649"_s);
        row("ar a noun in aat before a pronoun, not a plural", D::Arabic,
            u"\u0628\u062D\u064A\u0627\u062A\u0647\u0645"_s, u"\u062D\u064A\u0627\u0629"_s);
        row("it a participle's form of its verb", D::Italian, u"crollata"_s, u"crollare"_s);
        row("it a participle translated as one, of a rarer verb", D::Italian, u"diagnosticati"_s,
            u"diagnosticare"_s);
        row("it an irregular participle's verb", D::Italian, u"redatte"_s, u"redigere"_s);
        row("it an irregular participle that is a word of its own", D::Italian, u"prodotti"_s,
            u"prodotto"_s);
        row("it a feminine of that participle", D::Italian, u"prodotta"_s, u"produrre"_s);
        row("it an adjective's feminine, a verb's form too", D::Italian, u"maligna"_s,
            u"maligno"_s);
        row("fr all", D::French, u"toutes"_s, u"tout"_s);
        row("fr oe for œ", D::French, u"oeuvres"_s, u"œuvre"_s);
        row("fr œ for oe", D::French, u"sœurs"_s, u"sœur"_s);
        row("it plural not librare", D::Italian, u"libri"_s, u"libro"_s);
        row("it irregular", D::Italian, u"stanno"_s, u"stare"_s);
        row("it adjective plural", D::Italian, u"importanti"_s, u"importante"_s);
        row("it apostrophe accent", D::Italian, u"perche'"_s, u"perché"_s);
        row("it apostrophe accent before the bare word", D::Italian, u"e'"_s, u"è"_s);
        row("it piu'", D::Italian, u"piu'"_s, u"più"_s);
        row("it -e plural of an -a word", D::Italian, u"case"_s, u"casa"_s);
        row("es irregular", D::Spanish, u"estamos"_s, u"estar"_s);
        row("es noun before verb", D::Spanish, u"casas"_s, u"casa"_s);
        row("es accented plural", D::Spanish, u"países"_s, u"país"_s);
        row("sv compound", D::Swedish, u"programutveckling"_s, u"utveckling"_s);
        row("sv irregular plural", D::Swedish, u"händer"_s, u"hand"_s);
        row("sv irregular plural's genitive", D::Swedish, u"städers"_s, u"stad"_s);
        row("sv verb before noun", D::Swedish, u"köper"_s, u"köpa"_s);
        row("sv supine of a verb in -mma", D::Swedish, u"klämt"_s, u"klämma"_s);
        row("sv plural of the noun in -e", D::Swedish, u"tomtarna"_s, u"tomte"_s);
        row("fi participle's verb", D::Finnish, u"asennettujen"_s, u"asentaa"_s);
        row("fi compound head first", D::Finnish, u"tietokoneohjelmat"_s, u"ohjelma"_s);
        row("ar broken plural", D::Arabic, u"\u0627\u0644\u0643\u062A\u0628"_s,
            u"\u0643\u062A\u0627\u0628"_s);
        row("ar feminine plural", D::Arabic, u"\u0645\u062F\u0627\u0631\u0633"_s,
            u"\u0645\u062F\u0631\u0633\u0629"_s);
        row("ar perfect ending before particle", D::Arabic, u"\u0641\u062A\u062D\u062A"_s,
            u"\u0641\u062A\u062D"_s);
        row("ar imperfect shows the verb", D::Arabic, u"\u064A\u0631\u0633\u0644"_s,
            u"\u0623\u0631\u0633\u0644"_s);
        // Where two headwords make the word, the one whose rule fits comes first.
        row("ar plural in at of the word in a", D::Arabic,
            u"\u0627\u0644\u0639\u0631\u0628\u0627\u062A"_s, u"\u0639\u0631\u0628\u0629"_s);
        row("sv verb in -s", D::Swedish, u"lyckats"_s, u"lyckas"_s);
        row("es pronouns attached", D::Spanish, u"créeme"_s, u"creer"_s);
        row("es fewer pronouns that leave a verb", D::Spanish, u"siéntese"_s, u"sentir"_s);
        row("de umlaut dative", D::German, u"Städten"_s, u"Stadt"_s);
        row("es commoner headword first", D::Spanish, u"luces"_s, u"luz"_s);
        row("es plural of -ión before verb", D::Spanish, u"proporciones"_s, u"proporción"_s);
        row("it -a of a verb's first person", D::Italian, u"inizia"_s, u"iniziare"_s);
        row("sv short head after a headword", D::Swedish, u"barnkrav"_s, u"krav"_s);
        row("fi division without a particle", D::Finnish, u"kuvakekoko"_s, u"koko"_s);
        row("ar ه for ة after the article", D::Arabic, u"\u0627\u0644\u062E\u0628\u0631\u0647"_s,
            u"\u062E\u0628\u0631\u0629"_s);
        row("ar first letter's hamza left out", D::Arabic, u"\u0627\u0628\u064A\u0627\u062A"_s,
            u"\u0623\u0628\u064A\u0627\u062A"_s);
        row("ar defective noun after the article", D::Arabic,
            u"\u0628\u0627\u0644\u062B\u0648\u0627\u0646\u064A"_s, u"\u062B\u0648\u0627\u0646"_s);
        row("ar a word's own ي before my", D::Arabic, u"\u0648\u0631\u0645\u064A"_s,
            u"\u0631\u0645\u0649"_s);
        row("en -ing of the verb, not the noun", D::English, u"emphasising"_s, u"emphasise"_s);
        row("fi participle of a derived verb", D::Finnish, u"edistynyt"_s, u"edistyä"_s);
        // nopeammin (faster) is the comparative of the adverb nopeasti, not a form of nopea.
        row("fi comparative adverb", D::Finnish, u"nopeammin"_s, u"nopeasti"_s);
        row("en plural of a noun in -sis", D::English, u"emphases"_s, u"emphasis"_s);
        row("fi participle of a frequentative verb", D::Finnish, u"harjoiteltu"_s,
            u"harjoitella"_s);
        row("fi participle that is a word of its own", D::Finnish, u"tiettyin\u00E4"_s,
            u"tietty"_s);
        // maksamme is "we pay" before it is "our liver".
        row("fi verb before a noun with a possessive", D::Finnish, u"maksamme"_s, u"maksaa"_s);
        // kuhun with -kin is kukin's (to each), before it is kuka's (to whom, too).
        row("fi pronoun of each", D::Finnish, u"kuhunkin"_s, u"kukin"_s);
        // وتسعين is تسعون (ninety), not a plural of تسع (nine).
        row("ar oblique of a headword in un", D::Arabic, u"\u0648\u062A\u0633\u0639\u064A\u0646"_s,
            u"\u062A\u0633\u0639\u0648\u0646"_s);
        row("ar oblique of a headword in un, with the article", D::Arabic,
            u"\u0627\u0644\u062A\u0633\u0639\u064A\u0646"_s, u"\u062A\u0633\u0639\u0648\u0646"_s);
        row("ar ه for ة of a commoner noun", D::Arabic, u"\u0635\u0641\u0642\u0647"_s,
            u"\u0635\u0641\u0642\u0629"_s);
        row("ar ت before a pronoun for ة of a commoner noun", D::Arabic,
            u"\u0642\u0648\u062A\u0646\u0627"_s, u"\u0642\u0648\u0629"_s);
        row("de compound head with ss for ß", D::German, u"schulstrasse"_s, u"Straße"_s);
        row("sv -es of a verb whose present is in -ar", D::Swedish, u"yrkes"_s, u"yrke"_s);
        row("sv adjective's weak form that is a verb too", D::Swedish, u"klena"_s, u"klen"_s);
        row("sv past before a participle's weak form", D::Swedish, u"uppr\u00F6rde"_s,
            u"uppr\u00F6ra"_s);
        // وباب is و with باب (door) before وب with اب; الكل is the noun كل with the article.
        row("ar longer stem before one of two letters", D::Arabic, u"\u0648\u0628\u0627\u0628"_s,
            u"\u0628\u0627\u0628"_s);
        row("ar verb translated with an aside", D::Arabic, u"\u062A\u0639\u0635\u0641"_s,
            u"\u0639\u0635\u0641"_s);
        row("ar frequent noun of two letters after the article", D::Arabic,
            u"\u0627\u0644\u0643\u0644"_s, u"\u0643\u0644"_s);
        // بنتي is "my daughter", not ب with نت and "my".
        row("ar my after a noun, no other reading keeping its ya", D::Arabic,
            u"\u0628\u0646\u062A\u064A"_s, u"\u0628\u0646\u062A"_s);
        row("ar hollow verb of the fourth form", D::Arabic, u"\u0646\u0642\u064A\u0645"_s,
            u"\u0623\u0642\u0627\u0645"_s);
        row("ar the usual spelling before another", D::Arabic, u"\u062F\u0639\u0627\u0646\u064A"_s,
            u"\u062F\u0639\u0627"_s);
        // يقولوا: another person of the imperfect يقول shows the verb, قال.
        row("ar another person of an imperfect headword", D::Arabic,
            u"\u064A\u0642\u0648\u0644\u0648\u0627"_s, u"\u0642\u0627\u0644"_s);
        row("ar imperfect of a verb in a later sense", D::Arabic, u"\u064A\u0645\u062B\u0644"_s,
            u"\u0645\u062B\u0644"_s);
        // أرسلته: أرسل (sent) with the perfect's ت and ه (him).
        row("ar perfect's ending before a pronoun", D::Arabic,
            u"\u0623\u0631\u0633\u0644\u062A\u0647"_s, u"\u0623\u0631\u0633\u0644"_s);
        // فعليه is ف with عليه (upon him), not فعلي (actual) with ه.
        row("ar particle and a whole word before a longer stem", D::Arabic,
            u"\u0641\u0639\u0644\u064A\u0647"_s, u"\u0639\u0644\u064A\u0647"_s);
        // أعلنا is أعلن with نا, its ن written once; not أ with علنا (publicly).
        row("ar perfect in n before na", D::Arabic, u"\u0623\u0639\u0644\u0646\u0627"_s,
            u"\u0623\u0639\u0644\u0646"_s);
        // الغابات: the plural غابات, whose singular is غابة, not the commoner غاب.
        row("ar plural in aat of its word in a", D::Arabic,
            u"\u0627\u0644\u063A\u0627\u0628\u0627\u062A"_s, u"\u063A\u0627\u0628\u0629"_s);
        // وبطاقة is و with بطاقة (a card), before و and ب with طاقة (energy).
        row("ar conjunction and a whole word", D::Arabic, u"\u0648\u0628\u0637\u0627\u0642\u0629"_s,
            u"\u0628\u0637\u0627\u0642\u0629"_s);
        // åkern, the field, is åker's definite, no form of åka, though åker is its present.
        row("sv definite of a verb's present", D::Swedish, u"\u00E5kern"_s, u"\u00E5ker"_s);
        row("sv genitive of a verb's present", D::Swedish, u"\u00E5kers"_s, u"\u00E5ker"_s);
        // وأرسلوا, "and they sent": the conjunction before أرسلوا, not the phrase وأرسل with
        // an ending; ويعلن, "and he announces", as يعلن.
        row("ar conjunction before a verb's form", D::Arabic,
            u"\u0648\u0623\u0631\u0633\u0644\u0648\u0627"_s, u"\u0623\u0631\u0633\u0644"_s);
        row("ar conjunction before an imperfect", D::Arabic, u"\u0648\u064A\u0639\u0644\u0646"_s,
            u"\u0623\u0639\u0644\u0646"_s);
        row("fi everyday word before its literary twin", D::Finnish, u"pelk\u00E4\u00E4v\u00E4t"_s,
            u"pel\u00E4t\u00E4"_s);
        // muistuta: remind! (muistuttaa), seldom the passive of muistua.
        row("fi commoner causative first", D::Finnish, u"muistuta"_s, u"muistuttaa"_s);
        // After an article the noun: l'analyse, an analysis, before "(il) l'analyse".
        row("fr noun after an elided article", D::French, u"L'analyse"_s, u"analyse"_s);
        // completamenti: completamento's plural; an adverb has no forms.
        row("it plural beside an adverb", D::Italian, u"completamenti"_s, u"completamento"_s);
        // A compound inflects through its head: Krankenhäuser as Häuser of Haus.
        row("de compound's form through its head", D::German, u"Krankenhäuser"_s, u"Krankenhaus"_s);
        // inmatnings-källa: a word in -ning takes the linking s, so the head is no skälla.
        row("sv linking s before a head in s", D::Swedish, u"inmatningskälla"_s, u"källa"_s);
        // كتابا, written so for كتاباً, a book in the accusative.
        row("ar indefinite accusative", D::Arabic, u"\u0643\u062A\u0627\u0628\u0627"_s,
            u"\u0643\u062A\u0627\u0628"_s);
    }

    void findsTheDictionaryForm()
    {
        QFETCH(int, dictionary);
        QFETCH(QString, text);
        QFETCH(QString, form);
        const DictionaryId id = DictionaryId(dictionary);
        const QList<DictionaryForm> found = m_lookup.find(id, m_store->recordset(id), text);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QCOMPARE(found.first().headword, form);
        // The headwords of the lists above translate as "معنی" and the word itself.
        const QString translation = found.first().translation;
        QVERIFY(!translation.startsWith(u"\u0645\u0639\u0646\u06CC "_s) ||
                translation.endsWith(form));
        QVERIFY(found.size() <= BaseFormLookup::MostForms);
    }

    // A shorter word that the spell-checker reaches through a prefix, a compound, a class that
    // makes other words, or a chance match is never offered.
    void neverAWrongForm_data()
    {
        QTest::addColumn<int>("dictionary");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wrong");
        using D = DictionaryId;
        QTest::newRow("es prefix in-") << int(D::Spanish) << u"incapacidad"_s << u"capacidad"_s;
        QTest::newRow("es prefix pre-") << int(D::Spanish) << u"pretexto"_s << u"texto"_s;
        QTest::newRow("en -ers of bee") << int(D::English) << u"beers"_s << u"bee"_s;
        QTest::newRow("en -ings of the") << int(D::English) << u"things"_s << u"the"_s;
        QTest::newRow("en one letter") << int(D::English) << u"pens"_s << u"p"_s;
        QTest::newRow("en consonant not doubled") << int(D::English) << u"wining"_s << u"win"_s;
        QTest::newRow("de known word split") << int(D::German) << u"Terrorist"_s << u"ist"_s;
        QTest::newRow("de compound modifier alone")
            << int(D::German) << u"Wortspiel"_s << u"Wort"_s;
        QTest::newRow("ar hollow verb of a noun")
            << int(D::Arabic) << u"\u0642\u064A\u062F"_s << u"\u0642\u0627\u062F"_s;
        QTest::newRow("fr interjection") << int(D::French) << u"heu"_s << u"heure"_s;
        QTest::newRow("fr verb form after d'") << int(D::French) << u"d'écoute"_s << u"écouter"_s;
        QTest::newRow("de umlaut dative of another word")
            << int(D::German) << u"Gräben"_s << u"Grab"_s;
        QTest::newRow("ar verb after a preposition")
            << int(D::Arabic) << u"\u0628\u0623\u0643\u0645\u0644\u0647\u0627"_s
            << u"\u0623\u0643\u0645\u0644"_s;
        QTest::newRow("sv short head ending a suffix")
            << int(D::Swedish) << u"rekursering"_s << u"ring"_s;
        QTest::newRow("de derived adjective of a verb")
            << int(D::German) << u"auswählbaren"_s << u"auswählen"_s;
        QTest::newRow("ar imperfect letter on a noun")
            << int(D::Arabic) << u"\u0623\u0634\u0631\u0637\u0629"_s
            << u"\u0634\u0631\u0637\u0629"_s;
        QTest::newRow("ar imperfect letter on a noun's very letters")
            << int(D::Arabic) << u"\u062A\u0631\u0635\u064A\u0641"_s
            << u"\u0631\u0635\u064A\u0641"_s;
        QTest::newRow("ar imperfect letter on a noun translated as if a verb")
            << int(D::Arabic) << u"\u064A\u063A\u0646\u064A"_s << u"\u063A\u0646\u064A"_s;
        QTest::newRow("ar perfect's ending on a broken plural")
            << int(D::Arabic) << u"\u0637\u0631\u0642\u062A"_s << u"\u0637\u0631\u064A\u0642"_s;
        QTest::newRow("ar first person's letter on a noun's very letters")
            << int(D::Arabic) << u"\u0623\u0644\u064A\u0641"_s << u"\u0644\u064A\u0641"_s;
        QTest::newRow("ar imperfect letter on a noun of the pattern of adjectives")
            << int(D::Arabic) << u"\u062A\u0646\u0639\u064A\u0645"_s
            << u"\u0646\u0639\u064A\u0645"_s;
        QTest::newRow("ar imperfect letter on a noun with its last ya written otherwise")
            << int(D::Arabic) << u"\u062A\u0645\u0627\u062F\u0649"_s
            << u"\u0645\u0627\u062F\u064A"_s;
        QTest::newRow("ar article written alone")
            << int(D::Arabic) << u"\u0627\u0644\u0640"_s << u"\u0622\u0644"_s;
        QTest::newRow("it feminine of a noun that has none")
            << int(D::Italian) << u"libra"_s << u"libro"_s;
        QTest::newRow("fi division another reading derives")
            << int(D::Finnish) << u"paikkariippumattomassa"_s << u"massa"_s;
        // Endings of another word class than the headword's.
        QTest::newRow("de -er plural without umlaut")
            << int(D::German) << u"Schiffer"_s << u"Schiff"_s;
        QTest::newRow("de umlaut -er plural of a noun in -e")
            << int(D::German) << u"Fußgängern"_s << u"Gang"_s;
        QTest::newRow("de compound head in -er")
            << int(D::German) << u"katzenberger"_s << u"Berg"_s;
        QTest::newRow("es feminine of a noun") << int(D::Spanish) << u"focas"_s << u"foco"_s;
        QTest::newRow("es -ble") << int(D::Spanish) << u"envidiable"_s << u"envidiar"_s;
        QTest::newRow("de short head inside a longer word")
            << int(D::German) << u"ausversehen"_s << u"Ehe"_s;
        QTest::newRow("es -ción") << int(D::Spanish) << u"amplificación"_s << u"amplificar"_s;
        QTest::newRow("it verb form of an adjective")
            << int(D::Italian) << u"volga"_s << u"volgare"_s;
        QTest::newRow("sv noun of a verb in -an")
            << int(D::Swedish) << u"befordran"_s << u"befordra"_s;
        QTest::newRow("sv supine of another conjugation")
            << int(D::Swedish) << u"tillagt"_s << u"tillaga"_s;
        QTest::newRow("sv comparative of a noun") << int(D::Swedish) << u"diskare"_s << u"disk"_s;
        QTest::newRow("sv adjective ending on a noun")
            << int(D::Swedish) << u"snutt"_s << u"snut"_s;
        QTest::newRow("sv verb's form only") << int(D::Swedish) << u"väver"_s << u"väv"_s;
        QTest::newRow("sv fraction of an ordinal")
            << int(D::Swedish) << u"tredjedelen"_s << u"tredje"_s;
        QTest::newRow("it feminine of an adjective in -o as a verb")
            << int(D::Italian) << u"zitte"_s << u"zittire"_s;
        QTest::newRow("sv English word split") << int(D::Swedish) << u"reports"_s << u"ort"_s;
        // Words the spell-checker does not know: names and foreign words more often than
        // compounds.
        QTest::newRow("de place name") << int(D::German) << u"falkenberg"_s << u"Berg"_s;
        QTest::newRow("de family name the spell-checker builds")
            << int(D::German) << u"salzmann"_s << u"Mann"_s;
        QTest::newRow("de no noun in front") << int(D::German) << u"desmond"_s << u"Mond"_s;
        QTest::newRow("de end of a longer word")
            << int(D::German) << u"hängengeblieben"_s << u"Liebe"_s;
        QTest::newRow("sv foreign word's bare head")
            << int(D::Swedish) << u"gamestop"_s << u"stop"_s;
        QTest::newRow("sv verb for a head") << int(D::Swedish) << u"granville"_s << u"ville"_s;
        QTest::newRow("fi place name") << int(D::Finnish) << u"riihimäellä"_s << u"mäki"_s;
        // Kaurismäki, a family name Voikko divides as a compound of its letters' words.
        QTest::newRow("fi name's head")
            << int(D::Finnish) << u"kaurism\u00E4ki"_s << u"m\u00E4ki"_s;
        // A word Voikko does not know is no compound: Sinnemäki is a name.
        QTest::newRow("fi unknown word") << int(D::Finnish) << u"sinnemäki"_s << u"mäki"_s;
        QTest::newRow("fi adverb of an adjective")
            << int(D::Finnish) << u"kemiallisesti"_s << u"kemiallinen"_s;
        QTest::newRow("it adverb of an adjective")
            << int(D::Italian) << u"cinicamente"_s << u"cinico"_s;
        QTest::newRow("it adverb of an adjective in -re")
            << int(D::Italian) << u"interiormente"_s << u"interiore"_s;
        QTest::newRow("es noun in -aje") << int(D::Spanish) << u"pelaje"_s << u"pelo"_s;
        // molan is of molar; moler makes muelen.
        QTest::newRow("es another verb's form") << int(D::Spanish) << u"molan"_s << u"moler"_s;
        QTest::newRow("it plural of a verb's form")
            << int(D::Italian) << u"confondi"_s << u"confonde"_s;
        QTest::newRow("es shop of its goods")
            << int(D::Spanish) << u"cervecerías"_s << u"cerveza"_s;
        QTest::newRow("sv adverb in -ligen")
            << int(D::Swedish) << u"skriftligen"_s << u"skriftlig"_s;
        QTest::newRow("sv adjective's -a on a noun in -er")
            << int(D::Swedish) << u"gallra"_s << u"galler"_s;
        QTest::newRow("de diminutive") << int(D::German) << u"Bildchen"_s << u"Bild"_s;
        QTest::newRow("it a verb's form is no noun's feminine")
            << int(D::Italian) << u"conforta"_s << u"conforto"_s;
        QTest::newRow("ar ya written alif before a pronoun")
            << int(D::Arabic) << u"\u062E\u0637\u0627\u0647"_s << u"\u062E\u0637\u064A"_s;
        QTest::newRow("sv a verb's present is no plural of a noun in -e")
            << int(D::Swedish) << u"minner"_s << u"minne"_s;
        QTest::newRow("sv -tt of a noun in -d") << int(D::Swedish) << u"sytt"_s << u"syd"_s;
        QTest::newRow("sv agent noun in -iker") << int(D::Swedish) << u"musikerna"_s << u"musik"_s;
        QTest::newRow("sv compound of an agent noun in -iker")
            << int(D::Swedish) << u"konspirationsteoretiker"_s << u"etik"_s;
        QTest::newRow("de -n after a vowel other than e")
            << int(D::German) << u"Klon"_s << u"Klo"_s;
        QTest::newRow("de a name in -mund") << int(D::German) << u"Siegmund"_s << u"Mund"_s;
        QTest::newRow("de compound of a negation")
            << int(D::German) << u"Nichtraucher"_s << u"Raucher"_s;
        QTest::newRow("sv verb of its own in -a") << int(D::Swedish) << u"synda"_s << u"syna"_s;
        QTest::newRow("sv neuter's ending on a noun in -en")
            << int(D::Swedish) << u"knutet"_s << u"knut"_s;
        QTest::newRow("es noun in -idad") << int(D::Spanish) << u"causalidad"_s << u"causal"_s;
        QTest::newRow("it adjective in -ersi as a verb")
            << int(D::Italian) << u"divo"_s << u"diversi"_s;
        QTest::newRow("es pronouns on a noun") << int(D::Spanish) << u"móstoles"_s << u"mosto"_s;
        QTest::newRow("de a participle is no verb")
            << int(D::German) << u"gebetet"_s << u"gebeten"_s;
        QTest::newRow("en possessive of an -ing") << int(D::English) << u"manning's"_s << u"man"_s;
        QTest::newRow("en possessive of a past") << int(D::English) << u"drew's"_s << u"draw"_s;
        QTest::newRow("en doubled s of a longer word")
            << int(D::English) << u"hissing"_s << u"his"_s;
        QTest::newRow("es diminutive") << int(D::Spanish) << u"cachorrito"_s << u"cachorro"_s;
        QTest::newRow("it augmentative") << int(D::Italian) << u"minestrone"_s << u"minestra"_s;
        QTest::newRow("it elided adjective") << int(D::Italian) << u"prim'ordine"_s << u"ordine"_s;
        QTest::newRow("sv present in -ar of a verb in -er")
            << int(D::Swedish) << u"drömmar"_s << u"drömma"_s;
        QTest::newRow("it ordinal of a number")
            << int(D::Italian) << u"sedicesimo"_s << u"sedici"_s;
        QTest::newRow("it number of tens and units")
            << int(D::Italian) << u"ventisette"_s << u"venti"_s;
        QTest::newRow("sv participle's -na") << int(D::Swedish) << u"ingångna"_s << u"ingång"_s;
        QTest::newRow("sv -na of no plural") << int(D::Swedish) << u"skurna"_s << u"skur"_s;
        // kind (a cheek) is no form of Kina (China).
        QTest::newRow("sv form of a name") << int(D::Swedish) << u"kind"_s << u"Kina"_s;
        QTest::newRow("de verb's lemma is no noun") << int(D::German) << u"hakt"_s << u"Haken"_s;
        QTest::newRow("de feminine in -in") << int(D::German) << u"Verfasserin"_s << u"Verfasser"_s;
        // einigermaßen (somewhat) written with ss, an adverb the spell-checker knows.
        QTest::newRow("de no noun head in an adverb")
            << int(D::German) << u"einigermassen"_s << u"Masse"_s;
        QTest::newRow("sv -er of an -ar verb") << int(D::Swedish) << u"skanner"_s << u"skanna"_s;
        QTest::newRow("it plural of an infinitive") << int(D::Italian) << u"dari"_s << u"dare"_s;
        QTest::newRow("es present participle") << int(D::Spanish) << u"hablante"_s << u"hablar"_s;
        QTest::newRow("en verb form of a name") << int(D::English) << u"polishing"_s << u"Polish"_s;
        QTest::newRow("de genitive -es after -er")
            << int(D::German) << u"Verfasseres"_s << u"Verfasser"_s;
        // العلي (the exalted) is no على (on) written with ي after the article.
        QTest::newRow("ar particle after the article in another spelling")
            << int(D::Arabic) << u"\u0627\u0644\u0639\u0644\u064A"_s << u"\u0639\u0644\u0649"_s;
        // فليكن (so let it be) is no لي (to me) with a pronoun.
        QTest::newRow("ar pronoun on a particle")
            << int(D::Arabic) << u"\u0641\u0644\u064A\u0643\u0646"_s << u"\u0644\u064A"_s;
        QTest::newRow("sv noun's ending on a verb")
            << int(D::Swedish) << u"bromsarna"_s << u"bromsa"_s;
        QTest::newRow("ar fourth form's imperfect on a noun")
            << int(D::Arabic) << u"\u062A\u0633\u062F"_s << u"\u0623\u0633\u062F"_s;
        QTest::newRow("ar perfect ending on a noun")
            << int(D::Arabic) << u"\u0647\u0648\u0644\u062A"_s << u"\u0647\u0648\u0644"_s;
        QTest::newRow("ar nisba after the article")
            << int(D::Arabic) << u"\u0627\u0644\u0644\u0648\u0646\u064A"_s
            << u"\u0644\u0648\u0646"_s;
        QTest::newRow("ar nisba of a singular read as a defective plural")
            << int(D::Arabic) << u"\u0627\u0644\u0633\u062D\u0627\u0628\u064A"_s
            << u"\u0633\u062D\u0627\u0628"_s;
        // واللى: و, the article and لى, which is لي (to me) written with ى.
        QTest::newRow("ar pronoun after the article")
            << int(D::Arabic) << u"\u0648\u0627\u0644\u0644\u0649"_s << u"\u0644\u064A"_s;
        // أمتعة (luggage) is no feminine of أمتع (delighted; more delightful).
        QTest::newRow("ar no feminine in a of the pattern afal")
            << int(D::Arabic) << u"\u0623\u0645\u062A\u0639\u0629"_s
            << u"\u0623\u0645\u062A\u0639"_s;
        // العلى (the heights) is no form of على (on).
        QTest::newRow("ar particle of three letters after the article")
            << int(D::Arabic) << u"\u0627\u0644\u0639\u0644\u0649"_s << u"\u0639\u0644\u0649"_s;
        QTest::newRow("it diminutive") << int(D::Italian) << u"catenina"_s << u"catena"_s;
        // brocchi is brocco's; brocca makes brocche.
        QTest::newRow("it -i of a feminine in -a")
            << int(D::Italian) << u"brocchi"_s << u"brocca"_s;
        QTest::newRow("en -ing of an adverb") << int(D::English) << u"overlying"_s << u"overly"_s;
        QTest::newRow("en field in -ics") << int(D::English) << u"genomics"_s << u"genomic"_s;
        QTest::newRow("en adjective in -ed of a noun")
            << int(D::English) << u"pronged"_s << u"prong"_s;
        // Only a noun takes the 's: Emphasise's would be a name's.
        QTest::newRow("en possessive of a verb")
            << int(D::English) << u"emphasise's"_s << u"emphasise"_s;
        // till exempel, written as one word, is a phrase: no compound of exempel.
        QTest::newRow("sv phrase written as one word")
            << int(D::Swedish) << u"tillexempel"_s << u"exempel"_s;
        // fakta-resistens, the analyser's division: no head that cuts its last part.
        QTest::newRow("sv head inside the last part")
            << int(D::Swedish) << u"faktaresistens"_s << u"sist"_s;
        // Widerruf, with its capital a noun of its own, is no form of widerrufen.
        // Kosten-voranschlag: an estimate, no kind of Anschlag.
        QTest::newRow("de compound head after a verb's prefix")
            << int(D::German) << u"kostenvoranschlag"_s << u"Anschlag"_s;
        // vermochten is the verb vermögen's past, no form of the noun Vermögen (wealth).
        QTest::newRow("de strong verb's past of a noun")
            << int(D::German) << u"vermochten"_s << u"Vermögen"_s;
        // Muster-überdeckung, arkiv-återställning: an overlap and a restore, no kind of Deckung
        // or ställning.
        QTest::newRow("de compound head after über")
            << int(D::German) << u"Musterüberdeckung"_s << u"Deckung"_s;
        QTest::newRow("sv compound head after a particle")
            << int(D::Swedish) << u"arkivåterställning"_s << u"ställning"_s;
        // Zucker-watte: Watte (cotton wool) is a noun of its own, no old dative of Watt.
        QTest::newRow("de compound head a noun in -e of its own")
            << int(D::German) << u"zuckerwatte"_s << u"Watt"_s;
        QTest::newRow("de noun of its own") << int(D::German) << u"Widerruf"_s << u"widerrufen"_s;
        // sondern (but) is no verb: gesondert is sondern's (to separate), which the list lacks.
        QTest::newRow("de participle of a word that is no verb")
            << int(D::German) << u"gesondert"_s << u"sondern"_s;
        // Dritt-anbieter, read also when written small: no Bieter (bidder).
        QTest::newRow("de head inside the last part, written small")
            << int(D::German) << u"drittanbieter"_s << u"Bieter"_s;
        // بولا, بعلى: a conjunction's phrase takes no ب in front, nor does a preposition.
        QTest::newRow("ar preposition before a conjunction")
            << int(D::Arabic) << u"\u0628\u0648\u0644\u0627"_s << u"\u0648\u0644\u0627"_s;
        // بشرعية: ب with شرعية (legitimacy), the abstract noun, no form of شرعي (legitimate).
        QTest::newRow("ar abstract noun after a preposition")
            << int(D::Arabic) << u"\u0628\u0634\u0631\u0639\u064A\u0629"_s
            << u"\u0634\u0631\u0639\u064A"_s;
        QTest::newRow("ar abstract noun with a pronoun")
            << int(D::Arabic) << u"\u0634\u0631\u0639\u064A\u062A\u0647"_s
            << u"\u0634\u0631\u0639\u064A"_s;
        QTest::newRow("ar preposition before a preposition")
            << int(D::Arabic) << u"\u0628\u0639\u0644\u0649"_s << u"\u0639\u0644\u0649"_s;
        // أقطار (regions, the plural of قطر) is no أ with قطار (a train).
        QTest::newRow("ar alif before a noun's letters")
            << int(D::Arabic) << u"\u0623\u0642\u0637\u0627\u0631"_s
            << u"\u0642\u0637\u0627\u0631"_s;
        // لبني: ل with بني (the sons of); a noun's "my" is ي, not ني.
        QTest::newRow("ar a verb's pronoun on a noun")
            << int(D::Arabic) << u"\u0644\u0628\u0646\u064A"_s << u"\u0644\u0628"_s;
        // تركتني, "she left me", is no form of تركة (an estate).
        QTest::newRow("ar a verb's pronoun after ت on a noun")
            << int(D::Arabic) << u"\u062A\u0631\u0643\u062A\u0646\u064A"_s
            << u"\u062A\u0631\u0643\u0629"_s;
        // l'operando, an operand: a gerund takes no article.
        QTest::newRow("it gerund after an article")
            << int(D::Italian) << u"l'operando"_s << u"operare"_s;
        // son makes söner, as the irregular list says; sonar is sona's (atones).
        QTest::newRow("sv rule's plural of a listed noun")
            << int(D::Swedish) << u"sonar"_s << u"son"_s;
        // nacer makes nazco and nazca: naco is a word of its own.
        QTest::newRow("es -co of a verb in -cer") << int(D::Spanish) << u"naco"_s << u"nacer"_s;
        // غضبان, angry, an adjective of its own: a verb takes no dual.
        QTest::newRow("ar dual of a verb")
            << int(D::Arabic) << u"\u063A\u0636\u0628\u0627\u0646"_s << u"\u063A\u0636\u0628"_s;
        // اليوميه, اليومية written with ه (the daily): a word with the article takes no pronoun.
        QTest::newRow("ar pronoun on a headword with the article")
            << int(D::Arabic) << u"\u0627\u0644\u064A\u0648\u0645\u064A\u0647"_s
            << u"\u0627\u0644\u064A\u0648\u0645"_s;
        // ووسام: و with وسام (a medal), which is no headword; no word takes و twice.
        QTest::newRow("ar conjunction twice")
            << int(D::Arabic) << u"\u0648\u0648\u0633\u0627\u0645"_s << u"\u0633\u0627\u0645"_s;
        // أقرانهم, their peers: a dual drops its ن before a pronoun.
        QTest::newRow("ar dual before a pronoun")
            << int(D::Arabic) << u"\u0623\u0642\u0631\u0627\u0646\u0647\u0645"_s
            << u"\u0623\u0642\u0631"_s;
        // بالمئات, "by the hundreds": the phrase بالمئة (per cent) takes no plural.
        QTest::newRow("ar ending on a phrase")
            << int(D::Arabic) << u"\u0628\u0627\u0644\u0645\u0626\u0627\u062A"_s
            << u"\u0628\u0627\u0644\u0645\u0626\u0629"_s;
        // عليان, a name: a preposition has no dual.
        QTest::newRow("ar preposition with a dual's ending")
            << int(D::Arabic) << u"\u0639\u0644\u064A\u0627\u0646"_s << u"\u0639\u0644\u0649"_s;
        QTest::newRow("fi -sti adverb of a participle")
            << int(D::Finnish) << u"lupaavasti"_s << u"luvata"_s;
        QTest::newRow("ar deep stem")
            << int(D::Arabic) << u"\u0627\u0644\u0644\u064A\u0632\u0631\u064A\u0629"_s
            << u"\u0632\u0627\u0631"_s;
    }

    void neverAWrongForm()
    {
        QFETCH(int, dictionary);
        QFETCH(QString, text);
        QFETCH(QString, wrong);
        const DictionaryId id = DictionaryId(dictionary);
        for (const DictionaryForm& f : m_lookup.find(id, m_store->recordset(id), text))
            QVERIFY2(f.headword != wrong, qPrintable(text + u" → "_s + wrong));
    }

    // A word added through the store is found through its forms at once and not after its
    // deletion; an older database without forms tables gets them, and its words' forms, when
    // it is opened.
    void addedWordsBringTheirForms()
    {
        testing::TestDatabase db;
        db.insert(DictionaryId::German, {{u"Hund"_s, u"\u0633\u06AF"_s}});
        db.execute(u"Drop Table German_to_Persian_Forms"_s);
        auto store = db.open();
        store->connection().setInflections(&rules());
        QCOMPARE(store->connection().formsTablesAdded(),
                 std::vector<DictionaryId>{DictionaryId::German});
        QVERIFY(
            fillFormsTable(store->connection(), DictionaryCatalog::entry(DictionaryId::German)));
        DictionaryRecordset& de = store->recordset(DictionaryId::German);
        QCOMPARE(de.headwordsOfForm(u"Hunde"_s, 4), QStringList{u"Hund"_s});
        const std::optional<RowId> row = de.add(u"Fuchs"_s, u"\u0631\u0648\u0628\u0627\u0647"_s);
        QVERIFY(row);
        QCOMPARE(de.headwordsOfForm(u"Füchse"_s, 4), QStringList{u"Fuchs"_s});
        QCOMPARE(m_lookup.find(DictionaryId::German, de, u"Füchsen"_s).first().headword,
                 u"Fuchs"_s);
        // A write right after: the look-up's shared read has ended.
        QVERIFY(de.remove(*row));
        QVERIFY(de.headwordsOfForm(u"Füchse"_s, 4).isEmpty());
        QVERIFY(m_lookup.find(DictionaryId::German, de, u"Füchse"_s).isEmpty());
    }

    void nothingWithoutAnAnalyserOrAHeadword()
    {
        BaseFormLookup none([](const MorphologySource&) { return nullptr; });
        DictionaryRecordset& en = m_store->recordset(DictionaryId::English);
        // The forms table needs no analyser; Voikko's forms do.
        QCOMPARE(none.find(DictionaryId::English, en, u"houses"_s).first().headword, u"house"_s);
        QVERIFY(none.find(DictionaryId::Finnish, m_store->recordset(DictionaryId::Finnish),
                          u"talossa"_s)
                    .isEmpty());
        // Punctuation is taken off even without an analyser.
        QCOMPARE(none.find(DictionaryId::English, en, u"(house)"_s).first().headword, u"house"_s);
        QVERIFY(m_lookup.find(DictionaryId::English, en, u"zzxq"_s).isEmpty());
        QVERIFY(m_lookup.find(DictionaryId::English, en, u"..."_s).isEmpty());
        QCOMPARE(notFoundWithForms({}), notFoundText());
        QCOMPARE(notFoundWithForms({{u"house"_s, u"x"_s}}), notFoundText() + u"\n\nhouse\nx"_s);
    }

    void suggestionsWhileTyping()
    {
        QWidget window;
        auto* label = new QLabel(&window);
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        auto* translation = new QPlainTextEdit(&window);
        fakes::FakeKeyboard keyboard;
        testing::TestDatabase db;
        QList<testing::Row> rows;
        for (int i = 0; i < 30; ++i)
            rows.append({u"haus%1"_s.arg(i, 2, 10, QChar(u'0')), u"\u062E"_s});
        rows.append({u"Haus"_s, u"\u062E\u0627\u0646\u0647"_s});
        rows.append({u"H\u00E4user"_s, u"\u062E"_s});
        db.insert(DictionaryId::German, rows);
        auto store = db.open();
        DictionaryLookup lookup(*store, keyboard, {label, combo, translation}, &m_lookup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        lookup.switchDictionary(DictionaryId::German);
        combo->setFocus();

        // Keys go to the combo box, as a keyboard's do.
        QTest::keyClicks(combo, u"hau"_s);
        QCOMPARE(combo->currentText(), u"hau"_s); // nothing completed
        QCOMPARE(translation->toPlainText(), notFoundText());
        SuggestionList& list = lookup.suggestions();
        QVERIFY(list.isShown());
        QCOMPARE(list.words().size(), SuggestionList::MostSuggestions);
        QCOMPARE(list.words().first(), u"Haus"_s);
        QCOMPARE(list.words().at(1), u"haus00"_s);
        QVERIFY(!list.words().contains(u"H\u00E4user"_s));
        // Down and Up move in the suggestions, not in the word list; Enter picks, and the
        // pick is looked up.
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(combo->currentText(), u"hau"_s);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), u"Haus"_s);
        QCOMPARE(translation->toPlainText(), u"\u062E\u0627\u0646\u0647"_s);
        QVERIFY(!list.isShown());
        // Escape closes the list; a typed headword closes it, its translation stays in view.
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        QTest::keyClick(combo, Qt::Key_Escape);
        QVERIFY(!list.isShown());
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        QTest::keyClicks(combo, u"us"_s);
        QVERIFY(!list.isShown());
        // A text written by the program (the clipboard watcher) closes it.
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        combo->setEditText(u"haus1"_s);
        QVERIFY(!list.isShown());
    }

private:
    std::unique_ptr<DictionaryStore> m_store;
    BaseFormLookup m_lookup;
};

QTEST_MAIN(TestBaseForms)
#include "test_base_forms.moc"
