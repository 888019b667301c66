#pragma once

#include <QString>

namespace lexaro {

// Which word database this user works on.
//
// The database beside the program is the user's own when the user can write it (an install
// for one user, a build folder). A system install cannot be written by its users: each of
// them then works on a copy in their data folder ($XDG_DATA_HOME/lexaro/Lexaro.db), made from
// the shipped file. Beside the copy lies the shipped file it was made from, so that a newer
// shipped database (a package upgrade) can be brought in with the user's own adds, edits and
// deletes kept: those are what differs between the copy and the file it was made from.
class UserWordDatabase
{
public:
    UserWordDatabase(QString shippedPath, QString userFolder);
    // The database beside the program and the user's data folder of this session.
    static UserWordDatabase standard();

    const QString& shippedPath() const { return m_shippedPath; }
    QString copyPath() const;

    enum class Use
    {
        Read,
        ReadWrite,
    };
    // The file to open: the user's copy when there is one (brought up to date first when a
    // newer database has been shipped since it was made), else the shipped one, unless words
    // are to be written and this user cannot write it: then a copy made now. Falls back to
    // the shipped file when no copy can be made; a write then fails as it does in any
    // database the user cannot write.
    QString pathToUse(Use use);

private:
    QString basePath() const;
    QString stampPath() const;
    QString shippedStamp() const;
    bool shippedIsWritable() const;
    bool makeCopy();
    bool bringInShippedWords();

    QString m_shippedPath;
    QString m_userFolder;
};

} // namespace lexaro
