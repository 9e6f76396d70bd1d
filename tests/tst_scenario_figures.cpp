#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "figures/DashedPath.h"
#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"
#include "figures/Fonts.h"
#include "figures/SharedElements.h"
#include "figures/TestFigure.h"

using namespace fc;

namespace {

using Maker = Figure (*)();

struct Entry {
    const char *name;
    Maker make;
};

constexpr Entry kScenarioFigures[] = {
    {"mainfactors", makeMainFactors}, {"failure", makeFailure},
    {"orthostatic", makeOrthostatic}, {"bloodloss", makeBloodLoss},
    {"contractility", makeContractility}, {"volume", makeVolume},
    {"tpr", makeTpr},                 {"test1", makeTest1},
};

const Axes kTestAxes{kTestFrameCorner};
const Axes kAxes{};

QRectF around(QPointF p, double half)
{
    return {p.x() - half, p.y() - half, 2 * half, 2 * half};
}

QRectF boundsOf(const std::vector<QPointF> &points)
{
    QRectF r(points.front(), points.front());
    for (const QPointF &p : points)
        r |= QRectF(p, p);
    return r;
}

// Where an element puts ink, in canvas units: pen half-widths included, texts by
// the ink of their glyphs in the font the painter uses.
QRectF inkBounds(const Element &element)
{
    struct Visitor {
        QRectF operator()(const RectElement &e) const
        {
            const double half = e.outline ? e.outline->width / 2 : 0;
            return e.rect.normalized().adjusted(-half, -half, half, half);
        }
        QRectF operator()(const LineElement &e) const
        {
            const double half = e.pen.width / 2;
            return boundsOf(e.points).adjusted(-half, -half, half, half);
        }
        QRectF operator()(const CurveElement &e) const
        {
            QPainterPath path(e.start);
            for (const BezierSegment &s : e.segments)
                path.cubicTo(s.control1, s.control2, s.end);
            const double half = e.pen.width / 2;
            return path.boundingRect().adjusted(-half, -half, half, half);
        }
        QRectF operator()(const PolygonElement &e) const { return boundsOf(e.points); }
        QRectF operator()(const CircleElement &e) const
        {
            return around(e.centre, e.diameter / 2 + (e.outline ? e.outline->width / 2 : 0));
        }
        QRectF operator()(const DotRowElement &e) const
        {
            return boundsOf({e.from, e.to}).adjusted(-e.dotSize / 2, -e.dotSize / 2,
                                                     e.dotSize / 2, e.dotSize / 2);
        }
        QRectF operator()(const TextElement &e) const
        {
            const QFontMetricsF metrics(fontFor(e.face, e.height, e.bold, e.italic));
            return metrics.tightBoundingRect(e.text).translated(e.baseline);
        }
        QRectF operator()(const PatchElement &e) const { return e.rect; }
    };
    return std::visit(Visitor{}, element);
}

template <typename T>
std::vector<const T *> elementsOf(const Figure &figure)
{
    std::vector<const T *> found;
    for (const Element &e : figure.elements) {
        if (const T *t = std::get_if<T>(&e))
            found.push_back(t);
    }
    return found;
}

std::vector<const TextElement *> textsNamed(const Figure &figure, const QString &text)
{
    std::vector<const TextElement *> found;
    for (const TextElement *t : elementsOf<TextElement>(figure)) {
        if (t->text == text)
            found.push_back(t);
    }
    return found;
}

bool near(QPointF a, QPointF b, double tolerance = 0.01)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QImage render(const Figure &figure)
{
    QImage image(figure.canvas.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFigure(painter, figure);
    return image;
}

// Axis-unit polylines of the test figure's curves, the Bézier chains sampled finely
// enough (400 points a segment) that the sampling error is far below the tolerance.
enum class Curve { A, B, ControlCfc, C, D, ControlVfc };

std::vector<QPointF> courseOf(Curve curve)
{
    const TestFigureCurves &c = testFigureCurves();
    const auto sampled = [](const CurveData &data, double t0, double t1) {
        // Identity axes: toCanvas(cvp, co) would shift and scale, so sample directly.
        std::vector<QPointF> points;
        const int steps = int(std::ceil((t1 - t0) * 400));
        for (int i = 0; i <= steps; ++i)
            points.push_back(pointOnCurve(data, t0 + (t1 - t0) * i / steps));
        return points;
    };
    switch (curve) {
    case Curve::A: return sampled(c.a, 0, double(c.a.segments.size()));
    case Curve::B: return sampled(c.b, 0, double(c.b.segments.size()));
    case Curve::ControlCfc:
        return sampled(c.controlCfc, curveParameterAtCvp(c.controlCfc, kDashedCfcFrom),
                       curveParameterAtCvp(c.controlCfc, kDashedCfcTo));
    case Curve::C: return c.c;
    case Curve::D: return c.d;
    case Curve::ControlVfc: return c.controlVfc;
    }
    return {};
}

std::vector<QPointF> crossings(const std::vector<QPointF> &p, const std::vector<QPointF> &q)
{
    std::vector<QPointF> found;
    for (size_t i = 1; i < p.size(); ++i) {
        const QLineF a(p[i - 1], p[i]);
        for (size_t j = 1; j < q.size(); ++j) {
            QPointF x;
            if (a.intersects(QLineF(q[j - 1], q[j]), &x) == QLineF::BoundedIntersection)
                found.push_back(x);
        }
    }
    return found;
}

double pathLength(const std::vector<QPointF> &path)
{
    double length = 0;
    for (size_t i = 1; i < path.size(); ++i)
        length += QLineF(path[i - 1], path[i]).length();
    return length;
}

QPointF pointAlong(const std::vector<QPointF> &path, double s)
{
    for (size_t i = 1; i < path.size(); ++i) {
        const QLineF segment(path[i - 1], path[i]);
        if (s <= segment.length())
            return segment.pointAt(s / segment.length());
        s -= segment.length();
    }
    return path.back();
}

double distanceToPath(QPointF p, const std::vector<QPointF> &path)
{
    double best = std::numeric_limits<double>::max();
    for (size_t i = 1; i < path.size(); ++i) {
        const QPointF a = path[i - 1];
        const QPointF d = path[i] - a;
        const double len2 = QPointF::dotProduct(d, d);
        const double t =
            len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, QLineF(p, a + t * d).length());
    }
    return best;
}

std::vector<QPointF> toCanvas(const Axes &axes, const std::vector<QPointF> &axisPoints)
{
    std::vector<QPointF> points;
    for (const QPointF &p : axisPoints)
        points.push_back(axes.toCanvas(p));
    return points;
}

// Middle of a dash polygon's spine: the dash builder lists one side forward and
// the other backward, so point i faces point n-1-i across the dash.
std::vector<QPointF> spineOf(const PolygonElement &dash)
{
    const size_t n = dash.points.size();
    std::vector<QPointF> spine;
    for (size_t i = 0; i < n / 2; ++i)
        spine.push_back((dash.points[i] + dash.points[n - 1 - i]) / 2);
    return spine;
}

}  // namespace

class TestScenarioFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void canvasAndDescription_data();
    void canvasAndDescription();
    void elementsInsideCanvas_data();
    void elementsInsideCanvas();
    void failureFrameIsWider();
    void failureLabelsInsideFrame_data();
    void failureLabelsInsideFrame();
    void volumeReachesBelowAxis();
    void testFigureSharedElementsMoved();
    void testFigureCvpTitle();
    void testPointsAtCrossings_data();
    void testPointsAtCrossings();
    void testFigureDrawsItsPoints();
    void testFigureDrawsItsCurves();
    void testFigureDashes_data();
    void testFigureDashes();
    void pixels_data();
    void pixels();
};

void TestScenarioFigures::initTestCase()
{
    installFontSubstitutes();
}

// Canvas origins and extents as the interactions and test pages lay them out.
void TestScenarioFigures::canvasAndDescription_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("canvas");
    QTest::addRow("mainfactors") << "mainfactors" << QRectF(70, 102, 764, 486);
    QTest::addRow("failure") << "failure" << QRectF(78, 102, 806, 486);
    QTest::addRow("orthostatic") << "orthostatic" << QRectF(78, 102, 741, 486);
    QTest::addRow("bloodloss") << "bloodloss" << QRectF(78, 102, 741, 486);
    QTest::addRow("contractility") << "contractility" << QRectF(70, 102, 764, 486);
    QTest::addRow("volume") << "volume" << QRectF(78, 102, 748, 545);
    QTest::addRow("tpr") << "tpr" << QRectF(78, 102, 748, 486);
    QTest::addRow("test1") << "test1" << QRectF(94, 142, 764, 486);
}

void TestScenarioFigures::canvasAndDescription()
{
    QFETCH(QString, name);
    QFETCH(QRectF, canvas);
    const Figure *figure = findFigure(name);
    QVERIFY(figure);
    QCOMPARE(figure->name, name);
    QCOMPARE(figure->canvas, canvas);
    // Every function-curve figure starts with its pale-yellow frame.
    QVERIFY(!figure->elements.empty());
    const auto *frame = std::get_if<RectElement>(&figure->elements.front());
    QVERIFY(frame);
    QCOMPARE(frame->fill, std::optional<QColor>(colour::paleYellow));
    // Three to six sentences that give the crossing of the curves in axis units.
    const QString &d = figure->description;
    QVERIFY2(d.count(QLatin1String(". ")) >= 2 && d.count(QLatin1String(". ")) <= 5,
             qPrintable(d));
    QVERIFY2(d.contains(QLatin1String("CVP")) && d.contains(QLatin1String("l/min")),
             qPrintable(d));
}

void TestScenarioFigures::elementsInsideCanvas_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kScenarioFigures)); ++i)
        QTest::addRow("%s", kScenarioFigures[i].name) << i;
}

// Nothing is cut off at the edges of its picture: text extents measured in the
// fonts the painter uses, half a unit allowed for rounding.
void TestScenarioFigures::elementsInsideCanvas()
{
    QFETCH(int, index);
    const Figure figure = kScenarioFigures[index].make();
    const QRectF allowed = figure.canvas.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (size_t i = 0; i < figure.elements.size(); ++i) {
        const QRectF ink = inkBounds(figure.elements[i]);
        if (ink.isEmpty())
            continue;
        QVERIFY2(allowed.contains(ink),
                 qPrintable(QStringLiteral("element %1 at (%2, %3)-(%4, %5)")
                                .arg(i)
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())));
    }
}

void TestScenarioFigures::failureFrameIsWider()
{
    const Figure figure = makeFailure();
    const auto *frame = std::get_if<RectElement>(&figure.elements.front());
    QVERIFY(frame);
    // CVP 14.05: 176 + 39 * 18.05 = 880.
    QCOMPARE(frame->rect.normalized(), QRectF(QPointF(176, 120), QPointF(880, 512)));
}

void TestScenarioFigures::failureLabelsInsideFrame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("pastTwelve");  // reaches right of the usual frame edge
    QTest::addRow("Moderate") << "Moderate" << colour::blue << true;
    QTest::addRow("Failure, moderate") << "Failure" << colour::blue << false;
    QTest::addRow("Severe") << "Severe" << colour::red << true;
    QTest::addRow("Failure, severe") << "Failure" << colour::red << false;
}

// The labels of the two failure curves stand right of CVP 10, which is only room
// enough because the frame reaches CVP 14.05.
void TestScenarioFigures::failureLabelsInsideFrame()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(bool, pastTwelve);
    const Figure figure = makeFailure();
    const QRectF frame = std::get<RectElement>(figure.elements.front()).rect;
    const QRectF inside = frame.adjusted(2, 2, -2, -2);  // inside the outline
    const TextElement *label = nullptr;
    for (const TextElement *t : textsNamed(figure, text)) {
        if (t->colour == colour)
            label = t;
    }
    QVERIFY(label);
    QCOMPARE(label->face, Face::Arial);
    QCOMPARE(label->height, 24.0);
    QVERIFY(label->bold);
    const QFontMetricsF metrics(fontFor(label->face, label->height, label->bold, label->italic));
    const QRectF box(label->baseline.x(), label->baseline.y() - metrics.ascent(),
                     metrics.horizontalAdvance(label->text), metrics.height());
    QVERIFY2(inside.contains(box), qPrintable(QStringLiteral("right edge %1").arg(box.right())));
    if (pastTwelve)
        QVERIFY(box.right() > 800);
}

// The volume figure's marks under the CVP axis go down to CO -3.84 and need the
// taller canvas.
void TestScenarioFigures::volumeReachesBelowAxis()
{
    const Figure figure = makeVolume();
    const auto lowest = textsNamed(figure, QStringLiteral(" - C"));
    QCOMPARE(lowest.size(), size_t(1));
    QVERIFY(near(lowest.front()->baseline, kAxes.toCanvas(7.74, -3.84)));
    const QRectF ink = inkBounds(*std::find_if(
        figure.elements.begin(), figure.elements.end(), [](const Element &e) {
            const auto *t = std::get_if<TextElement>(&e);
            return t && t->text == QLatin1String(" - C");
        }));
    QVERIFY(ink.bottom() > 102 + 486);  // would be cut off by a 486-unit canvas
    QVERIFY(ink.bottom() <= figure.canvas.bottom());
}

// The test figure's frame corner is (200, 552): the frame, tick labels, CO axis
// title and patches all sit 24 units right of and 40 below their places in cfc2.
void TestScenarioFigures::testFigureSharedElementsMoved()
{
    const Figure reference = makeCfc2();
    const Figure test = makeTest1();
    const QPointF shift(24, 40);

    QCOMPARE(std::get<RectElement>(test.elements.front()).rect,
             std::get<RectElement>(reference.elements.front()).rect.translated(shift));

    int texts = 0;
    for (const TextElement *t : elementsOf<TextElement>(reference)) {
        const bool tickLabel = t->face == Face::TimesNewRoman;
        const bool coTitle = t->text == QLatin1String("CO") || t->text == QLatin1String("l/")
                             || t->text == QLatin1String("min");
        if (!tickLabel && !coTitle)
            continue;
        ++texts;
        const auto moved = textsNamed(test, t->text);
        const bool found = std::any_of(moved.begin(), moved.end(), [&](const TextElement *m) {
            return near(m->baseline, t->baseline + shift) && m->face == t->face
                   && m->height == t->height;
        });
        QVERIFY2(found, qPrintable(QStringLiteral("\"%1\"").arg(t->text)));
    }
    QCOMPARE(texts, 9 + 7 + 3);

    const auto referencePatches = elementsOf<PatchElement>(reference);
    const auto testPatches = elementsOf<PatchElement>(test);
    QCOMPARE(testPatches.size(), size_t(3));
    QCOMPARE(referencePatches.size(), testPatches.size());
    for (size_t i = 0; i < testPatches.size(); ++i)
        QCOMPARE(testPatches[i]->rect, referencePatches[i]->rect.translated(shift));
}

void TestScenarioFigures::testFigureCvpTitle()
{
    const Figure test = makeTest1();
    const struct {
        const char *text;
        QPointF at;
    } expected[] = {{"CVP", {218, 614}}, {" (mmHg", {279, 614}}, {")", {391, 614}}};
    for (const auto &e : expected) {
        const auto found = textsNamed(test, QLatin1String(e.text));
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found.front()->baseline, e.at);
        QCOMPARE(found.front()->face, Face::ArialBlack);
        QCOMPARE(found.front()->height, 27.0);
    }
}

void TestScenarioFigures::testPointsAtCrossings_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    const auto row = [](const char *label, Curve first, Curve second) {
        QTest::addRow("%s", label) << QString::fromLatin1(label) << int(first) << int(second);
    };
    row("S", Curve::ControlCfc, Curve::ControlVfc);
    row("1", Curve::A, Curve::D);
    row("2", Curve::A, Curve::ControlVfc);
    row("3", Curve::A, Curve::C);
    row("4", Curve::ControlCfc, Curve::D);
    row("5", Curve::ControlCfc, Curve::C);
    row("6", Curve::B, Curve::D);
    row("7", Curve::B, Curve::ControlVfc);
    row("8", Curve::B, Curve::C);
}

// The practice test asks which point marks which pair of curves, so each point must
// sit where its two curves cross. The markers were placed by eye in the drawing;
// 0.35 CVP (13.7 units) and 0.35 CO (11.2 units) is about the marker's radius of 12
// units, so the crossing lies under the marker's disc. The nearest other crossing of
// any pair lies over 0.8 units away, so a marker on the wrong crossing fails.
void TestScenarioFigures::testPointsAtCrossings()
{
    QFETCH(QString, label);
    QFETCH(int, first);
    QFETCH(int, second);
    const TestFigurePoint *point = findTestFigurePoint(label.toStdString());
    QVERIFY2(point, qPrintable(label));
    const QPointF marker = point->centre;
    const auto found = crossings(courseOf(Curve(first)), courseOf(Curve(second)));
    QVERIFY(!found.empty());
    const auto closer = [&](QPointF a, QPointF b) {
        return QLineF(a, marker).length() < QLineF(b, marker).length();
    };
    const QPointF nearest = *std::min_element(found.begin(), found.end(), closer);
    QVERIFY2(std::abs(nearest.x() - marker.x()) <= 0.35
                 && std::abs(nearest.y() - marker.y()) <= 0.35,
             qPrintable(QStringLiteral("marker (%1, %2), crossing (%3, %4)")
                            .arg(marker.x())
                            .arg(marker.y())
                            .arg(nearest.x())
                            .arg(nearest.y())));
}

// The drawing shows the points the practice test reasons about: a circle of
// diameter 24 at each point, white except the pale-yellow S, and its label.
void TestScenarioFigures::testFigureDrawsItsPoints()
{
    const Figure test = makeTest1();
    const auto circles = elementsOf<CircleElement>(test);
    for (const TestFigurePoint &p : kTestFigurePoints) {
        const QString label = QString::fromLatin1(p.label.data(), qsizetype(p.label.size()));
        const QColor fill = label == QLatin1String("S") ? colour::paleYellow : colour::white;
        const bool drawn = std::any_of(circles.begin(), circles.end(), [&](const CircleElement *c) {
            return near(c->centre, kTestAxes.toCanvas(p.centre)) && c->diameter == 24
                   && c->fill == fill && c->outline && c->outline->colour == colour::black;
        });
        QVERIFY2(drawn, qPrintable(label));
        const auto texts = textsNamed(test, label);
        const bool labelled = std::any_of(texts.begin(), texts.end(), [&](const TextElement *t) {
            return near(t->baseline, kTestAxes.toCanvas(p.labelBaseline))
                   && t->colour == colour::black && t->height == 21;
        });
        QVERIFY2(labelled, qPrintable(label));
        // Drawn after the lines C and D, so no line crosses a number; 2, 7 and S
        // come earlier in the drawing, where no later line passes them.
        if (label == QLatin1String("S") || label == QLatin1String("2")
            || label == QLatin1String("7"))
            continue;
        qsizetype circleAt = -1, lastLineAt = -1;
        for (qsizetype i = 0; i < qsizetype(test.elements.size()); ++i) {
            const Element &e = test.elements[size_t(i)];
            if (std::holds_alternative<LineElement>(e) || std::holds_alternative<CurveElement>(e))
                lastLineAt = i;
            const auto *c = std::get_if<CircleElement>(&e);
            if (c && near(c->centre, kTestAxes.toCanvas(p.centre)))
                circleAt = i;
        }
        QVERIFY2(circleAt > lastLineAt, qPrintable(label));
    }
}

// The curves in the drawing are the curves the points are checked against.
void TestScenarioFigures::testFigureDrawsItsCurves()
{
    const Figure test = makeTest1();
    const TestFigureCurves &c = testFigureCurves();
    const auto curves = elementsOf<CurveElement>(test);
    const auto drawnAs = [&](const CurveData &data, const QColor &colour) {
        return std::any_of(curves.begin(), curves.end(), [&](const CurveElement *e) {
            if (e->pen.colour != colour || e->pen.width != 4
                || e->segments.size() != data.segments.size()
                || !near(e->start, kTestAxes.toCanvas(data.start)))
                return false;
            for (size_t i = 0; i < data.segments.size(); ++i) {
                if (!near(e->segments[i].end, kTestAxes.toCanvas(data.segments[i].end)))
                    return false;
            }
            return true;
        });
    };
    QVERIFY(drawnAs(c.a, colour::red));
    QVERIFY(drawnAs(c.b, colour::blue));
    // A and B keep the shapes of CFC-up and CFC-down.
    QCOMPARE(c.a.start, cfcUpCurve().start);
    QCOMPARE(c.b.segments.back().end, cfcDownCurve().segments.back().end);

    const auto lines = elementsOf<LineElement>(test);
    for (const auto *course : {&c.c, &c.d}) {
        const bool drawn = std::any_of(lines.begin(), lines.end(), [&](const LineElement *l) {
            return l->pen.colour == colour::black && l->pen.width == 4
                   && l->points == toCanvas(kTestAxes, *course);
        });
        QVERIFY(drawn);
    }
    QCOMPARE(c.c.front(), QPointF(6.87, 0));
    QCOMPARE(c.d.back(), QPointF(-4.00, 5.00));
}

void TestScenarioFigures::testFigureDashes_data()
{
    QTest::addColumn<int>("curve");
    QTest::addRow("control VFC") << int(Curve::ControlVfc);
    QTest::addRow("control CFC") << int(Curve::ControlCfc);
}

// The two control curves are drawn as thick dashes: 32 units long, 4 to 5 thick,
// about 8 apart, following the curve's course from one end to the other.
void TestScenarioFigures::testFigureDashes()
{
    QFETCH(int, curve);
    const Figure test = makeTest1();
    const std::vector<QPointF> course = toCanvas(kTestAxes, courseOf(Curve(curve)));
    const std::vector<QPointF> other =
        toCanvas(kTestAxes, courseOf(Curve(curve) == Curve::ControlVfc ? Curve::ControlCfc
                                                                       : Curve::ControlVfc));

    std::vector<std::vector<QPointF>> spines;
    for (const PolygonElement *p : elementsOf<PolygonElement>(test)) {
        if (p->fill != colour::black || p->points.size() < 4)
            continue;
        const std::vector<QPointF> spine = spineOf(*p);
        const double here = std::max(distanceToPath(spine.front(), course),
                                     distanceToPath(spine.back(), course));
        const double there = std::max(distanceToPath(spine.front(), other),
                                      distanceToPath(spine.back(), other));
        if (here < 1 && here <= there) {
            spines.push_back(spine);
            const double thickness = QLineF(p->points.front(), p->points.back()).length();
            QVERIFY2(thickness >= 4 && thickness <= 5, qPrintable(QString::number(thickness)));
        }
    }
    const double total = pathLength(course);
    QVERIFY(spines.size() >= size_t(total / 40));

    QVERIFY(near(spines.front().front(), course.front(), 0.5));
    QVERIFY(QLineF(spines.back().back(), course.back()).length() < 40);
    for (size_t i = 0; i < spines.size(); ++i) {
        const double length = pathLength(spines[i]);
        if (i + 1 < spines.size()) {
            QVERIFY2(std::abs(length - 32) < 0.5, qPrintable(QString::number(length)));
            const double gap = QLineF(spines[i].back(), spines[i + 1].front()).length();
            QVERIFY2(gap > 7 && gap <= 8.01, qPrintable(QString::number(gap)));
        } else {
            QVERIFY(length <= 32.01);
        }
        // Every part of the dash follows the course.
        for (const QPointF &p : spines[i])
            QVERIFY(distanceToPath(p, course) < 0.6);
    }
}

void TestScenarioFigures::pixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("at");  // canvas units
    QTest::addColumn<QColor>("expected");

    QTest::addRow("failure: frame fill right of CVP 12")
        << "failure" << QPointF(860, 200) << colour::paleYellow;
    // Squares 8 across, 8 apart along the raised VFC from (8.85, 0.08).
    const std::vector<QPointF> raised =
        toCanvas(kAxes, {{8.85, 0.08}, {4.24, 4.95}, {0.13, 9.23}, {-3.69, 9.25}});
    QTest::addRow("failure: raised VFC square")
        << "failure" << pointAlong(raised, 84) << colour::black;
    QTest::addRow("failure: raised VFC gap")
        << "failure" << pointAlong(raised, 92) << colour::paleYellow;
    QTest::addRow("failure: square on the flat part")
        << "failure" << pointAlong(raised, 16 * 30 + 4) << colour::black;

    const std::vector<QPointF> vfc = toCanvas(kTestAxes, testFigureCurves().controlVfc);
    QTest::addRow("test1: VFC dash") << "test1" << pointAlong(vfc, 56) << colour::black;
    QTest::addRow("test1: VFC gap") << "test1" << pointAlong(vfc, 76) << colour::paleYellow;

    const CurveData &cfc = cfcControlCurve();
    QTest::addRow("contractility: P1 covers CFC-control's end")
        << "contractility" << kAxes.toCanvas(pointOnCurve(cfc, curveParameterAtCvp(cfc, 9.0)))
        << colour::paleYellow;
    QTest::addRow("contractility: CFC-control before P1")
        << "contractility" << kAxes.toCanvas(pointOnCurve(cfc, curveParameterAtCvp(cfc, 7.0)))
        << colour::black;
    const CurveData &up = cfcUpCurve();
    QTest::addRow("contractility: CFC-up is red")
        << "contractility" << kAxes.toCanvas(pointOnCurve(up, curveParameterAtCvp(up, 0.0)))
        << colour::red;
    QTest::addRow("contractility: raised-contractility point")
        << "contractility" << kAxes.toCanvas(0.69, 6.38) << colour::lightRed;

    for (const char *name : {"orthostatic", "bloodloss"}) {
        const Figure *figure = findFigure(QLatin1String(name));
        const CurveElement *reflex = nullptr;
        for (const CurveElement *c : elementsOf<CurveElement>(*figure)) {
            if (c->pen.colour == colour::red)
                reflex = c;
        }
        QVERIFY(reflex);
        QTest::addRow("%s: reflex CFC is red", name)
            << name << reflex->segments[4].end << colour::red;
        QTest::addRow("%s: patch covers the reflex CFC's end", name)
            << name << reflex->segments.back().end << colour::paleYellow;
    }

    QTest::addRow("tpr: vasoconstriction point")
        << "tpr" << kAxes.toCanvas(1.44, 4.12) << colour::blue;
    QTest::addRow("tpr: vasodilation point")
        << "tpr" << kAxes.toCanvas(2.87, 6.12) << colour::lightRed;
    QTest::addRow("volume: MCP marker over the frame")
        << "volume" << kAxes.toCanvas(8.72, 0) << colour::lightRed;
    QTest::addRow("mainfactors: operating point")
        << "mainfactors" << kAxes.toCanvas(2.15, 5.00) << colour::black;
}

void TestScenarioFigures::pixels()
{
    QFETCH(QString, name);
    QFETCH(QPointF, at);
    QFETCH(QColor, expected);
    const Figure *figure = findFigure(name);
    QVERIFY(figure);
    static QString renderedName;
    static QImage image;
    if (renderedName != name) {
        image = render(*figure);
        renderedName = name;
    }
    const QPoint pixel = (at - figure->canvas.topLeft()).toPoint();
    QVERIFY(image.rect().contains(pixel));
    const QColor actual = image.pixelColor(pixel);
    const int difference = std::max({std::abs(actual.red() - expected.red()),
                                     std::abs(actual.green() - expected.green()),
                                     std::abs(actual.blue() - expected.blue())});
    QVERIFY2(difference <= 8, qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                             .arg(pixel.x())
                                             .arg(pixel.y())
                                             .arg(actual.name(), expected.name())));
}

QTEST_MAIN(TestScenarioFigures)
#include "tst_scenario_figures.moc"
