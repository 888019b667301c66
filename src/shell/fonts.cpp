#include "shell/fonts.h"

#include <QStringList>

namespace lexaro::Fonts {

QFont tahoma()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Noto Sans Arabic")});
    font.setPointSizeF(8.25);
    return font;
}

QFont calibri(qreal pointSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Calibri"), QStringLiteral("Carlito"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}

QFont translation()
{
    QFont font;
    font.setFamilies({QStringLiteral("B Traffic"), QStringLiteral("Nazli"),
                      QStringLiteral("Noto Naskh Arabic")});
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace lexaro::Fonts
