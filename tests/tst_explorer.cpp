// The curve explorer: its model against the module's own curves and the physiology,
// its figure, and the window as a student works it with keys, mouse and screen reader.

#include "ExplorerReadouts.h"
#include "TestSupport.h"

#include "concepts/CardiacFunctionCurves.h"
#include "concepts/Interactions.h"
#include "concepts/VascularFunctionCurves.h"
#include "explorer/CurveFigure.h"
#include "explorer/CurveModel.h"
#include "explorer/CurvesView.h"
#include "explorer/Explorer.h"
#include "explorer/Scenarios.h"
#include "figures/DashedPath.h"
#include "figures/FigureCatalogue.h"
#include "figures/Fonts.h"
#include "shell/ListBox.h"

#include <QAccessible>
#include <QImage>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

constexpr const char *kFactorNames[] = {"contractility", "bloodVolume", "venousCompliance",
                                        "resistance"};
constexpr double Factors::*kMembers[] = {&Factors::contractility, &Factors::bloodVolume,
                                         &Factors::venousCompliance, &Factors::resistance};
constexpr int kMinimum[] = {25, 60, 50, 50};
constexpr int kMaximum[] = {200, 140, 200, 200};

Factors randomFactors(QRandomGenerator &random)
{
    Factors f;
    for (int i = 0; i < 4; ++i)
        f.*kMembers[i] = kMinimum[i] + random.bounded(kMaximum[i] - kMinimum[i] + 1);
    return f;
}

// CO of a Bézier chain whose CVP grows along it, at `cvp` inside its span.
double chainAt(const CurveData &curve, double cvp)
{
    return pointOnCurve(curve, curveParameterAtCvp(curve, cvp)).y();
}

// Straight-line interpolation of a polyline whose CVP falls along it.
double polylineAt(const std::vector<QPointF> &line, double cvp)
{
    for (std::size_t i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], b = line[i];
        if (cvp <= a.x() && cvp >= b.x())
            return a.x() == b.x() ? a.y() : a.y() + (cvp - a.x()) * (b.y() - a.y()) / (b.x() - a.x());
    }
    return std::nan("");
}

bool near(QPointF a, QPointF b, double tolerance = 1e-9)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

// The CFC's own slope at `cvp` is far from flat: where a change of filling must move CO.
bool onRisingPart(const Factors &f, double cvp)
{
    return cardiacOutput(f, cvp + 0.05) - cardiacOutput(f, cvp - 0.05) > 0.01;
}

}  // namespace

class TestExplorer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init() { m_program = startedProgram(); }
    void cleanup() { endProgram(m_program); }

    void controlIsTheFiguresControl();
    void contractilityMatchesTheModulesCurves_data();
    void contractilityMatchesTheModulesCurves();
    void physiology_data();
    void physiology();
    void operatingPointOnBothDrawnCurves();
    void figureOffScale();
    void figureScalesBothWays();

    void ctrlEOpensFromEveryPage_data();
    void ctrlEOpensFromEveryPage();
    void closingDiscards_data();
    void closingDiscards();
    void endSessionClosesIt();
    void keysMoveFactors_data();
    void keysMoveFactors();
    void mouseAndControlButton();
    void scenarios_data();
    void scenarios();
    void accessibleValuesAndAnnouncement();

    void scenarioPhysiology_data();
    void scenarioPhysiology();
    void rangesShownAndKept();
    void topicOpensItsScenario_data();
    void topicOpensItsScenario();
    void everyTextWhole_data();
    void everyTextWhole();
    void figureGoesOut();

private:
    Explorer *openExplorer(PageId from = PageId::Introduction)
    {
        m_program->showPage(from);
        QWidget *page = windowOf(*m_program, from);
        if (!QTest::qWaitForWindowActive(page))
            return nullptr;
        QTest::keyClick(page, Qt::Key_E, Qt::ControlModifier);
        Explorer *explorer = m_program->explorer();
        return explorer && QTest::qWaitForWindowActive(explorer) ? explorer : nullptr;
    }
    // The explorer's readouts and summary agree with the markers of its figure.
    static bool readoutsAgree(Explorer *e)
    {
        const QString wrong = readoutsMismatch(*e);
        if (!wrong.isEmpty())
            qWarning() << wrong;
        return wrong.isEmpty();
    }

    std::unique_ptr<Program> m_program;
};

void TestExplorer::controlIsTheFiguresControl()
{
    const Factors control;
    const CurveData cfc = cardiacFunctionCurve(control);
    const CurveData &figureCfc = cfcControlCurve();
    QVERIFY(near(cfc.start, figureCfc.start));
    for (std::size_t i = 0; i < cfc.segments.size(); ++i) {
        QVERIFY(near(cfc.segments[i].control1, figureCfc.segments[i].control1));
        QVERIFY(near(cfc.segments[i].control2, figureCfc.segments[i].control2));
        QVERIFY(near(cfc.segments[i].end, figureCfc.segments[i].end));
    }
    const std::vector<QPointF> vfc = vascularFunctionLine(control);
    QCOMPARE(vfc.size(), vfcControlLine().size());
    for (std::size_t i = 0; i < vfc.size(); ++i)
        QVERIFY2(near(vfc[i], vfcControlLine()[i]), qPrintable(QString::number(i)));
    QCOMPARE(meanSystemicFillingPressure(control), 6.87);

    // The figures' element data cross at CVP 2.127, CO 5.022: the point the contractility
    // and TPR figures mark at (2.13, 5.03); the others mark the VFC's vertex (2.15, 5.00).
    const OperatingPoint p = operatingPoint(control);
    QVERIFY(std::abs(chainAt(figureCfc, p.cvp) - p.co) < 1e-3);
    QVERIFY(std::abs(polylineAt(vfcControlLine(), p.cvp) - p.co) < 1e-6);
}

void TestExplorer::contractilityMatchesTheModulesCurves_data()
{
    QTest::addColumn<double>("contractility");
    QTest::addColumn<int>("curve");  // 0 up, 1 down
    QTest::addColumn<double>("maxError");
    QTest::addColumn<double>("rmsError");
    // Where the module's curve wobbles on its foot the fit cannot follow; elsewhere it
    // stays within a curve's line width (8 units, 0.25 l/min).
    QTest::addRow("increased is 200%%") << 200.0 << 0 << 0.18 << 0.075;
    QTest::addRow("decreased is 50%%") << 50.0 << 1 << 0.10 << 0.05;
}

void TestExplorer::contractilityMatchesTheModulesCurves()
{
    QFETCH(double, contractility);
    QFETCH(int, curve);
    QFETCH(double, maxError);
    QFETCH(double, rmsError);
    const CurveData &target = curve == 0 ? cfcUpCurve() : cfcDownCurve();
    Factors f;
    f.contractility = contractility;
    double worst = 0, squares = 0;
    const int samples = 800;
    for (int i = 0; i <= samples; ++i) {
        const QPointF p = pointOnCurve(target, double(target.segments.size()) * i / samples);
        const double error = std::abs(cardiacOutput(f, p.x()) - p.y());
        worst = std::max(worst, error);
        squares += error * error;
    }
    const double rms = std::sqrt(squares / (samples + 1));
    QVERIFY2(worst <= maxError, qPrintable(QStringLiteral("max %1").arg(worst)));
    QVERIFY2(rms <= rmsError, qPrintable(QStringLiteral("rms %1").arg(rms)));
}

void TestExplorer::physiology_data()
{
    QTest::addColumn<int>("factor");
    for (int i = 0; i < 4; ++i)
        QTest::addRow("more %s", kFactorNames[i]) << i;
}

// Each row raises one factor from a random setting and checks which way CVP, CO and
// MSFP go, over many settings.
void TestExplorer::physiology()
{
    QFETCH(int, factor);
    QRandomGenerator random(1234 + factor);
    const double collapse = collapsePressure();
    for (int n = 0; n < 1500; ++n) {
        const Factors before = randomFactors(random);
        if (before.*kMembers[factor] >= kMaximum[factor])
            continue;
        Factors after = before;
        after.*kMembers[factor] += 1 + random.bounded(kMaximum[factor] - int(before.*kMembers[factor]));
        const OperatingPoint a = operatingPoint(before), b = operatingPoint(after);
        const double msfpA = meanSystemicFillingPressure(before);
        const double msfpB = meanSystemicFillingPressure(after);
        const QByteArray where = QStringLiteral("from %1/%2/%3/%4 to %5")
                                     .arg(before.contractility).arg(before.bloodVolume)
                                     .arg(before.venousCompliance).arg(before.resistance)
                                     .arg(after.*kMembers[factor]).toLatin1();
        switch (factor) {
        case 0:  // more CO at a lower CVP; on the VFC's plateau, below the collapse
                 // pressure, venous return caps CO
            QVERIFY2(b.cvp < a.cvp && msfpA == msfpB, where);
            QVERIFY2(b.co >= a.co - 1e-5, where);
            if (a.cvp > collapse + 0.01)
                QVERIFY2(b.co > a.co, where);
            break;
        case 1:  // the VFC shifts right: CVP, MSFP and CO rise
        case 2:  // the VFC shifts left: all three fall
        {
            const bool up = factor == 1;
            QVERIFY2((msfpB > msfpA) == up && (b.cvp > a.cvp) == up, where);
            QVERIFY2(up ? b.co >= a.co - 1e-5 : b.co <= a.co + 1e-5, where);
            if (onRisingPart(before, a.cvp))
                QVERIFY2((b.co > a.co) == up, where);
            break;
        }
        case 3: {  // a flatter VFC about the same MSFP
            QVERIFY2(msfpA == msfpB && b.co <= a.co + 1e-5, where);
            if (onRisingPart(before, a.cvp))
                QVERIFY2(b.co < a.co, where);
            // (MSFP - CVP) / CO is RVR, in proportion to resistance within the 8% by
            // which the two sloped segments of VFC-control differ.
            if (a.cvp > collapse && b.cvp > collapse) {
                const double ratio = ((msfpB - b.cvp) / b.co) / ((msfpA - a.cvp) / a.co);
                const double expected = after.resistance / before.resistance;
                QVERIFY2(std::abs(ratio / expected - 1) < 0.09, where);
            }
            break;
        }
        }
    }
}

void TestExplorer::operatingPointOnBothDrawnCurves()
{
    QRandomGenerator random(99);
    for (int n = 0; n < 1000; ++n) {
        const Factors f = randomFactors(random);
        const OperatingPoint p = operatingPoint(f);
        // On the model's curves, and the crossing found to 0.01 mmHg.
        QVERIFY(std::abs(cardiacOutput(f, p.cvp) - p.co) < 1e-4);
        QVERIFY(std::abs(venousReturn(f, p.cvp) - p.co) < 1e-4);
        QVERIFY(cardiacOutput(f, p.cvp - 0.01) < venousReturn(f, p.cvp - 0.01));
        QVERIFY(cardiacOutput(f, p.cvp + 0.01) > venousReturn(f, p.cvp + 0.01));
        // On the curves as drawn: the VFC exactly; the CFC but for the dip of the hand-
        // drawn plateau (0.05 l/min at control), which the model reads as flat, and flat
        // past the chain's ends.
        QVERIFY(std::abs(polylineAt(vascularFunctionLine(f), p.cvp) - p.co) < 1e-6);
        const CurveData cfc = cardiacFunctionCurve(f);
        const double drawn = p.cvp < cfc.start.x()                ? cfc.start.y()
                             : p.cvp > cfc.segments.back().end.x() ? cfc.segments.back().end.y()
                                                                    : chainAt(cfc, p.cvp);
        const double dip = 0.052 * cfcTransform(f.contractility).coScale;
        QVERIFY2(std::abs(drawn - p.co) < dip, qPrintable(QString::number(drawn - p.co)));
    }
}

void TestExplorer::figureOffScale()
{
    // A weak heart with full, stiff veins: the crossing and MSFP lie past CVP 12.
    const Factors f{25, 140, 50, 100};
    QVERIFY(operatingPoint(f).cvp > 12 && meanSystemicFillingPressure(f) > 12);
    const Figure curves = explorerCurves(f);
    const QRectF frame = std::get<RectElement>(explorerBackground().elements.front()).rect;
    for (const Element &e : curves.elements) {
        QVERIFY(!std::holds_alternative<CircleElement>(e));
        if (const auto *line = std::get_if<LineElement>(&e)) {
            for (QPointF p : line->points)
                QVERIFY(frame.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(p));
        }
    }
    QVERIFY(curves.description.contains("beyond the right edge"));
}

void TestExplorer::figureScalesBothWays()
{
    CurvesView view;
    view.setCurves(explorerCurves(Factors{}));
    const OperatingPoint p = operatingPoint(Factors{});
    const QPointF marker = Axes{}.toCanvas(p.cvp, p.co);
    const QPointF inPlot = Axes{}.toCanvas(10, 10);
    for (const QSize size : {QSize(382, 300), QSize(1528, 988)}) {
        view.resize(size);
        QImage image(size, QImage::Format_ARGB32);
        view.render(&image);
        const QTransform t = view.canvasToWidget();
        QCOMPARE(image.pixelColor(t.map(marker).toPoint()), colour::black);
        QCOMPARE(image.pixelColor(t.map(inPlot).toPoint()), colour::paleYellow);
        // The canvas fills the width or the height.
        const QRectF shown = t.mapRect(explorerBackground().canvas);
        QVERIFY(std::abs(shown.width() - view.contentsRect().width()) < 1
                || std::abs(shown.height() - view.contentsRect().height()) < 1);
    }
}

void TestExplorer::ctrlEOpensFromEveryPage_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<PageId>("second");
    QTest::addRow("welcome, then test") << PageId::Introduction << PageId::Test;
    QTest::addRow("cardiac, then glossary") << PageId::CardiacFunctionCurves << PageId::Glossary;
    QTest::addRow("vascular, then welcome") << PageId::VascularFunctionCurves << PageId::Introduction;
    QTest::addRow("interactions, then cardiac") << PageId::Interactions << PageId::CardiacFunctionCurves;
    QTest::addRow("test, then instructions") << PageId::Test << PageId::Instructions;
    QTest::addRow("glossary, then interactions") << PageId::Glossary << PageId::Interactions;
    QTest::addRow("instructions, then vascular") << PageId::Instructions << PageId::VascularFunctionCurves;
}

void TestExplorer::ctrlEOpensFromEveryPage()
{
    QFETCH(PageId, page);
    QFETCH(PageId, second);
    Explorer *explorer = openExplorer(page);
    QVERIFY(explorer);
    QVERIFY(explorer->isVisible());
    QCOMPARE(explorer->factors(), Factors{});
    // The action sits on the window, not on its menu bar, which keeps its entries.
    auto *action = windowOf(*m_program, page)->findChild<QAction *>("explore");
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("Explore\u2026"));
    if (auto *bar = windowOf(*m_program, page)->findChild<QMenuBar *>())
        QVERIFY(!bar->actions().contains(action));

    // From another page the same window comes back to the front, as it was left.
    explorer->findChild<QSlider *>("resistance")->setValue(150);
    QCOMPARE(openExplorer(second), explorer);
    QCOMPARE(explorer->factors().resistance, 150.0);
    QCOMPARE(QApplication::topLevelWidgets().count(QApplication::activeWindow()), 1);
}

void TestExplorer::closingDiscards_data()
{
    QTest::addColumn<int>("how");
    QTest::addRow("Escape") << 0;
    QTest::addRow("Ctrl+W") << 1;
    QTest::addRow("close box") << 2;
}

void TestExplorer::closingDiscards()
{
    QFETCH(int, how);
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    QTest::keyClick(explorer->findChild<QSlider *>("contractility"), Qt::Key_End);
    QCOMPARE(explorer->factors().contractility, 200.0);
    if (how == 0)
        QTest::keyClick(explorer->findChild<QSpinBox *>("bloodVolume"), Qt::Key_Escape);
    else if (how == 1)
        QTest::keyClick(explorer, Qt::Key_W, Qt::ControlModifier);
    else
        explorer->close();
    processDeferredDeletes();
    QVERIFY(!m_program->explorer());
    QVERIFY(windowOf(*m_program, PageId::Introduction)->isVisible());
    explorer = openExplorer();
    QVERIFY(explorer);
    QCOMPARE(explorer->factors(), Factors{});
    QVERIFY(readoutsAgree(explorer));
}

void TestExplorer::endSessionClosesIt()
{
    QVERIFY(openExplorer());
    m_program->endSession();
    QVERIFY(!m_program->explorer()->isVisible());
}

void TestExplorer::keysMoveFactors_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("coSign");  // which way the operating point's CO goes
    QTest::addRow("contractility") << 0 << 1;
    QTest::addRow("blood volume") << 1 << 1;
    QTest::addRow("venous compliance") << 2 << -1;
    QTest::addRow("resistance") << 3 << -1;
}

void TestExplorer::keysMoveFactors()
{
    QFETCH(int, factor);
    QFETCH(int, coSign);
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    auto *slider = explorer->findChild<QSlider *>(kFactorNames[factor]);
    auto *spinBox = explorer->findChild<QSpinBox *>(kFactorNames[factor]);
    QVERIFY(slider && spinBox);
    const double co = explorer->point().co;

    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(spinBox->value(), 101);
    QTest::keyClick(slider, Qt::Key_PageUp);
    QCOMPARE(spinBox->value(), 111);
    QCOMPARE(explorer->factors().*kMembers[factor], 111.0);
    QVERIFY((explorer->point().co - co) * coSign > 0);
    QVERIFY(readoutsAgree(explorer));

    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(spinBox->value(), kMinimum[factor]);
    // Typed into the spin box; the slider follows.
    spinBox->selectAll();
    QTest::keyClicks(spinBox, "120");
    QCOMPARE(slider->value(), 120);
    QCOMPARE(explorer->factors().*kMembers[factor], 120.0);
    QVERIFY(readoutsAgree(explorer));
    QTest::keyClick(spinBox, Qt::Key_Up);
    QCOMPARE(slider->value(), 121);
}

void TestExplorer::mouseAndControlButton()
{
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    auto *slider = explorer->findChild<QSlider *>("bloodVolume");
    // A click on the groove to the right of the handle moves one page.
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 3, slider->height() / 2));
    QCOMPARE(slider->value(), 110);
    QTest::mouseClick(explorer->findChild<QSlider *>("contractility"), Qt::LeftButton, {},
                      QPoint(2, slider->height() / 2));
    QCOMPARE(explorer->factors().contractility, 90.0);
    QVERIFY(explorer->point().co != operatingPoint(Factors{}).co);
    QTest::mouseClick(explorer->findChild<QPushButton *>("control"), Qt::LeftButton);
    QCOMPARE(explorer->factors(), Factors{});
    QCOMPARE(explorer->findChild<QSpinBox *>("bloodVolume")->value(), 100);
    QCOMPARE(explorer->findChild<QLabel *>("operatingCvp")->text(), QStringLiteral("2.13 mmHg"));
    QCOMPARE(explorer->findChild<QLabel *>("operatingCo")->text(), QStringLiteral("5.02 l/min"));
    QCOMPARE(explorer->findChild<QLabel *>("msfp")->text(), QStringLiteral("6.87 mmHg"));
}

void TestExplorer::scenarios_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < fc::scenarios().size(); ++i)
        QTest::addRow("%s", fc::scenarios()[i].name) << int(i);
}

void TestExplorer::scenarios()
{
    QFETCH(int, row);
    const Scenario &s = fc::scenarios()[std::size_t(row)];
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    auto *list = explorer->findChild<ListBox *>("scenarios");
    auto *caption = explorer->findChild<QLabel *>("scenarioCaption");
    QVERIFY(list && caption);
    QVERIFY(clickRow(list, row));
    QCOMPARE(explorer->factors(), s.factors);
    // The row's own sentence, not its neighbour's, and the numbers of what is drawn.
    QCOMPARE(caption->text(), QCoreApplication::translate("fc::Scenario", s.caption));
    QTRY_VERIFY(!explorer->isGliding());
    QVERIFY(readoutsAgree(explorer));
    // One sentence.
    QCOMPARE(caption->text().count(QLatin1Char('.')), 1);
    QVERIFY(caption->text().endsWith(QLatin1Char('.')));

    // Moving a factor away from the scenario leaves it; the next row comes by key.
    QTest::keyClick(explorer->findChild<QSlider *>("resistance"), Qt::Key_Left);
    QCOMPARE(list->selectedRow(), -1);
    QVERIFY(caption->text().isEmpty());
    QVERIFY(clickRow(list, row));
    QTest::keyClick(list, row + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
    const int next = row + 1 < list->count() ? row + 1 : row - 1;
    QCOMPARE(explorer->factors(), fc::scenarios()[std::size_t(next)].factors);
}

void TestExplorer::accessibleValuesAndAnnouncement()
{
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    auto *slider = explorer->findChild<QSlider *>("venousCompliance");
    auto *spinBox = explorer->findChild<QSpinBox *>("venousCompliance");
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(slider);
    QCOMPARE(a->role(), QAccessible::Slider);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Venous compliance"));
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("100 percent of control"));
    QVERIFY(a->valueInterface());
    a->valueInterface()->setCurrentValue(80);
    QCOMPARE(spinBox->value(), 80);
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("80 percent of control"));
    QAccessibleInterface *spin = QAccessible::queryAccessibleInterface(spinBox);
    QCOMPARE(spin->text(QAccessible::Name), QStringLiteral("Venous compliance"));
    QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("80 %"));

    // The summary follows every step on view, but a screen reader hears it, and the
    // figure's description, once the factors rest.
    auto *announcement = explorer->findChild<QLabel *>("announcement");
    auto *view = explorer->findChild<CurvesView *>();
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(announcement);
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QTest::qWait(Explorer::kSettleMs + 100);
    const QString heard = status->text(QAccessible::Name), described = view->accessibleDescription();
    for (int i = 0; i < 8; ++i) {
        const QString before = announcement->text();
        QTest::keyClick(slider, Qt::Key_Left);
        QVERIFY(announcement->text() != before && readoutsAgree(explorer));
        QTest::qWait(Explorer::kSettleMs / 4);
    }
    QCOMPARE(status->text(QAccessible::Name) + view->accessibleDescription(), heard + described);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(QAccessible::Name), announcement->text(), Explorer::kSettleMs * 3);
    // Stiffer veins (72%) raise CO; the figure is described with the readout's CO.
    QVERIFY(announcement->text().endsWith(QStringLiteral("above control.")));
    QVERIFY(view->accessibleDescription().contains(explorer->findChild<QLabel *>("operatingCo")->text()));
}

void TestExplorer::scenarioPhysiology_data()
{
    // Which way CVP, CO and MSFP go from control, as the sentence says, and MSFP where
    // the scenario's figure puts the VFC's foot (0: none the ranges reach).
    QTest::addColumn<QList<int>>("signs");
    QTest::addColumn<double>("foot");
    QTest::addRow("Increased contractility") << QList{-1, 1, 0} << 0.0;
    QTest::addRow("Decreased contractility") << QList{1, -1, 0} << 0.0;
    QTest::addRow("Transfusion") << QList{1, 1, 1} << 8.72;
    QTest::addRow("Blood loss") << QList{-1, -1, -1} << 0.0;
    QTest::addRow("Blood loss after reflexes") << QList{-1, -1, -1} << 5.64;
    QTest::addRow("Standing up") << QList{-1, -1, -1} << 0.0;
    QTest::addRow("Standing up after reflexes") << QList{-1, -1, -1} << 5.54;
    QTest::addRow("Venoconstriction") << QList{1, 1, 1} << 8.72;
    QTest::addRow("Vasodilation") << QList{1, 1, 0} << 0.0;
    QTest::addRow("Vasoconstriction") << QList{-1, -1, 0} << 0.0;
    QTest::addRow("Moderate heart failure") << QList{1, -1, 0} << 0.0;
    QTest::addRow("Moderate heart failure with fluid retention") << QList{1, -1, 1} << 8.92;
    QTest::addRow("Severe heart failure") << QList{1, -1, 0} << 0.0;
    QTest::addRow("Severe heart failure with fluid retention") << QList{1, -1, 1} << 8.92;
}

void TestExplorer::scenarioPhysiology()
{
    QFETCH(QList<int>, signs);
    QFETCH(double, foot);
    const auto sign = [](double d) { return std::abs(d) < 0.005 ? 0 : d > 0 ? 1 : -1; };
    const auto all = fc::scenarios();
    const auto s = std::find_if(all.begin(), all.end(), [](const Scenario &s) {
        return QTest::currentDataTag() == QByteArray(s.name);
    });
    QVERIFY(s != all.end());
    const Factors c{};
    const OperatingPoint p = operatingPoint(s->factors), pc = operatingPoint(c);
    const double m = meanSystemicFillingPressure(s->factors);
    QCOMPARE(QList({sign(p.cvp - pc.cvp), sign(p.co - pc.co), sign(m - meanSystemicFillingPressure(c))}), signs);
    QVERIFY2(foot == 0 || std::abs(m - foot) < 0.2, qPrintable(QString::number(m)));
    // Every scenario has a row here: the last row is the last scenario.
    QCOMPARE(QByteArray(QTest::currentDataTag()) == "Severe heart failure with fluid retention", s == all.end() - 1);
}

// Each factor's range is shown and a number typed beyond it taken as its nearest end;
// then "Control" puts back every factor so moved.
void TestExplorer::rangesShownAndKept()
{
    Explorer *explorer = openExplorer();
    QVERIFY(explorer);
    const QString atControl = explorer->findChild<QLabel *>("announcement")->text();
    for (int i = 0; i < 4; ++i) {
        auto *spinBox = explorer->findChild<QSpinBox *>(kFactorNames[i]);
        auto *slider = explorer->findChild<QSlider *>(kFactorNames[i]);
        const QString range = QStringLiteral("%1% to %2% of control").arg(kMinimum[i]).arg(kMaximum[i]);
        QVERIFY2(spinBox->toolTip().contains(range), qPrintable(spinBox->toolTip()));
        QCOMPARE(QAccessible::queryAccessibleInterface(slider)->text(QAccessible::Description), range);
        for (const auto &[typed, taken] : {std::pair{"10", kMinimum[i]}, std::pair{"999", kMaximum[i]},
                                            std::pair{"99", 99}}) {
            spinBox->setFocus();
            spinBox->selectAll();
            QTest::keyClicks(spinBox, typed);
            QTest::keyClick(spinBox, Qt::Key_Return);
            QCOMPARE(slider->value(), taken);
            QCOMPARE(explorer->factors().*kMembers[i], double(taken));
        }
    }
    QVERIFY(readoutsAgree(explorer));
    QTest::mouseClick(explorer->findChild<QPushButton *>("control"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(explorer->findChild<QSpinBox *>(kFactorNames[i])->value(), 100);
    QCOMPARE(explorer->factors(), Factors{});
    QCOMPARE(explorer->findChild<QLabel *>("announcement")->text(), atControl);
}

void TestExplorer::topicOpensItsScenario_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("topic");  // list row
    QTest::addColumn<QString>("scenario");  // empty: control, or as it was
    const PageId i = PageId::Interactions, c = PageId::CardiacFunctionCurves;
    QTest::addRow("TPR") << i << 2 << "Vasoconstriction";
    QTest::addRow("orthostatic") << i << 6 << "Standing up";
    QTest::addRow("heading") << i << 0 << "";
    QTest::addRow("cardiac contractility") << c << 4 << "Increased contractility";
    QTest::addRow("cardiac, large CVP") << c << 6 << "";
    QTest::addRow("vascular, region 1") << PageId::VascularFunctionCurves << 4 << "";
}

void TestExplorer::topicOpensItsScenario()
{
    QFETCH(PageId, page);
    QFETCH(int, topic);
    QFETCH(QString, scenario);
    QWidget *window = showActive(*m_program, page);
    QVERIFY(window && clickRow(window->findChild<ListBox *>("basicList1"), topic));
    // First a fresh explorer; then one left at other settings, brought to the front.
    const Factors left{30, 130, 180, 60};
    for (int open = 0; open < 2; ++open) {
        if (open == 1) {
            m_program->explorer()->setFactors(left);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        Explorer *explorer = m_program->explorer();
        QVERIFY(explorer && QTest::qWaitForWindowActive(explorer));
        auto *list = explorer->findChild<ListBox *>("scenarios");
        if (scenario.isEmpty()) {
            QCOMPARE(explorer->factors(), (open == 0 ? Factors{} : left));
            QCOMPARE(list->selectedRow(), -1);
        } else {
            QCOMPARE(list->currentItem()->text(), scenario);
            QCOMPARE(explorer->factors(), fc::scenarios()[std::size_t(list->selectedRow())].factors);
            QVERIFY(!explorer->findChild<QLabel *>("scenarioCaption")->text().isEmpty());
        }
        QVERIFY(readoutsAgree(explorer));
    }
    // Every topic the mapping names is listed once on the pages.
    for (const TopicScenario &t : topicScenarios()) {
        int pages = 0;
        for (const ConceptPageTable *table : {&cardiacPageTable(), &vascularPageTable(), &interactionsPageTable()})
            pages += std::count_if(table->topics.begin(), table->topics.end(),
                                   [&t](const TopicRow &r) { return qstrcmp(r.text, t.topic) == 0; });
        QVERIFY2(pages == 1 && scenarioOfTopic(QLatin1String(t.topic)), t.topic);
    }
}

void TestExplorer::everyTextWhole_data()
{
    QTest::addColumn<QSize>("size");  // empty: the opening size
    QTest::addColumn<int>("zoomSteps");
    QTest::addRow("opening") << QSize() << 0;
    QTest::addRow("small") << QSize(900, 620) << 0;
    QTest::addRow("wide and low") << QSize(1900, 700) << 0;
    QTest::addRow("maximised") << QSize(1920, 1080) << 0;
    QTest::addRow("zoomed in after the readings grew") << QSize() << 3;
}

// At each size and scenario every wrapped label has the height its text needs, no two
// controls of the panel overlap, each number keeps its unit on its line, and at the
// opening size every scenario row is on view.
void TestExplorer::everyTextWhole()
{
    QFETCH(QSize, size);
    QFETCH(int, zoomSteps);
    Explorer *explorer = openExplorer(PageId::Interactions);
    QVERIFY(explorer);
    if (size.isValid())
        explorer->resize(size);
    const auto readingsWhole = [explorer] {
        for (const char *name : {"operatingCvp", "operatingCo", "msfp"}) {
            const auto *reading = explorer->findChild<QLabel *>(QLatin1String(name));
            if (reading->width() < reading->sizeHint().width())
                return false;
        }
        return true;
    };
    // Readings wider than those the window opened with, then larger type.
    QTest::keyClick(explorer->findChild<QSlider *>("bloodVolume"), Qt::Key_End);
    QTest::keyClick(explorer->findChild<QSlider *>("venousCompliance"), Qt::Key_Home);
    for (int i = 0; i < zoomSteps; ++i)
        QTest::keyClick(explorer, Qt::Key_Plus, Qt::ControlModifier);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY(readingsWhole());
    auto *list = explorer->findChild<ListBox *>("scenarios");
    for (int row = 0; row < list->count(); ++row) {
        QVERIFY(clickRow(list, row));
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(readingsWhole());
        std::vector<std::pair<QWidget *, QRect>> placed;
        for (QWidget *w : explorer->findChildren<QWidget *>()) {
            if (!w->isVisible() || !qobject_cast<QGroupBox *>(w->parentWidget()))
                continue;
            for (const auto &[other, at] : placed)
                QVERIFY2(!at.intersects(QRect(w->mapTo(explorer, QPoint()), w->size())),
                         qPrintable(w->objectName() + " over " + other->objectName()));
            placed.emplace_back(w, QRect(w->mapTo(explorer, QPoint()), w->size()));
            if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
        }
        QVERIFY(size.isValid() || list->viewport()->rect().contains(list->visualItemRect(list->item(list->count() - 1))));
        const auto *summary = explorer->findChild<QLabel *>("announcement");
        QVERIFY2(summary->height() >= summary->heightForWidth(summary->width()), qPrintable(summary->text()));
        QVERIFY(!summary->text().contains(QRegularExpression(QStringLiteral("\\d (mmHg|l/min)"))));
    }
}

void TestExplorer::figureGoesOut()
{
    Explorer *explorer = openExplorer();
    QVERIFY(explorer && clickRow(explorer->findChild<ListBox *>("scenarios"), 4));  // blood loss after reflexes
    QTRY_VERIFY(!explorer->isGliding());
    auto *view = explorer->findChild<CurvesView *>();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 3);  // Copy, Save As…, Print…
    menu->actions().first()->trigger();
    menu->close();
    // What is on view: the current and the dashed control curves, both markers.
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QImage copied = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(copied.size(), explorerBackground().canvas.size().toSize() * 2);
    const auto at = [](QPointF axis) {
        return ((Axes{}.toCanvas(axis) - explorerBackground().canvas.topLeft()) * 2).toPoint();
    };
    const OperatingPoint p = explorer->point();
    QCOMPARE(copied.pixelColor(at({p.cvp, p.co})), colour::black);
    QCOMPARE(copied.pixelColor(at({meanSystemicFillingPressure(explorer->factors()), 0})), colour::blue);
    QCOMPARE(copied.pixelColor(at(vfcControlLine()[1])), colour::black);  // on a dash
    const QString title = "Contractility 150%, stressed volume 60%, venous compliance 75%, TPR 150%: "
                          "CVP 0.27\u00a0mmHg, CO 3.66\u00a0l/min, MSFP 5.50\u00a0mmHg";
    QVERIFY(QString::fromUtf8(mime->data("image/svg+xml")).contains("<title>" + title.toHtmlEscaped() + "</title>"));
    // The copy is what was on view then, and stays so.
    QTest::keyClick(explorer->findChild<QSlider *>("resistance"), Qt::Key_Home);
    QCOMPARE(qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData()), copied);
    // The dotted guides lie over the VFC, not under it.
    const std::vector<Element> &drawn = view->curves().elements;
    const auto first = [&drawn](auto is) { return std::find_if(drawn.begin(), drawn.end(), is) - drawn.begin(); };
    QVERIFY(first([](const Element &e) { return std::holds_alternative<DotRowElement>(e); })
            > first([](const Element &e) { return std::holds_alternative<LineElement>(e)
                                                  && std::get<LineElement>(e).pen.colour == colour::blue; }));
}

QTEST_MAIN(TestExplorer)
#include "tst_explorer.moc"
