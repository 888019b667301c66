#include "commands.h"
#include "tool_support.h"

#include "store/word_list_file.h"
#include "store/word_lookup.h"
#include "translation/base_form_lookup.h"

#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lexaro::words {

namespace {

// Standard output, written in large blocks. A script that feeds words one at a time and
// waits for each answer still gets it: whatever is pending goes out before the next read
// from standard input can block.
class Output
{
public:
    ~Output() { flush(); }
    void line(const QString& text)
    {
        m_pending += text.toUtf8();
        m_pending += '\n';
        if (m_pending.size() >= 1 << 16)
            flush();
    }
    bool flush()
    {
        qsizetype done = 0;
        while (done < m_pending.size()) {
            const ssize_t n = ::write(STDOUT_FILENO, m_pending.constData() + done,
                                      std::size_t(m_pending.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_failed = true;
                break;
            }
            done += n;
        }
        m_pending.clear();
        return !m_failed;
    }
    bool failed() const { return m_failed; }

private:
    QByteArray m_pending;
    bool m_failed = false;
};

// Lines of standard input without their line ending.
class InputLines
{
public:
    explicit InputLines(Output& output) : m_output(output) {}
    bool next(QByteArray& line)
    {
        for (;;) {
            const qsizetype newline = m_buffer.indexOf('\n', m_start);
            if (newline >= 0) {
                line = m_buffer.sliced(m_start, newline - m_start);
                m_start = newline + 1;
                if (line.endsWith('\r'))
                    line.chop(1);
                return true;
            }
            m_buffer.remove(0, m_start);
            m_start = 0;
            if (m_atEnd) {
                if (m_buffer.isEmpty())
                    return false;
                line = std::exchange(m_buffer, {});
                if (line.endsWith('\r'))
                    line.chop(1);
                return true;
            }
            m_output.flush();
            char block[1 << 16];
            const ssize_t n = ::read(STDIN_FILENO, block, sizeof block);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                m_atEnd = true;
            else
                m_buffer.append(block, n);
        }
    }

private:
    Output& m_output;
    QByteArray m_buffer;
    qsizetype m_start = 0;
    bool m_atEnd = false;
};

} // namespace

int runLookup(const QStringList& arguments, const QString& databaseBefore)
{
    CommandParser command(
        u"lookup"_s,
        u"Prints the translation of each WORD as the main window shows it, or the text it shows "
        u"for a word the dictionary does not hold. Without words, reads one word a line from "
        u"standard input and prints one result a line, a line break in a translation written "
        u"as \\n, a tab as \\t, a carriage return as \\r and a backslash as \\\\. A look-up "
        u"that fails prints an empty line and a note on standard error."_s);
    command.parser().addPositionalArgument(u"DICTIONARY"_s, dictionaryArgumentHelp());
    command.parser().addPositionalArgument(u"WORD"_s, u"The words to look up."_s, u"[WORD...]"_s);
    if (const std::optional<int> status = command.parse(arguments, databaseBefore))
        return *status;
    const QStringList positional = command.parser().positionalArguments();
    if (positional.isEmpty())
        return command.usageError(u"lookup needs a DICTIONARY"_s);
    const std::optional<DictionaryId> id = command.dictionary(positional.first());
    if (!id)
        return UsageError;
    std::unique_ptr<DictionaryStore> store =
        openStore(command.databasePath(UserWordDatabase::Use::Read));
    if (!store)
        return DataError;

    DictionaryRecordset& recordset = store->recordset(*id);
    // The main window's look-up: a word that is not a headword shows the not-found text and
    // the dictionary forms found.
    BaseFormLookup baseForms;
    qint64 failures = 0;
    // As in the search box: an empty word shows an empty translation, nothing is looked up.
    const auto translationOf = [&](const QString& word) -> QString {
        if (word.isEmpty())
            return {};
        if (std::optional<QString> shown = translationToShow(*id, recordset, word, &baseForms))
            return *shown;
        ++failures;
        printError(u"the look-up of \""_s + word + u"\" failed"_s);
        return {};
    };

    Output output;
    if (positional.size() > 1) {
        for (const QString& word : positional.sliced(1))
            output.line(translationOf(word));
    } else {
        InputLines input(output);
        QByteArray line;
        while (input.next(line))
            output.line(WordListFile::escape(translationOf(QString::fromUtf8(line))));
    }
    if (!output.flush()) {
        printError(u"cannot write the results"_s);
        return DataError;
    }
    return failures > 0 ? DataError : Success;
}

} // namespace lexaro::words
