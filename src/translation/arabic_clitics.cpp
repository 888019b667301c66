#include "translation/arabic_clitics.h"

#include <QSet>

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

// The word needs at least two letters of its own after the clitics go.
constexpr qsizetype ShortestStem = 2;

void appendUnique(QStringList& list, const QString& word)
{
    if (word.size() >= ShortestStem && !list.contains(word))
        list.append(word);
}

// Whether the particles in front hold the article: a noun, which takes no pronoun after it
// (اللوني is no لو with ني, nor "my لون"; اليافعي is a name, not "my يافع").
bool withArticle(QStringView prefix)
{
    return prefix.endsWith(u"\u0627\u0644") || prefix.endsWith(u"\u0644\u0644");
}

QStringList withoutSuffixes(const QString& word)
{
    QStringList forms;
    // ين is the oblique of the sound plural's ون, which stands in the dictionary for the
    // tens: تسعين is تسعون (ninety), not a plural of تسع.
    if (word.size() >= 5 && word.endsWith(u"\u064A\u0646"))
        appendUnique(forms, word.chopped(2) + u"\u0648\u0646");
    for (const QStringView suffix : ArabicPronouns) {
        if (!word.endsWith(suffix))
            continue;
        QString stem = word.left(word.size() - suffix.size());
        // A last ى is written ا before a pronoun: معناها is معنى's, مستواه مستوى's, أعطاه
        // أعطى's.
        if (stem.size() >= 3 && stem.endsWith(u'\u0627'))
            appendUnique(forms, stem.chopped(1) + u'\u0649');
        appendUnique(forms, stem);
        // A last ه may also be a ة written without its dots (صفقه, a deal; بدايه before a
        // dual's ي).
        if (suffix == u"\u0647" && stem.size() >= 2)
            appendUnique(forms, stem + u'\u0629');
        // The dual and plural lose their ن before a pronoun: عينيه → عيني → عين.
        if (stem.size() >= 4 && (stem.endsWith(u'\u064A') || stem.endsWith(u'\u0627')))
            appendUnique(forms, stem.chopped(1));
        // A feminine ending written ت before a pronoun is ة on its own: سيارته → سيارة.
        if (stem.endsWith(u'\u062A'))
            appendUnique(forms, stem.left(stem.size() - 1) + u'\u0629');
    }
    return forms;
}

// A noun with the article takes no pronoun after it: what looks like one is its own ending.
// A last ه is often a ة written without its dots (الرياضيه, السيده); a last ي is a defective
// noun's, which drops it without the article (الثواني → ثوان, القاضي → قاض), or a nisba's,
// an adjective of its own (اللوني, اليافعي), no form of the noun it is made of.
QStringList withoutNounEnding(const QString& word)
{
    QStringList forms;
    // التسعين is تسعون's, as تسعين is.
    if (word.size() >= 5 && word.endsWith(u"\u064A\u0646"))
        appendUnique(forms, word.chopped(2) + u"\u0648\u0646");
    const QString stem = word.chopped(1);
    if (word.endsWith(u'\u0647')) {
        appendUnique(forms, stem + u'\u0629'); // الخبره is الخبرة
        appendUnique(forms, stem);
    }
    const bool defective = (stem.size() == 3 && stem[1] == u'\u0627') || // قاض
                           (stem.size() == 4 && stem[2] == u'\u0627');   // ثوان
    if (word.endsWith(u'\u064A') && defective)
        appendUnique(forms, stem);
    return forms;
}

// The perfect's person endings and the imperfect's prefixes and plural endings, taken off a
// verb to reach its dictionary form (the third person masculine perfect): فتحت → فتح,
// يكتبون → كتب, يرسل → أرسل, يقول → قال.
QStringList verbForms(const QString& word)
{
    static const std::array<QStringView, 4> PerfectEndings = {u"\u062A\u0645", u"\u0646\u0627",
                                                              u"\u0648\u0627", u"\u062A"};
    static const std::array<QStringView, 3> ImperfectEndings = {u"\u0648\u0646", u"\u064A\u0646",
                                                                u"\u0627\u0646"};
    QStringList forms;
    for (const QStringView ending : PerfectEndings) {
        if (word.endsWith(ending) && word.size() - ending.size() >= 3) {
            appendUnique(forms, word.chopped(ending.size()));
            // A verb that ends in ن writes it once before نا: أعلنا is أعلن with نا.
            if (ending == u"\u0646\u0627")
                appendUnique(forms, word.chopped(1));
            break;
        }
    }
    if (word.size() < 3 || !QStringView(u"\u064A\u062A\u0646\u0623").contains(word.front()))
        return forms;
    QString stem = word.mid(1);
    for (const QStringView ending : ImperfectEndings) {
        if (stem.endsWith(ending) && stem.size() - ending.size() >= 2) {
            stem.chop(ending.size());
            break;
        }
    }
    if (stem.size() >= 3)
        appendUnique(forms, stem);
    // A hollow verb: يقول → قال. With ي, the fourth form's more often than the first's:
    // يقيم → أقام (قام makes يقوم), يعيد → أعاد; يسير stays سار where no أسار is found.
    if (stem.size() == 3 && (stem[1] == u'\u0648' || stem[1] == u'\u064A')) {
        const QString hollow = stem.front() + u'\u0627' + stem.back();
        if (stem[1] == u'\u064A')
            appendUnique(forms, u'\u0623' + hollow);
        appendUnique(forms, hollow);
    }
    appendUnique(forms, u'\u0623' + stem); // the fourth form: يرسل → أرسل
    if (stem.size() >= 4) {
        // The eighth and tenth forms begin with alif: ينتظر → انتظر, يستخدم → استخدم,
        // and a last ي is ى: يشتري → اشترى.
        appendUnique(forms, u'\u0627' + stem);
        if (stem.endsWith(u'\u064A'))
            appendUnique(forms, u'\u0627' + stem.chopped(1) + u'\u0649');
    }
    return forms;
}

// A verb with the perfect's ending ت and a pronoun after it: أرسلته → أرسل, كتبته → كتب.
QStringList perfectBeforePronoun(const QString& word)
{
    QStringList verbs;
    for (const QStringView suffix : ArabicPronouns) {
        if (!word.endsWith(suffix))
            continue;
        const QStringView stem = QStringView(word).chopped(suffix.size());
        if (stem.size() >= 4 && stem.endsWith(u'\u062A'))
            appendUnique(verbs, stem.chopped(1).toString());
    }
    return verbs;
}

// Names in -ا, mostly of places, whose last alif is their own: أوكرانيا is no accusative of
// أوكراني (Ukrainian), nor كوبا (Cuba) of كوب (a cup). The countries and cities in -يا are
// those of Hunspell's Arabic dictionary; each in أ or إ is also written with a bare ا.
const QSet<QString>& namesInAlif()
{
    static const QSet<QString> names = [] {
        QSet<QString> set;
        const QString list = QStringLiteral(
            "آسيا إفريقيا أفريقيا نيجيريا إثيوبيا أثيوبيا تركيا إريتريا غامبيا صربيا ألمانيا "
            "كولومبيا سلوفاكيا رومانيا هنغاريا أستراليا مولدافيا غينيا سوريا تانزانيا تنزانيا "
            "إندونيسيا ماليزيا أوكرانيا بوليفيا سلوفينيا زامبيا إسبانيا روسيا ليبيريا كينيا "
            "موريتانيا كمبوديا كوريا إيطاليا مقدونيا بلغاريا إستونيا جورجيا ألبانيا ليبيا لتوانيا "
            "ليتوانيا ناميبيا أرمينيا كرواتيا بريطانيا بريطوريا برازيليا مونروفيا نيقوسيا صوفيا "
            "فيكتوريا كاليفورنيا فرجينيا كاتالونيا سيبيريا أوروبا كوبا روما كندا هولندا فنلندا "
            "بولندا أيرلندا إيرلندا اسكتلندا نيوزيلندا أوغندا رواندا غانا ناسا");
        for (const QString& name : list.split(u' ', Qt::SkipEmptyParts)) {
            set.insert(name);
            if (name.front() == u'\u0623' || name.front() == u'\u0625') // أ إ
                set.insert(u'\u0627' + name.mid(1));
        }
        return set;
    }();
    return names;
}

// A noun's indefinite accusative, its alif of tanween: كتابا (كتاباً) → كتاب, شيئا → شيء.
// Not after ة, which takes no alif, nor the plural verb's وا.
QStringList withoutAccusative(const QString& word)
{
    QStringList nouns;
    if (word.size() < 4 || !word.endsWith(u'\u0627') || word.endsWith(u"\u0648\u0627") ||
        namesInAlif().contains(word))
        return nouns;
    const QString stem = word.chopped(1);
    if (stem.endsWith(u'\u0629') || stem.endsWith(u'\u0627') || stem.endsWith(u'\u0649'))
        return nouns;
    appendUnique(nouns, stem);
    if (stem.endsWith(u'\u0626')) // شيئا: the hamza sits on ي before the alif only
        appendUnique(nouns, stem.chopped(1) + u'\u0621');
    return nouns;
}

// The word without each of the particles in front, and those again without their endings. A
// stem of two letters left by the particles comes after the longer ones: وباب is و with باب (a
// door) before it is وب with اب.
void appendAfterPrefixes(const QString& word, QStringList& forms)
{
    QStringList shortStems;
    for (const QStringView prefix : Prefixes) {
        if (!word.startsWith(prefix))
            continue;
        const QString front = word.mid(prefix.size());
        if (front.size() < ShortestStem)
            continue;
        appendUnique(front.size() == ShortestStem ? shortStems : forms, front);
        QStringList stems = withArticle(prefix) ? withoutNounEnding(front) : withoutSuffixes(front);
        if (prefix == u"\u0648" || prefix == u"\u0641") // و ف, as before an accusative: وشيئا
            stems += withoutAccusative(front);
        for (const QString& stem : std::as_const(stems))
            appendUnique(forms, stem);
    }
    for (const QString& stem : std::as_const(shortStems))
        appendUnique(forms, stem);
}

} // namespace

ArabicClitics::ArabicClitics(std::unique_ptr<BaseForms> stems) : m_stems(std::move(stems)) {}

QStringList ArabicClitics::candidates(const QString& word) const
{
    // What is taken off the end first, then the verb's own affixes, then the particles in
    // front: a word whose first letter only looks like a particle (فتحت) keeps it.
    QStringList forms = withoutSuffixes(word);
    for (const QString& verb : verbForms(word))
        appendUnique(forms, verb);
    for (const QString& noun : withoutAccusative(word))
        appendUnique(forms, noun);
    appendAfterPrefixes(word, forms);
    // A verb with the perfect's ت before a pronoun comes after these: سيارته is سيارة's first.
    for (const QString& verb : perfectBeforePronoun(word))
        appendUnique(forms, verb);
    if (m_stems) {
        // The analyser's stems come after the particles taken off: they go deeper into the
        // word and are wrong more often. Hunspell may also know the word once its particles
        // are gone.
        const QStringList found = forms;
        for (const QString& stem : m_stems->candidates(word))
            appendUnique(forms, stem);
        for (const QString& form : found) {
            for (const QString& stem : m_stems->candidates(form))
                appendUnique(forms, stem);
        }
    }
    forms.removeAll(word);
    return forms;
}

} // namespace lexaro
