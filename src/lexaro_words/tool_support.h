#pragma once

#include "store/dictionary_catalog.h"
#include "store/dictionary_store.h"
#include "store/user_word_database.h"

#include <QCommandLineParser>
#include <QString>

#include <memory>
#include <optional>

namespace lexaro::words {

enum ExitStatus
{
    Success = 0,
    UsageError = 1,
    DataError = 2,
};

// "lexaro-words: <message>" on standard error, one line.
void printError(const QString& message);
void printUsageError(const QString& command, const QString& message);

// The parser of one command: its usage line, --help and --database, which may also stand
// before the command.
class CommandParser
{
public:
    CommandParser(const QString& command, const QString& description);

    QCommandLineParser& parser() { return m_parser; }
    // Nothing to go on with the command; otherwise the status to end with (after --help or a
    // usage error, already printed).
    std::optional<int> parse(const QStringList& arguments, const QString& databaseBefore);
    int usageError(const QString& message) const;

    QString databasePath(UserWordDatabase::Use use) const;
    std::optional<DictionaryId> dictionary(const QString& name) const;

private:
    QString m_command;
    QCommandLineParser m_parser;
    QCommandLineOption m_database;
    QCommandLineOption m_help;
    QString m_databaseBefore;
};

void printHelp(const QCommandLineParser& parser, const QString& usage);
QCommandLineOption databaseOption();
QString dictionaryArgumentHelp();

// The store, or nothing after a printed data error. The file is never created.
std::unique_ptr<DictionaryStore> openStore(const QString& path);

} // namespace lexaro::words
