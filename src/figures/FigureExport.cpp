#include "figures/FigureExport.h"

#include "figures/Figure.h"
#include "figures/FigurePainter.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

struct FormatName {
    ExportFormat format;
    const char *suffix;
    const char *kind;
};

constexpr FormatName kFormats[] = {
    {ExportFormat::Png, "png", "PNG image"},
    {ExportFormat::Svg, "svg", "SVG image"},
    {ExportFormat::Pdf, "pdf", "PDF document"},
};

const FormatName &entryOf(ExportFormat format)
{
    for (const FormatName &entry : kFormats) {
        if (entry.format == format)
            return entry;
    }
    return kFormats[0];
}

// Draws the figure on white over the whole canvas, one canvas unit per painter unit.
void paintOnWhite(QPainter &painter, const Figure &figure)
{
    painter.fillRect(QRectF(QPointF(0, 0), figure.canvas.size()), colour::white);
    paintFigure(painter, figure);
}

QByteArray pngData(const Figure &figure, double scale)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    figureImage(figure, scale).save(&buffer, "PNG");
    return data;
}

// The generator states its size in millimetres and names only the family each font
// asks for: the root gets the canvas extent in pixels, and each family list goes on
// to the stand-in the program drew with.
QByteArray polishSvg(QByteArray svg, QSizeF size)
{
    QString text = QString::fromUtf8(svg);
    static const QRegularExpression rootSize(QStringLiteral(R"((<svg[^>]*?)\s+width="[^"]*"\s+height="[^"]*")"));
    text.replace(rootSize, QStringLiteral(R"(\1 width="%1" height="%2")")
                               .arg(size.width())
                               .arg(size.height()));
    for (Face face : {Face::MsSansSerif, Face::Arial, Face::ArialBlack, Face::TimesNewRoman,
                      Face::Symbols}) {
        text.replace(QStringLiteral(R"(font-family="%1")").arg(familyOf(face)),
                     QStringLiteral(R"(font-family="%1")").arg(cssFamilies(face)));
    }
    return text.toUtf8();
}

QByteArray svgData(const Figure &figure, double scale)
{
    QByteArray data;
    QBuffer buffer(&data);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QSizeF extent = figure.canvas.size();
    generator.setSize((extent * scale).toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), extent));
    generator.setResolution(96);
    generator.setTitle(figureTitle(&figure));
    generator.setDescription(figure.description);
    {
        QPainter painter(&generator);
        paintOnWhite(painter, figure);
    }
    return polishSvg(data, extent * scale);
}

QByteArray pdfData(const Figure &figure, double scale)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(figureTitle(&figure));
    writer.setCreator(QStringLiteral("Function Curves"));
    writer.setResolution(72);  // one device unit per point
    const QPageSize page(figure.canvas.size() * scale, QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    painter.scale(scale, scale);
    paintOnWhite(painter, figure);
    painter.end();
    return data;
}

}  // namespace

std::optional<ExportFormat> formatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatName &entry : kFormats) {
        if (suffix == QLatin1String(entry.suffix))
            return entry.format;
    }
    return std::nullopt;
}

QString suffixOf(ExportFormat format)
{
    return QLatin1String(entryOf(format).suffix);
}

QString fileFilterOf(ExportFormat format)
{
    const FormatName &entry = entryOf(format);
    return QStringLiteral("%1 (*.%2)").arg(QLatin1String(entry.kind), QLatin1String(entry.suffix));
}

QImage figureImage(const Figure &figure, double scale)
{
    const QSize size(int(std::ceil(figure.canvas.width() * scale)),
                     int(std::ceil(figure.canvas.height() * scale)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintFigure(painter, figure);
    return image;
}

QByteArray figureData(const Figure &figure, ExportFormat format, double scale)
{
    switch (format) {
    case ExportFormat::Png: return pngData(figure, scale);
    case ExportFormat::Svg: return svgData(figure, scale);
    case ExportFormat::Pdf: return pdfData(figure, scale);
    }
    return {};
}

QString saveFigure(const Figure &figure, SaveFile &file, ExportFormat format, double scale)
{
    if (!file.open())
        return file.errorString();
    const QByteArray data = figureData(figure, format, scale);
    if (data.isEmpty()) {
        file.cancel();
        return QStringLiteral("The figure could not be drawn as %1.")
            .arg(suffixOf(format).toUpper());
    }
    if (!file.write(data)) {
        const QString why = file.errorString();
        file.cancel();
        return why;
    }
    // The commit removes the temporary file when it fails.
    if (!file.commit())
        return file.errorString();
    return {};
}

QString saveFigure(const Figure &figure, const QString &path, ExportFormat format, double scale)
{
    SaveFile file(path);
    return saveFigure(figure, file, format, scale);
}

QMimeData *figureMimeData(const Figure &figure)
{
    auto *mime = new QMimeData;
    mime->setImageData(figureImage(figure, kBitmapScale));
    // Given as PNG bytes as well, for platforms that would convert the image otherwise.
    mime->setData(QStringLiteral("image/png"), pngData(figure, kBitmapScale));
    mime->setData(QStringLiteral("image/svg+xml"), svgData(figure, 1.0));
    return mime;
}

void orientPrinter(const Figure &figure, QPrinter &printer)
{
    const auto fit = [&figure, &printer](QPageLayout::Orientation orientation) {
        QPageLayout layout = printer.pageLayout();
        layout.setOrientation(orientation);
        const QSizeF area = layout.paintRect(QPageLayout::Point).size();
        return std::min(area.width() / figure.canvas.width(),
                        area.height() / figure.canvas.height());
    };
    printer.setPageOrientation(fit(QPageLayout::Landscape) > fit(QPageLayout::Portrait)
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
}

bool printFigure(const Figure &figure, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF extent = figure.canvas.size();
    const double scale = std::min(area.width() / extent.width(), area.height() / extent.height());
    // The painter's origin is the printable area's top-left corner.
    painter.translate((area.width() - extent.width() * scale) / 2,
                      (area.height() - extent.height() * scale) / 2);
    painter.scale(scale, scale);
    paintFigure(painter, figure);
    return painter.end();
}

}  // namespace fc
