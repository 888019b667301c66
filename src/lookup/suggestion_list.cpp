#include "lookup/suggestion_list.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QTimer>

namespace lexaro {

SuggestionList::SuggestionList(QComboBox& searchBox)
    : QObject(&searchBox), m_searchBox(searchBox), m_view(new QListView(&searchBox)),
      m_model(new QStringListModel(this))
{
    // A window of its own that never takes the focus: typing goes on in the search box.
    m_view->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    m_view->setAttribute(Qt::WA_ShowWithoutActivating);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setObjectName(QStringLiteral("SuggestionList"));
    m_view->setAccessibleName(QStringLiteral("Suggestions"));
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setModel(m_model);
    connect(m_view, &QListView::pressed, this,
            [this](const QModelIndex& index) { pick(index.row()); });
    if (QLineEdit* edit = searchBox.lineEdit())
        edit->installEventFilter(this);
}

void SuggestionList::show(const QStringList& words)
{
    if (words.isEmpty()) {
        hide();
        return;
    }
    m_model->setStringList(words.mid(0, MostSuggestions));
    m_view->setCurrentIndex({});
    m_view->setLayoutDirection(m_searchBox.layoutDirection());
    place();
    m_view->show();
}

void SuggestionList::hide()
{
    m_view->hide();
}

bool SuggestionList::isShown() const
{
    return m_view->isVisible();
}

QStringList SuggestionList::words() const
{
    return m_model->stringList();
}

int SuggestionList::currentRow() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : -1;
}

void SuggestionList::place()
{
    const int rows = m_model->rowCount();
    const int rowHeight = qMax(m_view->sizeHintForRow(0), m_view->fontMetrics().height());
    m_view->setFixedSize(m_searchBox.width(), rows * rowHeight + 2 * m_view->frameWidth());
    m_view->move(m_searchBox.mapToGlobal(QPoint(0, m_searchBox.height())));
}

void SuggestionList::move(int step)
{
    const int rows = m_model->rowCount();
    const int row = qBound(0, currentRow() + step, rows - 1);
    m_view->setCurrentIndex(m_model->index(row));
}

void SuggestionList::pick(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QString word = m_model->index(row).data().toString();
    hide();
    Q_EMIT picked(word);
}

bool SuggestionList::eventFilter(QObject* watched, QEvent* event)
{
    if (!isShown())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down: // from no row to the first
            move(1);
            return true;
        case Qt::Key_Up:
            move(-1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (currentRow() >= 0) {
                pick(currentRow());
                return true;
            }
            hide();
            break;
        case Qt::Key_Escape:
            hide();
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // After a click on the list has been handled.
        QTimer::singleShot(0, this, &SuggestionList::hide);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lexaro
