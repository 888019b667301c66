// How long each user action keeps the window waiting while another program holds the database
// with an exclusive lock: a keystroke (the look-up of the typed text and its suggestions), the
// pop-up's look-up, a dictionary switch or F5 (the word list), and an add. Timed with the
// waits of before (every statement waited the two-second busy timeout) and with today's.
#include "generated_database.h"

#include "store/dictionary_store.h"
#include "store/word_lookup.h"
#include "translation/base_form_lookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace lexaro;

namespace {

constexpr int Rows = 10'000;

struct Longest
{
    const char* what;
    qint64 ms = 0;
};

// Each action after a pause, as a user's: the look-up that finds the lock has to wait for it.
template <typename Action> void time(Longest& longest, Action action)
{
    QThread::msleep(1100);
    QElapsedTimer clock;
    clock.start();
    action();
    longest.ms = std::max(longest.ms, clock.elapsed());
}

void run(const char* title, DictionaryStore& store)
{
    DictionaryRecordset& rs = store.recordset(DictionaryId::English);
    Longest keystroke{"keystroke (look-up and suggestions)"};
    Longest popup{"pop-up look-up"};
    Longest list{"dictionary switch or F5 (word list)"};
    Longest add{"add (a write)"};
    const QString word = QStringLiteral("house");
    for (int i = 0; i < word.size(); ++i) {
        const QString typed = word.left(1 + i);
        time(keystroke, [&] {
            translationToShow(DictionaryId::English, rs, typed, nullptr);
            wordsBeginningWith(rs, typed, 20);
        });
    }
    time(popup, [&] { translationToShow(DictionaryId::English, rs, word, nullptr); });
    time(list, [&] { readWordList(rs); });
    // The window's event loop runs from the wait of a write, if the connection offers it.
    Longest unserved{"add: longest stretch without the event loop"};
    QElapsedTimer sinceServed;
    store.connection().setWhileWaiting(
        [&] { unserved.ms = std::max(unserved.ms, sinceServed.restart()); });
    time(add, [&] {
        sinceServed.start();
        rs.add(QStringLiteral("zzzz"), QStringLiteral("\u0632"));
        unserved.ms = std::max(unserved.ms, sinceServed.elapsed());
    });
    std::printf("%s\n", title);
    for (const Longest& l : {keystroke, popup, list, add, unserved})
        std::printf("  %-44s longest %6lld ms\n", l.what, static_cast<long long>(l.ms));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
    if (!bench::buildGeneratedDatabase(path, DictionaryId::English, Rows))
        return 1;
    auto before = DictionaryStore::open(path).store;
    auto now = DictionaryStore::open(path).store;
    auto holder = DatabaseConnection::open(path).connection;
    if (!before || !now || !holder || !holder->execute(QStringLiteral("Begin Exclusive")))
        return 1;
    // SQLite's own handler, as the connection had it: every statement waits up to 2 s.
    before->connection().execute(QStringLiteral("Pragma busy_timeout = 2000"));
    run("Before: every statement waits the 2 s busy timeout", *before);
    run("Now: a look-up waits 50 ms at most, a write 2 s", *now);
    return 0;
}
