// Figures out of the program: files that renderers other than Qt's draw as the program
// does, the clipboard, Save As with its failures, printing, and the figure window.

#include "TestSupport.h"

#include "explorer/Explorer.h"
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

using namespace fc;
using namespace fc::testing;

namespace {

// Share of the pixels of `a` with a pixel of `b` at most one pixel away whose every
// channel is within `tolerance`: renderers antialias edges differently, and hinting
// and baseline rounding place a glyph's edges up to a pixel apart.
double shareFound(const QImage &a, const QImage &b, int tolerance)
{
    const auto near = [tolerance](QRgb p, QRgb q) {
        return qAbs(qRed(p) - qRed(q)) <= tolerance && qAbs(qGreen(p) - qGreen(q)) <= tolerance
               && qAbs(qBlue(p) - qBlue(q)) <= tolerance;
    };
    qint64 found = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool alike = false;
            for (int d = 0; d < 9 && !alike; ++d) {
                const QPoint at(x + d % 3 - 1, y + d / 3 - 1);
                alike = b.valid(at) && near(a.pixel(x, y), b.pixel(at));
            }
            found += alike;
        }
    }
    return double(found) / (qint64(a.width()) * a.height());
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (!ok)
        qWarning().noquote() << program << "failed:" << process.readAllStandardError();
    return ok;
}

QStringList svgTexts(const QByteArray &svg)
{
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("text"))
            texts << reader.readElementText();
    }
    return texts;
}

// A whole PDF document's page count and first page size in points.
std::pair<int, QSizeF> pdfPages(const QByteArray &pdf)
{
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        return {0, {}};
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([\\d.]+) ([\\d.]+)"));
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpressionMatch m = box.match(text);
    return {int(text.count(page)), QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble())};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Asks `widget` for its context menu as the platform does for a right-click or the
// Menu key; returns the entries of the menu that opened, with its actions.
QMenu *askForMenu(QWidget *widget, QContextMenuEvent::Reason reason, QStringList *entries)
{
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(reason, centre, widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    for (const QAction *action : menu ? menu->actions() : QList<QAction *>())
        *entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return menu;
}

// An entry of a menu, whether the menu or its window owns it.
QAction *actionNamed(const QWidget *owner, const char *name)
{
    for (QAction *action : owner->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return owner->findChild<QAction *>(QLatin1String(name));
}

// The widget a user's pointer reaches over the middle of `area`: its topmost overlay.
QWidget *underPointer(QWidget *area)
{
    return area->window()->childAt(area->mapTo(area->window(), area->rect().center()));
}

// A save that fails at one step, as a full disk fails a write or a folder gone fails the
// commit; a failed commit removes the temporary file, as QSaveFile's does.
class FailingSave : public SaveFile {
public:
    FailingSave(const QString &path, bool atCommit) : SaveFile(path), m_atCommit(atCommit) {}
    bool write(const QByteArray &data) override { return m_atCommit && SaveFile::write(data); }
    bool commit() override
    {
        if (!m_atCommit)
            return SaveFile::commit();
        m_file.cancelWriting();
        return false;
    }
    QString errorString() const override { return QStringLiteral("No space left on device"); }

private:
    bool m_atCommit;
};

const QStringList kAreaMenu = {"Copy", "Save As\u2026", "Print\u2026", "Open in Window"};

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init()
    {
        m_scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(m_scratch->isValid());
    }
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void svgKeepsText();
    void copyPutsBothFormats();
    void saveReplacesWhole_data();
    void saveReplacesWhole();
    void saveFailureTold_data();
    void saveFailureTold();
    void saveAsDialog();
    void printsOnePage();
    void windowFromDoubleClickOnce();
    void windowFromKeysAndMenu();
    void windowScalesAndCloses();
    void windowCaption();

private:
    QWidget *openPage(PageId id);

    QTemporaryDir m_rendered;
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<Program> m_program;
};

void TestExport::initTestCase()
{
    installFontSubstitutes();
    for (const char *format : {"png", "svg", "pdf"}) {
        QVERIFY(run(QStringLiteral(RENDER_FIGURES), {m_rendered.filePath(QLatin1String(format)),
                                                     QStringLiteral("--format"), QLatin1String(format)}));
    }
}

void TestExport::cleanup()
{
    FigureWindow::closeAll();
    m_program.reset();
    processDeferredDeletes();
}

QWidget *TestExport::openPage(PageId id)
{
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
    const bool svg = format == QLatin1String("svg");
    const QString renderer = svg ? QStringLiteral(RSVG_CONVERT) : QStringLiteral(PDFTOPPM);
    if (renderer.isEmpty())
        QSKIP("rsvg-convert or pdftoppm was not found when the tests were configured");
    // pdftoppm at 72 dpi: one point, which is one canvas unit, to a pixel.
    QVERIFY(run(renderer, svg ? QStringList{"-o", raster + ".png", source}
                              : QStringList{"-r", "72", "-png", "-singlefile", source, raster}));
    const QImage theirs = QImage(raster + QLatin1String(".png")).convertToFormat(QImage::Format_RGB32);
    const QImage ours = QImage(m_rendered.filePath("png/" + name + ".png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(theirs.size(), findFigure(name)->canvas.size().toSize());
    const double share = std::min(shareFound(ours, theirs, 48), shareFound(theirs, ours, 48));
    QVERIFY2(share >= 0.99, qPrintable(QStringLiteral("%1% of pixels alike").arg(share * 100)));
}

void TestExport::svgKeepsText()
{
    static const QRegularExpression family(QStringLiteral("<text [^>]*font-family=\"([^\"]*)\""));
    QSet<QString> families;
    for (const QString &name : figureNames()) {
        const Figure &figure = *findFigure(name);
        const QByteArray svg = readAll(m_rendered.filePath("svg/" + name + ".svg"));
        QXmlStreamReader root(svg);
        QVERIFY(root.readNextStartElement());
        QCOMPARE(root.attributes().value("width").toDouble(), figure.canvas.width());
        QCOMPARE(root.attributes().value("height").toDouble(), figure.canvas.height());
        QCOMPARE(QSvgRenderer(svg).viewBoxF(), QRectF(QPointF(0, 0), figure.canvas.size()));
        const QStringList texts = svgTexts(svg);
        for (const Element &element : figure.elements) {
            if (const auto *text = std::get_if<TextElement>(&element))
                QVERIFY2(texts.contains(text->text), qPrintable(name + ": " + text->text));
        }
        for (auto m = family.globalMatch(QString::fromUtf8(svg)); m.hasNext();)
            families << m.next().captured(1);
    }
    // The face's own name, then the stand-in the program drew with.
    QCOMPARE(families, QSet<QString>({"'Arial', 'Liberation Sans', sans-serif",
                                      "'Arial Black', 'Lato Black', sans-serif",
                                      "'Times New Roman', 'Liberation Serif', serif",
                                      "'Wingdings', 'DejaVu Sans', sans-serif"}));
}

void TestExport::copyPutsBothFormats()
{
    QWidget *page = openPage(PageId::CardiacFunctionCurves);
    QGuiApplication::clipboard()->clear();
    QStringList entries;
    // On view in the area cfc1: its overlay, the contractility figure cfc2.
    QMenu *menu = askForMenu(underPointer(page->findChild<QWidget *>("cfc1")), QContextMenuEvent::Mouse, &entries);
    QVERIFY(menu);
    QCOMPARE(entries, kAreaMenu + QStringList({"-", "Explore\u2026"}));
    actionNamed(menu, "copy")->trigger();
    menu->close();

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QSize natural = findFigure("cfc2")->canvas.size().toSize();
    QVERIFY(mime && mime->hasImage());
    QCOMPARE(qvariant_cast<QImage>(mime->imageData()).size(), natural * 2);
    QCOMPARE(QImage::fromData(mime->data("image/png"), "PNG").size(), natural * 2);
    const QByteArray svg = mime->data("image/svg+xml");
    QCOMPARE(QSvgRenderer(svg).viewBoxF().size(), QSizeF(natural));
    QVERIFY(svgTexts(svg).contains("Contractility"));
}

void TestExport::saveReplacesWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("svg") << "figure.svg";
    QTest::addRow("pdf") << "figure.PDF";
    QTest::addRow("png") << "figure.png";
}

void TestExport::saveReplacesWhole()
{
    QFETCH(QString, file);
    const Figure &figure = *findFigure("volume");
    const QString path = m_scratch->filePath(file);
    {
        QFile old(path);  // far longer than the figure in any format
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4 << 20, 'x')));
    }
    const std::optional<ExportFormat> format = formatOfPath(path);
    QVERIFY(format && saveFigureTelling(figure, path, *format, nullptr));
    const QSize extent = figure.canvas.size().toSize();
    if (*format == ExportFormat::Png) {
        QCOMPARE(QImageReader(path).read().size(), extent);
        QCOMPARE(readAll(path), figureData(figure, ExportFormat::Png));
    } else if (*format == ExportFormat::Svg) {
        QCOMPARE(QSvgRenderer(path).defaultSize(), extent);
    } else {
        QCOMPARE(pdfPages(readAll(path)), std::make_pair(1, QSizeF(extent)));
    }
    // Nothing beside it: no temporary file left over.
    QCOMPARE(QDir(m_scratch->path()).entryList(QDir::Files), QStringList{file});
}

void TestExport::saveFailureTold_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("failing");  // the step a stand-in save fails at, if any
    QTest::addRow("read-only folder") << "locked" << "";
    QTest::addRow("folder that is a file") << "plain.txt" << "";
    QTest::addRow("missing folder") << "gone/deeper" << "";
    QTest::addRow("write fails") << "kept" << "write";
    QTest::addRow("commit fails") << "kept" << "commit";
}

void TestExport::saveFailureTold()
{
    QFETCH(QString, folder);
    QFETCH(QString, failing);
    QString dir = m_scratch->filePath(folder);
    if (folder == QLatin1String("locked")) {
        QVERIFY(QDir().mkpath(dir) && QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        // One whom permissions do not stop (root) meets a folder the kernel keeps.
        if (QFile probe(dir + "/probe"); probe.open(QIODevice::WriteOnly))
            dir = QStringLiteral("/proc/self");
    } else if (folder.endsWith(QLatin1String(".txt"))) {
        QVERIFY(QFile(dir).open(QIODevice::WriteOnly));
    }
    const Figure &figure = *findFigure("tpr");
    QWidget *window = FigureWindow::open(figure);
    const QString path = dir + "/tpr.pdf";
    // A file already there stays as it was.
    if (!failing.isEmpty()) {
        QFile old(path);
        QVERIFY(QDir().mkpath(dir) && old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    const QStringList before = QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (failing.isEmpty()) {
        QVERIFY(!saveFigureTelling(figure, path, ExportFormat::Pdf, window));
    } else {
        FailingSave file(path, failing == QLatin1String("commit"));
        QVERIFY(!saveFigureTelling(figure, file, path, ExportFormat::Pdf, window));
    }
    auto *box = window->findChild<QMessageBox *>("figureError");
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains(QDir::toNativeSeparators(path)) && !box->informativeText().isEmpty());
    box->close();
    QFile kept(path);
    QCOMPARE(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(),
             failing.isEmpty() ? QByteArray() : QByteArray("old"));
    QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    // The program carries on.
    QVERIFY(saveFigureTelling(figure, m_scratch->filePath("tpr.pdf"), ExportFormat::Pdf, window));
}

void TestExport::saveAsDialog()
{
    // Proposed: "<figure's title>.svg" in Pictures.
    const QString home = m_scratch->filePath("home");
    QVERIFY(QDir().mkpath(home + "/Pictures") && QDir().mkpath(home + "/slides"));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    const auto restore = qScopeGuard([&] { qputenv("HOME", oldHome); });

    FigureWindow *window = FigureWindow::open(*findFigure("bloodloss"));
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    auto *dialog = window->findChild<QFileDialog *>("saveFigureDialog");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->selectedFiles().value(0), home + "/Pictures/Blood loss.svg");

    // A name without a known extension takes the chosen type's; PNG at twice the size.
    dialog->selectNameFilter("PNG image (*.png)");
    auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(name);
    dialog->setDirectory(home + "/slides");
    name->clear();
    QTest::keyClicks(name, "slide.v2");
    static_cast<QDialog *>(dialog)->accept();
    QImageReader png(home + "/slides/slide.v2.png");
    QCOMPARE(png.format(), QByteArray("png"));
    QCOMPARE(png.size(), findFigure("bloodloss")->canvas.size().toSize() * 2);
    QCOMPARE(window->findChild<QMessageBox *>(), nullptr);
    processDeferredDeletes();

    // The next figure is offered the folder last saved to.
    window = FigureWindow::open(*findFigure("tpr"));
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    dialog = window->findChild<QFileDialog *>("saveFigureDialog");
    QVERIFY(dialog);
    QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).absolutePath(), home + "/slides");
    dialog->reject();
}

void TestExport::printsOnePage()
{
    const Figure &figure = *findFigure("orthostatic");
    const QString path = m_scratch->filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    orientPrinter(figure, printer);
    QVERIFY(printFigure(figure, printer));
    // A wide figure on one landscape A4 page.
    QCOMPARE(pdfPages(readAll(path)), std::make_pair(1, QSizeF(842, 595)));

    FigureWindow *window = FigureWindow::open(figure);
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    auto *dialog = window->findChild<QPrintDialog *>("printFigureDialog");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
    dialog->reject();
}

void TestExport::windowFromDoubleClickOnce()
{
    QWidget *page = openPage(PageId::Interactions);
    auto *master = page->findChild<PictureArea *>("master");
    auto *shown = qobject_cast<PictureArea *>(underPointer(master));
    QVERIFY(shown && shown->figure());
    for (int click = 0; click < 2; ++click)
        QTest::mouseDClick(shown, Qt::LeftButton, {}, shown->rect().center());
    FigureWindow *window = FigureWindow::existing(shown->figure()->name);
    QVERIFY(window && window->isVisible());
    QCOMPARE(&window->figure(), shown->figure());
    QCOMPARE(window->accessibleName(), master->accessibleName());
    QCOMPARE(window->accessibleDescription(), master->accessibleDescription());
    // Opened twice, one window.
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += qobject_cast<FigureWindow *>(w) != nullptr;
    QCOMPARE(windows, 1);
    // Gone when the session ends.
    m_program->endSession();
    QCOMPARE(FigureWindow::existing(shown->figure()->name), nullptr);
}

void TestExport::windowFromKeysAndMenu()
{
    QWidget *page = openPage(PageId::Test);
    QVERIFY(QTest::qWaitForWindowActive(page));
    auto *area = page->findChild<PictureArea *>("test1");
    auto *next = page->findChild<QWidget *>("cmdNext");
    // Enter on a button stays the button's.
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(FigureWindow::existing("test1"), nullptr);

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_F10}) {
        area->setFocus();
        QTest::keyClick(area, key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        if (key == Qt::Key_F10) {  // Shift+F10: the menu, over the area
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu && area->rect().contains(area->mapFromGlobal(menu->pos())));
            actionNamed(menu, "openInWindow")->trigger();
            menu->close();
        }
        FigureWindow *window = FigureWindow::existing("test1");
        QVERIFY2(window && window->isVisible(), qPrintable(QKeySequence(key).toString()));
        closeWindow(window);
    }

    // After a separator, the page's "explore" action, which opens the explorer.
    QStringList entries;
    QMenu *menu = askForMenu(area, QContextMenuEvent::Keyboard, &entries);
    QVERIFY(menu);
    QCOMPARE(entries, kAreaMenu + QStringList({"-", "Explore\u2026"}));
    QAction *explore = actionNamed(menu, "explore");
    QVERIFY(explore);
    explore->trigger();
    menu->close();
    QVERIFY(m_program->explorer() && m_program->explorer()->isVisible());

    // A figure window opened from the page offers the explorer too, and Ctrl+E opens it.
    m_program->explorer()->close();
    processDeferredDeletes();
    QVERIFY(!m_program->explorer());
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Return);
    FigureWindow *window = FigureWindow::existing("test1");
    QVERIFY(window && QTest::qWaitForWindowActive(window));
    entries.clear();
    menu = askForMenu(window, QContextMenuEvent::Keyboard, &entries);
    QVERIFY(menu);
    QCOMPARE(entries.mid(entries.size() - 2), QStringList({"-", "Explore\u2026"}));
    menu->close();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(m_program->explorer() && m_program->explorer()->isVisible());
}

void TestExport::windowScalesAndCloses()
{
    const Figure &figure = *findFigure("cfc1");
    FigureWindow *window = FigureWindow::open(figure);
    QVERIFY(QTest::qWaitForWindowActive(window));
    // First at its natural size, which the screen has room for.
    QCOMPARE(window->size(), figure.canvas.size().toSize());
    // Inside the frame's top-left corner, canvas (182, 126), pale yellow; above the
    // tick label "12", canvas (120, 108), white: both at twice their canvas places in a
    // window twice as large, and, in one too tall, at their own places moved down by
    // half the height to spare.
    const QSize natural = window->size();
    for (const QSize size : {natural * 2, QSize(natural.width(), 2000)}) {
        window->resize(size);
        const QImage shot = window->grab().toImage();
        const double scale = double(size.width()) / natural.width();
        const double below = (window->height() - natural.height() * scale) / 2;
        const auto at = [&](QPointF p) {
            return ((p - figure.canvas.topLeft()) * scale + QPointF(0, below)).toPoint();
        };
        QCOMPARE(shot.pixelColor(at({182, 126})), colour::paleYellow);
        QCOMPARE(shot.pixelColor(at({120, 108})), colour::white);
    }

    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    QStringList entries;
    QMenu *menu = askForMenu(window, QContextMenuEvent::Keyboard, &entries);
    QVERIFY(menu);
    QCOMPARE(entries, QStringList({"Copy", "Save As\u2026", "Print\u2026", "Print Preview\u2026"}));
    menu->close();

    for (auto key : {QKeyCombination(Qt::Key_Escape), Qt::ControlModifier | Qt::Key_W}) {
        window = FigureWindow::open(figure);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, key.key(), key.keyboardModifiers());
        processDeferredDeletes();
        QCOMPARE(FigureWindow::existing("cfc1"), nullptr);
    }
}

void TestExport::windowCaption()
{
    // Its heading where the figure has one, else what it shows.
    const std::pair<const char *, const char *> captions[] = {
        {"failure", "Heart Failure - Decreased Contractility"},
        {"orthostatic", "Tilt from supine (0\u00b0) to upright (90\u00b0)"},
        {"vfc1", "A Vascular Function Curve (VFC) has four important basic regions"},
        {"cfc1", "Cardiac function curve"},
    };
    for (const auto &[name, caption] : captions)
        QCOMPARE(FigureWindow::open(*findFigure(name))->windowTitle(), QString::fromUtf8(caption));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
