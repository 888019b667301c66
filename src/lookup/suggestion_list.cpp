#include "lookup/suggestion_list.h"

#include <QApplication>
#include <QCache>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QStringListModel>
#include <QStyledItemDelegate>

#include <functional>
#include <memory>

namespace lexaro {

namespace {

// Watches every object of the program for a window being shown, other than the list itself
// and tooltips.
class WindowShownFilter final : public QObject
{
public:
    WindowShownFilter(const QWidget* list, std::function<void()> shown, QObject* parent)
        : QObject(parent), m_list(list), m_shown(std::move(shown))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched != m_list && watched->isWidgetType()) {
            const auto* widget = static_cast<const QWidget*>(watched);
            if (widget->isWindow() && widget->windowType() != Qt::ToolTip)
                m_shown();
        }
        return false;
    }

private:
    const QWidget* m_list;
    std::function<void()> m_shown;
};

// Draws each row as the program's style does, once: a word the list showed before (Backspace
// brings the longer lists back, a longer prefix keeps some of the words) is copied from the
// picture kept of it. The style lays a row's word out three times to draw it, and the list is
// drawn anew at every keystroke.
class KeptRowsDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QString key = rowKey(option, index);
        const qreal ratio = painter->device()->devicePixelRatio();
        if (const QPixmap* kept = m_rows.object(key)) {
            painter->drawPixmap(option.rect.topLeft(), *kept);
            return;
        }
        auto row = std::make_unique<QPixmap>(option.rect.size() * ratio);
        row->setDevicePixelRatio(ratio);
        // The list's own background, as the row is drawn on it.
        row->fill(option.palette.color(colourGroup(option), QPalette::Base));
        {
            QPainter rowPainter(row.get());
            rowPainter.setFont(painter->font());
            QStyleOptionViewItem at(option);
            at.rect.moveTopLeft(QPoint(0, 0));
            QStyledItemDelegate::paint(&rowPainter, at, index);
        }
        painter->drawPixmap(option.rect.topLeft(), *row);
        const int cost = row->width() * row->height() * row->depth() / 8;
        m_rows.insert(key, row.release(), cost);
    }

private:
    static QPalette::ColorGroup colourGroup(const QStyleOptionViewItem& option)
    {
        if (!(option.state & QStyle::State_Enabled))
            return QPalette::Disabled;
        return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    }

    // Everything that changes how a row looks.
    static QString rowKey(const QStyleOptionViewItem& option, const QModelIndex& index)
    {
        const int look = int(option.state & (QStyle::State_Selected | QStyle::State_Enabled |
                                             QStyle::State_Active | QStyle::State_MouseOver |
                                             QStyle::State_HasFocus));
        return index.data().toString() + QChar(u'\0') + QString::number(look) + u' ' +
               QString::number(option.rect.width()) + u'x' + QString::number(option.rect.height()) +
               u' ' + QString::number(int(option.direction)) + u' ' +
               QString::number(option.palette.cacheKey());
    }

    // About seventy rows of the list's width.
    mutable QCache<QString, QPixmap> m_rows{4 * 1024 * 1024};
};

} // namespace

SuggestionList::SuggestionList(QComboBox& searchBox)
    : QObject(&searchBox), m_searchBox(searchBox), m_view(new QListView(&searchBox)),
      m_model(new QStringListModel(this)), m_windowShown(new WindowShownFilter(
                                               m_view, [this] { hide(); }, this))
{
    // A window of its own that never takes the focus: typing goes on in the search box.
    m_view->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    m_view->setAttribute(Qt::WA_ShowWithoutActivating);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setItemDelegate(new KeptRowsDelegate(m_view));
    m_view->setObjectName(QStringLiteral("SuggestionList"));
    m_view->setAccessibleName(QStringLiteral("Suggestions"));
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setModel(m_model);
    connect(m_view, &QListView::pressed, this,
            [this](const QModelIndex& index) { pick(index.row()); });
    // The keys a keyboard sends reach the combo box, which hands them on to its line edit
    // without any filter of the line edit seeing them.
    searchBox.installEventFilter(this);
    if (QWidget* window = searchBox.window(); window != &searchBox)
        window->installEventFilter(this);
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
    // The view would lay the new rows out on a timer, which often fires after the list was
    // painted: it would then be painted twice at this keystroke.
    m_view->doItemsLayout();
    const bool wasShown = m_view->isVisible();
    m_view->show();
    if (wasShown)
        m_view->repaint();
    // Only while shown: every window the program opens closes the list.
    qApp->installEventFilter(m_windowShown);
}

void SuggestionList::hide()
{
    qApp->removeEventFilter(m_windowShown);
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

bool SuggestionList::handleKey(int key)
{
    switch (key) {
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
        return false;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

bool SuggestionList::closesTheList(const QObject* watched, const QEvent& event) const
{
    switch (event.type()) {
    case QEvent::FocusOut:
    case QEvent::Hide: // the search box goes with its window, minimised or hidden
        return watched == &m_searchBox;
    case QEvent::WindowStateChange:
        return watched == m_searchBox.window() && m_searchBox.window()->isMinimized();
    default:
        return false;
    }
}

bool SuggestionList::eventFilter(QObject* watched, QEvent* event)
{
    if (!isShown())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && watched == &m_searchBox &&
        handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    if (closesTheList(watched, *event))
        hide();
    return QObject::eventFilter(watched, event);
}

} // namespace lexaro
