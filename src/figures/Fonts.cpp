#include "figures/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <map>
#include <set>
#include <tuple>

namespace fc {

namespace {

struct Substitute {
    const char *face;
    const char *standIn;
};

// Liberation fonts share the widths of the Windows fonts, so text placed with
// spaces (the tick labels) stays under its values.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Arial Black", "Lato Black"},
    {"Wingdings", "DejaVu Sans"},
    {"Monotype Sorts", "DejaVu Sans"},
};

// The circled region numbers come from this font's characters whatever the symbol
// font has (see fontFor).
constexpr const char *kSymbolsStandIn = "DejaVu Sans";

// The faces this machine lacks, found when the substitutes are installed.
std::set<QString> &missingFamilies()
{
    static std::set<QString> missing;
    return missing;
}

// The font drawn where `face` is missing.
QString standInOf(Face face)
{
    const QString family = familyOf(face);
    for (const Substitute &s : kSubstitutes) {
        if (family == QLatin1String(s.face) && face != Face::Symbols)
            return QLatin1String(s.standIn);
    }
    return QLatin1String(kSymbolsStandIn);
}

}  // namespace

QString familyOf(Face face)
{
    switch (face) {
    case Face::MsSansSerif: return QStringLiteral("MS Sans Serif");
    case Face::Arial: return QStringLiteral("Arial");
    case Face::ArialBlack: return QStringLiteral("Arial Black");
    case Face::TimesNewRoman: return QStringLiteral("Times New Roman");
    case Face::Symbols: return QStringLiteral("Wingdings");
    }
    return QStringLiteral("Arial");
}

QString cssFamilies(Face face)
{
    const char *generic = face == Face::TimesNewRoman ? "serif" : "sans-serif";
    return QStringLiteral("'%1', '%2', %3")
        .arg(familyOf(face), standInOf(face), QLatin1String(generic));
}

void installFontSubstitutes()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QStringList families = QFontDatabase::families();
    for (const Substitute &s : kSubstitutes) {
        if (!families.contains(QLatin1String(s.face))) {
            QFont::insertSubstitution(QLatin1String(s.face), QLatin1String(s.standIn));
            missingFamilies().insert(QLatin1String(s.face));
        }
    }
}

QString drawnFamily(Face face)
{
    installFontSubstitutes();
    const QString family = familyOf(face);
    // The symbol face asks for its stand-in beside it already (see fontFor).
    if (face == Face::Symbols || !missingFamilies().count(family))
        return family;
    return standInOf(face);
}

QFont controlFont(Face face, double pixelSize, bool bold)
{
    QFont font = fontFor(face, pixelSize, bold);
    font.setFamily(drawnFamily(face));
    return font;
}

QFont fontFor(Face face, double pixelSize, bool bold, bool italic)
{
    // Figures ask for the same few fonts on every paint; resolving a family each
    // time would cost more than drawing the text.
    using Key = std::tuple<Face, int, bool, bool>;
    static std::map<Key, QFont> cache;
    const Key key{face, qMax(1, qRound(pixelSize)), face != Face::ArialBlack && bold, italic};
    if (auto found = cache.find(key); found != cache.end())
        return found->second;

    QFont font(familyOf(face));
    font.setPixelSize(std::get<1>(key));
    if (face == Face::ArialBlack) {
        font.setWeight(QFont::Black);
        // Lato Black is narrower than Arial Black; widened to match, the axis titles'
        // pieces placed one after another meet as they should.
        if (QFontInfo(font).family() != QLatin1String("Arial Black"))
            font.setStretch(115);
    } else {
        font.setBold(bold);
    }
    font.setItalic(italic);
    // The circled region numbers are not in the symbol fonts' own code points here:
    // the text holds U+2776..U+278D, so any font with those characters will do.
    if (face == Face::Symbols)
        font.setFamilies({familyOf(face), QLatin1String(kSymbolsStandIn)});
    cache.emplace(key, font);
    return font;
}

void prepareGlyphs(const QFont &font)
{
    QString printable;
    for (char c = ' '; c <= '~'; ++c)
        printable += QLatin1Char(c);
    const QFontMetricsF metrics(font);
    const qreal ratio = qApp->devicePixelRatio();
    // Text wholly outside the image would be skipped rather than rasterized.
    QImage image((QSizeF(metrics.horizontalAdvance(printable), metrics.height()) * ratio)
                     .toSize()
                     .expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPointF(0, metrics.ascent()), printable);
}

}  // namespace fc
