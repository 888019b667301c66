#pragma once

#include "store/dictionary_recordset.h"

#include <QAbstractListModel>
#include <QStringList>

#include <chrono>
#include <memory>
#include <vector>

namespace lexaro {

// The search box's word list: every headword of the current dictionary in list order. It
// holds only the rows' identities, in the order of the word index, and reads the words a view
// shows when it shows them, a window of rows at a time; a million headwords cost 8 MB and no
// string until they are on screen. Searching the list by text goes through the word order
// too, so that neither typing in the open list nor leaving the search box reads every row.
//
// The word order itself is read in slices between the window's events: a short list is there
// when load() returns, a long one shows empty until the walk of its index is done.
class HeadwordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // Rows read at once around a row that is not at hand.
    static constexpr int WindowRows = 256;
    // How long one slice of the reading may keep the window from its events.
    static constexpr std::chrono::milliseconds SliceBudget{8};

    explicit HeadwordListModel(QObject* parent = nullptr,
                               std::chrono::milliseconds sliceBudget = SliceBudget);
    ~HeadwordListModel() override;

    // The headwords of the recordset's table as they are now (a reading taken meanwhile and
    // still current is used as it is).
    void load(DictionaryRecordset& recordset);
    bool isReading() const { return m_reading != nullptr; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith |
                                                                Qt::MatchWrap)) const override;

Q_SIGNALS:
    // Around every change of the rows, which resets the model: a view that keeps a text of
    // its own (an editable combo box) puts it back afterwards.
    void listAboutToChange();
    void listChanged();

private:
    void readSlice();
    void readLater();
    void show(std::shared_ptr<const std::vector<RowId>> rows);
    int count() const;
    // The word of a row as the list shows it; an empty text where it cannot be read.
    QString wordAt(int row) const;
    bool readWindowAround(int row) const;
    // The first row whose word does not sort before the text.
    int firstRowFrom(const QString& text) const;

    std::chrono::milliseconds m_sliceBudget;
    DictionaryRecordset* m_reading = nullptr;
    bool m_slicePending = false;
    DictionaryRecordset* m_recordset = nullptr;
    std::shared_ptr<const std::vector<RowId>> m_rows;
    mutable int m_windowStart = 0;
    mutable QStringList m_window;
};

} // namespace lexaro
