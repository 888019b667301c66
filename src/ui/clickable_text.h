#pragma once

#include <QAbstractButton>

namespace lexaro {

// A line of text that acts like a link: a left click, Space or Enter runs it, Tab reaches
// it with a visible frame, and a screen reader meets it as a button named by its text. The
// program's own pointer shows over it. It draws in its palette's text and window colours.
class ClickableText : public QAbstractButton
{
    Q_OBJECT

public:
    ClickableText(const QString& objectName, const QString& text, const QCursor& pointer,
                  QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lexaro
