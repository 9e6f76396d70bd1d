// The glossary and instructions pages: every drawn line against its literal, drawn
// once, in order, inside the window, however often the window is activated.

#include "TestSupport.h"

#include "figures/Fonts.h"
#include "reference/DrawnText.h"
#include "shell/Program.h"

#include <QFontInfo>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)
Q_DECLARE_METATYPE(fc::Face)

namespace {

// Typed from the page designs, blanks and dots as they stand.
const char *const kExpectedGlossary[] = {
    "Afterload................    Average stress that myocardial cells must overcome to shorten",
    "                                   In the intact heart is proportional to aortic blood pressure",
    "CFC..........................  Cardiac Function Curve:  Relates cardiac output to CVP or RAP",
    "                                    Depends on both contractility and Frank-Starling mechanism",
    "CO ..........................   Cardiac Output = volume output of heart per minute = SV x HR",
    "Contractility............    Intrinsic contraction potential of the myocardium at a given preload.",
    "                                   It is a good index of the velocity and force of contraction.",
    "CVP..........................  Central Venous Pressure = pressure in thoracic veins",
    "Diastole .................    Interval during which ventricle is relaxing",
    "Diastolic Pressure..    Minimum aortic pressure during a cardiac cycle",
    "EDP........................    End Diasolic Pressure = LVP at end of filling phase=start of ventricle systole",
    "EDV.........................   End Diastolic Volume = LV volume at the onset of systole",
    "EF...........................    Ejection Fraction = SV / EDV as fraction or percentage",
    "ESP........................    End Systolic Pressure = LVP at end of systole",
    "ESV.........................   End Systolic Volume = LV volume at the end of systole ",
    "Frank-Starling .......    Mechanism whereby SV increases with increasing EDV (preload)",
    "HR .........................    Heart Rate = number of cardiac beats per minute",
    "Inotropy .................   A positive inotropic agent is one that increases contractility",
    "Laplace's Law.......    Average stress = pressure x radius / wall thickness (T = Pr/w)",
    "LVP.........................   Left ventricular Pressure (mmHg)",
    "MAP ......................    Mean Aortic Pressure = diastolic pressure + 1/3 pulse pressure",
    "MCP.........................  Mean Circulatory Pressure = pressure in vasculature when CO = 0",
    "                                   MCP  value sets the start point of the vascular function curve on the CVP axis",
    "                                   MCP depends on vascular filling relative to vascular capacity",
    "PIP.........................   Peak Isovolumic Pressure = maximum pressure developed by the",
    "                                   ventricle at a given EDV and contractility during isovolumic contraction",
    "                                   Increases in EDV and contractility will increase PIP",
    "PIP line..................   Shows the relationship between PIP and EDV and is also called the",
    "                                   end-systolic pressure-volume relation. ESP falls on the PIP line.",
    "Preload..................   Ventricular volume at onset of ventricular systole. At the muscle",
    "                                   cell level, it is the sarcomere stretch; in the intact ventricle it is",
    "                                   best represented by EDV. Increased preload increases SV.",
    "Pulse Pressure......    Difference between systolic and diastolic pressures.",
    "RAP.......................... Right Atrial Pressure; mean value of RAP is slightly less than CVP",
    "SV...........................   Stroke Volume = volume ejected from ventricle per beat = EDV - ESV",
    "Stroke Work...........    Mechanical work done by the heart per beat = SV x MAP",
    "Systole .................     Interval during which ventricle is contracting",
    "Systolic Pressure...    Maximum aortic pressure during a cardiac cycle",
    "TPR ......................     Total Peripheral Resistance. TPR = (MAP - CVP) / CO",
    "                                   total vascular resistance presented to the left ventricle",
    "                                   The slope of the VFC is inversely proportional to TPR",
    "Venous Return ......   Term for blood flow returning from systemic veins to the heart",
    "                                   Note that average venous return is equal to average cardiac output",
    "VFC..........................  Vascular Function Curve: Relates venous return to CVP or RAP",
    "                                   Also called the Venous Return Curve and Venous Pressure Curve",
};

const char *const kExpectedInstructions[] = {
    " ",
    "  This interactive learning module consists of five major segments ",
    "",
    "  1.    CARDIAC FUNCTION CURVES (CFC) in which their main features are introduced ",
    "",
    "  2.    VASCULAR FUNCTION CURVES (VFC) in which their main features are introduced ",
    "          and the relationship between Vascular and Cardiac Functions are explained",
    "",
    "  3.    INTERACTIONS AND CHANGES in which both Cardiac and Vascular Function curves ",
    "         are used to examine and interpret changes in function.",
    "",
    "  4.    GLOSSARY wiht abbreviations and definitions",
    "",
    "  5.    TEST which provides you the opportunity to evaluate your understanding",
    "          by taking a multiple choice practice test with explanations of answers.",
    "",
    "  To begin, we recommend that you start by clicking on Cardiac Function Curves.",
    "",
    " Those of you who are already familiar with the material may choose to proceed directly to ",
    "  the test. It and its explanations should provide you with excellent practice and preparation. ",
};

}  // namespace

class TestReference : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void linesAreTheLiterals_data();
    void linesAreTheLiterals();
    void drawnOnceWhateverTheActivations_data();
    void drawnOnceWhateverTheActivations();
    void reopenedAfterCloseDrawsTheFullText();

private:
    std::unique_ptr<Program> m_program;
};

void TestReference::linesAreTheLiterals_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    for (int i = 0; i < int(std::size(kExpectedGlossary)); ++i)
        QTest::addRow("glossary %d", i + 1)
            << PageId::Glossary << i << QString::fromLatin1(kExpectedGlossary[i]);
    for (int i = 0; i < int(std::size(kExpectedInstructions)); ++i)
        QTest::addRow("instructions %d", i + 1)
            << PageId::Instructions << i << QString::fromLatin1(kExpectedInstructions[i]);
}

void TestReference::linesAreTheLiterals()
{
    QFETCH(PageId, page);
    QFETCH(int, line);
    QFETCH(QString, expected);

    m_program->showPage(page);
    auto *text = windowOf(*m_program, page)->findChild<DrawnText *>();
    QVERIFY(text);
    QCOMPARE(text->lineCount(), page == PageId::Glossary ? 45 : 20);
    QCOMPARE(text->line(line), expected);
}

void TestReference::drawnOnceWhateverTheActivations_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<Face>("face");
    QTest::addRow("glossary") << PageId::Glossary << QColor(255, 255, 128) << Face::Arial;
    QTest::addRow("instructions") << PageId::Instructions << QColor(0, 0, 192)
                                  << Face::MsSansSerif;
}

void TestReference::drawnOnceWhateverTheActivations()
{
    QFETCH(PageId, page);
    QFETCH(QColor, background);
    QFETCH(Face, face);

    m_program->start();
    m_program->showPage(page);
    QWidget *window = windowOf(*m_program, page);
    auto *text = window->findChild<DrawnText *>();
    QCOMPARE(text->font().family(), drawnFamily(face));
    QVERIFY(text->font().bold());
    QCOMPARE(text->font().pixelSize(), 13);

    const QImage first = window->grab().toImage();
    // Lines go down from the top-left corner, one line height apart, and all of
    // them lie inside the window's client area.
    QCOMPARE(text->mapTo(window, QPoint(0, 0)), QPoint(0, 0));
    QVERIFY(text->baseline(text->lineCount() - 1) < window->height());
    QCOMPARE(first.pixelColor(first.width() - 1, first.height() - 1), background);

    for (int i = 0; i < 5; ++i) {
        windowOf(*m_program, PageId::Introduction)->activateWindow();
        QCoreApplication::processEvents();
        m_program->showPage(page);
        QCoreApplication::processEvents();
    }
    QCOMPARE(window->grab().toImage(), first);

    // Text is drawn in the band of each line: the first glossary line starts at the
    // left edge, the instructions' first line is a single space and stays blank.
    const int lineHeight = QFontMetrics(text->font()).height();
    bool inkOnFirstLine = false;
    for (int y = 0; y < lineHeight; ++y)
        for (int x = 0; x < 60; ++x)
            inkOnFirstLine |= first.pixelColor(x, y) != background;
    QCOMPARE(inkOnFirstLine, page == PageId::Glossary);
}

void TestReference::reopenedAfterCloseDrawsTheFullText()
{
    m_program->showPage(PageId::Glossary);
    const QImage before = windowOf(*m_program, PageId::Glossary)->grab().toImage();
    closeWindow(windowOf(*m_program, PageId::Glossary));
    m_program->showPage(PageId::Glossary);
    const QImage after = windowOf(*m_program, PageId::Glossary)->grab().toImage();
    QCOMPARE(after, before);
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
