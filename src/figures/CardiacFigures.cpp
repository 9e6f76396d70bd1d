#include "figures/FigureCatalogue.h"
#include "figures/SharedElements.h"

#include <utility>

namespace fc {

namespace {

const QRectF kCardiacCanvas{70, 102, 764, 494};

}  // namespace

Figure makeCfc1()
{
    FigureBuilder b(QStringLiteral("cfc1"), kCardiacCanvas);
    b.frame().tickLabels().coTitle();
    b.cfcControl(colour::black, 11);
    b.cvpTitle(CvpTitle::Centre);
    b.cardiacCurveLabel();
    b.arrow({6.46, 8.75}, {6.05, 7.75}, 4);
    b.patch(Patch::P1);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Cardiac function curve"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "A single thick black cardiac function curve: cardiac output (CO, l/min, upward) "
            "against central venous pressure (CVP, mmHg, to the right). "
            "The curve lies almost flat at about 0.3 l/min while CVP is below about -2 mmHg, "
            "rises steeply between a CVP of about -1.7 and 3.4 mmHg, and levels off at about "
            "7.5 l/min from a CVP of about 5.4 mmHg. "
            "At a CVP of about 2 mmHg the heart pumps about 5 l/min. "
            "At the upper right the words \"Cardiac Function Curve\" point with an arrow at "
            "the plateau."));
    return std::move(b).build();
}

Figure makeCfc2()
{
    FigureBuilder b(QStringLiteral("cfc2"), kCardiacCanvas);
    b.frame().tickLabels().coTitle();
    b.cfcControl(colour::black, 11).patch(Patch::P1);
    b.cfcUp(colour::red, 11).patch(Patch::P2);
    b.cfcDown(colour::blue, 11).patch(Patch::P3);
    b.cvpTitle(CvpTitle::Centre);

    b.text(QT_TRANSLATE_NOOP("Figure", "Increased"), {-3.15, 9.28}, kArial27Bold);
    b.text(QT_TRANSLATE_NOOP("Figure", "Contractility"), {-3.54, 8.28}, kArial27Bold);
    b.curvedArrow({-0.82, 8.19}, {0.05, 7.16}, {0.41, 6.62}, 3);

    b.text(QT_TRANSLATE_NOOP("Figure", "Decreased"), {5.74, 2.78}, kArial27Bold);
    b.text(QT_TRANSLATE_NOOP("Figure", "Contractility"), {5.49, 1.78}, kArial27Bold);
    b.curvedArrow({5.59, 2.62}, {4.56, 2.56}, {3.95, 2.84}, 3);

    // The vertical line of equal filling pressure: 56 small squares, 6 units apart.
    b.add(DotRowElement{b.at(1.35, 0.05), b.at(1.35, 10.36), 3, 6, colour::black,
                        DotShape::Square});

    // Where that line meets CFC-up, CFC-down and CFC-control.
    b.circle({1.32, 8.20}, 19, colour::paleYellow, Pen{colour::red, 3});
    b.circle({1.32, 1.30}, 19, colour::paleYellow, Pen{colour::blue, 3});
    b.circle({1.32, 3.70}, 19, colour::paleYellow, Pen{colour::black, 3});

    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Cardiac function curves for changes in contractility"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Three cardiac function curves on the same axes: the black control curve, a red "
            "curve for increased contractility and a blue curve for decreased contractility. "
            "The red curve rises earlier and more steeply and levels off at about 11.4 l/min; "
            "the blue curve starts at a CVP of about -3 mmHg, rises slowly and levels off at "
            "about 4.1 l/min. "
            "A dotted vertical line at a CVP of about 1.3 mmHg meets the three curves at small "
            "circles: about 8.2 l/min on the red curve, 3.7 l/min on the black control curve "
            "and 1.3 l/min on the blue curve, so at the same filling pressure a stronger heart "
            "pumps more and a weaker heart less. "
            "The labels \"Increased Contractility\" at the upper left and \"Decreased "
            "Contractility\" at the lower right point with curved arrows at the red and blue "
            "curves."));
    return std::move(b).build();
}

}  // namespace fc
