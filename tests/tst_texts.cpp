#include <QByteArray>
#include <QTest>

#include <cmath>

#include "concepts/ConceptTexts.h"
#include "practice/QuestionBank.h"

using namespace fc;

namespace {

int leadingBlanks(const QByteArray &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == ' ')
        ++n;
    return n;
}

int trailingBlanks(const QByteArray &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == ' ')
        ++n;
    return n;
}

// Printable ASCII only: rules out line breaks, tabs, curly quotes and other
// characters that the answer boxes would not show as typed.
int firstNonPrintable(const QByteArray &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text.at(i));
        if (c < 0x20 || c > 0x7e)
            return i;
    }
    return -1;
}

}  // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void longText_data();
    void longText();
    void questionFiveExplanationIsVerbatim();
    void listLines_data();
    void listLines();
    void answerKey_data();
    void answerKey();
    void closingLine();
};

// Every answer and explanation paragraph: its fixed opening, its blanks at either
// end, and a length close to the one the page layout was made for.
void TestTexts::longText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("opening");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("leading");
    QTest::addColumn<int>("trailing");

    QTest::addRow("cardiac curve: what is it") << QByteArray(texts::kCfcWhatIs)
        << QByteArray("A Cardiac Function Curve (CFC) is a graphical representation showing how cardiac output (CO) varies as the input pressure to the heart changes.")
        << 574 << 0 << 0;
    QTest::addRow("cardiac curve: contractility") << QByteArray(texts::kCfcContractility)
        << QByteArray(" The effects of changes in cardiac contractility can be understood by seeing what happens to CO at a fixed value of CVP.")
        << 526 << 1 << 1;
    QTest::addRow("cardiac curve: large CVP") << QByteArray(texts::kCfcLargeCvp)
        << QByteArray("The increase in CO as CVP increases depends of the Frank-Starling mechanism.")
        << 382 << 0 << 0;
    QTest::addRow("vascular curve: what is it") << QByteArray(texts::kVfcWhatIs)
        << QByteArray("A Vascular Function Curve (VFC) is a graphical representation showing the relationship between cardiac output (CO) and central venous pressure (CVP).")
        << 998 << 0 << 1;
    QTest::addRow("vascular curve: region 1") << QByteArray(texts::kVfcRegion1)
        << QByteArray(" Point 1 corresponds to a condition in which CO is zero.")
        << 1000 << 1 << 0;
    QTest::addRow("vascular curve: region 2") << QByteArray(texts::kVfcRegion2)
        << QByteArray("Region 2 corresponds to the condition in which blood flow is now occuring.")
        << 995 << 0 << 2;
    QTest::addRow("vascular curve: regions 3 and 4") << QByteArray(texts::kVfcRegions3And4)
        << QByteArray("Point 3 and region 4 demonstrate a physical change in the relationship between CO and CVP.")
        << 692 << 0 << 1;
    QTest::addRow("vascular curve: relationships") << QByteArray(texts::kVfcRelationships)
        << QByteArray("Cardiac and Vascular functions both are related to CVP but in different ways.")
        << 763 << 0 << 1;
    QTest::addRow("interactions: TPR") << QByteArray(texts::kTpr)
        << QByteArray("Changes in TPR cause the slope of the VFC to change.")
        << 976 << 0 << 0;
    QTest::addRow("interactions: volume") << QByteArray(texts::kVolume)
        << QByteArray(" The key to understanding the effects of blood volume or compliance changes is to recognize that each of these effects the mean circulatory pressure (mcp).")
        << 988 << 1 << 0;
    QTest::addRow("interactions: contractility") << QByteArray(texts::kContractility)
        << QByteArray("Contractility is an index of the intrinisic velocity and force of contraction of cardiac myocytes.")
        << 989 << 0 << 1;
    QTest::addRow("interactions: blood loss") << QByteArray(texts::kBloodLoss)
        << QByteArray("The effects of blood loss depend on the amount and rate of hemmorrhage.")
        << 974 << 0 << 1;
    QTest::addRow("interactions: orthostatic") << QByteArray(texts::kOrthostatic)
        << QByteArray("Orthostatic or postural changes effect the distribution of blood volume and can produce effects similar to those produced by blood loss.")
        << 999 << 0 << 1;
    QTest::addRow("interactions: heart failure") << QByteArray(texts::kHeartFailure)
        << QByteArray("Heart failure is a general term which describes a diminished pumping function that is no longer fully adequate to provide perfusion for all organs and tissues.")
        << 997 << 0 << 0;
    QTest::addRow("explanation 1") << QByteArray(kQuestions[0].explanation)
        << QByteArray("Correct! The cardiac output at operating point 3 is the largest with a magnitude of about 9 liters/minute.")
        << 258 << 0 << 1;
    QTest::addRow("explanation 2") << QByteArray(kQuestions[1].explanation)
        << QByteArray("Correct! The operating point with the highest value of central venous pressure is point 8.")
        << 427 << 0 << 0;
    QTest::addRow("explanation 3") << QByteArray(kQuestions[2].explanation)
        << QByteArray("Correct! The vascular function curve represented by curve C has a greater slope (8-5-3) than that of the slope of the control VFC (7-S-2).")
        << 637 << 0 << 0;
    QTest::addRow("explanation 4") << QByteArray(kQuestions[3].explanation)
        << QByteArray("Correct! The vascular function curve represented by curve D demonstrates either a reduction in blood volume or an increase in compliance, but the latter is not offered as a choice.")
        << 689 << 0 << 0;
    QTest::addRow("explanation 5") << QByteArray(kQuestions[4].explanation)
        << QByteArray("Correct! Curve A is a cardiac function curve that is affected by cardiac contractility. An increase in contractility results in a greater cardiac output for any level of central venous pressure. All other choices affect the vascular function curve.")
        << 248 << 0 << 0;
    QTest::addRow("explanation 6") << QByteArray(kQuestions[5].explanation)
        << QByteArray("Correct! Curve B represents a cardiac function curve with a reduced contractility as compared to the control curve.")
        << 388 << 0 << 3;
    QTest::addRow("explanation 7") << QByteArray(kQuestions[6].explanation)
        << QByteArray("Correct! Curve A represents an increase in cardiac contractility.")
        << 677 << 0 << 1;
    QTest::addRow("explanation 8") << QByteArray(kQuestions[7].explanation)
        << QByteArray("Correct!  Curve C is a vascular function curve (also called venous return curve) that has a greater slope than the control curve.")
        << 723 << 0 << 1;
    QTest::addRow("explanation 9") << QByteArray(kQuestions[8].explanation)
        << QByteArray("Correct! The only choice that could explain the left shift in the vascular function curve, without a change in slope, is a decrease in sympathetic activity to the veins.")
        << 395 << 0 << 2;
    QTest::addRow("explanation 10") << QByteArray(kQuestions[9].explanation)
        << QByteArray("Correct! The only choice that could explain the increased slope of curve C compared to the control VFC is a decrease in total peripheral resistance.")
        << 254 << 0 << 3;
    QTest::addRow("explanation 11") << QByteArray(kQuestions[10].explanation)
        << QByteArray("Correct! If only contractility changes, then the vascular function curve remains the same.")
        << 397 << 0 << 2;
    QTest::addRow("explanation 12") << QByteArray(kQuestions[11].explanation)
        << QByteArray("Correct! If only contractility increases, then the vascular function curve remains the same.")
        << 485 << 0 << 1;
    QTest::addRow("explanation 13") << QByteArray(kQuestions[12].explanation)
        << QByteArray("Correct! If the only change that occurs is a decrease in sympathtetic activity to arterioles then there will be a reduction in total peripheral resistance.")
        << 536 << 0 << 1;
    QTest::addRow("explanation 14") << QByteArray(kQuestions[13].explanation)
        << QByteArray("Correct! The effect of decreasing blood volume is to reduce vascular filling in relation to its capacity.")
        << 446 << 0 << 0;
    QTest::addRow("explanation 15") << QByteArray(kQuestions[14].explanation)
        << QByteArray("Correct! A decrease in sympathetic activity to the heart reduces contractility so the new cardiac function curve is curve B.")
        << 359 << 0 << 1;
    QTest::addRow("explanation 16") << QByteArray(kQuestions[15].explanation)
        << QByteArray("Correct! A decrease in contractility results in a depressed cardiac function curve (curve B) and a decrease in blood volume shifts the vascular function to the left (curve D).")
        << 278 << 0 << 0;
    QTest::addRow("explanation 17") << QByteArray(kQuestions[16].explanation)
        << QByteArray("Correct! For the choices given, In order for there to be a possibility of moving the patient's operating point to point S from point 6, there needs to be an increase in both cardiac contractility and blood volume.")
        << 480 << 0 << 1;
    QTest::addRow("explanation 18") << QByteArray(kQuestions[17].explanation)
        << QByteArray("Correct! For the choices given, In order for there to be a possibility of moving the patient's operating point to point S from point 8, there needs to be an increase in cardiac contractility and an increase in total peripheral resistance that would be caused by the stated increase in vasoconstriction.")
        << 624 << 0 << 1;
    QTest::addRow("explanation 19") << QByteArray(kQuestions[18].explanation)
        << QByteArray("Correct! Movement along a single cardiac function curve is dependent on the Frank-Starling mechanism.")
        << 726 << 0 << 0;
    QTest::addRow("explanation 20") << QByteArray(kQuestions[19].explanation)
        << QByteArray("Correct! Among the choices given on an increase in cardiact contractility would result in an increase in cardiac output.")
        << 277 << 0 << 0;
}

void TestTexts::longText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, opening);
    QFETCH(int, length);
    QFETCH(int, leading);
    QFETCH(int, trailing);

    QVERIFY2(text.startsWith(opening), text.left(opening.size() + 20).constData());
    QCOMPARE(leadingBlanks(text), leading);
    QCOMPARE(trailingBlanks(text), trailing);
    QVERIFY2(!text.contains('\n') && !text.contains('\r'), "line break in a paragraph");
    QCOMPARE(firstNonPrintable(text), -1);

    // Within 5 % of the intended length, so the answer box neither overflows nor gapes.
    QVERIFY2(std::abs(text.size() - length) <= 0.05 * length,
             QByteArray::number(text.size()).append(" characters").constData());

    // The prose after the opening is single-spaced; doubled blanks belong only to
    // the fixed openings and to the trailing blanks.
    const QByteArray body = text.mid(opening.size(), text.size() - opening.size() - trailing);
    QVERIFY2(!body.contains("  "), body.constData());
}

void TestTexts::questionFiveExplanationIsVerbatim()
{
    QCOMPARE(QByteArray(kQuestions[4].explanation),
             QByteArray("Correct! Curve A is a cardiac function curve that is affected by cardiac contractility. An increase in contractility results in a greater cardiac output for any level of central venous pressure. All other choices affect the vascular function curve."));
}

// The six list lines of each question exactly as shown, odd blanks included.
void TestTexts::listLines_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<QByteArray>("c");
    QTest::addColumn<QByteArray>("d");
    QTest::addColumn<QByteArray>("e");

    QTest::addRow("question 1") << 1
        << QByteArray("1. Which operating point corresponds to the greatest cardiac output?")
        << QByteArray("a. 1")
        << QByteArray("b. 2")
        << QByteArray("c. 3")
        << QByteArray("d. 6")
        << QByteArray("e. 8");
    QTest::addRow("question 2") << 2
        << QByteArray("2. Which operating point corresponds to the greatest CVP?")
        << QByteArray("a. 1")
        << QByteArray("b. 2")
        << QByteArray("c. 3")
        << QByteArray("d. 6")
        << QByteArray("e. 8");
    QTest::addRow("question 3") << 3
        << QByteArray("3. As compared to the control vascular function curve, curve C indicates that")
        << QByteArray("a. TPR is reduced")
        << QByteArray("b. Blood volume is reduced")
        << QByteArray("c. Compliance is reduced")
        << QByteArray("d. Cardiac contractility is reduced")
        << QByteArray("e. Cardiac contractility is increased");
    QTest::addRow("question 4") << 4
        << QByteArray("4. As compared to the control vascular function curve, curve D indicates that")
        << QByteArray("a. TPR is increased")
        << QByteArray("b. TPR is decreased")
        << QByteArray("c. Blood volume is increased")
        << QByteArray("d. Blood volume is decreased")
        << QByteArray("e. Cardiac contractility is increased");
    QTest::addRow("question 5") << 5
        << QByteArray("5. As compared to the control cardiac function curve, curve A indicates that ")
        << QByteArray("a. TPR is increased ")
        << QByteArray("b. TPR is decreased")
        << QByteArray("c. Blood volume is increased")
        << QByteArray("d. Blood volume is decreased")
        << QByteArray("e. Cardiac contractility is increased");
    QTest::addRow("question 6") << 6
        << QByteArray("6. As compared to control cardiac function curve, curve B indicates that")
        << QByteArray("a. TPR is reduced")
        << QByteArray("b. Blood volume is reduced")
        << QByteArray("c. Compliance is reduced")
        << QByteArray("d. Cardiac contractility is reduced")
        << QByteArray("e. Cardiac contractility is increased");
    QTest::addRow("question 7") << 7
        << QByteArray("7. As compared to the control cardiac function curve,curve A could result from")
        << QByteArray("a. an increase in blood volume ")
        << QByteArray("b. an increase in TPR ")
        << QByteArray("c. a positive inotropic drug ")
        << QByteArray("d. a negative inotropic drug ")
        << QByteArray("e. a decrease in sympathetic activity to the myocardium ");
    QTest::addRow("question 8") << 8
        << QByteArray("8. As compared to the control venous return curve, curve C could result from")
        << QByteArray("a. an increase in sympathetic activity to peripheral arterioles")
        << QByteArray("b. a selective peripheral arteriole alpha-adrenergic blocking agent")
        << QByteArray("c. a cardioselective beta-adrenergic agonist")
        << QByteArray("d. a significant rapid loss of blood volume")
        << QByteArray("e. a positive inotropic drug");
    QTest::addRow("question 9") << 9
        << QByteArray("9. Compared to the control venous return curve, curve D indicates")
        << QByteArray("a. a decrease in cardiac contractility")
        << QByteArray("b. a decrease in venous compliance")
        << QByteArray("c. an increase in blood volume due to over-transfusion")
        << QByteArray("d. a decrease in TPR due to peripheral arteriole vasodilation")
        << QByteArray("e. a decrease in sympathetic activity to the veins");
    QTest::addRow("question 10") << 10
        << QByteArray("10. Compared to the control vascular function curve, curve C indicates")
        << QByteArray("a. a decrease in cardiac contractility")
        << QByteArray("b. a decrease in venous compliance")
        << QByteArray("c. an increase in blood volume due to over-transfusion")
        << QByteArray("d. a decrease in TPR due to peripheral arteriole vasodilation")
        << QByteArray("e. an increase in sympathetic activity to the veins");
    QTest::addRow("question 11") << 11
        << QByteArray("11. Starting at S, what is the new operating point if just cardiac contractility decreases?")
        << QByteArray("a.1")
        << QByteArray("b. 4")
        << QByteArray("c. 6")
        << QByteArray("d. 7 ")
        << QByteArray("e. 8 ");
    QTest::addRow("question 12") << 12
        << QByteArray("12. Starting at S, what is the new operating point if just cardiac contractility increases?")
        << QByteArray("a.1")
        << QByteArray("b. 2")
        << QByteArray("c. 3")
        << QByteArray("d. 5 ")
        << QByteArray("e. 8 ");
    QTest::addRow("question 13") << 13
        << QByteArray("13. Starting at S, what is the new operating point if sympathetic activity only to arterioles decreases")
        << QByteArray("a.1")
        << QByteArray("b. 2")
        << QByteArray("c. 3")
        << QByteArray("d. 5 ")
        << QByteArray("e. 8 ");
    QTest::addRow("question 14") << 14
        << QByteArray("14. Starting at S, what is the new operating point if only blood volume is reduced?")
        << QByteArray("a.1")
        << QByteArray("b. 2")
        << QByteArray("c. 4")
        << QByteArray("d. 6 ")
        << QByteArray("e. 7 ");
    QTest::addRow("question 15") << 15
        << QByteArray("15. Starting at S, what is the new operating point if sympathetic activity to heart AND arterioles decrease?")
        << QByteArray("a.1")
        << QByteArray("b. 4")
        << QByteArray("c. 6")
        << QByteArray("d. 7 ")
        << QByteArray("e. 8 ");
    QTest::addRow("question 16") << 16
        << QByteArray("16. Starting at S, what is the new operating point if blood volume AND cardiac contractility decrease?")
        << QByteArray("a.1")
        << QByteArray("b. 2")
        << QByteArray("c. 4")
        << QByteArray("d. 6 ")
        << QByteArray("e. 7 ");
    QTest::addRow("question 17") << 17
        << QByteArray("17. If a patient were initially operating at point 6, what would move her to point S? ")
        << QByteArray("a. An increase in cardiac contractility")
        << QByteArray("b. An increase in cardiac contractility AND a transfusion")
        << QByteArray("c. A vasodilator drug AND a transfusion")
        << QByteArray("d. An increase in cardiac contractility AND a vasoconstricting drug")
        << QByteArray("e. A single vasoconstrictor drug");
    QTest::addRow("question 18") << 18
        << QByteArray("18. If a patient were initially operating at point 8, what would move him to point S? .")
        << QByteArray("a. An increase in cardiac contractility")
        << QByteArray("b. An increase in cardiac contractility AND a transfusion")
        << QByteArray("c. A vasodilator drug AND a transfusion")
        << QByteArray("d. An increase in cardiac contractility AND a vasoconstricting drug")
        << QByteArray("e. A potent peripheral acting vasoconstrictor drug");
    QTest::addRow("question 19") << 19
        << QByteArray("19. Which of the following most directly determines movement along any SINGLE cardiac function curve?")
        << QByteArray("a. Cardiac contractility")
        << QByteArray("b. Frank-Starling mechanism")
        << QByteArray("c. Sympathetic activity")
        << QByteArray("d. Total peripheral resistance")
        << QByteArray("e. Central venous volume");
    QTest::addRow("question 20") << 20
        << QByteArray("20. If CVP was hypothetically maintained constant, which of the following would increase cardiac output?")
        << QByteArray("a. an increase in cardiac contractility")
        << QByteArray("b. the Frank-Starling mechanism")
        << QByteArray("c. both a AND b")
        << QByteArray("d. an increase in TPR")
        << QByteArray("e. both a AND d");
}

void TestTexts::listLines()
{
    QFETCH(int, number);
    QFETCH(QByteArray, question);
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(QByteArray, c);
    QFETCH(QByteArray, d);
    QFETCH(QByteArray, e);

    const Question &q = kQuestions[number - 1];
    QCOMPARE(QByteArray(q.lines[0]), question);
    QCOMPARE(QByteArray(q.lines[1]), a);
    QCOMPARE(QByteArray(q.lines[2]), b);
    QCOMPARE(QByteArray(q.lines[3]), c);
    QCOMPARE(QByteArray(q.lines[4]), d);
    QCOMPARE(QByteArray(q.lines[5]), e);
}

void TestTexts::answerKey_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<char>("option");
    QTest::addColumn<QByteArray>("verdict");

    const QByteArray correct("CORRECT!");
    QTest::addRow("question 1") << 1 << 'c' << correct;
    QTest::addRow("question 2") << 2 << 'e' << correct;
    QTest::addRow("question 3") << 3 << 'a' << correct;
    QTest::addRow("question 4") << 4 << 'd' << correct;
    QTest::addRow("question 5") << 5 << 'e' << correct;
    QTest::addRow("question 6") << 6 << 'd' << correct;
    QTest::addRow("question 7") << 7 << 'c' << correct;
    QTest::addRow("question 8") << 8 << 'b' << correct;
    QTest::addRow("question 9") << 9 << 'e' << correct;
    QTest::addRow("question 10") << 10 << 'd' << correct;
    QTest::addRow("question 11") << 11 << 'd' << correct;
    // The one verdict with a trailing blank.
    QTest::addRow("question 12") << 12 << 'b' << QByteArray("CORRECT! ");
    QTest::addRow("question 13") << 13 << 'd' << correct;
    QTest::addRow("question 14") << 14 << 'c' << correct;
    QTest::addRow("question 15") << 15 << 'e' << correct;
    QTest::addRow("question 16") << 16 << 'd' << correct;
    QTest::addRow("question 17") << 17 << 'b' << correct;
    QTest::addRow("question 18") << 18 << 'd' << correct;
    QTest::addRow("question 19") << 19 << 'b' << correct;
    QTest::addRow("question 20") << 20 << 'a' << correct;
}

void TestTexts::answerKey()
{
    QFETCH(int, number);
    QFETCH(char, option);
    QFETCH(QByteArray, verdict);

    const Question &q = kQuestions[number - 1];
    // Line 0 is the question itself, so option a stands on line 1.
    QCOMPARE(q.keyLine, option - 'a' + 1);
    QCOMPARE(q.lines[q.keyLine][0], option);
    QCOMPARE(QByteArray(q.verdict), verdict);
}

void TestTexts::closingLine()
{
    const QByteArray expected = QByteArray(35, ' ') + "THATS ALL FOLKS! HOPE YOU HAD FUN.";
    QCOMPARE(QByteArray(kClosingLine), expected);
}

QTEST_APPLESS_MAIN(TestTexts)

#include "tst_texts.moc"
