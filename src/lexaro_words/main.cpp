// lexaro-words: look words up, import and export word lists from a shell, on the same
// database and with the same look-up as the program.
#include "commands.h"
#include "tool_support.h"

#include <QCoreApplication>

#include "lexaro_version.h"

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace lexaro::words;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"lexaro-words"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(LEXARO_VERSION_STRING));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Looks words up in Lexaro's dictionaries, and imports and exports word lists.\n\n"
        u"Commands:\n"
        u"  lookup DICTIONARY [WORD...]             print translations\n"
        u"  import DICTIONARY FILE [--replace]      add the words of a StarDict, dictd or "
        u"TSV file\n"
        u"  export DICTIONARY [FILE]                write the words as TSV\n\n"
        u"lexaro-words COMMAND --help tells more. Exit status: 0 done, 1 wrong usage, "
        u"2 bad data or a database that cannot be used."_s);
    const QCommandLineOption database = databaseOption();
    parser.addOption(database);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help."_s);
    parser.addOption(help);
    const QCommandLineOption version(u"version"_s, u"Shows the version."_s);
    parser.addOption(version);
    parser.addPositionalArgument(u"COMMAND"_s, u"lookup, import or export."_s,
                                 u"COMMAND [ARGUMENTS...]"_s);
    // Everything from the command on belongs to the command's own parser.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(app.arguments())) {
        printUsageError({}, parser.errorText());
        return UsageError;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help) && positional.isEmpty()) {
        printHelp(parser, u"lexaro-words"_s);
        return Success;
    }
    if (parser.isSet(version)) {
        std::printf("lexaro-words %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Success;
    }
    if (positional.isEmpty()) {
        printUsageError({}, u"no command given"_s);
        return UsageError;
    }
    const QString& name = positional.first();
    QStringList rest = positional.sliced(1);
    if (parser.isSet(help))
        rest.prepend(u"--help"_s);
    const QString databaseBefore = parser.value(database);
    if (name == u"lookup"_s)
        return runLookup(rest, databaseBefore);
    if (name == u"import"_s)
        return runImport(rest, databaseBefore);
    if (name == u"export"_s)
        return runExport(rest, databaseBefore);
    printUsageError({}, u"no command is called \""_s + name + u'"');
    return UsageError;
}
