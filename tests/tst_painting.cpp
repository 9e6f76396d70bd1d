// What is painted and how often: a figure area paints from its rendering kept for its
// size, ratio and background, pixel for pixel as a direct paint of the figure; a list
// selection repaints only what it changed.

#include "TestSupport.h"

#include "concepts/CardiacFunctionCurves.h"
#include "concepts/Interactions.h"
#include "concepts/VascularFunctionCurves.h"
#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"
#include "figures/FigurePixmap.h"
#include "figures/PictureArea.h"
#include "reference/DrawnText.h"
#include "shell/TextBox.h"

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

// `widget` as it appears in an image of `ratio` device pixels per pixel, drawn
// `offset` pixels from the image's corner.
QImage rendered(QWidget &widget, qreal ratio, QPoint offset = {})
{
    QImage image((widget.size() + QSize(offset.x(), offset.y())) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image, offset);
    return image;
}

// The figure painted straight onto its area's frame and background, clipped to the
// frame's inside and scaled as the area scales it.
QImage directPaint(const PictureArea &area, qreal ratio, QPoint offset = {})
{
    PictureArea empty;
    empty.setBackground(area.background());
    empty.resize(area.size());
    QImage image = rendered(empty, ratio, offset);
    QPainter painter(&image);
    painter.translate(offset);
    painter.setClipRect(area.contentsRect());
    painter.translate(area.contentsRect().topLeft());
    painter.scale(area.figureScale(), area.figureScale());
    paintFigure(painter, *area.figure());
    return image;
}

// Pixel for pixel the same; on failure, says where the first difference is.
bool samePixels(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size()) {
        qWarning() << "sizes" << actual.size() << expected.size();
        return false;
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                qWarning("first difference at (%d, %d): %08x, expected %08x", x, y,
                         actual.pixel(x, y), expected.pixel(x, y));
                return false;
            }
        }
    }
    return true;
}

// Paint events per widget, and the region each painted, while it is installed.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    QHash<const QWidget *, int> count;
    QHash<const QWidget *, QRegion> region;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto *widget = static_cast<QWidget *>(watched);
            ++count[widget];
            region[widget] += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

// Lets every posted update of `window` be painted.
void paintPending(QWidget *window)
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    }
}

QString nameOf(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (parent && widget->objectName().startsWith(QLatin1String("qt_")))
        return parent->objectName() + QLatin1Char(' ') + widget->objectName();
    return widget->objectName();
}

}  // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { forgetFigurePixmaps(); }

    void sameAsDirectPaint_data();
    void sameAsDirectPaint();
    void repaintsWhatChanged();
    void selectionRepaintsOnlyWhatChanged_data();
    void selectionRepaintsOnlyWhatChanged();
    void answerBoxCoversItself_data();
    void answerBoxCoversItself();
    void drawnTextAsDrawnLineByLine_data();
    void drawnTextAsDrawnLineByLine();
};

void TestPainting::sameAsDirectPaint_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("offset");
    // The areas' sizes on their pages; at 1.5 the area's inside starts half-way into a
    // device pixel unless the area is moved by one pixel.
    const struct {
        const char *figure;
        QSize size;
    } areas[] = {{"cfc1", {449, 385}}, {"cfc2", {449, 385}},  {"vfc1", {449, 377}},
                 {"vfc4", {449, 377}}, {"vfc2", {449, 267}},  {"vfc3", {449, 267}},
                 {"tpr", {521, 369}},  {"volume", {521, 369}}, {"contractility", {521, 369}},
                 {"bloodloss", {521, 369}}, {"orthostatic", {521, 369}},
                 {"failure", {521, 369}}, {"mainfactors", {521, 369}}, {"test1", {465, 329}}};
    for (const auto &area : areas) {
        for (const qreal ratio : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %g", area.figure, ratio)
                << area.figure << area.size << ratio << QPoint();
    }
    QTest::addRow("cfc1 at 1.5, moved") << "cfc1" << QSize(449, 385) << 1.5 << QPoint(1, 1);
    QTest::addRow("cfc1 at 1.25, moved") << "cfc1" << QSize(449, 385) << 1.25 << QPoint(1, 2);
    QTest::addRow("tpr at 1.25") << "tpr" << QSize(521, 369) << 1.25 << QPoint();
    QTest::addRow("cfc1 at natural size") << "cfc1" << QSize(770, 500) << 1.0 << QPoint();
    QTest::addRow("cfc1 squeezed") << "cfc1" << QSize(300, 120) << 2.0 << QPoint();
}

void TestPainting::sameAsDirectPaint()
{
    QFETCH(QString, figure);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    PictureArea area;
    area.setBackground(QColor(255, 255, 225));
    area.setFigure(findFigure(figure));
    area.resize(size);
    QVERIFY(samePixels(rendered(area, ratio, offset), directPaint(area, ratio, offset)));
    // And again from the kept rendering.
    QVERIFY(samePixels(rendered(area, ratio, offset), directPaint(area, ratio, offset)));
}

void TestPainting::repaintsWhatChanged()
{
    // One area through the changes a page goes through: each paint shows the figure as
    // it now is, never a rendering kept from before.
    PictureArea area;
    area.setBackground(Qt::white);
    area.setFigure(findFigure(QStringLiteral("tpr")));
    area.resize(521, 369);
    QVERIFY(samePixels(rendered(area, 1), directPaint(area, 1)));
    area.resize(700, 480);  // larger, as a zoom makes it
    QVERIFY(samePixels(rendered(area, 1), directPaint(area, 1)));
    QVERIFY(samePixels(rendered(area, 2), directPaint(area, 2)));  // a sharper screen
    QVERIFY(samePixels(rendered(area, 1.5), directPaint(area, 1.5)));
    area.setBackground(QColor(255, 255, 225));
    QVERIFY(samePixels(rendered(area, 1.5), directPaint(area, 1.5)));
    area.setFigure(findFigure(QStringLiteral("volume")));
    QVERIFY(samePixels(rendered(area, 1.5), directPaint(area, 1.5)));
    area.resize(521, 369);
    QVERIFY(samePixels(rendered(area, 1), directPaint(area, 1)));

    // Shown in a window: resized, it paints at its new size.
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    area.resize(400, 300);
    paintPending(&area);
    QVERIFY(samePixels(area.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                       directPaint(area, area.devicePixelRatio())));
}

void TestPainting::selectionRepaintsOnlyWhatChanged_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QList<int>>("rows");
    // First topics (the answer box appears), topics that swap a figure or an overlay,
    // the same row again, the heading and a spacer.
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << QList<int>{2, 4, 4, 3, 6, 0, 1};
    QTest::addRow("vascular") << PageId::VascularFunctionCurves
                              << QList<int>{2, 4, 3, 6, 6, 5, 0, 1};
    QTest::addRow("interactions") << PageId::Interactions << QList<int>{2, 5, 5, 3, 7, 0, 1};
}

void TestPainting::selectionRepaintsOnlyWhatChanged()
{
    QFETCH(PageId, page);
    QFETCH(QList<int>, rows);
    Program program;
    program.showPage(page);
    QWidget *window = windowOf(program, page);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    paintPending(window);
    auto *list = control<QListWidget>(program, page, "basicList1");
    auto *answers = control<QPlainTextEdit>(program, page, "BasicAnswers1");
    const QList<PictureArea *> areas = window->findChildren<PictureArea *>();
    QVERIFY(list && answers && !areas.isEmpty());

    for (const int row : rows) {
        QVERIFY(row < list->count());
        QHash<const QWidget *, bool> visibleBefore;
        for (PictureArea *area : areas)
            visibleBefore[area] = area->isVisible();
        const bool boxBefore = answers->isVisible();
        const QString textBefore = answers->toPlainText();
        const int rowBefore = list->currentRow();

        PaintCounter painted;
        QVERIFY(clickRow(list, row));
        paintPending(window);

        // Allowed: the list's rows chosen before and now, the answer box where it
        // appeared or its text changed, the areas that appeared or went, and behind
        // those that went, what they uncovered.
        QSet<const QWidget *> allowed;
        QRegion rowsChanged;
        for (const int r : {rowBefore, row}) {
            if (r >= 0)
                rowsChanged += list->visualItemRect(list->item(r))
                                   .translated(list->viewport()->mapTo(window, QPoint()));
        }
        if (answers->isVisible() && (!boxBefore || answers->toPlainText() != textBefore))
            allowed << answers->viewport();
        if (answers->isVisible() && !boxBefore)
            allowed << answers;
        QRegion uncovered;
        bool figureShown = false;
        for (PictureArea *area : areas) {
            if (area->isVisible() == visibleBefore[area])
                continue;
            allowed << area;
            figureShown = figureShown || (area->isVisible() && painted.count.contains(area));
            if (!area->isVisible())
                uncovered += QRect(area->mapTo(window, QPoint()), area->size());
        }
        for (auto it = painted.count.cbegin(); it != painted.count.cend(); ++it) {
            const QWidget *widget = it.key();
            const QString what = QStringLiteral("row %1: %2 painted %3 times")
                                     .arg(row)
                                     .arg(nameOf(widget))
                                     .arg(it.value());
            QVERIFY2(it.value() == 1, qPrintable(what));
            if (allowed.contains(widget))
                continue;
            const QRegion where = painted.region[widget].translated(widget->mapTo(window, QPoint()));
            QVERIFY2((where - uncovered - rowsChanged).isEmpty(), qPrintable(what));
        }
        if (row != rowBefore)
            QVERIFY2(painted.count.contains(list->viewport()), qPrintable(QString::number(row)));
        const bool areaAppeared = std::any_of(areas.begin(), areas.end(), [&](PictureArea *a) {
            return a->isVisible() && !visibleBefore[a];
        });
        QCOMPARE(figureShown, areaAppeared);
    }
}

void TestPainting::answerBoxCoversItself_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addRow("1") << 1.0;
    QTest::addRow("1.5") << 1.5;
    QTest::addRow("2") << 2.0;
}

void TestPainting::answerBoxCoversItself()
{
    // The window behind is not repainted when the box appears, so every one of the
    // box's device pixels must be its own.
    QFETCH(qreal, ratio);
    Program program;
    program.showPage(PageId::Interactions);
    auto *list = control<QListWidget>(program, PageId::Interactions, "basicList1");
    auto *answers = control<QPlainTextEdit>(program, PageId::Interactions, "BasicAnswers1");
    QVERIFY(list && answers);
    QVERIFY(clickRow(list, 3));
    QVERIFY(answers->isVisible());
    QWidget *window = windowOf(program, PageId::Interactions);
    const QRect box(answers->mapTo(window, QPoint()) * ratio, answers->size() * ratio);
    const QImage image = rendered(*window, ratio).copy(box);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(image.pixelColor(x, y) != QColor(Qt::magenta),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }
    // The same pixels as with the window painted behind it.
    answers->setAutoFillBackground(false);
    QVERIFY(samePixels(image, rendered(*window, ratio).copy(box)));
}

void TestPainting::drawnTextAsDrawnLineByLine_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<qreal>("ratio");
    for (const PageId page : {PageId::Glossary, PageId::Instructions}) {
        for (const qreal ratio : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %g", page == PageId::Glossary ? "glossary" : "instructions",
                          ratio)
                << page << ratio;
    }
}

void TestPainting::drawnTextAsDrawnLineByLine()
{
    // The page's own lines and font, drawn from their kept shapes, against each line
    // drawn as text at its baseline.
    QFETCH(PageId, page);
    QFETCH(qreal, ratio);
    Program program;
    program.showPage(page);
    const auto *onPage = windowOf(program, page)->findChild<DrawnText *>();
    QVERIFY(onPage && onPage->lineCount() > 10);
    QByteArrayList texts;
    std::vector<const char *> lines;
    for (int i = 0; i < onPage->lineCount(); ++i)
        texts << onPage->line(i).toLatin1();
    for (const QByteArray &text : texts)
        lines.push_back(text.constData());
    const QColor colour(20, 40, 160);
    DrawnText text(lines, onPage->font(), colour);
    text.resize(text.sizeHint());
    QCOMPARE(text.sizeHint(), onPage->sizeHint());

    QImage expected(text.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(ratio);
    expected.fill(text.palette().color(QPalette::Window));  // a window's own background
    QPainter painter(&expected);
    painter.setPen(colour);
    painter.setFont(text.font());
    for (int i = 0; i < text.lineCount(); ++i)
        painter.drawText(QPointF(0, text.baseline(i)), text.line(i));
    painter.end();
    QVERIFY(samePixels(rendered(text, ratio), expected));
}

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
