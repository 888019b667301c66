#pragma once

#include <QLabel>

namespace lexaro {

// A picture that acts on a left click, with the program's own pointer over it.
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    ClickableImage(const QString& objectName, const QString& tooltip, const QCursor& pointer,
                   QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lexaro
