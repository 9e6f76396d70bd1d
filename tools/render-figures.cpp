// Writes every figure of the catalogue to OUTDIR/<name>.<format> through the program's
// own export (PNG on white by default). At scale 1 one canvas unit is one pixel (one
// point in a PDF) and pixel (0, 0) is the canvas origin. The figures speak English, or
// the language `--language` names.
//
// usage: render-figures OUTDIR [--scale S] [--format png|svg|pdf] [--language CODE]

#include "figures/FigureCatalogue.h"
#include "figures/FigureExport.h"
#include "figures/Fonts.h"
#include "shell/Language.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const auto usage = [&err] {
        err << "usage: render-figures OUTDIR [--scale S] [--format png|svg|pdf] [--language CODE]\n";
        return 2;
    };

    const QStringList args = QCoreApplication::arguments().mid(1);
    QString outDir;
    double scale = 1.0;
    fc::ExportFormat format = fc::ExportFormat::Png;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toDouble(&ok);
            if (!ok || scale <= 0) {
                err << "render-figures: bad scale " << args[i] << '\n';
                return 2;
            }
        } else if (args[i] == QLatin1String("--format") && i + 1 < args.size()) {
            const std::optional<fc::ExportFormat> chosen = fc::formatOfPath(QLatin1String("x.") + args[++i]);
            if (!chosen) {
                err << "render-figures: unknown format " << args[i] << '\n';
                return 2;
            }
            format = *chosen;
        } else if (args[i] == QLatin1String("--language") && i + 1 < args.size()) {
            if (!fc::setLanguage(args[++i])) {
                err << "render-figures: no translation for " << args[i] << '\n';
                return 2;
            }
        } else if (outDir.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            outDir = args[i];
        } else {
            return usage();
        }
    }
    if (outDir.isEmpty())
        return usage();
    if (!QDir().mkpath(outDir)) {
        err << "render-figures: cannot create " << outDir << '\n';
        return 1;
    }

    fc::installFontSubstitutes();
    int failures = 0;
    for (const QString &name : fc::figureNames()) {
        const QString path = QDir(outDir).filePath(name + QLatin1Char('.') + fc::suffixOf(format));
        const QString why = fc::saveFigure(*fc::findFigure(name), path, format, scale);
        if (!why.isEmpty()) {
            err << "render-figures: cannot write " << path << ": " << why << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
