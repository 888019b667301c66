#include "store/user_word_database.h"

#include "store/dictionary_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexaro {

Q_LOGGING_CATEGORY(lcUserDatabase, "lexaro.store.user", QtWarningMsg)

namespace {

using WordTable = QHash<QString, QString>;

// Every word of one table with its translation; of rows holding the same word the first
// counts, as it is the one the look-up shows.
WordTable readTable(DictionaryRecordset& recordset)
{
    WordTable table;
    if (!recordset.open(WordQuery::WholeList))
        return table;
    for (; !recordset.atEnd(); recordset.moveNext()) {
        const std::optional<QString> word = recordset.word();
        if (word && !table.contains(*word))
            table.insert(*word, recordset.translation().value_or(QString()));
    }
    recordset.close();
    return table;
}

struct StoredRow
{
    RowId row;
    QString word; // as stored: the look-up finds it in any letter case
};

std::optional<StoredRow> rowOf(DictionaryRecordset& recordset, const QString& word)
{
    if (!recordset.open(WordQuery::WordLookup, word))
        return std::nullopt;
    std::optional<StoredRow> found;
    if (!recordset.atEnd()) {
        const auto id = recordset.rowId();
        const auto stored = recordset.word();
        if (id && stored)
            found = StoredRow{*id, *stored};
    }
    recordset.close();
    return found;
}

bool putWord(DictionaryRecordset& recordset, const QString& word, const QString& translation)
{
    if (const std::optional<StoredRow> stored = rowOf(recordset, word))
        return recordset.updateTranslation(stored->row, stored->word, translation);
    return recordset.add(word, translation).has_value();
}

bool dropWord(DictionaryRecordset& recordset, const QString& word)
{
    const std::optional<StoredRow> stored = rowOf(recordset, word);
    return !stored || recordset.remove(stored->row);
}

// Applies to `target` what the user changed between the shipped words and their copy.
bool applyUserChanges(const WordTable& shipped, const WordTable& mine, DictionaryRecordset& target)
{
    bool ok = true;
    for (auto it = mine.cbegin(); it != mine.cend(); ++it) {
        const auto was = shipped.constFind(it.key());
        if (was == shipped.cend() || *was != it.value())
            ok = putWord(target, it.key(), it.value()) && ok;
    }
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        if (!mine.contains(it.key()))
            ok = dropWord(target, it.key()) && ok;
    }
    return ok;
}

bool copyReplacing(const QString& from, const QString& to)
{
    const QString partial = to + u".partial"_s;
    QFile::remove(partial);
    if (!QFile::copy(from, partial))
        return false;
    QFile(partial).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

UserWordDatabase::UserWordDatabase(QString shippedPath, QString userFolder)
    : m_shippedPath(std::move(shippedPath)), m_userFolder(std::move(userFolder))
{
}

UserWordDatabase UserWordDatabase::standard()
{
    return UserWordDatabase(
        QDir(QCoreApplication::applicationDirPath()).filePath(DictionaryStore::databaseFileName()),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/lexaro"_s);
}

QString UserWordDatabase::copyPath() const
{
    return m_userFolder + u'/' + DictionaryStore::databaseFileName();
}

QString UserWordDatabase::basePath() const
{
    return m_userFolder + u"/shipped-"_s + DictionaryStore::databaseFileName();
}

QString UserWordDatabase::stampPath() const
{
    return basePath() + u".stamp"_s;
}

QString UserWordDatabase::shippedStamp() const
{
    const QFileInfo info(m_shippedPath);
    return QString::number(info.size()) + u' ' +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

bool UserWordDatabase::shippedIsWritable() const
{
    // SQLite writes its journal beside the file, so the folder must be writable too.
    const QByteArray file = QFile::encodeName(QFileInfo(m_shippedPath).canonicalFilePath());
    const QByteArray folder = QFile::encodeName(QFileInfo(m_shippedPath).canonicalPath());
    return !file.isEmpty() && ::access(file.constData(), W_OK) == 0 &&
           ::access(folder.constData(), W_OK) == 0;
}

QString UserWordDatabase::pathToUse(Use use)
{
    if (QFileInfo::exists(copyPath())) {
        if (!bringInShippedWords())
            qCWarning(lcUserDatabase) << "could not bring the shipped words into" << copyPath();
        return copyPath();
    }
    if (use == Use::Read || !QFileInfo::exists(m_shippedPath) || shippedIsWritable())
        return m_shippedPath;
    if (makeCopy())
        return copyPath();
    qCWarning(lcUserDatabase) << "could not make the user's copy" << copyPath();
    return m_shippedPath;
}

bool UserWordDatabase::makeCopy()
{
    if (!QDir().mkpath(m_userFolder))
        return false;
    QSaveFile stamp(stampPath());
    if (!copyReplacing(m_shippedPath, basePath()) || !stamp.open(QIODevice::WriteOnly))
        return false;
    stamp.write(shippedStamp().toUtf8());
    return stamp.commit() && copyReplacing(m_shippedPath, copyPath());
}

bool UserWordDatabase::bringInShippedWords()
{
    QFile stampFile(stampPath());
    const QString stamp =
        stampFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(stampFile.readAll()) : QString();
    if (stamp == shippedStamp() || !QFileInfo::exists(m_shippedPath))
        return true;
    if (!QFileInfo::exists(basePath())) {
        // Without the file the copy was made from, the user's own changes cannot be told from
        // the shipped words: keep the copy as it is.
        return false;
    }

    const QString merged = copyPath() + u".merged"_s;
    QFile::remove(merged);
    if (!QFile::copy(m_shippedPath, merged))
        return false;
    QFile(merged).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    bool ok = true;
    {
        DictionaryStore::OpenResult base = DictionaryStore::open(basePath());
        DictionaryStore::OpenResult mine = DictionaryStore::open(copyPath());
        DictionaryStore::OpenResult target = DictionaryStore::open(merged);
        if (!base.store || !mine.store || !target.store)
            ok = false;
        for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
            if (!ok)
                break;
            ok = applyUserChanges(readTable(base.store->recordset(e.id)),
                                  readTable(mine.store->recordset(e.id)),
                                  target.store->recordset(e.id));
        }
    }
    if (!ok) {
        QFile::remove(merged);
        return false;
    }
    // The merged file takes the copy's place first: a crash before the new base is in place
    // only merges again, to the same words.
    if (::rename(QFile::encodeName(merged).constData(),
                 QFile::encodeName(copyPath()).constData()) != 0)
        return false;
    QSaveFile newStamp(stampPath());
    if (!copyReplacing(m_shippedPath, basePath()) || !newStamp.open(QIODevice::WriteOnly))
        return false;
    newStamp.write(shippedStamp().toUtf8());
    return newStamp.commit();
}

} // namespace lexaro
