#include "figures/SharedElements.h"

#include <QCoreApplication>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace fc {

namespace {

QString translated(const QString &english)
{
    return QCoreApplication::translate("Figure", english.toUtf8().constData());
}

// Canvas places of the shared texts and patches, as they sit in every function-curve
// figure with the frame corner at (176, 512). Other frame corners move them.

struct PlacedText {
    const char *text;
    double x;
    double y;
};

constexpr double kCvpLabelBaseline = 543;
constexpr double kCoLabelLeft = 138;
constexpr double kTickLabelHeight = 27;

// The leading and trailing blanks put each number under (or level with) its value.
constexpr PlacedText kCvpLabelsUpToFour[] = {
    {"-4   ", 170, kCvpLabelBaseline},     {"  -2 ", 239, kCvpLabelBaseline},
    {"    0 ", 308, kCvpLabelBaseline},    {"    2 ", 381, kCvpLabelBaseline},
    {"    4 ", 454, kCvpLabelBaseline},
};
constexpr PlacedText kCvpLabelsStandard[] = {
    {"    6 ", 528, kCvpLabelBaseline},
    {"    8 ", 601, kCvpLabelBaseline},
    {"    10 ", 674, kCvpLabelBaseline},
    {"12", 788, kCvpLabelBaseline},
};
constexpr PlacedText kCvpLabelsWideLast[] = {
    {"    6 ", 528, kCvpLabelBaseline},
    {"    8 ", 601, kCvpLabelBaseline},
    {"    10 ", 674, kCvpLabelBaseline},
    {"    12", 761, kCvpLabelBaseline},
};
constexpr PlacedText kCvpLabelsNoSix[] = {
    {"              8 ", 528, kCvpLabelBaseline},
    {"    10 ", 668, kCvpLabelBaseline},
    {"    12", 754, kCvpLabelBaseline},
};
constexpr PlacedText kCoLabels[] = {
    {"12", kCoLabelLeft, 135}, {"10", kCoLabelLeft, 199}, {"  8", kCoLabelLeft, 263},
    {"  6", kCoLabelLeft, 327}, {"  4", kCoLabelLeft, 391}, {"  2", kCoLabelLeft, 455},
    {"  0", kCoLabelLeft, 519},
};

// CO axis title: "CO" above "l/" and "min".
constexpr PlacedText kCoTitleBig[] = {{QT_TRANSLATE_NOOP("Figure", "CO"), 85, 318}};
constexpr PlacedText kCoTitleSmall[]
    = {{QT_TRANSLATE_NOOP("Figure", "l/"), 82, 342}, {QT_TRANSLATE_NOOP("Figure", "min"), 93, 342}};
constexpr double kCoTitleMovedBy = 8;

constexpr PlacedText kCvpTitleCentre[] = {{QT_TRANSLATE_NOOP("Figure", "CVP"), 354, 582},
                                          {QT_TRANSLATE_NOOP("Figure", " (mmHg)"), 415, 582}};
constexpr PlacedText kCvpTitleCentreSplit[] = {{QT_TRANSLATE_NOOP("Figure", "CVP"), 354, 582},
                                               {QT_TRANSLATE_NOOP("Figure", " (mmHg"), 415, 582},
                                               {")", 527, 582}};
constexpr PlacedText kCvpTitleLeft[] = {{QT_TRANSLATE_NOOP("Figure", "CVP"), 194, 574},
                                        {QT_TRANSLATE_NOOP("Figure", " (mmHg"), 255, 574},
                                        {")", 367, 574}};
constexpr PlacedText kCvpTitleInsideCvp[] = {{QT_TRANSLATE_NOOP("Figure", "CVP"), 682, 505}};
constexpr PlacedText kCvpTitleInsideUnit[] = {{QT_TRANSLATE_NOOP("Figure", "(mmHg)"), 732, 505}};

constexpr QRectF kPatches[] = {
    {656, 248, 64, 40},  // P1
    {560, 128, 64, 40},  // P2
    {696, 352, 64, 40},  // P3
    {672, 256, 64, 40},  // P4
    {592, 216, 96, 40},  // P5
    {584, 176, 96, 40},  // P6
};

constexpr double kFrameOutlineWidth = 4;

constexpr double kGuideSpacing = 8;
constexpr double kArrowheadLength = 17;
constexpr double kArrowheadWidth = 17;

constexpr double kNumberedMarkerDiameter = 24;
constexpr double kNoteLineStep = 19;

// How far a gently curved arrow's shaft bows out from the straight line, as a
// fraction of its length.
constexpr double kCurvedArrowBow = 0.15;

const TextStyle kTickLabelStyle{Face::TimesNewRoman, kTickLabelHeight, true};
const TextStyle kArialBlack19{Face::ArialBlack, 19, false};
const TextStyle kArialBlack16{Face::ArialBlack, 16, false};

QPointF lerp(QPointF a, QPointF b, double t)
{
    return a + (b - a) * t;
}

double distance(QPointF a, QPointF b)
{
    return QLineF(a, b).length();
}

// Filled triangle with its tip at `tip`, pointing along `direction` (canvas units).
PolygonElement headPolygon(QPointF tip, QPointF direction, double length, double width,
                           const QColor &colour)
{
    const QPointF along = unit(direction);
    const QPointF across{-along.y(), along.x()};
    const QPointF base = tip - along * length;
    return PolygonElement{{tip, base + across * (width / 2), base - across * (width / 2)},
                          colour};
}

struct Cubic {
    QPointF p0, p1, p2, p3;

    QPointF at(double t) const
    {
        const double s = 1 - t;
        return p0 * (s * s * s) + p1 * (3 * s * s * t) + p2 * (3 * s * t * t)
               + p3 * (t * t * t);
    }
    // The part from 0 to t (de Casteljau).
    Cubic head(double t) const
    {
        const QPointF a = lerp(p0, p1, t), b = lerp(p1, p2, t), c = lerp(p2, p3, t);
        const QPointF d = lerp(a, b, t), e = lerp(b, c, t);
        return {p0, a, d, lerp(d, e, t)};
    }
};

}  // namespace

const CurveData &cfcControlCurve()
{
    static const CurveData curve{
        {-4.00, 0.34},
        {
            {{-3.67, 0.31}, {-3.36, 0.28}, {-2.97, 0.34}},
            {{-2.59, 0.38}, {-2.28, 0.25}, {-1.74, 0.56}},
            {{-1.21, 0.88}, {-0.28, 1.59}, {0.31, 2.25}},
            {{0.90, 2.88}, {1.23, 3.66}, {1.74, 4.41}},
            {{2.26, 5.16}, {2.77, 6.28}, {3.38, 6.78}},
            {{4.00, 7.31}, {4.59, 7.41}, {5.44, 7.50}},
            {{6.28, 7.62}, {7.82, 7.47}, {8.51, 7.50}},
            {{9.21, 7.56}, {9.36, 7.72}, {9.54, 7.75}},
        }};
    return curve;
}

const CurveData &cfcUpCurve()
{
    static const CurveData curve{
        {-4.00, 0.38},
        {
            {{-3.72, 0.34}, {-3.46, 0.31}, {-3.15, 0.38}},
            {{-2.82, 0.44}, {-2.56, 0.25}, {-2.13, 0.75}},
            {{-1.67, 1.22}, {-0.90, 2.34}, {-0.41, 3.31}},
            {{0.08, 4.28}, {0.36, 5.44}, {0.79, 6.62}},
            {{1.21, 7.78}, {1.64, 9.50}, {2.15, 10.28}},
            {{2.67, 11.06}, {3.15, 11.19}, {3.87, 11.38}},
            {{4.56, 11.56}, {5.85, 11.31}, {6.44, 11.38}},
            {{7.00, 11.44}, {7.13, 11.69}, {7.28, 11.75}},
        }};
    return curve;
}

const CurveData &cfcDownCurve()
{
    static const CurveData curve{
        {-2.97, 0.28},
        {
            {{-2.64, 0.28}, {-2.31, 0.28}, {-1.92, 0.28}},
            {{-1.56, 0.31}, {-1.23, 0.25}, {-0.69, 0.41}},
            {{-0.13, 0.59}, {0.82, 0.97}, {1.41, 1.31}},
            {{2.00, 1.66}, {2.33, 2.06}, {2.85, 2.47}},
            {{3.38, 2.88}, {3.90, 3.47}, {4.51, 3.75}},
            {{5.15, 4.03}, {5.74, 4.06}, {6.62, 4.12}},
            {{7.46, 4.19}, {9.03, 4.09}, {9.72, 4.12}},
            {{10.41, 4.16}, {10.59, 4.22}, {10.77, 4.25}},
        }};
    return curve;
}

const std::vector<QPointF> &vfcControlLine()
{
    // Foot (mean circulatory pressure), operating point, bend, left end.
    static const std::vector<QPointF> line{{6.87, 0}, {2.15, 5.00}, {0.10, 7.00}, {-4.00, 7.00}};
    return line;
}

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF{};
}

QPointF pointOnCurve(const CurveData &curve, double t)
{
    if (curve.segments.empty())
        return curve.start;
    const int count = int(curve.segments.size());
    t = std::clamp(t, 0.0, double(count));
    const int index = std::min(int(std::floor(t)), count - 1);
    const QPointF start = index == 0 ? curve.start : curve.segments[index - 1].end;
    const BezierSegment &s = curve.segments[index];
    return Cubic{start, s.control1, s.control2, s.end}.at(t - index);
}

FigureBuilder::FigureBuilder(QString name, QRectF canvas, Axes axes)
    : m_axes(axes)
{
    m_figure.name = std::move(name);
    m_figure.canvas = canvas;
}

namespace {

template <std::size_t N>
void addTexts(FigureBuilder &b, const PlacedText (&texts)[N], const TextStyle &style,
              QPointF offset)
{
    for (const PlacedText &t : texts)
        b.canvasText(QString::fromLatin1(t.text), QPointF(t.x, t.y) + offset, style);
}

}  // namespace

FigureBuilder &FigureBuilder::frame(double rightCvp)
{
    return add(RectElement{QRectF(at(kFrameLeftCvp, kFrameTopCo), at(rightCvp, 0)),
                           colour::paleYellow, Pen{colour::black, kFrameOutlineWidth}});
}

FigureBuilder &FigureBuilder::tickLabels(TickLabels variant)
{
    const QPointF shift = m_axes.shift();
    addTexts(*this, kCvpLabelsUpToFour, kTickLabelStyle, shift);
    switch (variant) {
    case TickLabels::Standard: addTexts(*this, kCvpLabelsStandard, kTickLabelStyle, shift); break;
    case TickLabels::WideLast: addTexts(*this, kCvpLabelsWideLast, kTickLabelStyle, shift); break;
    case TickLabels::NoSix: addTexts(*this, kCvpLabelsNoSix, kTickLabelStyle, shift); break;
    }
    addTexts(*this, kCoLabels, kTickLabelStyle, shift);
    return *this;
}

FigureBuilder &FigureBuilder::coTitle(bool moved)
{
    const QPointF offset = m_axes.shift() + QPointF(moved ? kCoTitleMovedBy : 0, 0);
    addTexts(*this, kCoTitleBig, kArialBlack27, offset);
    addTexts(*this, kCoTitleSmall, kArialBlack19, offset);
    return *this;
}

FigureBuilder &FigureBuilder::cvpTitle(CvpTitle form)
{
    const QPointF shift = m_axes.shift();
    switch (form) {
    case CvpTitle::Centre: addTexts(*this, kCvpTitleCentre, kArialBlack27, shift); break;
    case CvpTitle::CentreSplit: addTexts(*this, kCvpTitleCentreSplit, kArialBlack27, shift); break;
    case CvpTitle::Left: addTexts(*this, kCvpTitleLeft, kArialBlack27, shift); break;
    case CvpTitle::Inside:
        addTexts(*this, kCvpTitleInsideCvp, kArialBlack19, shift);
        addTexts(*this, kCvpTitleInsideUnit, kArialBlack16, shift);
        break;
    }
    return *this;
}

FigureBuilder &FigureBuilder::patch(Patch which)
{
    return add(PatchElement{kPatches[int(which)].translated(m_axes.shift())});
}

FigureBuilder &FigureBuilder::cardiacCurveLabel()
{
    text(QT_TRANSLATE_NOOP("Figure", "Cardiac"), {6.51, 10.56}, kArialBlack27);
    text(QT_TRANSLATE_NOOP("Figure", "Function"), {6.31, 9.56}, kArialBlack27);
    return text(QT_TRANSLATE_NOOP("Figure", "Curve"), {6.87, 8.56}, kArialBlack27);
}

FigureBuilder &FigureBuilder::cfcControl(const QColor &colour, double width)
{
    return curve(cfcControlCurve(), colour, width);
}

FigureBuilder &FigureBuilder::cfcUp(const QColor &colour, double width)
{
    return curve(cfcUpCurve(), colour, width);
}

FigureBuilder &FigureBuilder::cfcDown(const QColor &colour, double width)
{
    return curve(cfcDownCurve(), colour, width);
}

FigureBuilder &FigureBuilder::curve(const CurveData &axisCurve, const QColor &colour,
                                    double width)
{
    CurveElement element{m_axes.toCanvas(axisCurve.start), {}, Pen{colour, width}};
    element.segments.reserve(axisCurve.segments.size());
    for (const BezierSegment &s : axisCurve.segments)
        element.segments.push_back({m_axes.toCanvas(s.control1), m_axes.toCanvas(s.control2),
                                    m_axes.toCanvas(s.end)});
    return add(std::move(element));
}

FigureBuilder &FigureBuilder::line(std::initializer_list<QPointF> axisPoints,
                                   const QColor &colour, double width)
{
    LineElement element{{}, Pen{colour, width}};
    element.points.reserve(axisPoints.size());
    for (QPointF p : axisPoints)
        element.points.push_back(m_axes.toCanvas(p));
    return add(std::move(element));
}

namespace {

// Dots from `from` (canvas) towards `tip`, stopping a whole number of steps short of
// the arrowhead's base, then the arrowhead.
void addGuide(FigureBuilder &b, QPointF from, QPointF tip, const QColor &colour,
              double dotSize)
{
    const QPointF along = unit(tip - from);
    const double room = distance(from, tip) - kArrowheadLength;
    const double steps = std::max(0.0, std::floor(room / kGuideSpacing));
    b.add(DotRowElement{from, from + along * (steps * kGuideSpacing), dotSize, kGuideSpacing,
                        colour, DotShape::Round});
    b.add(headPolygon(tip, along, kArrowheadLength, kArrowheadWidth, colour));
}

}  // namespace

FigureBuilder &FigureBuilder::guideDown(QPointF from, const QColor &colour, double dotSize)
{
    addGuide(*this, at(from.x(), from.y()), at(from.x(), 0), colour, dotSize);
    return *this;
}

FigureBuilder &FigureBuilder::guideLeft(QPointF from, const QColor &colour, double dotSize)
{
    addGuide(*this, at(from.x(), from.y()), at(kFrameLeftCvp, from.y()), colour, dotSize);
    return *this;
}

FigureBuilder &FigureBuilder::arrowhead(QPointF from, QPointF tip, const QColor &colour,
                                        double length, double width)
{
    const QPointF canvasTip = m_axes.toCanvas(tip);
    return add(headPolygon(canvasTip, canvasTip - m_axes.toCanvas(from), length, width, colour));
}

FigureBuilder &FigureBuilder::arrow(QPointF tail, QPointF tip, double width,
                                    const QColor &colour)
{
    const QPointF canvasTail = m_axes.toCanvas(tail);
    const QPointF canvasTip = m_axes.toCanvas(tip);
    const QPointF along = unit(canvasTip - canvasTail);
    // The shaft stops at the head's base; its round end disappears under the head.
    add(LineElement{{canvasTail, canvasTip - along * kArrowheadLength}, Pen{colour, width}});
    return add(headPolygon(canvasTip, along, kArrowheadLength, kArrowheadWidth, colour));
}

namespace {

// A cubic shaft ending in an arrowhead: the shaft is cut where it enters the head,
// and the head points along the chord of the part it replaces.
void addCurvedArrow(FigureBuilder &b, const Cubic &shaft, double width, const QColor &colour)
{
    double lo = 0, hi = 1;
    if (distance(shaft.p0, shaft.p3) <= kArrowheadLength) {
        lo = hi = 0;
    } else {
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            (distance(shaft.at(mid), shaft.p3) > kArrowheadLength ? lo : hi) = mid;
        }
    }
    const Cubic cut = shaft.head(lo);
    b.add(CurveElement{cut.p0, {{cut.p1, cut.p2, cut.p3}}, Pen{colour, width}});
    b.add(headPolygon(shaft.p3, shaft.p3 - cut.p3, kArrowheadLength, kArrowheadWidth, colour));
}

}  // namespace

FigureBuilder &FigureBuilder::curvedArrow(QPointF tail, QPointF tip, double width,
                                          const QColor &colour)
{
    const QPointF a = m_axes.toCanvas(tail);
    const QPointF d = m_axes.toCanvas(tip) - a;
    // Bow to the left of the direction of travel as seen on screen.
    const QPointF bow = QPointF(d.y(), -d.x()) * kCurvedArrowBow;
    addCurvedArrow(*this, Cubic{a, a + d / 3 + bow, a + d * 2 / 3 + bow, a + d}, width, colour);
    return *this;
}

FigureBuilder &FigureBuilder::curvedArrow(QPointF tail, QPointF through, QPointF tip,
                                          double width, const QColor &colour)
{
    const QPointF a = m_axes.toCanvas(tail);
    const QPointF m = m_axes.toCanvas(through);
    const QPointF c = m_axes.toCanvas(tip);
    // The quadratic through `through` at its middle, raised to a cubic.
    const QPointF q = m * 2 - (a + c) / 2;
    addCurvedArrow(*this, Cubic{a, a + (q - a) * (2.0 / 3), c + (q - c) * (2.0 / 3), c}, width,
                   colour);
    return *this;
}

FigureBuilder &FigureBuilder::circle(QPointF centre, double diameter, std::optional<QColor> fill,
                                     std::optional<Pen> outline)
{
    return add(CircleElement{m_axes.toCanvas(centre), diameter, std::move(fill),
                             std::move(outline)});
}

FigureBuilder &FigureBuilder::pointMarker(QPointF centre, const QColor &colour, double diameter)
{
    return circle(centre, diameter, colour);
}

FigureBuilder &FigureBuilder::numberedMarker(QPointF centre, const QColor &fill,
                                             double outlineWidth)
{
    return circle(centre, kNumberedMarkerDiameter, fill, Pen{colour::black, outlineWidth});
}

FigureBuilder &FigureBuilder::regionNumber(int number, QPointF baseline, double height)
{
    // Negative circled digits one to three, and the sans-serif four of the other
    // symbol font, drawn bold.
    static constexpr char32_t kDigits[] = {U'\u2776', U'\u2777', U'\u2778', U'\u278D'};
    const int index = std::clamp(number, 1, 4) - 1;
    const char32_t digit = kDigits[index];
    const TextStyle style{Face::Symbols, height, index == 3};
    return text(QString::fromUcs4(&digit, 1), baseline, style);
}

FigureBuilder &FigureBuilder::text(const QString &text, QPointF baseline, const TextStyle &style,
                                   double rotation)
{
    return addText(text,
                   TextElement{text, m_axes.toCanvas(baseline), style.face, style.height,
                               style.bold, style.italic, style.colour, rotation});
}

FigureBuilder &FigureBuilder::note(const QStringList &lines, QPointF firstBaseline,
                                   const TextStyle &style)
{
    QPointF baseline = m_axes.toCanvas(firstBaseline);
    for (const QString &line : lines) {
        canvasText(line, baseline, style);
        baseline.ry() += kNoteLineStep;
    }
    return *this;
}

FigureBuilder &FigureBuilder::canvasText(const QString &text, QPointF canvasBaseline,
                                         const TextStyle &style)
{
    return addText(text,
                   TextElement{text, canvasBaseline, style.face, style.height, style.bold,
                               style.italic, style.colour, 0});
}

FigureBuilder &FigureBuilder::addText(const QString &english, TextElement element)
{
    element.text = translated(english);
    if (element.text != english)
        m_translated.push_back({m_figure.elements.size(), english});
    return add(std::move(element));
}

FigureBuilder &FigureBuilder::add(Element element)
{
    m_figure.elements.push_back(std::move(element));
    return *this;
}

FigureBuilder &FigureBuilder::describe(const QString &title, const QString &description)
{
    m_figure.title = translated(title);
    m_figure.description = translated(description);
    return *this;
}

FigureBuilder &FigureBuilder::heading(const QString &line)
{
    m_figure.heading = translated(line);
    return *this;
}

FigureBuilder &FigureBuilder::headingText(const QString &text, QPointF baseline,
                                          const TextStyle &style)
{
    const QString piece = translated(text).trimmed();
    m_figure.heading
        = m_figure.heading.isEmpty() ? piece : m_figure.heading + QLatin1Char(' ') + piece;
    return this->text(text, baseline, style);
}

Figure FigureBuilder::build() &&
{
    if (!m_translated.empty())
        fitTranslatedLabels(m_figure, m_translated);
    return std::move(m_figure);
}

}  // namespace fc
