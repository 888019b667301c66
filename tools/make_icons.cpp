// Renders the program's icon at the sizes desktops look for in the hicolor theme.
// Usage: lexaro_make_icons <icon.svg> <output folder> <size>...
// Writes <output folder>/<size>/lexaro.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        err << "usage: lexaro_make_icons <icon.svg> <output folder> <size>...\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        err << "cannot read " << args[1] << "\n";
        return 1;
    }
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = args[2] + QLatin1Char('/') + sizeText;
        if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/lexaro.png"))) {
            err << "cannot write " << folder << "/lexaro.png\n";
            return 1;
        }
    }
    return 0;
}
