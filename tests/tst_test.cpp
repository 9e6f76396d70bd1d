// The practice test page as a user meets it: Start, Next and Reset step through the
// line table, and each selection in the option list is judged against the answer key.

#include "TestSupport.h"

#include "figures/Fonts.h"
#include "figures/TestFigure.h"
#include "shell/Program.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QAbstractTextDocumentLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <limits>
#include <optional>

using namespace fc;
using namespace fc::testing;

namespace {

// The twenty questions as the list must show them, typed out independently of the
// bank: every odd blank matters ("a.1", trailing spaces, "curve,curve A", "? .").
struct ExpectedQuestion {
    const char *lines[6];
    int key;  // list line of the right option
    const char *verdict;
};

const ExpectedQuestion kExpected[20] = {
    {{"1. Which operating point corresponds to the greatest cardiac output?",
      "a. 1", "b. 2", "c. 3", "d. 6", "e. 8"},
     3, "CORRECT!"},
    {{"2. Which operating point corresponds to the greatest CVP?",
      "a. 1", "b. 2", "c. 3", "d. 6", "e. 8"},
     5, "CORRECT!"},
    {{"3. As compared to the control vascular function curve, curve C indicates that",
      "a. TPR is reduced", "b. Blood volume is reduced", "c. Compliance is reduced",
      "d. Cardiac contractility is reduced", "e. Cardiac contractility is increased"},
     1, "CORRECT!"},
    {{"4. As compared to the control vascular function curve, curve D indicates that",
      "a. TPR is increased", "b. TPR is decreased", "c. Blood volume is increased",
      "d. Blood volume is decreased", "e. Cardiac contractility is increased"},
     4, "CORRECT!"},
    {{"5. As compared to the control cardiac function curve, curve A indicates that ",
      "a. TPR is increased ", "b. TPR is decreased", "c. Blood volume is increased",
      "d. Blood volume is decreased", "e. Cardiac contractility is increased"},
     5, "CORRECT!"},
    {{"6. As compared to control cardiac function curve, curve B indicates that",
      "a. TPR is reduced", "b. Blood volume is reduced", "c. Compliance is reduced",
      "d. Cardiac contractility is reduced", "e. Cardiac contractility is increased"},
     4, "CORRECT!"},
    {{"7. As compared to the control cardiac function curve,curve A could result from",
      "a. an increase in blood volume ", "b. an increase in TPR ",
      "c. a positive inotropic drug ", "d. a negative inotropic drug ",
      "e. a decrease in sympathetic activity to the myocardium "},
     3, "CORRECT!"},
    {{"8. As compared to the control venous return curve, curve C could result from",
      "a. an increase in sympathetic activity to peripheral arterioles",
      "b. a selective peripheral arteriole alpha-adrenergic blocking agent",
      "c. a cardioselective beta-adrenergic agonist",
      "d. a significant rapid loss of blood volume", "e. a positive inotropic drug"},
     2, "CORRECT!"},
    {{"9. Compared to the control venous return curve, curve D indicates",
      "a. a decrease in cardiac contractility", "b. a decrease in venous compliance",
      "c. an increase in blood volume due to over-transfusion",
      "d. a decrease in TPR due to peripheral arteriole vasodilation",
      "e. a decrease in sympathetic activity to the veins"},
     5, "CORRECT!"},
    {{"10. Compared to the control vascular function curve, curve C indicates",
      "a. a decrease in cardiac contractility", "b. a decrease in venous compliance",
      "c. an increase in blood volume due to over-transfusion",
      "d. a decrease in TPR due to peripheral arteriole vasodilation",
      "e. an increase in sympathetic activity to the veins"},
     4, "CORRECT!"},
    {{"11. Starting at S, what is the new operating point if just cardiac contractility "
      "decreases?",
      "a.1", "b. 4", "c. 6", "d. 7 ", "e. 8 "},
     4, "CORRECT!"},
    {{"12. Starting at S, what is the new operating point if just cardiac contractility "
      "increases?",
      "a.1", "b. 2", "c. 3", "d. 5 ", "e. 8 "},
     2, "CORRECT! "},
    {{"13. Starting at S, what is the new operating point if sympathetic activity only to "
      "arterioles decreases",
      "a.1", "b. 2", "c. 3", "d. 5 ", "e. 8 "},
     4, "CORRECT!"},
    {{"14. Starting at S, what is the new operating point if only blood volume is reduced?",
      "a.1", "b. 2", "c. 4", "d. 6 ", "e. 7 "},
     3, "CORRECT!"},
    {{"15. Starting at S, what is the new operating point if sympathetic activity to heart "
      "AND arterioles decrease?",
      "a.1", "b. 4", "c. 6", "d. 7 ", "e. 8 "},
     5, "CORRECT!"},
    {{"16. Starting at S, what is the new operating point if blood volume AND cardiac "
      "contractility decrease?",
      "a.1", "b. 2", "c. 4", "d. 6 ", "e. 7 "},
     4, "CORRECT!"},
    {{"17. If a patient were initially operating at point 6, what would move her to point S? ",
      "a. An increase in cardiac contractility",
      "b. An increase in cardiac contractility AND a transfusion",
      "c. A vasodilator drug AND a transfusion",
      "d. An increase in cardiac contractility AND a vasoconstricting drug",
      "e. A single vasoconstrictor drug"},
     2, "CORRECT!"},
    {{"18. If a patient were initially operating at point 8, what would move him to point S? .",
      "a. An increase in cardiac contractility",
      "b. An increase in cardiac contractility AND a transfusion",
      "c. A vasodilator drug AND a transfusion",
      "d. An increase in cardiac contractility AND a vasoconstricting drug",
      "e. A potent peripheral acting vasoconstrictor drug"},
     4, "CORRECT!"},
    {{"19. Which of the following most directly determines movement along any SINGLE cardiac "
      "function curve?",
      "a. Cardiac contractility", "b. Frank-Starling mechanism", "c. Sympathetic activity",
      "d. Total peripheral resistance", "e. Central venous volume"},
     2, "CORRECT!"},
    {{"20. If CVP was hypothetically maintained constant, which of the following would "
      "increase cardiac output?",
      "a. an increase in cardiac contractility", "b. the Frank-Starling mechanism",
      "c. both a AND b", "d. an increase in TPR", "e. both a AND d"},
     1, "CORRECT!"},
};

QStringList expectedLines(int question)
{
    QStringList lines;
    for (const char *line : kExpected[question - 1].lines)
        lines << QString::fromLatin1(line);
    return lines;
}

QStringList repeated(const QString &line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines;
}

const QString kFarewell = QString(35, QLatin1Char(' ')) + "THATS ALL FOLKS! HOPE YOU HAD FUN.";

// The point label an option names: "c. 3" -> "3", "a.1" -> "1", "d. 7 " -> "7".
QString pointOfOption(const QString &option)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^[a-e]\\. ?([1-8]) ?$")).match(option);
    return match.hasMatch() ? match.captured(1) : QString();
}

// Axis units are not square on the canvas (39 units per mmHg, 32 per l/min): distances
// between points are measured as they are drawn.
double canvasDistance(QPointF a, QPointF b)
{
    return std::hypot(39.0 * (a.x() - b.x()), 32.0 * (a.y() - b.y()));
}

// CO of a vascular function curve (a polyline running from its foot leftwards) at
// `cvp`, or nothing outside its span.
std::optional<double> coOnPolyline(const std::vector<QPointF> &line, double cvp)
{
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], b = line[i + 1];
        if (cvp <= std::max(a.x(), b.x()) && cvp >= std::min(a.x(), b.x()) && a.x() != b.x())
            return a.y() + (cvp - a.x()) * (b.y() - a.y()) / (b.x() - a.x());
    }
    return std::nullopt;
}

// Where a cardiac function curve crosses a vascular function curve: walk along the
// cardiac curve until it rises through the vascular one.
std::optional<QPointF> crossing(const CurveData &cardiac, const std::vector<QPointF> &vascular)
{
    const double end = double(cardiac.segments.size());
    QPointF previous;
    // Not a number where there is no previous point over the vascular curve.
    double previousGap = std::numeric_limits<double>::quiet_NaN();
    for (double t = 0; t <= end; t += 0.0005) {
        const QPointF p = pointOnCurve(cardiac, t);
        const std::optional<double> co = coOnPolyline(vascular, p.x());
        if (!co) {
            previousGap = std::numeric_limits<double>::quiet_NaN();
            continue;
        }
        const double gap = p.y() - *co;
        if (previousGap < 0 && gap >= 0) {
            const double f = -previousGap / (gap - previousGap);
            return previous + f * (p - previous);
        }
        previous = p;
        previousGap = gap;
    }
    return std::nullopt;
}

enum class Cardiac { Control, A, B };
enum class Vascular { Control, C, D };

const CurveData &cardiacCurve(Cardiac which)
{
    const TestFigureCurves &curves = testFigureCurves();
    switch (which) {
    case Cardiac::A: return curves.a;
    case Cardiac::B: return curves.b;
    case Cardiac::Control: break;
    }
    return curves.controlCfc;
}

const std::vector<QPointF> &vascularCurve(Vascular which)
{
    const TestFigureCurves &curves = testFigureCurves();
    switch (which) {
    case Vascular::C: return curves.c;
    case Vascular::D: return curves.d;
    case Vascular::Control: break;
    }
    return curves.controlVfc;
}

}  // namespace

Q_DECLARE_METATYPE(Cardiac)
Q_DECLARE_METATYPE(Vascular)

class TestPracticeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pointNamesMatchTheirLabels();

    void openingState();
    void eachQuestion_data();
    void eachQuestion();
    void keyboardSelection();
    void answeringAgain();
    void greatestAmongOfferedPoints_data();
    void greatestAmongOfferedPoints();
    void newOperatingPoint_data();
    void newOperatingPoint();
    void nextBeforeStart();
    void resetThen_data();
    void resetThen();
    void resetBeforeStartKeepsListHidden();
    void startKeepsVerdict_data();
    void startKeepsVerdict();
    void nextBlanksVerdictAndExplanation_data();
    void nextBlanksVerdictAndExplanation();
    void closingPage();
    void placeholderPages_data();
    void placeholderPages();
    void emptyPage();
    void nextPastTheEmptyPage_data();
    void nextPastTheEmptyPage();
    void reopenKeepsCounter_data();
    void reopenKeepsCounter();
    void typingIntoText();
    void controlGeometry_data();
    void controlGeometry();
    void captions();
    void buttonFills_data();
    void buttonFills();
    void pageOfSixLinesFitsTheList();
    void focusOrder();
    void explanationFitsTheBox_data();
    void explanationFitsTheBox();

private:
    QWidget *window() const { return windowOf(*m_program, PageId::Test); }
    Test *page() const { return static_cast<Test *>(m_program->existingPage(PageId::Test)); }
    QListWidget *list() const { return control<QListWidget>(*m_program, PageId::Test, "List2"); }
    QLabel *verdict() const { return control<QLabel>(*m_program, PageId::Test, "Label1"); }
    QPlainTextEdit *text() const
    {
        return control<QPlainTextEdit>(*m_program, PageId::Test, "Text");
    }
    QWidget *picture() const { return control<QWidget>(*m_program, PageId::Test, "test1"); }
    bool listShown() const { return list()->isVisibleTo(window()); }
    qint16 counter() const { return page()->slotCounter(); }

    // Clicks the button named `button`; false when the page has no such button.
    [[nodiscard]] bool press(const char *button) const
    {
        auto *b = control<QPushButton>(*m_program, PageId::Test, button);
        if (!b) {
            qWarning("no button %s", button);
            return false;
        }
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    [[nodiscard]] bool start() const { return press("cmdStart"); }
    [[nodiscard]] bool next(int times = 1) const
    {
        for (int i = 0; i < times; ++i) {
            if (!press("cmdNext"))
                return false;
        }
        return true;
    }
    [[nodiscard]] bool reset() const { return press("cmdReset"); }
    // Start, then Next until question `k` is on view.
    [[nodiscard]] bool showQuestion(int k) const { return start() && next(k - 1); }
    QStringList lines() const
    {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i)
            result << list()->item(i)->text();
        return result;
    }

    std::unique_ptr<Program> m_program;
};

void TestPracticeTest::init()
{
    m_program = std::make_unique<Program>();
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuTest"));
    QVERIFY(window());
    QVERIFY(window()->isVisible());
}

void TestPracticeTest::cleanup()
{
    m_program.reset();
    processDeferredDeletes();
}

void TestPracticeTest::openingState()
{
    QVERIFY(!listShown());
    QCOMPARE(list()->count(), 0);
    QCOMPARE(verdict()->text(), QString());
    QCOMPARE(text()->toPlainText(), QString());
    QVERIFY(picture()->isVisibleTo(window()));
    QCOMPARE(counter(), qint16(0));
    QVERIFY(!text()->isReadOnly());
}

void TestPracticeTest::eachQuestion_data()
{
    QTest::addColumn<int>("number");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("question %d", k) << k;
}

void TestPracticeTest::eachQuestion()
{
    QFETCH(int, number);
    const ExpectedQuestion &expected = kExpected[number - 1];
    const QString explanation = QString::fromLatin1(kQuestions[std::size_t(number - 1)].explanation);

    QVERIFY(showQuestion(number));
    QVERIFY(listShown());
    QCOMPARE(counter(), qint16(6 * (number - 1)));
    QCOMPARE(lines(), expectedLines(number));
    // Start leaves the (empty) verdict alone; Next blanks it to one space.
    QCOMPARE(verdict()->text(), number == 1 ? QString() : QStringLiteral(" "));

    QVERIFY(clickRow(list(), expected.key));
    QCOMPARE(verdict()->text(), QString::fromLatin1(expected.verdict));
    QCOMPARE(text()->toPlainText(), explanation);

    // Every other line, the question itself included, is wrong, and a wrong answer
    // right after the right one takes the explanation away.
    for (int line = 0; line < 6; ++line) {
        if (line == expected.key)
            continue;
        QVERIFY(clickRow(list(), expected.key));
        QCOMPARE(text()->toPlainText(), explanation);
        QVERIFY(clickRow(list(), line));
        QCOMPARE(list()->currentRow(), line);
        QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
        QCOMPARE(text()->toPlainText(), QString());
    }
    // Judging changes neither the page nor the counter.
    QCOMPARE(lines(), expectedLines(number));
    QCOMPARE(counter(), qint16(6 * (number - 1)));
}

void TestPracticeTest::keyboardSelection()
{
    QVERIFY(start());
    list()->setFocus();
    // The first Down selects the question line itself.
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->currentRow(), 3);
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
    QCOMPARE(text()->toPlainText(), QString::fromLatin1(kQuestions[0].explanation));
    QTest::keyClick(list(), Qt::Key_Up);
    QCOMPARE(list()->currentRow(), 2);
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
    QCOMPARE(text()->toPlainText(), QString());
    QTest::keyClick(list(), Qt::Key_End);
    QCOMPARE(list()->currentRow(), 5);
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
}

void TestPracticeTest::answeringAgain()
{
    // No score and no memory of attempts: the same question can be answered over
    // and over, right and wrong in any order.
    QVERIFY(showQuestion(12));
    const QString explanation = QString::fromLatin1(kQuestions[11].explanation);
    for (int round = 0; round < 3; ++round) {
        QVERIFY(clickRow(list(), 3));
        QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
        QCOMPARE(text()->toPlainText(), QString());
        QVERIFY(clickRow(list(), 2));
        QCOMPARE(verdict()->text(), QStringLiteral("CORRECT! "));
        QCOMPARE(text()->toPlainText(), explanation);
    }
    QCOMPARE(counter(), qint16(66));
}

void TestPracticeTest::greatestAmongOfferedPoints_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("byOutput");  // CO, else CVP
    QTest::addRow("question 1, greatest CO") << 1 << true;
    QTest::addRow("question 2, greatest CVP") << 2 << false;
}

void TestPracticeTest::greatestAmongOfferedPoints()
{
    QFETCH(int, number);
    QFETCH(bool, byOutput);

    QVERIFY(showQuestion(number));
    // Read the offered points off the list and rank them by where the figure puts them.
    int bestLine = -1;
    double best = -1e9, runnerUp = -1e9;
    for (int line = 1; line <= 5; ++line) {
        const QString label = pointOfOption(list()->item(line)->text());
        QVERIFY2(!label.isEmpty(), qPrintable(list()->item(line)->text()));
        const TestFigurePoint *point = findTestFigurePoint(label.toStdString());
        QVERIFY2(point, qPrintable(label));
        const QPointF centre = point->centre;
        const double value = byOutput ? centre.y() : centre.x();
        if (value > best) {
            runnerUp = best;
            best = value;
            bestLine = line;
        } else {
            runnerUp = std::max(runnerUp, value);
        }
    }
    // The figure must leave no doubt: clearly more than the next best (a marker's
    // radius, 12 canvas units, is 0.3 l/min or 0.3 mmHg).
    QVERIFY2(best - runnerUp > 0.3, qPrintable(QStringLiteral("%1 vs %2").arg(best).arg(runnerUp)));
    QVERIFY(clickRow(list(), bestLine));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
}

void TestPracticeTest::newOperatingPoint_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Cardiac>("cardiac");
    QTest::addColumn<Vascular>("vascular");

    // The change moves one or both curves; the other stays the control.
    QTest::addRow("11 contractility down") << 11 << Cardiac::B << Vascular::Control;
    QTest::addRow("12 contractility up") << 12 << Cardiac::A << Vascular::Control;
    // Less sympathetic tone to arterioles: lower TPR, steeper VFC C, same heart.
    QTest::addRow("13 arteriolar tone down") << 13 << Cardiac::Control << Vascular::C;
    QTest::addRow("14 volume down") << 14 << Cardiac::Control << Vascular::D;
    QTest::addRow("15 heart and arterioles") << 15 << Cardiac::B << Vascular::C;
    QTest::addRow("16 volume and contractility") << 16 << Cardiac::B << Vascular::D;
}

void TestPracticeTest::newOperatingPoint()
{
    QFETCH(int, number);
    QFETCH(Cardiac, cardiac);
    QFETCH(Vascular, vascular);

    const std::optional<QPointF> meet = crossing(cardiacCurve(cardiac), vascularCurve(vascular));
    QVERIFY(meet);
    const auto nearest = std::min_element(
        kTestFigurePoints.begin(), kTestFigurePoints.end(),
        [&](const TestFigurePoint &a, const TestFigurePoint &b) {
            return canvasDistance(a.centre, *meet) < canvasDistance(b.centre, *meet);
        });
    const double distance = canvasDistance(nearest->centre, *meet);
    // The marker (diameter 24) must sit on the crossing it names.
    QVERIFY2(distance <= 12,
             qPrintable(QStringLiteral("crossing at (%1, %2), point %3 is %4 units away")
                            .arg(meet->x())
                            .arg(meet->y())
                            .arg(QString::fromLatin1(nearest->label.data(), 1))
                            .arg(distance)));

    QVERIFY(showQuestion(number));
    const int key = kExpected[number - 1].key;
    QVERIFY(clickRow(list(), key));
    QVERIFY(verdict()->text().startsWith(QStringLiteral("CORRECT!")));
    QCOMPARE(pointOfOption(list()->item(key)->text()),
             QString::fromLatin1(nearest->label.data(), qsizetype(nearest->label.size())));
}

void TestPracticeTest::nextBeforeStart()
{
    QVERIFY(next());
    QVERIFY(!listShown());
    QCOMPARE(counter(), qint16(6));
    QCOMPARE(lines(), expectedLines(2));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QVERIFY(next());
    QVERIFY(!listShown());
    QCOMPARE(counter(), qint16(12));
    QCOMPARE(lines(), expectedLines(3));

    QVERIFY(start());
    QVERIFY(listShown());
    QCOMPARE(counter(), qint16(0));
    QCOMPARE(lines(), expectedLines(1));
    QVERIFY(clickRow(list(), 3));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
}

void TestPracticeTest::resetThen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("question");
    QTest::addRow("Next") << "cmdNext" << 2;
    QTest::addRow("Start") << "cmdStart" << 1;
}

void TestPracticeTest::resetThen()
{
    QFETCH(QString, button);
    QFETCH(int, question);

    QVERIFY(showQuestion(5));
    QVERIFY(clickRow(list(), 5));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
    QVERIFY(!text()->toPlainText().isEmpty());

    QVERIFY(reset());
    QVERIFY(listShown());
    QCOMPARE(list()->count(), 0);
    QCOMPARE(text()->toPlainText(), QString());
    QCOMPARE(counter(), qint16(0));
    // Reset leaves the verdict and the figure as they were.
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
    QVERIFY(picture()->isVisibleTo(window()));

    QVERIFY(press(button.toLatin1().constData()));
    QVERIFY(listShown());
    QCOMPARE(lines(), expectedLines(question));
    QCOMPARE(counter(), qint16(6 * (question - 1)));
    QVERIFY(clickRow(list(), kExpected[question - 1].key));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
}

void TestPracticeTest::resetBeforeStartKeepsListHidden()
{
    QVERIFY(next(3));
    QVERIFY(reset());
    QVERIFY(!listShown());
    QCOMPARE(list()->count(), 0);
    QCOMPARE(counter(), qint16(0));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QVERIFY(next());
    QVERIFY(!listShown());
    QCOMPARE(lines(), expectedLines(2));
}

void TestPracticeTest::startKeepsVerdict_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("shown");
    QTest::addRow("after a wrong answer") << 2 << "TRY AGAIN";
    QTest::addRow("after the right answer") << 1 << "CORRECT!";
}

void TestPracticeTest::startKeepsVerdict()
{
    QFETCH(int, line);
    QFETCH(QString, shown);

    QVERIFY(showQuestion(3));
    QVERIFY(clickRow(list(), line));
    QCOMPARE(verdict()->text(), shown);

    QVERIFY(start());
    QCOMPARE(verdict()->text(), shown);
    QCOMPARE(text()->toPlainText(), QString());
    QCOMPARE(lines(), expectedLines(1));
    QCOMPARE(counter(), qint16(0));
    // The old verdict goes with the next selection.
    QVERIFY(clickRow(list(), 4));
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
}

void TestPracticeTest::nextBlanksVerdictAndExplanation_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("line");  // -1: no selection
    QTest::addColumn<QString>("typed");
    QTest::addRow("unanswered") << 4 << -1 << "";
    QTest::addRow("after the right answer") << 4 << 4 << "";
    QTest::addRow("after a wrong answer") << 4 << 0 << "";
    QTest::addRow("after CORRECT with a blank") << 12 << 2 << "";
    QTest::addRow("after typing") << 4 << -1 << "my own notes";
    QTest::addRow("question 1 unanswered") << 1 << -1 << "";
    QTest::addRow("question 20 answered") << 20 << 1 << "";
}

void TestPracticeTest::nextBlanksVerdictAndExplanation()
{
    QFETCH(int, question);
    QFETCH(int, line);
    QFETCH(QString, typed);

    QVERIFY(showQuestion(question));
    if (line >= 0)
        QVERIFY(clickRow(list(), line));
    if (!typed.isEmpty())
        QTest::keyClicks(text(), typed);

    QVERIFY(next());
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QCOMPARE(text()->toPlainText(), QString());
    QCOMPARE(counter(), qint16(6 * question));
    QCOMPARE(list()->selectedItems().size(), 0);
}

void TestPracticeTest::closingPage()
{
    QVERIFY(showQuestion(20));
    QVERIFY(clickRow(list(), 1));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
    QVERIFY(next());
    QCOMPARE(counter(), qint16(120));
    QCOMPARE(lines(), QStringList{kFarewell} + repeated(QStringLiteral(" "), 5));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QCOMPARE(text()->toPlainText(), QString());

    // No answer key here: selections are ignored, and they do not even empty the box.
    for (int line = 0; line < 6; ++line) {
        QVERIFY(clickRow(list(), line));
        QCOMPARE(list()->currentRow(), line);
        QCOMPARE(verdict()->text(), QStringLiteral(" "));
        QCOMPARE(text()->toPlainText(), QString());
    }
    QTest::keyClicks(text(), QStringLiteral("done"));
    QVERIFY(clickRow(list(), 0));
    QCOMPARE(text()->toPlainText(), QStringLiteral("done"));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QCOMPARE(counter(), qint16(120));
}

void TestPracticeTest::placeholderPages_data()
{
    QTest::addColumn<int>("nexts");  // after Start
    QTest::addColumn<QString>("number");
    QTest::addRow("22") << 21 << "22. ";
    QTest::addRow("23") << 22 << "23. ";
    QTest::addRow("24") << 23 << "24. ";
    QTest::addRow("25") << 24 << "25. ";
}

void TestPracticeTest::placeholderPages()
{
    QFETCH(int, nexts);
    QFETCH(QString, number);

    QVERIFY(start());
    QVERIFY(next(nexts));
    QCOMPARE(counter(), qint16(6 * nexts));
    QCOMPARE(lines(), (QStringList{number, "a. ", "b. ", "c. ", "d. ", "e. "}));
    for (int line = 0; line < 6; ++line) {
        QVERIFY(clickRow(list(), line));
        QCOMPARE(verdict()->text(), QStringLiteral(" "));
        QCOMPARE(text()->toPlainText(), QString());
    }
    QCOMPARE(counter(), qint16(6 * nexts));
}

void TestPracticeTest::emptyPage()
{
    QVERIFY(start());
    QVERIFY(next(25));
    QCOMPARE(counter(), qint16(150));
    QCOMPARE(lines(), repeated(QString(), 6));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    for (int line = 0; line < 6; ++line) {
        QVERIFY(clickRow(list(), line));
        QCOMPARE(verdict()->text(), QStringLiteral(" "));
        QCOMPARE(text()->toPlainText(), QString());
    }
}

void TestPracticeTest::nextPastTheEmptyPage_data()
{
    QTest::addColumn<bool>("started");
    QTest::addRow("after Start") << true;
    QTest::addRow("before Start") << false;
}

void TestPracticeTest::nextPastTheEmptyPage()
{
    QFETCH(bool, started);

    if (started)
        QVERIFY(start());
    // The table ends at slot 150: the counter climbs to it and stays there.
    for (int i = 0; i < 400; ++i) {
        QVERIFY(next());
        QCOMPARE(counter(), qint16(std::min(6 * (i + 1), 150)));
    }
    QCOMPARE(listShown(), started);
    QCOMPARE(lines(), repeated(QString(), 6));
    QCOMPARE(verdict()->text(), QStringLiteral(" "));
    QCOMPARE(text()->toPlainText(), QString());

    // There the press is ignored altogether: the empty page stays as it is.
    QTest::keyClicks(text(), QStringLiteral("still here?"));
    QVERIFY(next());
    QCOMPARE(text()->toPlainText(), QStringLiteral("still here?"));
    QCOMPARE(counter(), qint16(150));
    QCOMPARE(lines(), repeated(QString(), 6));

    // The page stays usable: Start begins again and the questions are judged.
    QVERIFY(start());
    QVERIFY(listShown());
    QCOMPARE(counter(), qint16(0));
    QCOMPARE(lines(), expectedLines(1));
    QVERIFY(clickRow(list(), 3));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
    QVERIFY(next());
    QCOMPARE(lines(), expectedLines(2));
    QCOMPARE(counter(), qint16(6));
}

void TestPracticeTest::reopenKeepsCounter_data()
{
    QTest::addColumn<int>("nexts");  // after Start, before the window is closed
    QTest::addColumn<QStringList>("afterNext");
    QTest::addColumn<int>("counterAfterNext");
    QTest::addRow("on question 5") << 4 << expectedLines(6) << 30;
    QTest::addRow("on question 20") << 19 << (QStringList{kFarewell} + repeated(" ", 5)) << 120;
    QTest::addRow("on the closing page")
        << 20 << QStringList{"22. ", "a. ", "b. ", "c. ", "d. ", "e. "} << 126;
    // Next is ignored on the empty page, so the rebuilt list stays empty.
    QTest::addRow("on the empty page") << 25 << QStringList() << 150;
}

void TestPracticeTest::reopenKeepsCounter()
{
    QFETCH(int, nexts);
    QFETCH(QStringList, afterNext);
    QFETCH(int, counterAfterNext);

    QVERIFY(start());
    QVERIFY(next(nexts));
    QVERIFY(clickRow(list(), 2));
    QTest::keyClicks(text(), QStringLiteral(" typed"));
    const qint16 before = counter();
    Test *instance = page();

    QPointer<QWidget> closed = window();
    closeWindow(closed);
    QVERIFY(closed.isNull());
    QCOMPARE(page(), instance);
    QCOMPARE(counter(), before);

    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuTest"));
    QVERIFY(window() && window()->isVisible());
    QCOMPARE(page(), instance);
    // Controls come back as created; only the counter survives.
    QVERIFY(!listShown());
    QCOMPARE(list()->count(), 0);
    QCOMPARE(verdict()->text(), QString());
    QCOMPARE(text()->toPlainText(), QString());
    QCOMPARE(counter(), before);

    QVERIFY(next());
    QVERIFY(!listShown());
    QCOMPARE(lines(), afterNext);
    QCOMPARE(counter(), qint16(counterAfterNext));

    QVERIFY(start());
    QVERIFY(listShown());
    QCOMPARE(lines(), expectedLines(1));
    QCOMPARE(counter(), qint16(0));
    QVERIFY(clickRow(list(), 3));
    QCOMPARE(verdict()->text(), QStringLiteral("CORRECT!"));
}

void TestPracticeTest::typingIntoText()
{
    QVERIFY(showQuestion(2));
    QVERIFY(clickRow(list(), 1));
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));

    text()->setFocus();
    QTest::keyClicks(text(), QStringLiteral("point 8?"));
    QCOMPARE(text()->toPlainText(), QStringLiteral("point 8?"));
    // Nothing reads the box: the rest of the page is as it was.
    QCOMPARE(verdict()->text(), QStringLiteral("TRY AGAIN"));
    QCOMPARE(lines(), expectedLines(2));
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(counter(), qint16(6));

    // A judged selection replaces what was typed.
    QVERIFY(clickRow(list(), 5));
    QCOMPARE(text()->toPlainText(), QString::fromLatin1(kQuestions[1].explanation));
    QTest::keyClicks(text(), QStringLiteral("x"));
    QVERIFY(clickRow(list(), 4));
    QCOMPARE(text()->toPlainText(), QString());
}

void TestPracticeTest::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<int>("fontPixels");  // -1: no text

    QTest::addRow("test1") << "test1" << QRect(5160, 720, 6975, 4935) << -1;
    QTest::addRow("Label2") << "Label2" << QRect(5280, 120, 6855, 735) << 11;  // 8.25 pt
    QTest::addRow("Label3") << "Label3" << QRect(1440, 240, 3015, 375) << 13;   // 9.75 pt
    QTest::addRow("Text") << "Text" << QRect(840, 720, 4095, 4935) << 13;
    QTest::addRow("List2") << "List2" << QRect(840, 6000, 11295, 1470) << 13;
    QTest::addRow("Label1") << "Label1" << QRect(840, 7560, 2145, 600) << 13;
    QTest::addRow("cmdStart") << "cmdStart" << QRect(3960, 7920, 1215, 615) << 13;
    QTest::addRow("cmdNext") << "cmdNext" << QRect(5280, 7920, 1335, 615) << 13;
    QTest::addRow("cmdReset") << "cmdReset" << QRect(6720, 7920, 1335, 615) << 13;
}

void TestPracticeTest::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(int, fontPixels);

    QVERIFY(start());
    auto *widget = control<QWidget>(*m_program, PageId::Test, name.toLatin1().constData());
    QVERIFY(widget);
    // Positions are from the client area's corner, below the menu bar; the window is
    // maximized, yet the layout keeps its design places.
    QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("client"));
    QCOMPARE(widget->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15,
                                       twips.height() / 15));
    if (fontPixels > 0) {
        QCOMPARE(widget->font().pixelSize(), fontPixels);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().family(), drawnFamily(Face::MsSansSerif));
    }
}

void TestPracticeTest::captions()
{
    QCOMPARE(window()->windowTitle(), QStringLiteral("Test"));
    const auto *label2 = control<QLabel>(*m_program, PageId::Test, "Label2");
    const auto *label3 = control<QLabel>(*m_program, PageId::Test, "Label3");
    const auto *start = control<QPushButton>(*m_program, PageId::Test, "cmdStart");
    const auto *next = control<QPushButton>(*m_program, PageId::Test, "cmdNext");
    const auto *reset = control<QPushButton>(*m_program, PageId::Test, "cmdReset");
    QVERIFY(label2 && label3 && start && next && reset);
    QCOMPARE(label2->text(),
             QStringLiteral("The figure shows several VFC and CFC. Use these to answer the "
                            "questions.  The operating point S is the intersection of the "
                            "control CFC and VFC curves. Unless otherwise noted, changes are "
                            "with respect to this control state."));
    QCOMPARE(label3->text(), QStringLiteral("Explanations of Answers"));
    QCOMPARE(start->text(), QStringLiteral("Start Questions"));
    QCOMPARE(next->text(), QStringLiteral("Next Question"));
    QCOMPARE(reset->text(), QStringLiteral("Reset Questions"));
}

void TestPracticeTest::buttonFills_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("fill");  // invalid: the standard button face
    QTest::addRow("cmdStart green") << "cmdStart" << QColor(0, 255, 0);
    QTest::addRow("cmdNext light yellow") << "cmdNext" << QColor(255, 255, 128);
    QTest::addRow("cmdReset button face") << "cmdReset" << QColor();
}

void TestPracticeTest::buttonFills()
{
    QFETCH(QString, name);
    QFETCH(QColor, fill);

    auto *button = control<QPushButton>(*m_program, PageId::Test, name.toLatin1().constData());
    QVERIFY(button);
    const QColor expected =
        fill.isValid() ? fill : QApplication::palette().color(QPalette::Active, QPalette::Button);
    // Sample the drawn face beside the caption, left of centre where no text runs.
    const QImage image = button->grab().toImage();
    const QColor drawn = image.pixelColor(6, image.height() / 2);
    QCOMPARE(drawn.name(), expected.name());
}

void TestPracticeTest::pageOfSixLinesFitsTheList()
{
    // The list is one page high: all six lines show without scrolling.
    QVERIFY(start());
    for (int line = 0; line < 6; ++line) {
        const QRect rect = list()->visualItemRect(list()->item(line));
        QVERIFY2(list()->viewport()->rect().contains(rect),
                 qPrintable(QStringLiteral("line %1 at %2..%3, viewport height %4")
                                .arg(line)
                                .arg(rect.top())
                                .arg(rect.bottom())
                                .arg(list()->viewport()->height())));
    }
}

void TestPracticeTest::focusOrder()
{
    // List2 takes focus only once Start has shown it.
    QTRY_COMPARE(QApplication::activeWindow(), window());
    auto *cmdNext = control<QWidget>(*m_program, PageId::Test, "cmdNext");
    QCOMPARE(QApplication::focusWidget(), cmdNext);
    QVERIFY(start());
    cmdNext->setFocus();
    const char *order[] = {"cmdReset", "cmdStart", "List2", "Text", "test1", "cmdNext"};
    for (const char *name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    QCOMPARE(text()->toPlainText(), QString());
    QCOMPARE(verdict()->text(), QString());
}

void TestPracticeTest::explanationFitsTheBox_data()
{
    QTest::addColumn<int>("number");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("explanation %d", k) << k;
}

void TestPracticeTest::explanationFitsTheBox()
{
    QFETCH(int, number);

    QVERIFY(showQuestion(number));
    QVERIFY(clickRow(list(), kExpected[number - 1].key));
    QPlainTextEdit *box = text();
    QCOMPARE(box->toPlainText(), QString::fromLatin1(kQuestions[std::size_t(number - 1)].explanation));
    // The box has no scroll bars: the laid-out text must fit inside it as designed.
    QTextDocument *document = box->document();
    double height = 2 * document->documentMargin();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        height += document->documentLayout()->blockBoundingRect(block).height();
    QVERIFY2(height <= box->viewport()->height(),
             qPrintable(QStringLiteral("text needs %1 pixels, the box shows %2")
                            .arg(height)
                            .arg(box->viewport()->height())));
}

// The builder names the test figure's points; each name must give the point whose
// label the figure shows.
void TestPracticeTest::pointNamesMatchTheirLabels()
{
    const std::pair<TestPoint, std::string_view> names[] = {
        {TestPoint::P1, "1"}, {TestPoint::P2, "2"}, {TestPoint::P3, "3"},
        {TestPoint::P4, "4"}, {TestPoint::P5, "5"}, {TestPoint::P6, "6"},
        {TestPoint::P7, "7"}, {TestPoint::P8, "8"}, {TestPoint::S, "S"}};
    for (const auto &[id, label] : names)
        QCOMPARE(testFigurePoint(id).label, label);
}

QTEST_MAIN(TestPracticeTest)
#include "tst_test.moc"
