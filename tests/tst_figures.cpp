#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"
#include "figures/SharedElements.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QtTest>

#include <cmath>
#include <functional>
#include <numbers>

using namespace fc;

Q_DECLARE_METATYPE(fc::TextElement)

namespace {

const Axes kAxes{};
const Axes kTestAxes{kTestFrameCorner};

Axes axesOf(const QString &figure)
{
    return figure == QLatin1String("test1") ? kTestAxes : kAxes;
}

const Figure &figureNamed(const QString &name)
{
    const Figure *figure = findFigure(name);
    if (!figure)
        qFatal("no figure %s", qPrintable(name));
    return *figure;
}

// One canvas unit per pixel, pixel (0, 0) at the canvas origin, white background.
QImage render(const Figure &figure)
{
    QImage image(figure.canvas.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFigure(painter, figure);
    return image;
}

QColor pixelAt(const QImage &image, const Figure &figure, QPointF canvasPoint)
{
    const QPointF p = canvasPoint - figure.canvas.topLeft();
    return image.pixelColor(int(std::floor(p.x())), int(std::floor(p.y())));
}

// Antialiased edges blend a little; a pixel well inside a shape is its colour.
bool closeTo(const QColor &actual, const QColor &expected, int tolerance = 40)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
           && std::abs(actual.green() - expected.green()) <= tolerance
           && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QString describe(const QColor &c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// The point of a Bézier chain (axis units) at a given CVP; the named curves run
// steadily to the right.
QPointF curvePointAtCvp(const CurveData &curve, double cvp)
{
    double lo = 0, hi = double(curve.segments.size());
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (pointOnCurve(curve, mid).x() < cvp ? lo : hi) = mid;
    }
    return pointOnCurve(curve, lo);
}

std::vector<QPointF> canvasPoints(const CurveData &curve, const Axes &axes)
{
    std::vector<QPointF> points{axes.toCanvas(curve.start)};
    for (const BezierSegment &s : curve.segments) {
        points.push_back(axes.toCanvas(s.control1));
        points.push_back(axes.toCanvas(s.control2));
        points.push_back(axes.toCanvas(s.end));
    }
    return points;
}

std::vector<QPointF> canvasPoints(const CurveElement &curve)
{
    std::vector<QPointF> points{curve.start};
    for (const BezierSegment &s : curve.segments) {
        points.push_back(s.control1);
        points.push_back(s.control2);
        points.push_back(s.end);
    }
    return points;
}

template <class T>
std::vector<const T *> elementsOf(const Figure &figure)
{
    std::vector<const T *> found;
    for (const Element &e : figure.elements) {
        if (const T *t = std::get_if<T>(&e))
            found.push_back(t);
    }
    return found;
}

const CurveData &namedCurve(const QString &which)
{
    if (which == QLatin1String("up"))
        return cfcUpCurve();
    if (which == QLatin1String("down"))
        return cfcDownCurve();
    return cfcControlCurve();
}

}  // namespace

class TestFigures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void catalogue_data();
    void catalogue();
    void names();

    void axisMapping_data();
    void axisMapping();

    void frameFirst_data();
    void frameFirst();

    void pixels_data();
    void pixels();

    void markerRings_data();
    void markerRings();

    void namedCurves_data();
    void namedCurves();

    void sharedCurveShapes_data();
    void sharedCurveShapes();

    void texts_data();
    void texts();

    void guides_data();
    void guides();
    void equalPressureLine();
    void roundDots_data();
    void roundDots();
    void textsDrawnAsText_data();
    void textsDrawnAsText();

    void regionNumbers_data();
    void regionNumbers();

    void fonts_data();
    void fonts();

    void descriptions_data();
    void descriptions();

    void pictureAreaScales_data();
    void pictureAreaScales();
    void overlayCoversContainer();
};

void TestFigures::initTestCase()
{
    installFontSubstitutes();
}

void TestFigures::catalogue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("canvas");
    // Origin and extent of each figure's canvas, in catalogue order.
    QTest::addRow("cfc1") << "cfc1" << QRectF(70, 102, 764, 494);
    QTest::addRow("cfc2") << "cfc2" << QRectF(70, 102, 764, 494);
    QTest::addRow("vfc1") << "vfc1" << QRectF(70, 102, 764, 494);
    QTest::addRow("vfc4") << "vfc4" << QRectF(70, 102, 764, 494);
    QTest::addRow("vfc2") << "vfc2" << QRectF(70, 102, 764, 454);
    QTest::addRow("vfc3") << "vfc3" << QRectF(70, 102, 764, 454);
    QTest::addRow("mainfactors") << "mainfactors" << QRectF(70, 102, 764, 486);
    QTest::addRow("failure") << "failure" << QRectF(78, 102, 806, 486);
    QTest::addRow("orthostatic") << "orthostatic" << QRectF(78, 102, 741, 486);
    QTest::addRow("bloodloss") << "bloodloss" << QRectF(78, 102, 741, 486);
    QTest::addRow("contractility") << "contractility" << QRectF(70, 102, 764, 486);
    QTest::addRow("volume") << "volume" << QRectF(78, 102, 748, 545);
    QTest::addRow("tpr") << "tpr" << QRectF(78, 102, 748, 486);
    QTest::addRow("test1") << "test1" << QRectF(94, 142, 764, 486);
}

void TestFigures::catalogue()
{
    QFETCH(QString, name);
    QFETCH(QRectF, canvas);
    const Figure *figure = findFigure(name);
    QVERIFY(figure);
    QCOMPARE(figure->name, name);
    QCOMPARE(figure->canvas, canvas);
    QVERIFY(!figure->elements.empty());
    // Built once: pages keep the pointer.
    QCOMPARE(findFigure(name), figure);
}

void TestFigures::names()
{
    QCOMPARE(findFigure(QStringLiteral("master")), nullptr);
    const QStringList expected{"cfc1",          "cfc2",     "vfc1",        "vfc4",     "vfc2",
                               "vfc3",          "mainfactors", "failure", "orthostatic", "bloodloss",
                               "contractility", "volume",   "tpr",         "test1"};
    QCOMPARE(figureNames(), expected);
}

void TestFigures::axisMapping_data()
{
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QPointF>("axisPoint");
    QTest::addColumn<QPointF>("canvasPoint");
    QTest::addRow("frame bottom left") << kFrameCorner << QPointF(-4, 0) << QPointF(176, 512);
    QTest::addRow("frame top right") << kFrameCorner << QPointF(12, 12.25) << QPointF(800, 120);
    QTest::addRow("wide frame right") << kFrameCorner << QPointF(14.05, 0)
                                      << QPointF(879.95, 512);
    QTest::addRow("operating point") << kFrameCorner << QPointF(2.15, 5) << QPointF(415.85, 352);
    QTest::addRow("below the axis") << kFrameCorner << QPointF(7.74, -3.84)
                                    << QPointF(633.86, 634.88);
    QTest::addRow("test frame bottom left") << kTestFrameCorner << QPointF(-4, 0)
                                            << QPointF(200, 552);
    QTest::addRow("test frame top right") << kTestFrameCorner << QPointF(12, 12.25)
                                          << QPointF(824, 160);
}

void TestFigures::axisMapping()
{
    QFETCH(QPointF, corner);
    QFETCH(QPointF, axisPoint);
    QFETCH(QPointF, canvasPoint);
    const Axes axes{corner};
    const QPointF mapped = axes.toCanvas(axisPoint);
    QVERIFY2(std::abs(mapped.x() - canvasPoint.x()) < 1e-9
                 && std::abs(mapped.y() - canvasPoint.y()) < 1e-9,
             qPrintable(QStringLiteral("(%1, %2)").arg(mapped.x()).arg(mapped.y())));
    const QPointF back = axes.toAxis(canvasPoint);
    QVERIFY(std::abs(back.x() - axisPoint.x()) < 1e-9 && std::abs(back.y() - axisPoint.y()) < 1e-9);
    QCOMPARE(axes.shift(), corner - kFrameCorner);
}

void TestFigures::frameFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("rightCvp");
    for (const QString &name : figureNames())
        QTest::addRow("%s", qPrintable(name)) << name
                                              << (name == QLatin1String("failure") ? 14.05 : 12.0);
}

void TestFigures::frameFirst()
{
    QFETCH(QString, name);
    QFETCH(double, rightCvp);
    const Figure &figure = figureNamed(name);
    const Axes axes = axesOf(name);
    const auto *frame = std::get_if<RectElement>(&figure.elements.front());
    QVERIFY2(frame, "the frame is the first element");
    // CVP 14.05 is canvas x 879.95; the wide frame may round it to 880.
    const QRectF expected(axes.toCanvas(-4, 12.25), axes.toCanvas(rightCvp, 0));
    QCOMPARE(frame->rect.topLeft(), expected.topLeft());
    QCOMPARE(frame->rect.bottom(), expected.bottom());
    QVERIFY2(std::abs(frame->rect.right() - expected.right()) < 0.1,
             qPrintable(QString::number(frame->rect.right())));
    QCOMPARE(frame->fill, std::optional<QColor>(colour::paleYellow));
    QVERIFY(frame->outline);
    QCOMPARE(frame->outline->colour, colour::black);
    QCOMPARE(frame->outline->width, 4.0);

    const QImage image = render(figure);
    // The frame's top-left corner, stroked black over the pale-yellow fill.
    const QPointF corner = axes.toCanvas(-4, 12.25);
    QVERIFY(closeTo(pixelAt(image, figure, corner + QPointF(20, 0)), colour::black));
    QVERIFY(closeTo(pixelAt(image, figure, corner + QPointF(0, 20)), colour::black));
    QVERIFY(closeTo(pixelAt(image, figure, corner + QPointF(8, 8)), colour::paleYellow));
}

void TestFigures::pixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("at");  // axis units
    QTest::addColumn<QColor>("expected");

    const auto onCurve = [](const CurveData &curve, double cvp) {
        return curvePointAtCvp(curve, cvp);
    };
    const CurveData &control = cfcControlCurve();
    const CurveData &up = cfcUpCurve();
    const CurveData &down = cfcDownCurve();

    QTest::addRow("cfc1 frame left") << "cfc1" << QPointF(-4, 6) << colour::black;
    QTest::addRow("cfc1 frame right") << "cfc1" << QPointF(12, 6) << colour::black;
    QTest::addRow("cfc1 frame bottom") << "cfc1" << QPointF(10, 0) << colour::black;
    QTest::addRow("cfc1 fill") << "cfc1" << QPointF(10, 2) << colour::paleYellow;
    // CFC-control at the ends of its segments.
    const double controlEnds[] = {-2.97, -1.74, 0.31, 1.74, 3.38, 5.44};
    for (double cvp : controlEnds)
        QTest::addRow("cfc1 control at CVP %.2f", cvp) << "cfc1" << onCurve(control, cvp)
                                                        << colour::black;
    QTest::addRow("cfc1 control before P1") << "cfc1" << onCurve(control, 8.0) << colour::black;
    // P1, drawn after the curve, hides it from CVP 8.31 to its end at 9.54.
    const double hidden[] = {8.51, 9.0, 9.54};
    for (double cvp : hidden)
        QTest::addRow("cfc1 P1 hides control at CVP %.2f", cvp)
            << "cfc1" << onCurve(control, cvp) << colour::paleYellow;
    QTest::addRow("cfc1 arrow head") << "cfc1" << QPointF(6.08, 7.85) << colour::black;

    const double upEnds[] = {-0.41, 0.79, 2.15, 3.87};
    for (double cvp : upEnds)
        QTest::addRow("cfc2 up at CVP %.2f", cvp) << "cfc2" << onCurve(up, cvp) << colour::red;
    QTest::addRow("cfc2 P2 hides up") << "cfc2" << onCurve(up, 6.44) << colour::paleYellow;
    const double downEnds[] = {2.85, 4.51, 6.62};
    for (double cvp : downEnds)
        QTest::addRow("cfc2 down at CVP %.2f", cvp) << "cfc2" << onCurve(down, cvp)
                                                     << colour::blue;
    QTest::addRow("cfc2 P3 hides down") << "cfc2" << onCurve(down, 9.72) << colour::paleYellow;
    QTest::addRow("cfc2 control") << "cfc2" << onCurve(control, 3.38) << colour::black;
    QTest::addRow("cfc2 P1 hides control") << "cfc2" << onCurve(control, 9.0)
                                           << colour::paleYellow;

    QTest::addRow("vfc1 slope") << "vfc1" << QPointF(3, 5 * (6.87 - 3) / 7.38) << colour::black;
    QTest::addRow("vfc1 flat") << "vfc1" << QPointF(-2, 4.97) << colour::black;
    QTest::addRow("vfc1 above flat") << "vfc1" << QPointF(-3, 4.5) << colour::paleYellow;

    QTest::addRow("vfc4 vfc plateau") << "vfc4" << QPointF(-2, 7) << colour::black;
    QTest::addRow("vfc4 vfc foot") << "vfc4" << QPointF(6.87, 0) << colour::black;
    QTest::addRow("vfc4 guide down head") << "vfc4" << QPointF(2.15, 6.0 / 32) << colour::black;
    QTest::addRow("vfc4 guide left head") << "vfc4" << QPointF(-4 + 6.0 / 39, 5) << colour::black;
    QTest::addRow("vfc4 P1 over the control end") << "vfc4" << onCurve(control, 9.2)
                                                  << colour::paleYellow;

    QTest::addRow("vfc2 red slope") << "vfc2" << QPointF(4, 6.25 * 4.72 / 9.23) << colour::red;
    QTest::addRow("vfc2 red flat") << "vfc2" << QPointF(-2.5, 6.25) << colour::red;
    QTest::addRow("vfc2 blue slope") << "vfc2" << QPointF(2, 3.75 * 2.82 / 5.33) << colour::blue;
    QTest::addRow("vfc2 blue flat") << "vfc2" << QPointF(-2.5, 3.75) << colour::blue;
    QTest::addRow("vfc2 red foot") << "vfc2" << QPointF(8.72, 0) << colour::red;
    QTest::addRow("vfc2 blue foot") << "vfc2" << QPointF(4.82, 0) << colour::blue;
    QTest::addRow("vfc2 control over the lines") << "vfc2" << onCurve(control, 0.9)
                                                 << colour::black;
    // Above the "CFC" drawn over the patch.
    QTest::addRow("vfc2 P4 hides control") << "vfc2" << onCurve(control, 9.54)
                                           << colour::paleYellow;

    QTest::addRow("vfc3 red") << "vfc3" << QPointF(3.13, 0.12 + 8.6 * 3.69 / 7.38) << colour::red;
    QTest::addRow("vfc3 blue") << "vfc3" << QPointF(3.09, 0.16 + 2.53 * 3.68 / 7.36)
                               << colour::blue;
    QTest::addRow("vfc3 no red plateau") << "vfc3" << QPointF(-2.5, 8.72) << colour::paleYellow;
}

void TestFigures::pixels()
{
    QFETCH(QString, name);
    QFETCH(QPointF, at);
    QFETCH(QColor, expected);
    const Figure &figure = figureNamed(name);
    const QImage image = render(figure);
    const QColor actual = pixelAt(image, figure, axesOf(name).toCanvas(at));
    QVERIFY2(closeTo(actual, expected),
             qPrintable(describe(actual) + QLatin1String(" expected ") + describe(expected)));
}

void TestFigures::markerRings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");  // where the outline runs, canvas units
    QTest::addColumn<QColor>("outline");
    QTest::addColumn<QColor>("fill");
    // Where the vertical dotted line meets CFC-up, CFC-down and CFC-control.
    QTest::addRow("cfc2 on up") << "cfc2" << QPointF(1.32, 8.20) << 9.5 << colour::red
                                << colour::paleYellow;
    QTest::addRow("cfc2 on down") << "cfc2" << QPointF(1.32, 1.30) << 9.5 << colour::blue
                                  << colour::paleYellow;
    QTest::addRow("cfc2 on control") << "cfc2" << QPointF(1.32, 3.70) << 9.5 << colour::black
                                     << colour::paleYellow;
    QTest::addRow("vfc4 operating point") << "vfc4" << QPointF(2.17, 4.95) << 9.5 << colour::black
                                          << colour::paleYellow;
}

void TestFigures::markerRings()
{
    QFETCH(QString, name);
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(QColor, outline);
    QFETCH(QColor, fill);
    const Figure &figure = figureNamed(name);
    const QImage image = render(figure);
    const QPointF c = axesOf(name).toCanvas(centre);
    QVERIFY2(closeTo(pixelAt(image, figure, c), fill), qPrintable(describe(pixelAt(image, figure, c))));
    for (int step = 0; step < 8; ++step) {
        const double angle = step * M_PI / 4;
        const QPointF p = c + QPointF(std::cos(angle), std::sin(angle)) * radius;
        const QColor actual = pixelAt(image, figure, p);
        QVERIFY2(closeTo(actual, outline, 60),
                 qPrintable(QStringLiteral("at %1 deg: ").arg(step * 45) + describe(actual)));
    }
}

void TestFigures::namedCurves_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addRow("control") << "control" << QPointF(-4.00, 0.34) << QPointF(9.54, 7.75);
    QTest::addRow("up") << "up" << QPointF(-4.00, 0.38) << QPointF(7.28, 11.75);
    QTest::addRow("down") << "down" << QPointF(-2.97, 0.28) << QPointF(10.77, 4.25);
}

void TestFigures::namedCurves()
{
    QFETCH(QString, which);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    const CurveData &curve = namedCurve(which);
    QCOMPARE(curve.segments.size(), std::size_t(8));
    QCOMPARE(curve.start, start);
    QCOMPARE(curve.segments.back().end, end);
    QCOMPARE(pointOnCurve(curve, 0), start);
    QCOMPARE(pointOnCurve(curve, 8), end);
    // Whole parameters land on segment ends.
    for (int i = 1; i < 8; ++i) {
        const QPointF p = pointOnCurve(curve, i);
        QVERIFY(std::abs(p.x() - curve.segments[i - 1].end.x()) < 1e-12);
        QVERIFY(std::abs(p.y() - curve.segments[i - 1].end.y()) < 1e-12);
    }
}

void TestFigures::sharedCurveShapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("which");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("width");

    QTest::addRow("cfc1 control") << "cfc1" << "control" << colour::black << 11.0;
    QTest::addRow("cfc2 control") << "cfc2" << "control" << colour::black << 11.0;
    QTest::addRow("cfc2 up") << "cfc2" << "up" << colour::red << 11.0;
    QTest::addRow("cfc2 down") << "cfc2" << "down" << colour::blue << 11.0;
    QTest::addRow("vfc4 control") << "vfc4" << "control" << colour::black << 11.0;
    QTest::addRow("vfc2 control") << "vfc2" << "control" << colour::black << 11.0;
    QTest::addRow("vfc3 control") << "vfc3" << "control" << colour::black << 11.0;
    QTest::addRow("mainfactors control") << "mainfactors" << "control" << colour::black << 8.0;
    QTest::addRow("failure control") << "failure" << "control" << colour::black << 8.0;
    QTest::addRow("orthostatic control") << "orthostatic" << "control" << colour::black << 8.0;
    QTest::addRow("bloodloss control") << "bloodloss" << "control" << colour::black << 8.0;
    QTest::addRow("contractility control") << "contractility" << "control" << colour::black
                                           << 8.0;
    QTest::addRow("contractility up") << "contractility" << "up" << colour::red << 8.0;
    QTest::addRow("contractility down") << "contractility" << "down" << colour::blue << 8.0;
    QTest::addRow("volume control") << "volume" << "control" << colour::black << 8.0;
    QTest::addRow("tpr control") << "tpr" << "control" << colour::black << 8.0;
    // The test figure draws them 24 right and 40 lower, with its own frame.
    QTest::addRow("test1 up") << "test1" << "up" << colour::red << 4.0;
    QTest::addRow("test1 down") << "test1" << "down" << colour::blue << 4.0;
}

void TestFigures::sharedCurveShapes()
{
    QFETCH(QString, name);
    QFETCH(QString, which);
    QFETCH(QColor, colour);
    QFETCH(double, width);
    const Figure &figure = figureNamed(name);
    const std::vector<QPointF> expected = canvasPoints(namedCurve(which), axesOf(name));
    int matches = 0;
    for (const CurveElement *curve : elementsOf<CurveElement>(figure)) {
        if (curve->pen.colour != colour || curve->segments.size() != 8)
            continue;
        const std::vector<QPointF> actual = canvasPoints(*curve);
        bool same = true;
        for (std::size_t i = 0; i < actual.size() && same; ++i) {
            same = std::abs(actual[i].x() - expected[i].x()) < 1e-9
                   && std::abs(actual[i].y() - expected[i].y()) < 1e-9;
        }
        if (same) {
            ++matches;
            QCOMPARE(curve->pen.width, width);
        }
    }
    QCOMPARE(matches, 1);
}

void TestFigures::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("baseline");  // canvas units
    QTest::addColumn<int>("face");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");

    const auto at = [](double cvp, double co) { return kAxes.toCanvas(cvp, co); };
    const int times = int(Face::TimesNewRoman), arial = int(Face::Arial),
              black = int(Face::ArialBlack);

    // Shared labels and titles at their canvas places.
    QTest::addRow("cfc1 CVP label 10") << "cfc1" << "    10 " << QPointF(674, 543) << times << 27.0
                                       << true << colour::black;
    QTest::addRow("cfc1 CVP label -4") << "cfc1" << "-4   " << QPointF(170, 543) << times << 27.0
                                       << true << colour::black;
    QTest::addRow("cfc1 CVP label 12") << "cfc1" << "12" << QPointF(788, 543) << times << 27.0
                                       << true << colour::black;
    QTest::addRow("cfc1 CO label 8") << "cfc1" << "  8" << QPointF(138, 263) << times << 27.0
                                     << true << colour::black;
    QTest::addRow("cfc1 CO title") << "cfc1" << "CO" << QPointF(85, 318) << black << 27.0 << false
                                   << colour::black;
    QTest::addRow("cfc1 CO unit") << "cfc1" << "min" << QPointF(93, 342) << black << 19.0 << false
                                  << colour::black;
    QTest::addRow("cfc1 CVP title") << "cfc1" << " (mmHg)" << QPointF(415, 582) << black << 27.0
                                    << false << colour::black;
    QTest::addRow("vfc4 CVP title split") << "vfc4" << ")" << QPointF(527, 582) << black << 27.0
                                          << false << colour::black;
    QTest::addRow("vfc2 CVP title inside") << "vfc2" << "CVP" << QPointF(682, 505) << black
                                           << 19.0 << false << colour::black;
    QTest::addRow("vfc3 CVP unit inside") << "vfc3" << "(mmHg)" << QPointF(732, 505) << black
                                          << 16.0 << false << colour::black;
    QTest::addRow("failure last CVP label") << "failure" << "    12" << QPointF(761, 543) << times
                                            << 27.0 << true << colour::black;
    QTest::addRow("orthostatic CVP label 8") << "orthostatic" << "              8 "
                                             << QPointF(528, 543) << times << 27.0 << true
                                             << colour::black;
    QTest::addRow("volume CO title moved") << "volume" << "CO" << QPointF(93, 318) << black
                                           << 27.0 << false << colour::black;
    QTest::addRow("test1 CVP label -4 moved") << "test1" << "-4   " << QPointF(194, 583) << times
                                              << 27.0 << true << colour::black;
    QTest::addRow("test1 CVP title moved") << "test1" << "CVP" << QPointF(218, 614) << black
                                           << 27.0 << false << colour::black;

    // The figures' own words.
    QTest::addRow("cfc1 Cardiac") << "cfc1" << "Cardiac" << at(6.51, 10.56) << black << 27.0
                                  << false << colour::black;
    QTest::addRow("cfc1 Curve") << "cfc1" << "Curve" << at(6.87, 8.56) << black << 27.0 << false
                                << colour::black;
    QTest::addRow("cfc2 Increased") << "cfc2" << "Increased" << at(-3.15, 9.28) << arial << 27.0
                                    << true << colour::black;
    QTest::addRow("cfc2 Contractility low") << "cfc2" << "Contractility" << at(5.49, 1.78)
                                            << arial << 27.0 << true << colour::black;
    QTest::addRow("vfc1 title second line") << "vfc1" << "has four important basic regions "
                                            << at(-1.69, 10.03) << arial << 27.0 << true
                                            << colour::black;
    QTest::addRow("vfc1 title") << "vfc1" << "A Vascular Function Curve (VFC)" << at(-1.69, 11.03)
                                << arial << 27.0 << true << colour::black;
    QTest::addRow("vfc4 Operating") << "vfc4" << "Operating" << at(6.41, 4.66) << black << 27.0
                                    << false << colour::black;
    QTest::addRow("vfc4 Vascular") << "vfc4" << "Vascular" << at(-3.13, 10.31) << black << 27.0
                                   << false << colour::black;
    QTest::addRow("vfc2 title") << "vfc2" << "Three different VFC and one CFC for reference"
                                << at(-3.54, 10.78) << arial << 27.0 << true << colour::black;
    QTest::addRow("vfc2 feet letters") << "vfc2" << "c         b        a" << at(4.67, -0.97)
                                       << arial << 27.0 << true << colour::black;
    QTest::addRow("vfc2 A red") << "vfc2" << "A" << at(-3.59, 6.50) << arial << 27.0 << true
                                << colour::red;
    QTest::addRow("vfc2 C blue") << "vfc2" << "C" << at(-3.54, 4.03) << arial << 27.0 << true
                                 << colour::blue;
    QTest::addRow("vfc2 CFC") << "vfc2" << "CFC" << at(8.85, 7.06) << arial << 27.0 << true
                              << colour::black;
    QTest::addRow("vfc3 title") << "vfc3" << "Slope of Region 2 depends on TPR" << at(-1.49, 11.03)
                                << arial << 27.0 << true << colour::black;
    QTest::addRow("vfc3 A red") << "vfc3" << "A" << at(-1.28, 8.53) << arial << 27.0 << true
                                << colour::red;
    QTest::addRow("vfc3 Vasoconstriction") << "vfc3" << "Vasoconstriction" << at(-0.67, 0.44)
                                           << arial << 21.0 << true << colour::black;
}

void TestFigures::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPointF, baseline);
    QFETCH(int, face);
    QFETCH(double, height);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    const Figure &figure = figureNamed(name);
    const TextElement *found = nullptr;
    for (const TextElement *t : elementsOf<TextElement>(figure)) {
        if (t->text == text && std::abs(t->baseline.x() - baseline.x()) < 1e-6
            && std::abs(t->baseline.y() - baseline.y()) < 1e-6)
            found = t;
    }
    QVERIFY2(found, qPrintable(QStringLiteral("\"%1\" not at (%2, %3)")
                                   .arg(text)
                                   .arg(baseline.x())
                                   .arg(baseline.y())));
    QCOMPARE(int(found->face), face);
    QCOMPARE(found->height, height);
    QCOMPARE(found->bold, bold);
    QCOMPARE(found->colour, colour);
    QCOMPARE(found->rotation, 0.0);
}

void TestFigures::guides_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("from");  // axis units
    QTest::addColumn<QPointF>("tip");   // axis units, on the frame
    QTest::addRow("vfc4 down") << "vfc4" << QPointF(2.15, 4.50) << QPointF(2.15, 0);
    QTest::addRow("vfc4 left") << "vfc4" << QPointF(2.15, 5.00) << QPointF(-4, 5.00);
}

void TestFigures::guides()
{
    QFETCH(QString, name);
    QFETCH(QPointF, from);
    QFETCH(QPointF, tip);
    const Figure &figure = figureNamed(name);
    const QPointF start = kAxes.toCanvas(from);
    const QPointF canvasTip = kAxes.toCanvas(tip);

    const DotRowElement *row = nullptr;
    for (const DotRowElement *r : elementsOf<DotRowElement>(figure)) {
        if (r->from == start)
            row = r;
    }
    QVERIFY(row);
    QCOMPARE(row->dotSize, 4.0);
    QCOMPARE(row->shape, DotShape::Round);
    const std::vector<QPointF> dots = dotCentres(*row);
    QVERIFY(dots.size() > 5);
    for (std::size_t i = 1; i < dots.size(); ++i)
        QVERIFY(std::abs(QLineF(dots[i - 1], dots[i]).length() - 8) < 1e-9);
    // The dots stop short of the arrowhead, whose tip touches the frame.
    const double lastToTip = QLineF(dots.back(), canvasTip).length();
    QVERIFY2(lastToTip >= 17 && lastToTip < 17 + 8, qPrintable(QString::number(lastToTip)));

    const PolygonElement *head = nullptr;
    for (const PolygonElement *p : elementsOf<PolygonElement>(figure)) {
        if (!p->points.empty() && p->points.front() == canvasTip)
            head = p;
    }
    QVERIFY(head);
    QCOMPARE(head->points.size(), std::size_t(3));
    const QPointF baseMiddle = (head->points[1] + head->points[2]) / 2;
    QVERIFY(std::abs(QLineF(baseMiddle, canvasTip).length() - 17) < 1e-9);
    QVERIFY(std::abs(QLineF(head->points[1], head->points[2]).length() - 17) < 1e-9);
    // The head points from the dots towards the axis.
    QVERIFY(QLineF(baseMiddle, start).length() < QLineF(canvasTip, start).length());
}

void TestFigures::equalPressureLine()
{
    const Figure &figure = figureNamed(QStringLiteral("cfc2"));
    const std::vector<const DotRowElement *> rows = elementsOf<DotRowElement>(figure);
    QCOMPARE(rows.size(), std::size_t(1));
    const DotRowElement &row = *rows.front();
    QCOMPARE(row.shape, DotShape::Square);
    QCOMPARE(row.dotSize, 3.0);
    QCOMPARE(row.from, kAxes.toCanvas(1.35, 0.05));
    QCOMPARE(row.to, kAxes.toCanvas(1.35, 10.36));
    const std::vector<QPointF> dots = dotCentres(row);
    QCOMPARE(dots.size(), std::size_t(56));
    const double spacing = QLineF(dots[0], dots[1]).length();
    QVERIFY(std::abs(spacing - 6) < 0.05);

    // Drawn: a square between two circles is black, the gap after it pale yellow.
    const QImage image = render(figure);
    const QPointF square = dots[30];
    QVERIFY(closeTo(pixelAt(image, figure, square), colour::black, 90));
    QVERIFY(closeTo(pixelAt(image, figure, square + QPointF(0, -3)), colour::paleYellow, 60));
}

void TestFigures::roundDots_data()
{
    QTest::addColumn<double>("scale");
    QTest::addRow("natural") << 1.0;
    QTest::addRow("page") << 0.6;
    QTest::addRow("double") << 2.0;
}

void TestFigures::roundDots()
{
    // A round dot covers the area of its circle, as wide as it is tall, at any scale.
    QFETCH(double, scale);
    const double size = 20;
    Figure figure{QStringLiteral("dot"), QRectF(0, 0, 40, 40), {}, {}, {}};
    figure.elements.push_back(DotRowElement{{20, 20}, {20, 20}, size, 8, colour::black});
    QImage image(QSize(40, 40) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        paintFigure(painter, figure);
    }
    double ink = 0;
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double covered = 1 - image.pixelColor(x, y).redF();
            ink += covered;
            if (covered > 0.5) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const double radius = size / 2 * scale;
    const double circle = std::numbers::pi * radius * radius;
    QVERIFY2(std::abs(ink - circle) < 0.02 * circle,
             qPrintable(QStringLiteral("ink %1, circle %2").arg(ink).arg(circle)));
    QCOMPARE(right - left, bottom - top);
    QVERIFY(std::abs((right - left + 1) - 2 * radius) <= 1.5);
}

void TestFigures::textsDrawnAsText_data()
{
    QTest::addColumn<TextElement>("text");
    QTest::addColumn<double>("scale");
    const TextElement ticks{QStringLiteral("-4    -2    0    2"), {10, 60}, Face::TimesNewRoman,
                            24, true};
    const TextElement title{QStringLiteral("CVP (mmHg)"), {40, 150}, Face::ArialBlack, 27,
                            false, false, colour::black, 90};
    const TextElement region{QStringLiteral("\u2776 \u278D"), {20, 110}, Face::Symbols, 30};
    const TextElement note{QStringLiteral("Moderate"), {100, 40}, Face::Arial, 19, false, true,
                           colour::red};
    for (double scale : {1.0, 0.6, 2.0}) {
        const QByteArray at = QByteArray::number(scale);
        QTest::addRow("tick labels x%s", at.constData()) << ticks << scale;
        QTest::addRow("rotated title x%s", at.constData()) << title << scale;
        QTest::addRow("region numbers x%s", at.constData()) << region << scale;
        QTest::addRow("italic note x%s", at.constData()) << note << scale;
    }
}

void TestFigures::textsDrawnAsText()
{
    // Figures keep their texts shaped between paints; what they draw is what drawing
    // the text afresh at its baseline would give, spaces, fallback fonts and all.
    QFETCH(TextElement, text);
    QFETCH(double, scale);
    Figure figure{QStringLiteral("text"), QRectF(0, 0, 260, 160), {}, {}, {}};
    figure.elements.push_back(text);
    const auto paint = [&](const std::function<void(QPainter &)> &draw) {
        QImage image((figure.canvas.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        draw(painter);
        return image;
    };
    const QImage drawn = paint([&](QPainter &p) { paintFigure(p, figure); });
    const QImage expected = paint([&](QPainter &p) {
        p.setFont(fontFor(text.face, text.height, text.bold, text.italic));
        p.setPen(text.colour);
        p.translate(text.baseline);
        p.rotate(-text.rotation);
        p.drawText(QPointF(0, 0), text.text);
    });
    QVERIFY(drawn != paint([](QPainter &) {}));
    QCOMPARE(drawn, expected);
}

void TestFigures::regionNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("digits");
    QTest::addRow("vfc1") << "vfc1" << QStringLiteral("\u2776\u2777\u2778\u278D");
    QTest::addRow("vfc4") << "vfc4" << QStringLiteral("\u2776\u2777\u2778\u278D");
    QTest::addRow("vfc3") << "vfc3" << QStringLiteral("\u2777");
}

void TestFigures::regionNumbers()
{
    QFETCH(QString, name);
    QFETCH(QString, digits);
    const Figure &figure = figureNamed(name);
    const QImage image = render(figure);
    QString drawn;
    for (const TextElement *t : elementsOf<TextElement>(figure)) {
        if (t->face != Face::Symbols)
            continue;
        drawn += t->text;
        QCOMPARE(t->height, 32.0);
        QCOMPARE(t->colour, colour::black);

        const QFont font = fontFor(t->face, t->height, t->bold, t->italic);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY2(raw.supportsCharacter(t->text.at(0)),
                 qPrintable(QFontInfo(font).family() + QLatin1String(" lacks ") + t->text));
        QVERIFY(QFontMetricsF(font).inFontUcs4(t->text.toUcs4().front()));

        // A negative circled digit is mostly ink: a missing-glyph box would not be.
        const QRectF box = QFontMetricsF(font).tightBoundingRect(t->text).translated(t->baseline);
        int dark = 0, all = 0;
        for (double y = box.top() + 0.5; y < box.bottom(); y += 1) {
            for (double x = box.left() + 0.5; x < box.right(); x += 1) {
                const QColor c = pixelAt(image, figure, {x, y});
                ++all;
                dark += c.lightness() < 100;
            }
        }
        QVERIFY2(all > 200 && dark > all / 2,
                 qPrintable(QStringLiteral("%1 of %2 dark").arg(dark).arg(all)));
    }
    QCOMPARE(drawn, digits);
}

void TestFigures::fonts_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("weight");
    QTest::addRow("Arial Black") << int(Face::ArialBlack) << false << "Lato" << int(QFont::Black);
    QTest::addRow("Arial bold") << int(Face::Arial) << true << "Liberation Sans"
                                << int(QFont::Bold);
    QTest::addRow("Arial") << int(Face::Arial) << false << "Liberation Sans" << int(QFont::Normal);
    QTest::addRow("Times New Roman") << int(Face::TimesNewRoman) << true << "Liberation Serif"
                                     << int(QFont::Bold);
    QTest::addRow("region numbers") << int(Face::Symbols) << false << "DejaVu Sans"
                                    << int(QFont::Normal);
}

void TestFigures::fonts()
{
    QFETCH(int, face);
    QFETCH(bool, bold);
    QFETCH(QString, family);
    QFETCH(int, weight);
    const QFontInfo info(fontFor(Face(face), 27, bold));
    QVERIFY2(info.family().startsWith(family), qPrintable(info.family()));
    QCOMPARE(int(info.weight()), weight);
    QCOMPARE(info.pixelSize(), 27);
}

void TestFigures::descriptions_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : figureNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

void TestFigures::descriptions()
{
    QFETCH(QString, name);
    const QString text = figureNamed(name).description;
    // Three to five sentences for a reader who cannot see the figure.
    const qsizetype sentences = text.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)")));
    QVERIFY2(sentences >= 3 && sentences <= 5, qPrintable(QString::number(sentences)));
    QVERIFY(text.size() > 200);
}

void TestFigures::pictureAreaScales_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    // Page sizes of the picture areas, and one roomier than any figure.
    QTest::addRow("cfc1 on its page") << "cfc1" << QSize(449, 385);
    QTest::addRow("vfc2 on its page") << "vfc2" << QSize(449, 267);
    QTest::addRow("cfc1 too small in height") << "cfc1" << QSize(449, 200);
    QTest::addRow("cfc1 never enlarged") << "cfc1" << QSize(1000, 800);
}

void TestFigures::pictureAreaScales()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const Figure &figure = figureNamed(name);
    PictureArea area;
    area.setBackground(colour::white);
    area.setFigure(&figure);
    area.resize(size);
    const QRect inside = area.contentsRect();
    QVERIFY(inside.width() < size.width());  // a sunken border
    const double expected = std::min({1.0, inside.width() / figure.canvas.width(),
                                      inside.height() / figure.canvas.height()});
    QCOMPARE(area.figureScale(), expected);

    const QImage image = area.grab().toImage();
    const auto widgetPoint = [&](double cvp, double co) {
        const QPointF canvas = kAxes.toCanvas(cvp, co) - figure.canvas.topLeft();
        const QPointF p = QPointF(inside.topLeft()) + canvas * expected;
        return image.pixelColor(int(p.x()), int(p.y()));
    };
    // The frame's edges land where one uniform scale puts them.
    QVERIFY(closeTo(widgetPoint(-4, 6), colour::black, 80));
    QVERIFY(closeTo(widgetPoint(5, 12.25), colour::black, 80));
    QVERIFY(closeTo(widgetPoint(10, 0), colour::black, 80));
    QVERIFY(closeTo(widgetPoint(11, 1), colour::paleYellow));
    // Beyond the drawing: the area's own background.
    const int rightOfFigure = inside.left() + int(std::ceil(figure.canvas.width() * expected)) + 2;
    if (rightOfFigure < inside.right())
        QCOMPARE(image.pixelColor(rightOfFigure, inside.top() + 5), colour::white);
}

void TestFigures::overlayCoversContainer()
{
    PictureArea container;
    container.setFigure(findFigure(QStringLiteral("vfc1")));
    container.resize(449, 377);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    PictureArea overlay(&container);
    overlay.setFigure(findFigure(QStringLiteral("vfc4")));
    QCOMPARE(overlay.geometry(), container.rect());
    container.resize(500, 300);
    QCOMPARE(overlay.geometry(), QRect(0, 0, 500, 300));

    // vfc4's plateau at CO 7 is empty frame in vfc1.
    const double scale = overlay.figureScale();
    const QPointF p = QPointF(overlay.contentsRect().topLeft())
                      + (kAxes.toCanvas(-2, 7) - QPointF(70, 102)) * scale;
    overlay.hide();
    QVERIFY(closeTo(container.grab().toImage().pixelColor(p.toPoint()), colour::paleYellow));
    overlay.show();
    QVERIFY(closeTo(container.grab().toImage().pixelColor(p.toPoint()), colour::black, 80));
}

QTEST_MAIN(TestFigures)
#include "tst_figures.moc"
