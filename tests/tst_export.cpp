// Figures out of the program: files that renderers other than Qt's draw as the program
// does, the clipboard, Save As with its failures, printing, and the figure window.

#include "TestSupport.h"

#include "figures/FigureCatalogue.h"
#include "figures/FigureCommands.h"
#include "figures/FigureExport.h"
#include "figures/FigureWindow.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"

#include <QClipboard>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

namespace {

// Antialiased edges differ a little between renderers, and hinting and baseline
// rounding place a glyph's edges up to a pixel apart: a pixel counts as alike when a
// pixel of the other image at most one pixel away has no channel further off than this.
constexpr int kTolerance = 48;
constexpr double kAlikeShare = 0.99;

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Share of the pixels of `a` that have a near pixel in `b`, as above.
double shareFound(const QImage &a, const QImage &b, int tolerance)
{
    qint64 found = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pixel = a.pixel(x, y);
            bool alike = false;
            for (int dy = -1; dy <= 1 && !alike; ++dy) {
                for (int dx = -1; dx <= 1 && !alike; ++dx) {
                    const QPoint at(x + dx, y + dy);
                    alike = b.valid(at) && near(pixel, b.pixel(at), tolerance);
                }
            }
            found += alike;
        }
    }
    return double(found) / (qint64(a.width()) * a.height());
}

// The lower of the shares either way; -1 when the sizes differ.
double shareAlike(QImage a, QImage b, int tolerance)
{
    if (a.size() != b.size() || a.isNull())
        return -1;
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    return std::min(shareFound(a, b, tolerance), shareFound(b, a, tolerance));
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(QLatin1Char(' ')) << "failed:"
                             << process.readAllStandardError();
        return false;
    }
    return true;
}

QStringList svgTexts(const QByteArray &svg)
{
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            texts << reader.readElementText();
        else if (!reader.isStartElement())
            reader.readNext();
    }
    return texts;
}

int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

QSizeF pdfMediaBox(const QByteArray &pdf)
{
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([\\d.]+) ([\\d.]+)"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isRealPdf(const QByteArray &data)
{
    return data.startsWith("%PDF-") && data.trimmed().endsWith("%%EOF");
}

QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Asks `widget` for its context menu as the platform does for a right-click or the
// Menu key, and returns the menu that opened.
QMenu *askForMenu(QWidget *widget, QContextMenuEvent::Reason reason)
{
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(reason, centre, widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &event);
    return openMenu();
}

QStringList entriesOf(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

QAction *actionNamed(const QWidget *owner, const char *name)
{
    for (QAction *action : owner->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

// The widget a user's pointer reaches over the middle of `area`: its topmost overlay.
QWidget *underPointer(QWidget *area)
{
    QWidget *window = area->window();
    const QPoint centre = area->mapTo(window, area->rect().center());
    return window->childAt(centre);
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void svgKeepsTextAndFonts_data();
    void svgKeepsTextAndFonts();

    void copyPutsBothFormats();
    void saveEachFormat_data();
    void saveEachFormat();
    void saveFailureToldAndNothingLeft_data();
    void saveFailureToldAndNothingLeft();
    void saveReplacesWholeFile();
    void saveAsDialog();
    void printsOnePageInVector();

    void windowOpensFromDoubleClick();
    void windowOpensFromKeysNotStealingEnter();
    void areaMenuFromKeyboard();
    void areaMenuOffersExplore();
    void windowScalesAndCloses();
    void windowCaption_data();
    void windowCaption();
    void windowShortcuts();
    void endSessionClosesFigureWindows();

private:
    QWidget *openPage(PageId id);

    QTemporaryDir m_rendered;
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<Program> m_program;
};

void TestExport::initTestCase()
{
    installFontSubstitutes();
    QVERIFY(m_rendered.isValid());
    for (const char *format : {"png", "svg", "pdf"}) {
        QVERIFY(run(QStringLiteral(RENDER_FIGURES),
                    {m_rendered.filePath(QLatin1String(format)), QStringLiteral("--format"),
                     QLatin1String(format)}));
    }
}

void TestExport::init()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
}

void TestExport::cleanup()
{
    FigureWindow::closeAll();
    m_program.reset();
    processDeferredDeletes();
}

QWidget *TestExport::openPage(PageId id)
{
    if (!m_program)
        m_program = std::make_unique<Program>();
    m_program->showPage(id);
    return windowOf(*m_program, id);
}

void TestExport::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    for (const QString &name : figureNames()) {
        QTest::addRow("%s svg", qPrintable(name)) << name << "svg";
        QTest::addRow("%s pdf", qPrintable(name)) << name << "pdf";
    }
}

void TestExport::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    const QString source = m_rendered.filePath(format + QLatin1Char('/') + name + QLatin1Char('.') + format);
    const QString raster = m_scratch->filePath(name);
    if (format == QLatin1String("svg")) {
        if (QStringLiteral(RSVG_CONVERT).isEmpty())
            QSKIP("rsvg-convert (librsvg2-bin) was not found when the tests were configured");
        QVERIFY(run(QStringLiteral(RSVG_CONVERT), {QStringLiteral("-o"), raster + QLatin1String(".png"), source}));
    } else {
        if (QStringLiteral(PDFTOPPM).isEmpty())
            QSKIP("pdftoppm (poppler-utils) was not found when the tests were configured");
        // At 72 dpi one point, which is one canvas unit, is one pixel.
        QVERIFY(run(QStringLiteral(PDFTOPPM),
                    {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), source, raster}));
    }
    const QImage theirs(raster + QLatin1String(".png"));
    const QImage ours(m_rendered.filePath(QStringLiteral("png/") + name + QLatin1String(".png")));
    QCOMPARE(theirs.size(), findFigure(name)->canvas.size().toSize());
    const double share = shareAlike(ours, theirs, kTolerance);
    QVERIFY2(share >= kAlikeShare, qPrintable(QStringLiteral("%1% of pixels alike").arg(share * 100, 0, 'f', 2)));
}

void TestExport::svgKeepsTextAndFonts_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : figureNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

void TestExport::svgKeepsTextAndFonts()
{
    QFETCH(QString, name);
    const Figure &figure = *findFigure(name);
    const QByteArray svg = readAll(m_rendered.filePath(QStringLiteral("svg/") + name + QLatin1String(".svg")));

    // The canvas extent in pixels, and the canvas as the viewBox.
    QXmlStreamReader reader(svg);
    QVERIFY(reader.readNextStartElement());
    const QSizeF extent = figure.canvas.size();
    QCOMPARE(reader.attributes().value(QLatin1String("width")).toDouble(), extent.width());
    QCOMPARE(reader.attributes().value(QLatin1String("height")).toDouble(), extent.height());
    QCOMPARE(QSvgRenderer(svg).viewBoxF(), QRectF(QPointF(0, 0), extent));

    const QStringList texts = svgTexts(svg);
    for (const Element &element : figure.elements) {
        if (const auto *text = std::get_if<TextElement>(&element))
            QVERIFY2(texts.contains(text->text), qPrintable(text->text));
    }

    // Every family list names the face first and the program's stand-in second.
    static const QRegularExpression family(QStringLiteral("<text [^>]*font-family=\"([^\"]*)\""));
    auto matches = family.globalMatch(QString::fromUtf8(svg));
    QVERIFY(matches.hasNext());
    static const QStringList expected = {
        QStringLiteral("'Arial', 'Liberation Sans', sans-serif"),
        QStringLiteral("'Arial Black', 'Lato Black', sans-serif"),
        QStringLiteral("'Times New Roman', 'Liberation Serif', serif"),
        QStringLiteral("'Wingdings', 'DejaVu Sans', sans-serif"),
        QStringLiteral("'MS Sans Serif', 'Liberation Sans', sans-serif"),
    };
    while (matches.hasNext()) {
        const QString families = matches.next().captured(1);
        QVERIFY2(expected.contains(families), qPrintable(families));
    }
}

void TestExport::copyPutsBothFormats()
{
    QWidget *window = openPage(PageId::CardiacFunctionCurves);
    auto *area = window->findChild<PictureArea *>(QStringLiteral("cfc1"));
    QVERIFY(area);
    QGuiApplication::clipboard()->clear();
    // The menu of the figure on view, the contractility overlay, as a right-click opens it.
    QMenu *menu = askForMenu(underPointer(area), QContextMenuEvent::Mouse);
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu), QStringList({"Copy", "Save As\u2026", "Print\u2026", "Open in Window"}));
    actionNamed(menu, "copy")->trigger();
    menu->close();

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    const QSize natural = findFigure(QStringLiteral("cfc2"))->canvas.size().toSize();
    QVERIFY(mime->hasImage());
    QCOMPARE(qvariant_cast<QImage>(mime->imageData()).size(), natural * 2);
    QCOMPARE(QImage::fromData(mime->data(QStringLiteral("image/png")), "PNG").size(), natural * 2);
    const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBoxF().size(), QSizeF(natural));
    // The overlay's figure, not the container's hidden one.
    QVERIFY(svgTexts(svg).contains(QStringLiteral("Contractility")));
}

void TestExport::saveEachFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("svg") << "figure.svg";
    QTest::addRow("pdf") << "figure.PDF";
    QTest::addRow("png") << "figure.png";
}

void TestExport::saveEachFormat()
{
    QFETCH(QString, file);
    const Figure &figure = *findFigure(QStringLiteral("volume"));
    const QString path = m_scratch->filePath(file);
    const std::optional<ExportFormat> format = formatOfPath(path);
    QVERIFY(format);
    QVERIFY(saveFigureTelling(figure, path, *format, nullptr));
    const QSize extent = figure.canvas.size().toSize();
    switch (*format) {
    case ExportFormat::Png: {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.read().size(), extent);
        break;
    }
    case ExportFormat::Svg: {
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), extent);
        break;
    }
    case ExportFormat::Pdf: {
        const QByteArray pdf = readAll(path);
        QVERIFY(isRealPdf(pdf));
        QCOMPARE(pdfPageCount(pdf), 1);
        QCOMPARE(pdfMediaBox(pdf), QSizeF(extent));
        break;
    }
    }
    // Nothing beside it: no temporary file left over.
    QCOMPARE(QDir(m_scratch->path()).entryList(QDir::Files), QStringList{file});
}

void TestExport::saveFailureToldAndNothingLeft_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readOnly");
    QTest::addRow("read-only folder") << "locked" << true;
    QTest::addRow("folder that is a file") << "plain.txt" << false;
    QTest::addRow("missing folder") << "gone" << false;
}

void TestExport::saveFailureToldAndNothingLeft()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    const QString dir = m_scratch->filePath(folder);
    if (readOnly) {
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(dir + QLatin1String("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("this user writes into read-only folders");
        }
    } else if (folder.endsWith(QLatin1String(".txt"))) {
        QFile plain(dir);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    const Figure &figure = *findFigure(QStringLiteral("tpr"));
    QWidget *window = FigureWindow::open(figure);
    const QString path = dir + QLatin1String("/tpr.pdf");
    QVERIFY(!saveFigureTelling(figure, path, ExportFormat::Pdf, window));
    auto *box = window->findChild<QMessageBox *>(QStringLiteral("figureError"));
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains(QDir::toNativeSeparators(path)));
    QVERIFY(!box->informativeText().isEmpty());
    box->close();
    if (readOnly) {
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QVERIFY(!QFileInfo::exists(path));
    // The program carries on: the next save where it can write succeeds.
    QVERIFY(saveFigureTelling(figure, m_scratch->filePath(QStringLiteral("tpr.pdf")),
                              ExportFormat::Pdf, window));
}

void TestExport::saveReplacesWholeFile()
{
    const QString path = m_scratch->filePath(QStringLiteral("cfc1.png"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 << 20, 'x'));  // far longer than the figure's PNG
    }
    const Figure &figure = *findFigure(QStringLiteral("cfc1"));
    QVERIFY(saveFigure(figure, path, ExportFormat::Png).isEmpty());
    QCOMPARE(readAll(path), figureData(figure, ExportFormat::Png));
}

void TestExport::saveAsDialog()
{
    // Pictures is proposed where there is one, else Documents.
    const QString home = m_scratch->filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home + QLatin1String("/Documents")));
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QLatin1String("/.config")));
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    });

    FigureWindow *window = FigureWindow::open(*findFigure(QStringLiteral("bloodloss")));
    const auto askOnce = [window]() -> QFileDialog * {
        actionNamed(window, "saveAs")->trigger();
        auto *dialog = window->findChild<QFileDialog *>(QStringLiteral("saveFigureDialog"));
        return dialog && dialog->isVisible() ? dialog : nullptr;
    };
    QFileDialog *dialog = askOnce();
    QVERIFY(dialog);
    QCOMPARE(dialog->selectedFiles().value(0), home + QLatin1String("/Documents/bloodloss.svg"));
    dialog->reject();
    processDeferredDeletes();

    QVERIFY(QDir().mkpath(home + QLatin1String("/Pictures")));
    dialog = askOnce();
    QVERIFY(dialog);
    QCOMPARE(dialog->selectedFiles().value(0), home + QLatin1String("/Pictures/bloodloss.svg"));
    QCOMPARE(dialog->nameFilters().value(0), QStringLiteral("SVG image (*.svg)"));

    // A name without a known extension takes the chosen type's.
    dialog->selectNameFilter(QStringLiteral("PNG image (*.png)"));
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->clear();
    QTest::keyClicks(name, QStringLiteral("slide.v2"));
    static_cast<QDialog *>(dialog)->accept();
    processDeferredDeletes();
    QImageReader reader(home + QLatin1String("/Pictures/slide.v2.png"));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(window->findChild<QMessageBox *>(), nullptr);
}

void TestExport::printsOnePageInVector()
{
    const Figure &figure = *findFigure(QStringLiteral("orthostatic"));
    const QString path = m_scratch->filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    orientPrinter(figure, printer);
    QVERIFY(printFigure(figure, printer));
    const QByteArray pdf = readAll(path);
    QVERIFY(isRealPdf(pdf));
    QCOMPARE(pdfPageCount(pdf), 1);
    // A wide figure goes on a landscape page.
    const QSizeF page = pdfMediaBox(pdf);
    QVERIFY2(page.width() > page.height(), qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    // Text printed as text, not as outlines or an image.
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().contains("Reduced central vein volume decreases MCP"));
    }

    // "Print…" asks first.
    FigureWindow *window = FigureWindow::open(figure);
    actionNamed(window, "print")->trigger();
    auto *dialog = window->findChild<QPrintDialog *>(QStringLiteral("printFigureDialog"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
    dialog->reject();
}

void TestExport::windowOpensFromDoubleClick()
{
    QWidget *page = openPage(PageId::Interactions);
    auto *master = page->findChild<PictureArea *>(QStringLiteral("master"));
    QVERIFY(master);
    QWidget *overlay = underPointer(master);
    auto *shown = qobject_cast<PictureArea *>(overlay);
    QVERIFY(shown && shown->figure());
    QTest::mouseDClick(overlay, Qt::LeftButton, {}, overlay->rect().center());
    FigureWindow *window = FigureWindow::existing(shown->figure()->name);
    QVERIFY(window && window->isVisible());
    QCOMPARE(&window->figure(), shown->figure());
    QCOMPARE(window->accessibleName(), master->accessibleName());
    QCOMPARE(window->accessibleDescription(), master->accessibleDescription());

    // Again: the same window, raised, not a second one.
    QTest::mouseDClick(overlay, Qt::LeftButton, {}, overlay->rect().center());
    QCOMPARE(FigureWindow::existing(shown->figure()->name), window);
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<FigureWindow *>(w) != nullptr;
    QCOMPARE(windows, 1);
}

void TestExport::windowOpensFromKeysNotStealingEnter()
{
    QWidget *page = openPage(PageId::Test);
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto *area = page->findChild<PictureArea *>(QStringLiteral("test1"));
    auto *next = page->findChild<QWidget *>(QStringLiteral("cmdNext"));
    QVERIFY(area && next);

    // Enter on a button is the button's.
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(FigureWindow::existing(QStringLiteral("test1")), nullptr);

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
        area->setFocus();
        QTest::keyClick(area, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        FigureWindow *window = FigureWindow::existing(QStringLiteral("test1"));
        QVERIFY2(window && window->isVisible(), qPrintable(QKeySequence(key).toString()));
        closeWindow(window);
        QCOMPARE(FigureWindow::existing(QStringLiteral("test1")), nullptr);
    }
}

void TestExport::areaMenuFromKeyboard()
{
    QWidget *page = openPage(PageId::Test);
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto *area = page->findChild<PictureArea *>(QStringLiteral("test1"));
    area->setFocus();
    QTest::keyClick(area, Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = openMenu();
    QVERIFY(menu);
    // Opened over the area, where the keyboard user is.
    QVERIFY(area->rect().contains(area->mapFromGlobal(menu->pos())));
    actionNamed(menu, "openInWindow")->trigger();
    menu->close();
    FigureWindow *window = FigureWindow::existing(QStringLiteral("test1"));
    QVERIFY(window && window->isVisible());
}

void TestExport::areaMenuOffersExplore()
{
    QWidget *page = openPage(PageId::CardiacFunctionCurves);
    auto *explore = new QAction(QStringLiteral("Explore\u2026"), page);
    explore->setObjectName(QStringLiteral("explore"));
    page->addAction(explore);
    auto *area = page->findChild<PictureArea *>(QStringLiteral("cfc1"));
    QMenu *menu = askForMenu(underPointer(area), QContextMenuEvent::Keyboard);
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu),
             QStringList({"Copy", "Save As\u2026", "Print\u2026", "Open in Window", "-", "Explore\u2026"}));
    menu->close();
}

void TestExport::windowScalesAndCloses()
{
    const Figure &figure = *findFigure(QStringLiteral("cfc1"));
    FigureWindow *window = FigureWindow::open(figure);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // First at the figure's natural size, which the screen has room for.
    QCOMPARE(window->size(), figure.canvas.size().toSize());
    QCOMPARE(window->figureScale(), 1.0);

    const QSize twice = figure.canvas.size().toSize() * 2;
    window->resize(twice);
    QCOMPARE(window->figureScale(), 2.0);
    // The frame's pale yellow just inside its top-left corner, canvas (182, 126),
    // lands at twice its distance from the canvas origin.
    const QImage shot = window->grab().toImage();
    const auto at = [&figure](QPointF canvas) { return ((canvas - figure.canvas.topLeft()) * 2).toPoint(); };
    QCOMPARE(shot.pixelColor(at({182, 126})), colour::paleYellow);
    // and the white above the tick label "12", left of the frame.
    QCOMPARE(shot.pixelColor(at({120, 108})), colour::white);

    // Too tall a window: the figure keeps its proportions, centred.
    window->resize(figure.canvas.size().toSize().width(), twice.height() * 2);
    QCOMPARE(window->figureScale(), 1.0);

    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    processDeferredDeletes();
    QCOMPARE(FigureWindow::existing(QStringLiteral("cfc1")), nullptr);
}

void TestExport::windowCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    // Its heading where the figure has one, else what it shows.
    QTest::addRow("failure") << "failure" << "Heart Failure - Decreased Contractility";
    QTest::addRow("orthostatic") << "orthostatic" << "Tilt from supine (0\u00b0) to upright (90\u00b0)";
    QTest::addRow("bloodloss") << "bloodloss" << "Blood Loss - Initial Changes";
    QTest::addRow("vfc1") << "vfc1" << "A Vascular Function Curve (VFC) has four important basic regions";
    QTest::addRow("tpr") << "tpr" << "Changes in TPR Change Slope of VFC";
    QTest::addRow("cfc1") << "cfc1" << "Cardiac function curve";
    QTest::addRow("test1") << "test1" << "Practice test figure";
}

void TestExport::windowCaption()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(FigureWindow::open(*findFigure(name))->windowTitle(), caption);
}

void TestExport::windowShortcuts()
{
    FigureWindow *window = FigureWindow::open(*findFigure(QStringLiteral("vfc3")));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime && mime->hasFormat(QStringLiteral("image/svg+xml")));

    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    auto *save = window->findChild<QFileDialog *>(QStringLiteral("saveFigureDialog"));
    QVERIFY(save && save->isVisible());
    save->reject();

    QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu), QStringList({"Copy", "Save As\u2026", "Print\u2026", "Print Preview\u2026"}));
    menu->close();

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    processDeferredDeletes();
    QCOMPARE(FigureWindow::existing(QStringLiteral("vfc3")), nullptr);
}

void TestExport::endSessionClosesFigureWindows()
{
    openPage(PageId::CardiacFunctionCurves);
    QPointer<FigureWindow> one = FigureWindow::open(*findFigure(QStringLiteral("cfc1")));
    QPointer<FigureWindow> two = FigureWindow::open(*findFigure(QStringLiteral("cfc2")));
    m_program->endSession();
    QVERIFY(!one && !two);
    QCOMPARE(FigureWindow::existing(QStringLiteral("cfc1")), nullptr);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
