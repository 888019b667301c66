#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace lexaro {

// The forms are designed in twips, fifteen to a pixel at 96 dots per inch.
QRect twips(int left, int top, int width, int height) noexcept;

// A label in light grey on the dark field (red, green and blue 32) in Calibri.
QLabel* addDarkLabel(QWidget* parent, const QString& name, QRect geometry, qreal pointSize);

} // namespace lexaro
