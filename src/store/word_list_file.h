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

// The starter word lists: UTF-8, one "headword<TAB>translation" per line. Inside a
// field "\n" stands for a line break, "\t" for a tab and "\\" for a backslash.
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
};

} // namespace lexaro
