// Painting cost of every figure, at its natural size and scaled into the picture
// area of its page. A figure repaints on every expose of its page, so the heaviest
// should stay well under 2 ms.

#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"
#include "figures/Fonts.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace fc;

namespace {

struct PageArea {
    const char *figure;
    QSize size;  // the picture area on its page, twips / 15
};

constexpr PageArea kPageAreas[] = {
    {"cfc1", {449, 385}},        {"cfc2", {449, 385}},    {"vfc1", {449, 377}},
    {"vfc4", {449, 377}},        {"vfc2", {449, 267}},    {"vfc3", {449, 265}},
    {"mainfactors", {521, 369}}, {"failure", {521, 369}}, {"orthostatic", {521, 369}},
    {"bloodloss", {521, 369}},   {"contractility", {521, 369}},
    {"volume", {521, 369}},      {"tpr", {521, 369}},     {"test1", {465, 329}},
};

}  // namespace

class BenchFigures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void paint_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");  // empty: natural size
        for (const PageArea &area : kPageAreas) {
            QTest::addRow("%s natural", area.figure) << QString::fromLatin1(area.figure) << QSize();
            QTest::addRow("%s page", area.figure) << QString::fromLatin1(area.figure) << area.size;
        }
    }

    void paint()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const Figure *figure = findFigure(name);
        QVERIFY(figure);
        const QSizeF natural = figure->canvas.size();
        if (size.isEmpty())
            size = natural.toSize();
        const double scale = std::min({1.0, size.width() / natural.width(),
                                       size.height() / natural.height()});
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QBENCHMARK {
            QPainter painter(&image);
            painter.scale(scale, scale);
            paintFigure(painter, *figure);
        }
    }
};

QTEST_MAIN(BenchFigures)
#include "bench_figures.moc"
