#include "tool_support.h"

#include "exchange/dictionary_names.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace lexaro::words {

void printError(const QString& message)
{
    std::fprintf(stderr, "lexaro-words: %s\n", message.toUtf8().constData());
}

void printUsageError(const QString& command, const QString& message)
{
    const QString help =
        command.isEmpty() ? u"lexaro-words --help"_s : u"lexaro-words "_s + command + u" --help"_s;
    printError(message + u" (see "_s + help + u')');
}

void printHelp(const QCommandLineParser& parser, const QString& usage)
{
    // Qt names the program as it was started; the usage line names it and the command.
    QString text = parser.helpText();
    const QString started = u"Usage: "_s + QCoreApplication::arguments().constFirst();
    if (text.startsWith(started))
        text.replace(0, started.size(), u"Usage: "_s + usage);
    std::fputs(text.toUtf8().constData(), stdout);
}

QCommandLineOption databaseOption()
{
    return QCommandLineOption(u"database"_s,
                              u"The word database to use instead of Lexaro.db beside the "
                              u"program."_s,
                              u"FILE"_s);
}

QString dictionaryArgumentHelp()
{
    return u"One of "_s + dictionaryIdNames().join(u", "_s) +
           u", or a display name such as \"English to persian dictionary\"."_s;
}

CommandParser::CommandParser(const QString& command, const QString& description)
    : m_command(command), m_database(databaseOption()),
      m_help({u"h"_s, u"help"_s}, u"Shows this help."_s)
{
    m_parser.setApplicationDescription(description);
    m_parser.addOption(m_database);
    m_parser.addOption(m_help);
}

int CommandParser::usageError(const QString& message) const
{
    printUsageError(m_command, message);
    return UsageError;
}

std::optional<int> CommandParser::parse(const QStringList& arguments, const QString& databaseBefore)
{
    m_databaseBefore = databaseBefore;
    if (!m_parser.parse(QStringList{u"lexaro-words"_s} + arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        printHelp(m_parser, u"lexaro-words "_s + m_command);
        return Success;
    }
    return std::nullopt;
}

QString CommandParser::databasePath(UserWordDatabase::Use use) const
{
    if (m_parser.isSet(m_database))
        return m_parser.value(m_database);
    if (!m_databaseBefore.isEmpty())
        return m_databaseBefore;
    return UserWordDatabase::standard().pathToUse(use);
}

std::optional<DictionaryId> CommandParser::dictionary(const QString& name) const
{
    const std::optional<DictionaryId> id = dictionaryNamed(name);
    if (!id)
        usageError(u"no dictionary is called \""_s + name + u"\"; use one of "_s +
                   dictionaryIdNames().join(u", "_s));
    return id;
}

std::unique_ptr<DictionaryStore> openStore(const QString& path)
{
    DictionaryStore::OpenResult opened = DictionaryStore::open(path);
    switch (opened.error) {
    case DatabaseOpenError::None:
        break;
    case DatabaseOpenError::FileMissing:
        printError(path + u": no word database there"_s);
        return nullptr;
    case DatabaseOpenError::NotADatabase:
        printError(path + u": not a word database"_s);
        return nullptr;
    case DatabaseOpenError::TablesMissing:
        printError(path + u": the word database lacks some of its dictionaries"_s);
        return nullptr;
    case DatabaseOpenError::Busy:
        printError(path + u": the database is busy: another program holds it; try again when "
                          u"it is done"_s);
        return nullptr;
    }
    // Wait a little for the program, should it be writing a word at the same moment.
    opened.store->connection().setBusyWaits({.readMs = 5000, .writeMs = 5000});
    return std::move(opened.store);
}

} // namespace lexaro::words
