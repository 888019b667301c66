#include "lookup/suggestion_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCache>
#include <QComboBox>
#include <QImage>
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

// A row as the style drew it: the plain colour at either end, and the picture of what lies
// between, the word (on most rows a tenth of the row's width).
struct KeptRow
{
    QPixmap middle;
    int left = 0;  // where the middle begins
    int right = 0; // where it ends
    QRgb leftColour = 0;
    QRgb rightColour = 0;
};

// Draws each row as the program's style does, once: a word the list showed before (Backspace
// brings the longer lists back, a longer prefix keeps some of the words) is drawn from what was
// kept of it. The style lays a row's word out three times to draw it, and the list is drawn
// anew at every keystroke.
class KeptRowsDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QString key = rowKey(option, index);
        if (const KeptRow* kept = m_rows.object(key)) {
            draw(*painter, option, *kept);
            return;
        }
        auto row = std::make_unique<KeptRow>(keep(drawn(*painter, option, index)));
        draw(*painter, option, *row);
        const int cost = int(row->middle.width() * row->middle.height() * 4 + 64);
        m_rows.insert(key, row.release(), cost);
    }

private:
    QPixmap drawn(const QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const
    {
        const qreal ratio = painter.device()->devicePixelRatio();
        QPixmap row(option.rect.size() * ratio);
        row.setDevicePixelRatio(ratio);
        // The list's own background, as the row is drawn on it.
        row.fill(option.palette.color(colourGroup(option), QPalette::Base));
        QPainter rowPainter(&row);
        rowPainter.setFont(painter.font());
        QStyleOptionViewItem at(option);
        at.rect.moveTopLeft(QPoint(0, 0));
        QStyledItemDelegate::paint(&rowPainter, at, index);
        return row;
    }

    // Splits the row into its plain ends and the middle, where every column of an end is one
    // opaque colour, pixel for pixel.
    static KeptRow keep(const QPixmap& row)
    {
        KeptRow kept{row, 0, row.width(), 0, 0};
        const QImage image = row.toImage();
        // Read as QRgb: the formats whose pixels are 0xAARRGGBB.
        const QImage::Format format = image.format();
        if (row.devicePixelRatio() != 1.0 || image.isNull() ||
            (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
             format != QImage::Format_ARGB32_Premultiplied))
            return kept;
        const auto at = [&image](int x, int y) {
            return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
        };
        const auto plain = [&](int x, QRgb colour) {
            for (int y = 0; y < image.height(); ++y) {
                if (at(x, y) != colour)
                    return false;
            }
            return true;
        };
        kept.leftColour = at(0, 0);
        while (qAlpha(kept.leftColour) == 255 && kept.left < kept.right &&
               plain(kept.left, kept.leftColour))
            ++kept.left;
        kept.rightColour = at(image.width() - 1, 0);
        while (qAlpha(kept.rightColour) == 255 && kept.right > kept.left &&
               plain(kept.right - 1, kept.rightColour))
            --kept.right;
        kept.middle = kept.left < kept.right
                          ? row.copy(kept.left, 0, kept.right - kept.left, row.height())
                          : QPixmap();
        return kept;
    }

    static void draw(QPainter& painter, const QStyleOptionViewItem& option, const KeptRow& kept)
    {
        const QRect& rect = option.rect;
        fillPlain(painter, option, QRect(rect.left(), rect.top(), kept.left, rect.height()),
                  kept.leftColour);
        if (!kept.middle.isNull())
            painter.drawPixmap(rect.left() + kept.left, rect.top(), kept.middle);
        fillPlain(
            painter, option,
            QRect(rect.left() + kept.right, rect.top(), rect.width() - kept.right, rect.height()),
            kept.rightColour);
    }

    // The list has already filled its background: where a row's end has that colour, it is
    // there.
    static void fillPlain(QPainter& painter, const QStyleOptionViewItem& option, const QRect& span,
                          QRgb colour)
    {
        if (span.isEmpty() || onBackground(option, colour))
            return;
        painter.fillRect(span, QColor::fromRgb(colour));
    }

    static bool onBackground(const QStyleOptionViewItem& option, QRgb colour)
    {
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const QWidget* viewport = view ? view->viewport() : nullptr;
        if (!viewport || !viewport->autoFillBackground() ||
            viewport->testAttribute(Qt::WA_StyledBackground))
            return false;
        const QBrush& background = viewport->palette().brush(viewport->backgroundRole());
        return background.style() == Qt::SolidPattern && background.color().rgba() == colour;
    }

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

    // Some hundreds of rows: what is kept of a row is mostly its word.
    mutable QCache<QString, KeptRow> m_rows{4 * 1024 * 1024};
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
    m_view->installEventFilter(this);
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
    m_view->setFixedSize(m_searchBox.width(), rows * rowHeight() + 2 * m_view->frameWidth());
    m_view->move(m_searchBox.mapToGlobal(QPoint(0, m_searchBox.height())));
}

int SuggestionList::rowHeight()
{
    const int fontHeight = m_view->fontMetrics().height();
    const QString first = m_model->index(0).data().toString();
    const auto kept = m_rowHeights.constFind(first);
    if (kept != m_rowHeights.cend() && kept->first == fontHeight)
        return kept->second;
    if (m_rowHeights.size() >= 1024)
        m_rowHeights.clear();
    const int height = qMax(m_view->sizeHintForRow(0), fontHeight);
    m_rowHeights.insert(first, {fontHeight, height});
    return height;
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
    if (watched == m_view) {
        if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
            m_rowHeights.clear();
        return QObject::eventFilter(watched, event);
    }
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
