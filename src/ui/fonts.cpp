#include "ui/fonts.h"

#include "ui/program_files.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace lexaro::Fonts {

namespace {

QString persian()
{
    return QString::fromUtf16(PersianFamily);
}

} // namespace

int loadProgramFonts()
{
    const QDir folder(programFile(u"\\Fonts"));
    int loaded = 0;
    for (const QString& name :
         folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        loaded += QFontDatabase::addApplicationFont(folder.filePath(name)) >= 0;
    return loaded;
}

QFont tahoma()
{
    QFont font;
    // The Persian face has no Latin letters, so before DejaVu it only draws Arabic script.
    font.setFamilies({QStringLiteral("Tahoma"), persian(), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    return font;
}

QFont calibri(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito"),
                      QStringLiteral("DejaVu Sans"), persian()});
    font.setPointSizeF(pointSize);
    return font;
}

QFont translation()
{
    // "B Traffic" is not to be had on Linux; the shipped Naskh face takes its place, so the
    // translation looks the same everywhere.
    QFont font;
    font.setFamilies({persian()});
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace lexaro::Fonts
