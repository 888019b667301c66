#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lexaro {

struct WordEntry
{
    QString word;
    QString translation;
};

// The starter word lists and the exchange format of word lists: UTF-8, one
// "headword<TAB>translation" per line. Inside a field "\n" stands for a line break, "\t"
// for a tab, "\r" for a carriage return and "\\" for a backslash.
class WordListFile
{
public:
    struct Result
    {
        std::vector<WordEntry> entries;
        QStringList errors; // "line 12: ..." for every line that could not be read
    };

    static Result parse(const QByteArray& content);
    static Result read(const QString& path);
    static QString unescape(QStringView field);
    // The inverse of unescape(): a field that fits on one line.
    static QString escape(QStringView text);
};

} // namespace lexaro
