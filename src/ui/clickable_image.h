#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace lexaro {

// A picture that acts like a button: a left click, Space or Enter runs it, it takes the
// keyboard focus with a visible frame, and a screen reader meets it as a push button named by
// its tooltip. The program's own pointer shows over it.
class ClickableImage : public QAbstractButton
{
    Q_OBJECT

public:
    ClickableImage(const QString& objectName, const QString& tooltip, const QCursor& pointer,
                   QWidget* parent);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return m_pixmap; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_pixmap;
};

} // namespace lexaro
