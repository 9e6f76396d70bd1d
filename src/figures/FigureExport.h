#pragma once

// Figures out of the program: every file, clipboard entry and printed page is painted by
// paintFigure, so what leaves the program is what is on screen.

#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <optional>

class QMimeData;
class QPrinter;

namespace fc {

struct Figure;

enum class ExportFormat { Png, Svg, Pdf };

// Pixels per canvas unit of a figure copied or saved as a bitmap: sharp on a slide.
inline constexpr double kBitmapScale = 2.0;

// The format a file name asks for by its extension (any case), if it names one.
std::optional<ExportFormat> formatOfPath(const QString &path);
QString suffixOf(ExportFormat format);  // "png", "svg", "pdf"
QString fileFilterOf(ExportFormat format);  // "SVG image (*.svg)", as file dialogs take it

// The figure on white at `scale` pixels per canvas unit.
QImage figureImage(const Figure &figure, double scale = 1.0);

// The figure as a file of `format`. PNG: figureImage at `scale`. SVG: the canvas as
// viewBox, width and height the canvas extent times `scale` in pixels, text as text.
// PDF: one page the size of the canvas, `scale` points per canvas unit, fonts embedded.
QByteArray figureData(const Figure &figure, ExportFormat format, double scale = 1.0);

// The steps of a save, QSaveFile's: the data goes to a temporary file that replaces the
// file at `path` only when committed. A save that fails at a step can be stood in.
class SaveFile {
public:
    explicit SaveFile(const QString &path) : m_file(path) {}
    virtual ~SaveFile() = default;
    bool open() { return m_file.open(QIODevice::WriteOnly); }
    virtual bool write(const QByteArray &data) { return m_file.write(data) == data.size(); }
    virtual bool commit() { return m_file.commit(); }
    void cancel() { m_file.cancelWriting(); }
    virtual QString errorString() const { return m_file.errorString(); }

protected:
    QSaveFile m_file;
};

// Writes figureData to `file`: on failure nothing is left behind and an existing file
// stays as it was. Returns an empty string, or why it failed.
QString saveFigure(const Figure &figure, SaveFile &file, ExportFormat format,
                   double scale = 1.0);
QString saveFigure(const Figure &figure, const QString &path, ExportFormat format,
                   double scale = 1.0);

// The clipboard's contents for a copied figure: a PNG at twice the natural size and
// the SVG (image/svg+xml).
QMimeData *figureMimeData(const Figure &figure);

// Turns the page to landscape where the figure fits larger that way. Call before the
// printer is shown to the user, who may still change it.
void orientPrinter(const Figure &figure, QPrinter &printer);
// One page: the figure as vector graphics, centred and scaled to fit the printable area.
bool printFigure(const Figure &figure, QPrinter &printer);

}  // namespace fc
