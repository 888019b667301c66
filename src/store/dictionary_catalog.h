#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace lexaro {

// The nine dictionaries in catalog order. The order matters: a caption is resolved
// by testing the display names one after another and taking the first exact match.
enum class DictionaryId
{
    Arabic,
    English,
    Finnish,
    French,
    German,
    Italian,
    Spanish,
    Swedish,
    ComputerAndInternet,
};

enum class ReadingOrder
{
    LeftToRight,
    RightToLeft
};

// Keyboard layouts are named by the eight-digit identifiers the program has always used.
inline constexpr auto PersianLayout = u"00000429";
inline constexpr auto UsEnglishLayout = u"00000409";

// How an add or edit window of a dictionary looks where the windows differ.
struct WordWindowLook
{
    qreal translationPointSize = 9.75;
    bool translationBold = false;
    bool dialogBorder = false; // a fixed dialog border, and not shown in the taskbar
};

// Where the dictionary forms of a language's inflected words come from: a Hunspell
// dictionary of Debian's hunspell-* packages or Voikko, and for Arabic also the attached
// particles and pronouns.
struct MorphologySource
{
    enum class Analyser
    {
        Hunspell,
        Voikko
    };
    Analyser analyser = Analyser::Hunspell;
    QString language;           // "en_US" for Hunspell, "fi" for Voikko
    bool arabicClitics = false; // و ف ب ل ك ال in front, pronouns behind
};

struct DictionaryEntry
{
    DictionaryId id;
    QString displayName; // "English to persian dictionary"
    QString tableName;   // "English_to_Persian"
    QString prefix;      // "Englishtopersiandictionary"
    // The language its headwords are spoken in; the computer terms are English.
    QLocale::Language speechLanguage;

    QString recordsetName() const { return prefix + QStringLiteral("Recordset"); }
    QString imageName() const { return prefix + QStringLiteral("Image"); }
    QString menuName() const { return prefix + QStringLiteral("Menu"); }
    QString addWordFormName() const { return prefix + QStringLiteral("addwordForm"); }
    QString addWordMessageboxName() const { return prefix + QStringLiteral("addwordMessagebox"); }
    QString editWordFormName() const { return prefix + QStringLiteral("editwordForm"); }
    QString editWordMessageboxName() const { return prefix + QStringLiteral("editwordMessagebox"); }
    QString addWordCaption() const { return displayName + QStringLiteral(" - Add word"); }
    QString editWordCaption() const { return displayName + QStringLiteral(" - Edit word"); }

    // The per-dictionary choices; only Arabic differs from the other eight.
    bool isArabic() const { return id == DictionaryId::Arabic; }
    ReadingOrder searchReadingOrder() const;
    // The add and edit windows' word field: its alignment and reading order.
    ReadingOrder headwordReadingOrder() const { return searchReadingOrder(); }
    QString headwordKeyboardLayout() const;
    WordWindowLook addWindowLook() const;
    WordWindowLook editWindowLook() const;
    MorphologySource morphology() const;
    bool trimsWordForDuplicateCheck() const { return !isArabic(); }
    bool canBeSpoken() const { return !isArabic(); }
};

inline constexpr int DictionaryCount = 9;

class DictionaryCatalog
{
public:
    static const std::array<DictionaryEntry, DictionaryCount>& entries();
    static const DictionaryEntry& entry(DictionaryId id);

    // Exact, case-sensitive comparison with the display names in catalog order.
    static std::optional<DictionaryId> fromDisplayName(QStringView caption);
};

} // namespace lexaro
