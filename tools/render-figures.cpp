// Writes every figure of the catalogue to OUTDIR/<name>.png on a white background.
// At scale 1 one canvas unit is one pixel and pixel (0, 0) is the canvas origin.
//
// usage: render-figures OUTDIR [--scale S]

#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"
#include "figures/Fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = QCoreApplication::arguments().mid(1);
    QString outDir;
    double scale = 1.0;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toDouble(&ok);
            if (!ok || scale <= 0) {
                err << "render-figures: bad scale " << args[i] << '\n';
                return 2;
            }
        } else if (outDir.isEmpty()) {
            outDir = args[i];
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        err << "usage: render-figures OUTDIR [--scale S]\n";
        return 2;
    }
    if (!QDir().mkpath(outDir)) {
        err << "render-figures: cannot create " << outDir << '\n';
        return 1;
    }

    fc::installFontSubstitutes();
    int failures = 0;
    for (const QString &name : fc::figureNames()) {
        const fc::Figure *figure = fc::findFigure(name);
        const QSize size(int(std::ceil(figure->canvas.width() * scale)),
                         int(std::ceil(figure->canvas.height() * scale)));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.scale(scale, scale);
            fc::paintFigure(painter, *figure);
        }
        const QString path = QDir(outDir).filePath(name + QLatin1String(".png"));
        if (!image.save(path)) {
            err << "render-figures: cannot write " << path << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
