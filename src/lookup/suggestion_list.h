#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QComboBox;
class QListView;
class QStringListModel;

namespace lexaro {

// Headwords offered under the search box while the user types: those that begin with the
// typed text under the word comparison, at most twenty, in list order. The list never
// changes the typed text and never looks anything up by itself: Arrow Down or Up and Enter,
// or a click, picks a word. It is there only while the user types in the search box: Escape
// closes it, and so does the search box losing the focus, its window being minimised or
// hidden, and any other window of the program opening.
class SuggestionList : public QObject
{
    Q_OBJECT

public:
    static constexpr int MostSuggestions = 20;

    explicit SuggestionList(QComboBox& searchBox);

    void show(const QStringList& words);
    void hide();
    bool isShown() const;
    QStringList words() const;
    // The highlighted row, -1 for none.
    int currentRow() const;

Q_SIGNALS:
    void picked(const QString& word);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(int key);
    bool closesTheList(const QObject* watched, const QEvent& event) const;
    void move(int step);
    void pick(int row);
    void place();
    int rowHeight();

    QComboBox& m_searchBox;
    QListView* m_view = nullptr;
    QStringListModel* m_model = nullptr;
    QObject* m_windowShown = nullptr; // the application's filter while the list is shown
    // The row height measured for a first word, with the font's height it was measured at:
    // measuring lays the word out, and the same words come back as the user types on and
    // erases.
    QHash<QString, std::pair<int, int>> m_rowHeights;
};

} // namespace lexaro
