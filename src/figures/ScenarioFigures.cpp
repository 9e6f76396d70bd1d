// The seven scenario figures of the interactions page. Each is a list of calls in
// drawing order; later elements cover earlier ones.

#include "figures/DashedPath.h"
#include "figures/FigureCatalogue.h"
#include "figures/SharedElements.h"

#include <QLineF>
#include <QStringList>

#include <array>
#include <optional>

namespace fc {

namespace {

using P = QPointF;

const TextStyle kArial21{Face::Arial, 21, true};
const TextStyle kArial24{Face::Arial, 24, true};
const TextStyle kArial27{Face::Arial, 27, true};
const TextStyle kArial32{Face::Arial, 32, true};
const TextStyle kArialBlack32{Face::ArialBlack, 32, false};
const TextStyle kRaisedDegree{Face::ArialBlack, 17, false};
// The labels written over markers.
const TextStyle kMarkerLabel{Face::Arial, 21, true, false, colour::paleYellow};

TextStyle coloured(TextStyle style, const QColor &colour)
{
    style.colour = colour;
    return style;
}

// A shaft bending gently to one side, ended by a filled dart: a four-point head
// whose back is notched where the shaft meets it. Canvas units.
void dartArrow(FigureBuilder &b, P tail, P tip, double width)
{
    constexpr double kHeadLength = 18;
    constexpr double kHalfWidth = 7;
    constexpr double kNotch = 6;

    const P from = b.axes().toCanvas(tail);
    const P to = b.axes().toCanvas(tip);
    const QLineF chord(from, to);
    const double len = chord.length();
    const P along = (to - from) / len;
    const P normal{-along.y(), along.x()};
    const double bend = 0.15 * len;

    // The head points along the shaft's end tangent, from the second control point.
    const P control1 = from + chord.length() / 3 * along + bend * normal;
    const P control2 = from + 2 * chord.length() / 3 * along + bend * normal;
    const QLineF endTangent(control2, to);
    const P dir = (to - control2) / endTangent.length();
    const P side{-dir.y(), dir.x()};
    const P back = to - kHeadLength * dir;
    const P notch = back + kNotch * dir;

    b.add(CurveElement{from, {{control1, control2, notch}}, {colour::black, width}});
    b.add(PolygonElement{{to, back + kHalfWidth * side, notch, back - kHalfWidth * side},
                         colour::black});
}

// Square black dashes along a straight-segment course given in axis units.
void squareDashes(FigureBuilder &b, std::initializer_list<P> axisPoints)
{
    std::vector<P> path;
    for (const P &p : axisPoints)
        path.push_back(b.axes().toCanvas(p));
    for (PolygonElement &square : dashesAlong(path, 8, 8, 8, colour::black))
        b.add(std::move(square));
}

}  // namespace

Figure makeMainFactors()
{
    FigureBuilder b("mainfactors", {70, 102, 764, 486});
    b.frame().tickLabels().coTitle();
    b.line({{2.15, 5.00}, {0.10, 7.00}, {-4.00, 7.00}}, colour::black, 8)
        .cfcControl(colour::black, 8);
    b.guideDown({2.15, 4.50}).guideLeft({2.15, 5.00});
    b.text(QT_TRANSLATE_NOOP("Figure", "Operating"), {3.82, 5.72}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Point"), {4.44, 4.91}, kArial21)
        .arrow({4.21, 5.00}, {2.77, 5.00}, 4);
    b.line({{6.87, 0}, {2.15, 5.00}}, colour::black, 8)
        .pointMarker({6.87, 0}, colour::black)
        .pointMarker({2.15, 5.00}, colour::black);
    b.text(QT_TRANSLATE_NOOP("Figure", "Cardiac"), {6.62, 10.22}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Function"), {6.46, 9.41}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Curve"), {6.85, 8.62}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "CFC"), {7.05, 7.81}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Vascular"), {0.54, 9.97}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Function"), {0.51, 9.16}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "Curve"), {0.90, 8.38}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "VFC"), {1.13, 7.56}, kArial21);
    b.arrow({6.46, 8.75}, {6.05, 7.75}, 3);
    b.text(QT_TRANSLATE_NOOP("Figure", "Slope"), {5.28, 3.72}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", " depends"), {4.82, 2.91}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", " on TPR"), {5.00, 2.12}, kArial21);
    b.patch(Patch::P1);
    b.text(QT_TRANSLATE_NOOP("Figure", "mcp depends "), {7.74, 1.97}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "on volume &"), {7.74, 1.16}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", " compliance"), {7.74, 0.38}, kArial21);
    b.curvedArrow({1.46, 7.38}, {1.15, 6.22}, 3)
        .curvedArrow({4.85, 3.53}, {4.13, 3.00}, 3)
        .curvedArrow({7.67, 1.97}, {7.36, 1.78}, {7.00, 0.47}, 3);
    b.text(QT_TRANSLATE_NOOP("Figure", "Contractility &"), {7.64, 5.72}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "sympathetic"), {7.92, 4.91}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "dependent"), {8.13, 4.12}, kArial21);
    b.arrow({9.33, 4.00}, {9.33, 2.50}, 3)
        .arrow({7.69, 4.75}, {7.08, 3.75}, 4)
        .arrow({8.72, 6.25}, {8.10, 7.25}, 3);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Primary Factors Affecting Interaction"),
                  {-3.13, 11.12}, kArial32);
    b.cvpTitle(CvpTitle::Left);
    b.describe(
        QT_TRANSLATE_NOOP("Figure",
                          "Cardiac and vascular function curves of a healthy circulation"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "The cardiac function curve (CFC) and the vascular function curve (VFC) of a healthy "
            "circulation, both in black. The VFC falls in a straight line from the mean "
            "circulatory pressure on the CVP axis (CVP 6.9 mmHg, marked by a black dot) and "
            "levels off at 7 l/min at low CVP; the CFC rises steeply from near zero and levels "
            "off at about 7.5 l/min. They cross at the operating point, CVP about 2 mmHg and CO "
            "5 l/min, marked by a black dot with dotted guides to both axes. Notes name what "
            "shapes each curve: the slope of the VFC depends on TPR, the mean circulatory "
            "pressure on volume and compliance, and the height of the CFC on contractility and "
            "sympathetic drive."));
    return std::move(b).build();
}

Figure makeFailure()
{
    FigureBuilder b("failure", {78, 102, 806, 486});
    // The frame's right edge is at canvas x 880, CVP 14.05 to two places.
    b.frame(b.axes().toAxis({880, 0}).x()).tickLabels(TickLabels::WideLast);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Heart"), {-3.54, 11.16}, kArialBlack32)
        .headingText(QT_TRANSLATE_NOOP("Figure", "Failure - Decreased Contractility"),
                     {-0.77, 11.16}, kArialBlack32);
    b.line({{6.87, 0}, {2.15, 5.00}}, colour::black, 8)
        .pointMarker({6.87, 0}, colour::black)
        .line({{2.15, 5.00}, {0.10, 7.00}, {-4.00, 7.00}}, colour::black, 8)
        .cfcControl(colour::black, 8);

    const TextStyle moderate = coloured(kArial24, colour::blue);
    b.text(QT_TRANSLATE_NOOP("Figure", "Moderate"), {10.00, 5.12}, moderate)
        .text(QT_TRANSLATE_NOOP("Figure", "Failure"), {10.00, 4.22}, moderate);
    static const CurveData kModerateFailure{
        {-4.00, 0.31},
        {{{-3.67, 0.28}, {-3.33, 0.28}, {-2.95, 0.31}},
         {{-2.59, 0.31}, {-2.26, 0.25}, {-1.72, 0.44}},
         {{-1.15, 0.66}, {-0.21, 1.09}, {0.38, 1.50}},
         {{0.97, 1.91}, {1.31, 2.41}, {1.82, 2.88}},
         {{2.36, 3.34}, {2.87, 4.06}, {3.49, 4.41}},
         {{4.13, 4.72}, {4.72, 4.78}, {5.59, 4.84}},
         {{6.44, 4.94}, {8.00, 4.81}, {8.69, 4.84}},
         {{9.38, 4.88}, {9.56, 4.97}, {9.74, 5.00}}}};
    b.curve(kModerateFailure, colour::blue, 8);
    b.numberedMarker({2.97, 4.06}, colour::blue);

    // Fluid retention raises the vascular function curve.
    squareDashes(b, {{8.85, 0.08}, {4.24, 4.95}, {0.13, 9.23}, {-3.69, 9.25}});
    b.pointMarker({8.92, 0}, colour::black);
    b.numberedMarker({4.26, 2.75}, colour::lightRed);
    b.text(QT_TRANSLATE_NOOP("Figure", "Normal VFC"), {-3.74, 7.25}, kArial24);
    b.guideDown({2.98, 3.49}, colour::blue, 3);
    b.arrow({6.87, 0}, {8.72, 0}, 6);
    b.guideDown({4.29, 2.24}, colour::red);
    b.guideLeft({1.94, 4.99}, colour::black, 3).guideDown({2.16, 4.74}, colour::black, 3);
    b.coTitle(true).cvpTitle(CvpTitle::Left).patch(Patch::P1);
    b.text(QT_TRANSLATE_NOOP("Figure", "Normal CFC"), {8.77, 7.12}, kArial24);

    static const CurveData kSevereFailure{
        {-3.79, 0.28},
        {{{-3.46, 0.28}, {-3.13, 0.25}, {-2.74, 0.28}},
         {{-2.38, 0.28}, {-2.05, 0.25}, {-1.51, 0.38}},
         {{-0.95, 0.47}, {0.00, 0.75}, {0.59, 0.97}},
         {{1.18, 1.22}, {1.51, 1.50}, {2.03, 1.78}},
         {{2.56, 2.06}, {3.08, 2.47}, {3.69, 2.66}},
         {{4.33, 2.84}, {4.92, 2.88}, {5.79, 2.91}},
         {{6.64, 2.97}, {8.21, 2.91}, {8.90, 2.91}},
         {{9.59, 2.94}, {9.77, 3.00}, {9.95, 3.00}}}};
    b.curve(kSevereFailure, colour::red, 8);
    b.numberedMarker({2.13, 5.00}, colour::black);
    const TextStyle severe = coloured(kArial24, colour::red);
    b.text(QT_TRANSLATE_NOOP("Figure", "Severe"), {10.21, 2.88}, severe)
        .text(QT_TRANSLATE_NOOP("Figure", "Failure"), {10.21, 1.97}, severe);

    b.text("A", {2.00, 4.69}, kMarkerLabel)
        .text("1", {2.82, 3.69}, kMarkerLabel)
        .text("1", {4.10, 2.44}, kMarkerLabel);
    b.numberedMarker({4.41, 4.72}, colour::blue).text("2", {4.23, 4.47}, kMarkerLabel);
    b.numberedMarker({6.15, 3.00}, colour::lightRed).text("2", {6.00, 2.75}, kMarkerLabel);

    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Heart failure"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Heart failure with decreased contractility. The normal curves are black: the "
            "normal CFC and the normal VFC cross at A, CVP about 2 mmHg and CO 5 l/min. In "
            "moderate failure the CFC, in blue, is lower and levels off at about 5 l/min; it "
            "first meets the normal VFC at blue point 1 (CVP 3, CO 4). In severe failure the "
            "CFC, in red, levels off at only 3 l/min and meets the normal VFC at red point 1 "
            "(CVP 4.3, CO 2.7). Fluid retention then raises the VFC, drawn as black square "
            "dashes, moving its mean circulatory pressure from 6.9 to 8.9 mmHg (arrow along the "
            "CVP axis); the new crossings, points 2, bring CO back to about 4.7 l/min at CVP "
            "4.4 in moderate failure and 3 l/min at CVP 6.2 in severe failure, at the price of "
            "a much higher CVP."));
    return std::move(b).build();
}

namespace {

struct TextPiece {
    const char *text;
    P at;
    const TextStyle *style;
};

struct ArrowPlacement {
    P tail;
    P tip;
};

// What the tilt and blood-loss figures do not share; everything else is drawn
// alike, in the same order.
struct InitialChanges {
    const char *name;
    QRectF canvas;
    std::vector<TextPiece> title;
    const char *heading;  // the title as one line of plain text
    const char *volumeNote;
    const CurveData *reflexCfc;
    Patch reflexCfcPatch;
    P reflexVfcFoot;
    P reflexVfcTop;
    P point3;
    P point3Label;
    QStringList lessCoNote;
    P lessCoNoteAt;
    P afterReflexesNoteAt;
    std::optional<ArrowPlacement> afterReflexesArrow;
    QStringList sympatheticLastLines;
    P baroreceptorNoteAt;
    ArrowPlacement baroreceptorArrow;
    std::optional<std::array<P, 3>> extraCurvedArrow;  // tail, through, tip
    const char *shortTitle;  // the figure named in words
    const char *description;
};

Figure makeInitialChanges(const InitialChanges &f)
{
    FigureBuilder b(f.name, f.canvas);
    b.frame().tickLabels(TickLabels::NoSix);
    b.line({{2.15, 5.00}, {-0.92, 8.00}, {-4.00, 8.00}}, colour::black, 8)
        .cfcControl(colour::black, 8);
    b.line({{2.97, 0}, {-0.92, 4.00}}, colour::blue, 8).pointMarker({2.97, 0}, colour::blue);
    for (const TextPiece &piece : f.title)
        b.text(piece.text, piece.at, *piece.style);
    b.heading(QString::fromUtf8(f.heading));
    b.arrow({6.67, 0}, {3.18, 0}, 8, colour::blue);
    b.guideDown({2.15, 5.00}).pointMarker({2.15, 5.00}, colour::black);
    b.guideDown({0.51, 2.50}, colour::blue).pointMarker({0.51, 2.50}, colour::blue);
    b.cvpTitle(CvpTitle::Left).coTitle(true);
    b.line({{-0.92, 4.00}, {-4.00, 4.00}}, colour::blue, 8).patch(Patch::P1);
    b.line({{6.87, 0}, {2.15, 5.00}}, colour::black, 8).pointMarker({6.87, 0}, colour::black);
    b.note({f.volumeNote}, {2.82, -1.91});
    b.text("2", {0.36, 2.19}, kMarkerLabel).text("1", {2.82, -0.31}, kMarkerLabel);
    b.curve(*f.reflexCfc, colour::red, 8).patch(f.reflexCfcPatch);
    b.note(f.lessCoNote, f.lessCoNoteAt);
    b.line({f.reflexVfcFoot, f.reflexVfcTop}, colour::red, 8)
        .pointMarker(f.reflexVfcFoot, colour::red, 16);
    b.numberedMarker(f.point3, colour::paleYellow, 2);
    b.text("A", {2.00, 4.69}, kMarkerLabel);
    b.curvedArrow({3.36, -1.25}, {3.15, -0.62}, 3)
        .curvedArrow({-1.44, 2.59}, {-0.79, 2.22}, {-0.03, 2.28}, 4);
    b.note({QT_TRANSLATE_NOOP("Figure", "Initial "), QT_TRANSLATE_NOOP("Figure", "operating "),
            QT_TRANSLATE_NOOP("Figure", "point")},
           {3.23, 5.84});
    b.text("3", f.point3Label, kArial24);
    b.note({QT_TRANSLATE_NOOP("Figure", "3. After initial"),
            QT_TRANSLATE_NOOP("Figure", "   sympathetic"),
            QT_TRANSLATE_NOOP("Figure", "   reflexes")},
           f.afterReflexesNoteAt);
    if (f.afterReflexesArrow)
        b.curvedArrow(f.afterReflexesArrow->tail, f.afterReflexesArrow->tip, 3);
    b.note(QStringList{QT_TRANSLATE_NOOP("Figure", "Sympathetic causes a decrease "),
                       QT_TRANSLATE_NOOP("Figure", "in venous compliance (increase"),
                       QT_TRANSLATE_NOOP("Figure", " in MCP) and an increase in TPR ")}
               + f.sympatheticLastLines,
           {5.49, 4.34});
    b.curvedArrow({3.05, 5.50}, {2.54, 5.12}, 3).curvedArrow({6.79, 1.66}, {5.64, 0.28}, 3);
    b.note({QT_TRANSLATE_NOOP("Figure", "Baroreceptor sympathetic"),
            QT_TRANSLATE_NOOP("Figure", "reflexes increase cardiac"),
            QT_TRANSLATE_NOOP("Figure", "contractility and heart rate")},
           f.baroreceptorNoteAt);
    b.curvedArrow(f.baroreceptorArrow.tail, f.baroreceptorArrow.tip, 3);
    if (f.extraCurvedArrow) {
        const auto &[tail, through, tip] = *f.extraCurvedArrow;
        b.curvedArrow(tail, through, tip, 3);
    }
    b.describe(QString::fromUtf8(f.shortTitle), QString::fromUtf8(f.description));
    return std::move(b).build();
}

}  // namespace

Figure makeOrthostatic()
{
    // The reflex cardiac function curve.
    static const CurveData kReflexCfc{
        {-4.00, 0.34},
        {{{-3.72, 0.31}, {-3.44, 0.28}, {-3.10, 0.34}},
         {{-2.79, 0.38}, {-2.51, 0.25}, {-2.05, 0.62}},
         {{-1.59, 0.97}, {-0.77, 1.78}, {-0.28, 2.50}},
         {{0.23, 3.22}, {0.51, 4.09}, {0.95, 4.94}},
         {{1.41, 5.81}, {1.85, 7.06}, {2.38, 7.66}},
         {{2.90, 8.25}, {3.41, 8.34}, {4.15, 8.47}},
         {{4.90, 8.62}, {6.21, 8.44}, {6.79, 8.47}},
         {{7.38, 8.53}, {7.54, 8.72}, {7.69, 8.75}}}};
    const InitialChanges tilt{
        "orthostatic",
        {78, 102, 741, 486},
        {{QT_TRANSLATE_NOOP("Figure", "Tilt from supine (0"), {-2.79, 11.06}, &kArialBlack27},
         {"o", {4.05, 11.31}, &kRaisedDegree},
         {QT_TRANSLATE_NOOP("Figure", ") to upright (90"), {4.33, 11.06}, &kArialBlack27},
         {"o", {9.90, 11.31}, &kRaisedDegree},
         {")", {10.18, 11.06}, &kArialBlack27}},
        QT_TRANSLATE_NOOP("Figure", "Tilt from supine (0°) to upright (90°)"),
        QT_TRANSLATE_NOOP("Figure", "1. Reduced central vein volume decreases MCP"),
        &kReflexCfc,
        Patch::P5,
        {5.54, 0.19},
        {-0.41, 5.81},
        {0.92, 4.62},
        {0.77, 4.38},
        {QT_TRANSLATE_NOOP("Figure", "2. Less CO "), QT_TRANSLATE_NOOP("Figure", "causes less "),
         QT_TRANSLATE_NOOP("Figure", "arterial BP"), QT_TRANSLATE_NOOP("Figure", "(transient)")},
        {-3.74, 3.09},
        {-3.33, 6.09},
        std::nullopt,
        {QT_TRANSLATE_NOOP("Figure", "resulting in a shift of VFC back"),
         QT_TRANSLATE_NOOP("Figure", "to the right and a smaller slope")},
        {-2.72, 9.59},
        {{2.36, 9.00}, {2.90, 8.41}},
        std::array<P, 3>{P{-0.92, 5.25}, P{-0.10, 4.53}, P{0.44, 4.47}},
        QT_TRANSLATE_NOOP("Figure", "Orthostatic (postural) changes"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Tilting from lying to standing. The black curves are the control CFC and VFC, "
            "crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). Blood "
            "pooling in the legs lowers the central vein volume: the VFC, in blue, shifts left "
            "to a mean circulatory pressure of 3 mmHg (point 1 on the CVP axis), and it meets "
            "the control CFC at blue point 2, CVP 0.5 and CO 2.5 l/min, so CO and arterial "
            "pressure fall for a while. Baroreceptor reflexes then raise contractility and "
            "heart rate, giving the higher red CFC, and lower venous compliance and raise TPR, "
            "giving the red VFC with its foot at 5.5 mmHg and a smaller slope. The red curves "
            "cross at point 3, CVP about 0.9 and CO about 4.6 l/min, close to the initial CO "
            "at a lower CVP.")};
    return makeInitialChanges(tilt);
}

Figure makeBloodLoss()
{
    // The reflex cardiac function curve.
    static const CurveData kReflexCfc{
        {-4.00, 0.34},
        {{{-3.74, 0.31}, {-3.46, 0.31}, {-3.15, 0.34}},
         {{-2.85, 0.41}, {-2.59, 0.25}, {-2.15, 0.66}},
         {{-1.72, 1.09}, {-0.95, 2.00}, {-0.49, 2.84}},
         {{0.00, 3.69}, {0.28, 4.66}, {0.69, 5.66}},
         {{1.13, 6.62}, {1.54, 8.09}, {2.05, 8.75}},
         {{2.54, 9.44}, {3.03, 9.53}, {3.72, 9.69}},
         {{4.41, 9.84}, {5.67, 9.62}, {6.23, 9.69}},
         {{6.79, 9.75}, {6.95, 9.94}, {7.08, 10.00}}}};
    const InitialChanges bloodLoss{
        "bloodloss",
        {78, 102, 741, 486},
        {{QT_TRANSLATE_NOOP("Figure", "Blood Loss - Initial Changes "),
          {-1.51, 11.06},
          &kArialBlack27}},
        QT_TRANSLATE_NOOP("Figure", "Blood Loss - Initial Changes"),
        QT_TRANSLATE_NOOP("Figure", "1. Reduced volume  decreases MCP"),
        &kReflexCfc,
        Patch::P6,
        {5.64, 0},
        {-0.92, 4.50},
        {0.00, 3.88},
        {-0.18, 3.62},
        {QT_TRANSLATE_NOOP("Figure", "2. Less CO "), QT_TRANSLATE_NOOP("Figure", "causes less "),
         QT_TRANSLATE_NOOP("Figure", "arterial BP")},
        {-3.74, 2.84},
        {-3.54, 5.84},
        ArrowPlacement{{-0.82, 5.66}, {-0.28, 4.34}},
        {QT_TRANSLATE_NOOP("Figure", "resulting in a shift of VFC to the "),
         QT_TRANSLATE_NOOP("Figure", "right and a smaller slope")},
        {-3.54, 9.84},
        {{1.46, 9.59}, {2.03, 9.00}},
        std::nullopt,
        QT_TRANSLATE_NOOP("Figure", "Blood loss"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "The first minutes after a blood loss. The black curves are the control CFC and "
            "VFC, crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). The "
            "lost volume lowers the mean circulatory pressure to 3 mmHg (point 1 on the CVP "
            "axis): the blue VFC meets the control CFC at blue point 2, CVP 0.5 and CO 2.5 "
            "l/min, so CO and arterial pressure fall. Sympathetic reflexes raise contractility "
            "and heart rate, giving the higher red CFC, and lower venous compliance and raise "
            "TPR, giving the red VFC with its foot at 5.6 mmHg and a smaller slope. The red "
            "curves cross at point 3, CVP about 0 and CO about 3.9 l/min: CO recovers part of "
            "the way while CVP stays low.")};
    return makeInitialChanges(bloodLoss);
}

Figure makeContractility()
{
    FigureBuilder b("contractility", {70, 102, 764, 486});
    b.frame().tickLabels().coTitle();
    b.line({{2.15, 5.00}, {0.10, 7.00}}, colour::black, 11)
        .line({{0.10, 7.00}, {-4.00, 7.00}}, colour::black, 8)
        .cfcControl(colour::black, 8);
    b.guideDown({2.15, 4.50}).guideLeft({2.15, 5.00});
    b.line({{6.87, 0}, {2.15, 5.00}}, colour::black, 8)
        .circle({6.87, 0}, 16, colour::black)
        .circle({2.15, 5.00}, 16, colour::black);
    b.patch(Patch::P1)
        .cfcUp(colour::red, 8)
        .patch(Patch::P2)
        .cfcDown(colour::blue, 8)
        .patch(Patch::P3);
    b.cvpTitle(CvpTitle::Left);
    b.guideDown({0.72, 6.25}, colour::red)
        .numberedMarker({2.13, 5.03}, colour::paleYellow, 2)
        .numberedMarker({0.69, 6.38}, colour::lightRed)
        .guideLeft({0.51, 6.34}, colour::red)
        .numberedMarker({3.77, 3.34}, colour::blue);
    b.text(QT_TRANSLATE_NOOP("Figure", "Increased contractility"), {-3.74, 11.19}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "achieves more CO"), {-3.74, 10.41}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "at less required CVP"), {-3.74, 9.59}, kArial21)
        .curvedArrow({-0.49, 9.22}, {0.59, 6.97}, 3);
    b.text(QT_TRANSLATE_NOOP("Figure", "Reduced contractility"), {5.90, 2.94}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "causes less CO even"), {5.90, 2.16}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "though CVP is greater"), {5.90, 1.34}, kArial21)
        .curvedArrow({5.77, 2.41}, {4.33, 3.09}, 3);
    b.guideDown({3.79, 3.25}, colour::blue).guideLeft({3.38, 3.25}, colour::blue);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Changes in contractility"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Changes in contractility with the vascular function curve unchanged. The black "
            "control CFC and the black VFC cross at the pale-yellow operating point, CVP about "
            "2 mmHg and CO 5 l/min. Increased contractility gives the red CFC, which rises "
            "earlier and levels off at about 11.4 l/min; it meets the VFC at the light red "
            "point, CVP 0.7 and CO 6.4 l/min: more output at a lower CVP. Reduced "
            "contractility gives the blue CFC, which levels off at about 4.1 l/min; it meets "
            "the VFC at the blue point, CVP 3.8 and CO 3.3 l/min: less output even though CVP "
            "is higher. Dotted guides lead from each point to both axes."));
    return std::move(b).build();
}

Figure makeVolume()
{
    FigureBuilder b("volume", {78, 102, 748, 545});
    b.frame().tickLabels(TickLabels::WideLast);
    b.line({{6.87, 0}, {2.15, 5.00}, {0.10, 7.00}, {-4.00, 7.00}}, colour::black, 8)
        .pointMarker({6.87, 0}, colour::black)
        .cfcControl(colour::black, 8);
    b.line({{4.82, 0}, {0.10, 5.00}}, colour::blue, 8)
        .pointMarker({4.82, 0}, colour::blue)
        .line({{8.72, 0}, {0.72, 8.75}}, colour::lightRed, 8)
        .pointMarker({8.72, 0}, colour::lightRed);

    TextStyle italicBlack = kArialBlack27;
    italicBlack.italic = true;
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Volume and Compliance Affect MCP"), {-2.92, 11.06},
                  kArialBlack27)
        .text(QT_TRANSLATE_NOOP("Figure", "Vascular Filling"), {-2.90, 10.06}, italicBlack)
        .text(QT_TRANSLATE_NOOP("Figure", " Relative to Capacity"), {2.92, 10.06}, italicBlack);

    // Below the CVP axis: which way volume (V) and compliance (C) move the MCP.
    const TextStyle signs{Face::ArialBlack, 21, true};
    b.text("+ V", {7.74, -3.03}, coloured(signs, colour::red))
        .text(" - C", {7.74, -3.84}, coloured(signs, colour::red))
        .arrow({7.08, -1.75}, {8.72, -1.75}, 8)
        .arrow({8.72, -1.75}, {8.72, -0.50}, 1)
        .arrow({6.46, -1.75}, {4.82, -1.75}, 8)
        .text("- V", {5.08, -3.03}, coloured(signs, colour::blue))
        .text("+ C", {5.08, -3.84}, coloured(signs, colour::blue))
        .arrow({4.82, -1.75}, {4.82, -0.50}, 1);

    b.guideDown({2.15, 5.00}).pointMarker({2.15, 5.00}, colour::black);
    b.guideDown({1.23, 3.71}, colour::blue).pointMarker({1.23, 3.72}, colour::blue);
    b.guideDown({2.97, 6.25}, colour::lightRed).pointMarker({2.97, 6.25}, colour::lightRed);
    b.text("+", {2.62, -1.25}, TextStyle{Face::ArialBlack, 43, true, false, colour::lightRed})
        .text("-", {0.97, -1.22}, TextStyle{Face::ArialBlack, 53, true, false, colour::blue});
    b.cvpTitle(CvpTitle::Left).coTitle(true);
    b.line({{0.10, 5.00}, {-4.00, 5.00}}, colour::blue, 8)
        .line({{0.72, 8.75}, {-4.00, 8.75}}, colour::lightRed, 8)
        .patch(Patch::P1);
    b.text(QT_TRANSLATE_NOOP("Figure", "MCP shifts in"), {7.74, 4.94}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "proportion to"), {7.77, 4.16}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "volume or "), {8.10, 3.34}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "compliance"), {7.97, 2.53}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "change"), {8.51, 1.75}, kArial21)
        .curvedArrow({9.44, 1.38}, {9.00, 0.38}, 3);
    b.text(QT_TRANSLATE_NOOP("Figure", "Greater CO due "), {1.74, 8.94}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "to increased CVP"), {1.59, 8.16}, kArial21)
        .curvedArrow({3.82, 7.78}, {2.95, 6.88}, 3);
    b.text(QT_TRANSLATE_NOOP("Figure", "Less CO due "), {-3.46, 3.19}, kArial21)
        .text(QT_TRANSLATE_NOOP("Figure", "to reduced CVP"), {-3.74, 2.41}, kArial21)
        .curvedArrow({-0.03, 3.09}, {0.72, 3.75}, 3);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Changes in blood volume and compliance"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "How blood volume and venous compliance set the mean circulatory pressure (MCP), "
            "the foot of the vascular function curve on the CVP axis. The black control VFC "
            "(MCP 6.9 mmHg) meets the black control CFC at CVP about 2 mmHg and CO 5 l/min. "
            "More volume or less compliance shifts the VFC to the right, in light red, with "
            "its foot at 8.7 mmHg: it meets the CFC at CVP 3 and CO 6.25 l/min, greater CO "
            "because CVP is higher. Less volume or more compliance shifts it to the left, in "
            "blue, with its foot at 4.8 mmHg: it meets the CFC at CVP 1.2 and CO 3.7 l/min. "
            "The slopes stay the same; under the axis, arrows show which change moves the MCP "
            "which way."));
    return std::move(b).build();
}

Figure makeTpr()
{
    FigureBuilder b("tpr", {78, 102, 748, 486});
    b.frame().tickLabels(TickLabels::WideLast);
    const std::vector<QPointF> &vfc = vfcControlLine();
    b.line({vfc[0], vfc[1], vfc[2], vfc[3]}, colour::black, 8).cfcControl(colour::black, 8);
    b.line({{6.87, 0}, {0.10, 5.00}}, colour::blue, 8)
        .line({{6.90, 0.06}, {0.49, 9.94}}, colour::lightRed, 8);
    b.numberedMarker({2.13, 5.03}, colour::paleYellow, 2)
        .circle({6.77, 0.12}, 24, colour::black);
    b.text(QT_TRANSLATE_NOOP("Figure", "Vasodilation"), {3.64, 5.31},
           coloured(kArial27, colour::lightRed));

    const TextStyle italic{Face::Arial, 24, true, true};
    b.text(QT_TRANSLATE_NOOP("Figure", "With reduced TPR"), {2.00, 9.81}, italic)
        .text(QT_TRANSLATE_NOOP("Figure", "larger CO"), {2.00, 8.91}, italic)
        .text(QT_TRANSLATE_NOOP("Figure", "with same"), {4.97, 8.91}, italic)
        .text(QT_TRANSLATE_NOOP("Figure", "cardiac contractilty"), {2.00, 8.00}, italic)
        .arrow({2.97, 7.75}, {2.97, 6.75}, 4);
    b.text(QT_TRANSLATE_NOOP("Figure", "Vasoconstriction"), {-0.46, 0.56},
           coloured(kArial27, colour::blue));
    b.guideLeft({1.53, 4.00}).guideLeft({2.76, 6.15});
    dartArrow(b, {4.62, 5.09}, {4.18, 4.34}, 4);
    dartArrow(b, {2.62, 1.25}, {3.18, 2.50}, 4);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Changes in TPR Change Slope of VFC "),
                  {-3.13, 11.31}, kArialBlack27);
    b.coTitle(true).cvpTitle(CvpTitle::Left).patch(Patch::P1);
    b.numberedMarker({1.44, 4.12}, colour::blue).numberedMarker({2.87, 6.12}, colour::lightRed);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Changes in total peripheral resistance"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "How total peripheral resistance (TPR) changes the slope of the vascular function "
            "curve while its foot, the mean circulatory pressure at about 6.9 mmHg (black dot), "
            "stays put. The black control VFC meets the black control CFC at the pale-yellow "
            "operating point, CVP about 2 mmHg and CO 5 l/min. Vasodilation lowers TPR and "
            "makes the VFC steeper, in light red: it meets the CFC at the light red point, CVP "
            "2.9 and CO 6.1 l/min, a larger CO with the same contractility. Vasoconstriction "
            "raises TPR and flattens the VFC, in blue: it meets the CFC at the blue point, CVP "
            "1.4 and CO 4.1 l/min. Dotted guides lead from both points to the CO axis."));
    return std::move(b).build();
}

}  // namespace fc
