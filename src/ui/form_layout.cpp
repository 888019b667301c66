#include "ui/form_layout.h"

#include "ui/fonts.h"

#include <QLabel>

namespace lexaro {

QRect twips(int left, int top, int width, int height) noexcept
{
    constexpr double perPixel = 15.0;
    return {qRound(left / perPixel), qRound(top / perPixel), qRound(width / perPixel),
            qRound(height / perPixel)};
}

QLabel* addDarkLabel(QWidget* parent, const QString& name, QRect geometry, qreal pointSize)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(Fonts::calibri(pointSize));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(32, 32, 32));
    palette.setColor(QPalette::WindowText, QColor(240, 240, 240)); // the button-face grey
    label->setPalette(palette);
    return label;
}

} // namespace lexaro
