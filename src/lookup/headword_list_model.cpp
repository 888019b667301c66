#include "lookup/headword_list_model.h"

#include "store/word_comparison.h"
#include "store/word_limits.h"

#include <algorithm>

namespace lexaro {

namespace {

// A headword longer than any the program takes now, from an older database, is listed cut.
QString listed(QString word)
{
    if (!WordLimits::wordFits(word))
        word.truncate(WordLimits::MaxWordLength);
    return word;
}

bool isTextRole(int role)
{
    return role == Qt::DisplayRole || role == Qt::EditRole;
}

// What Qt's own search would accept, for the flags this model searches through the word order.
bool accepts(const QString& word, const QString& text, Qt::MatchFlags flags)
{
    const Qt::CaseSensitivity cs =
        flags.testFlag(Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    switch (flags & Qt::MatchTypeMask) {
    case Qt::MatchExactly:
        return word == text;
    case Qt::MatchFixedString:
        return word.compare(text, cs) == 0;
    case Qt::MatchStartsWith:
        return word.startsWith(text, cs);
    default:
        return false;
    }
}

// Every word Qt's test accepts lies in one run of the list: the words equal to the text under
// the word comparison, or beginning with it. (That comparison folds case as Qt's does, and
// more.)
bool inRun(const QString& word, const QString& foldedText, Qt::MatchFlags flags)
{
    const QString folded = WordComparison::folded(word);
    return (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith ? folded.startsWith(foldedText)
                                                              : folded == foldedText;
}

} // namespace

HeadwordListModel::HeadwordListModel(QObject* parent, std::chrono::milliseconds sliceBudget)
    : QAbstractListModel(parent), m_sliceBudget(sliceBudget)
{
}

HeadwordListModel::~HeadwordListModel()
{
    if (m_reading)
        m_reading->stopReadingWordOrder();
}

void HeadwordListModel::load(DictionaryRecordset& recordset)
{
    if (m_reading && m_reading != &recordset)
        m_reading->stopReadingWordOrder();
    m_reading = &recordset;
    m_recordset = &recordset;
    if (std::shared_ptr<const std::vector<RowId>> rows = recordset.readWordOrder(m_sliceBudget)) {
        m_reading = nullptr;
        show(std::move(rows));
        return;
    }
    // The words of the dictionary before are no longer the list.
    show(nullptr);
    readLater();
}

void HeadwordListModel::readLater()
{
    // After the events that are waiting: what the user does meanwhile comes first.
    if (!m_slicePending)
        QMetaObject::invokeMethod(this, &HeadwordListModel::readSlice, Qt::QueuedConnection);
    m_slicePending = true;
}

void HeadwordListModel::readSlice()
{
    m_slicePending = false;
    if (!m_reading)
        return;
    std::shared_ptr<const std::vector<RowId>> rows = m_reading->readWordOrder(m_sliceBudget);
    if (!rows) {
        readLater();
        return;
    }
    m_reading = nullptr;
    show(std::move(rows));
}

void HeadwordListModel::show(std::shared_ptr<const std::vector<RowId>> rows)
{
    Q_EMIT listAboutToChange();
    beginResetModel();
    m_rows = std::move(rows);
    m_window.clear();
    m_windowStart = 0;
    endResetModel();
    Q_EMIT listChanged();
}

int HeadwordListModel::count() const
{
    return m_rows ? int(m_rows->size()) : 0;
}

int HeadwordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant HeadwordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || !isTextRole(role))
        return {};
    return wordAt(index.row());
}

QString HeadwordListModel::wordAt(int row) const
{
    if (row < m_windowStart || row >= m_windowStart + m_window.size()) {
        if (!readWindowAround(row))
            return {};
    }
    return m_window.at(row - m_windowStart);
}

bool HeadwordListModel::readWindowAround(int row) const
{
    // A view scrolls both ways from where it stands; most of the window lies ahead.
    const int start = std::max(0, row - WindowRows / 4);
    const int end = std::min(count(), start + WindowRows);
    QStringList words;
    words.reserve(end - start);
    for (int r = start; r < end; ++r) {
        std::optional<QString> word = m_recordset->wordOfRow((*m_rows)[std::size_t(r)]);
        if (!word) {
            // Another program holds the database: nothing is kept, the next view asks again.
            m_window.clear();
            m_windowStart = 0;
            return false;
        }
        // A word deleted since the list was read keeps its place until the list is read again,
        // as long as this model has seen it.
        if (word->isEmpty() && r >= m_windowStart && r < m_windowStart + m_window.size())
            *word = m_window.at(r - m_windowStart);
        words.append(listed(std::move(*word)));
    }
    m_window = std::move(words);
    m_windowStart = start;
    return true;
}

int HeadwordListModel::firstRowFrom(const QString& text) const
{
    const QByteArray key = text.toUtf8();
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QByteArray word = wordAt(middle).toUtf8();
        if (WordComparison::compare({word.constData(), std::size_t(word.size())},
                                    {key.constData(), std::size_t(key.size())}) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

QModelIndexList HeadwordListModel::match(const QModelIndex& start, int role, const QVariant& value,
                                         int hits, Qt::MatchFlags flags) const
{
    const Qt::MatchFlags type = flags & Qt::MatchTypeMask;
    const bool throughTheOrder =
        isTextRole(role) && !flags.testFlag(Qt::MatchRecursive) &&
        (type == Qt::MatchExactly || type == Qt::MatchFixedString || type == Qt::MatchStartsWith) &&
        value.userType() == QMetaType::QString;
    if (!throughTheOrder || start.parent().isValid())
        return QAbstractListModel::match(start, role, value, hits, flags);

    const QString text = value.toString();
    const QString foldedText = WordComparison::folded(text);
    const int first = firstRowFrom(text);
    const int from = std::max(start.row(), first);
    QModelIndexList found;
    const auto collect = [&](int begin, int limit) {
        for (int row = begin; row < limit && (hits < 0 || found.size() < hits); ++row) {
            const QString word = wordAt(row);
            if (!inRun(word, foldedText, flags))
                break;
            if (accepts(word, text, flags))
                found.append(index(row));
        }
    };
    collect(from, count());
    if (flags.testFlag(Qt::MatchWrap))
        collect(first, std::min(start.row(), count()));
    return found;
}

} // namespace lexaro
