// Predict first in the curve explorer: verdicts against the model, a round by keys alone
// through every scenario and an own change, the tally, and the explorer outside the mode.

#include "TestSupport.h"

#include "explorer/Explorer.h"
#include "explorer/Prediction.h"
#include "figures/Fonts.h"
#include "shell/ListBox.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QtTest>

using namespace fc;
using namespace fc::testing;

namespace {

constexpr const char *kNames[] = {"cvp", "co", "msfp"};
constexpr const char *kChoices[] = {"Up", "Same", "Down"};  // in the order of Direction
using Choice = std::array<Direction, 3>;

// The model's answer, judged apart from the code under test: the change's sign and size.
Direction modelDirection(double before, double after)
{
    return after - before >= 0.10 ? Direction::Up : before - after >= 0.10 ? Direction::Down : Direction::Same;
}

// The keyboard's way to `target`: Tab until it has the focus.
bool tabTo(QWidget *target)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

QString readouts(Explorer *e)
{
    return e->findChild<QLabel *>("operatingCvp")->text() + e->findChild<QLabel *>("operatingCo")->text()
           + e->findChild<QLabel *>("msfp")->text();
}

QString readoutsAt(const Factors &f)
{
    const Readings r = readingsAt(f);
    return QStringLiteral("%1 mmHg%2 l/min%3 mmHg").arg(r.values[0], 0, 'f', 2).arg(r.values[1], 0, 'f', 2).arg(r.values[2], 0, 'f', 2);
}

}  // namespace

class TestPredict : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init()
    {
        m_program = startedProgram();
        m_program->showExplorer();
        QVERIFY(QTest::qWaitForWindowActive(m_explorer = m_program->explorer()));
    }
    void cleanup() { endProgram(m_program); }

    void verdictsAgreeWithTheModel();
    void keyboardRound_data();
    void keyboardRound();
    void nextChangeAndTally();
    void outsideTheModeOnlyAGlide();

private:
    template <typename T>
    T *find(const QByteArray &name) const { return m_explorer->findChild<T *>(QLatin1String(name)); }

    // Predicts `choice` for CVP, CO and MSFP by Tab, arrows and Space, and shows by Enter.
    bool predictByKeys(const Choice &choice)
    {
        for (int q = 0; q < 3; ++q) {
            if (!tabTo(find<QRadioButton>(QByteArray(kNames[q]) + kChoices[0])))
                return false;
            for (int i = 0; i < int(choice[q]); ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            if (!find<QRadioButton>(QByteArray(kNames[q]) + kChoices[int(choice[q])])->isChecked())
                return false;
        }
        if (!tabTo(find<QPushButton>("reveal")))
            return false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return true;
    }

    // The verdicts on view agree with the model's change from `from` to `to`; the right
    // predictions are added to `right`.
    bool verdictsAgree(const Factors &from, const Factors &to, const Choice &choice, int &right)
    {
        const Readings a = readingsAt(from), b = readingsAt(to);
        for (int q = 0; q < 3; ++q) {
            const QString verdict = find<QLabel>(QByteArray(kNames[q]) + "Verdict")->text();
            const bool correct = modelDirection(a.values[q], b.values[q]) == choice[q];
            right += correct;
            const QString numbers = QStringLiteral("%1 to %2").arg(a.values[q], 0, 'f', 2).arg(b.values[q], 0, 'f', 2);
            if (!verdict.startsWith(correct ? "Correct. " : "Incorrect. ") || !verdict.contains(numbers))
                return false;
        }
        return true;
    }

    std::unique_ptr<Program> m_program;
    Explorer *m_explorer = nullptr;
};

// Random changes, small ones near the threshold among them, each predicted every way.
void TestPredict::verdictsAgreeWithTheModel()
{
    QRandomGenerator random(2121);
    const auto randomFactors = [&random] {
        return Factors{25 + random.bounded(176.0), 60 + random.bounded(81.0), 50 + random.bounded(151.0),
                       50 + random.bounded(151.0)};
    };
    for (int n = 0; n < 3000; ++n) {
        const Factors from = randomFactors();
        const Factors to = n % 2 ? randomFactors() : between(from, randomFactors(), random.bounded(0.05));
        const Readings a = readingsAt(from), b = readingsAt(to);
        for (Quantity q : kQuantities) {
            for (Direction d : {Direction::Up, Direction::Same, Direction::Down}) {
                const Verdict v = judge(q, d, a[q], b[q]);
                QCOMPARE(v.correct, d == modelDirection(a[q], b[q]));
                QVERIFY(v.text.startsWith(v.correct ? "Correct. " : "Incorrect. "));
            }
        }
    }
    QCOMPARE(judge(Quantity::Cvp, Direction::Up, 2.127, 2.83).text,
             QStringLiteral("Correct. CVP rose from 2.13 to 2.83\u00a0mmHg."));
}

void TestPredict::keyboardRound_data()
{
    QTest::addColumn<int>("row");  // -1: a factor moved by the student
    for (std::size_t i = 0; i < fc::scenarios().size(); ++i)
        QTest::addRow("%s", fc::scenarios()[i].name) << int(i);
    QTest::addRow("own change") << -1;
}

void TestPredict::keyboardRound()
{
    QFETCH(int, row);
    auto *list = find<ListBox>("scenarios");
    QTest::keyClick(find<QSlider>("contractility"), Qt::Key_PageUp);  // away from control
    QVERIFY(tabTo(find<QPushButton>("predict")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(find<QPushButton>("predict")->isChecked() && !find<QPushButton>("reveal")->isEnabled());

    Factors from = m_explorer->factors();
    if (row >= 0) {
        QVERIFY(tabTo(list));
        for (int i = 0; i <= row; ++i)  // the first Down chooses the first row
            QTest::keyClick(list, Qt::Key_Down);
        from = startingState(fc::scenarios()[std::size_t(row)]);
    } else {
        QVERIFY(tabTo(find<QSlider>("resistance")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    }
    // The start on view; the change held back, and named.
    const Factors to = m_explorer->factors();
    QCOMPARE(readouts(m_explorer), readoutsAt(from));
    QVERIFY(!whatWillChange(from, to).isEmpty()
            && find<QLabel>("whatWillChange")->text().endsWith(whatWillChange(from, to)));

    // Right on CVP, wrong on CO, MSFP the same whatever happens.
    const Readings a = readingsAt(from), b = readingsAt(to);
    const Choice choice{modelDirection(a.values[0], b.values[0]),
                        Direction((int(modelDirection(a.values[1], b.values[1])) + 1) % 3), Direction::Same};
    int right = 0;
    QVERIFY(predictByKeys(choice));
    QVERIFY(verdictsAgree(from, to, choice, right));
    QCOMPARE(find<QLabel>("predictSentence")->text(),
             row >= 0 ? QCoreApplication::translate("fc::Scenario", fc::scenarios()[std::size_t(row)].caption) : QString());
    QTRY_COMPARE(readouts(m_explorer), readoutsAt(to));
    QCOMPARE(QApplication::focusWidget(), find<QPushButton>("nextChange"));
}

// Next change goes through every scenario before any comes again; each clears the last
// round, and the tally counts every prediction.
void TestPredict::nextChangeAndTally()
{
    QTest::mouseClick(find<QPushButton>("predict"), Qt::LeftButton);
    auto *list = find<ListBox>("scenarios");
    auto *next = find<QPushButton>("nextChange");
    QSet<int> rows;
    int right = 0;
    QRandomGenerator random(21);
    for (int n = 0; n <= list->count(); ++n) {
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Return);
        QVERIFY(find<QLabel>("cvpVerdict")->text().isEmpty() && !find<QPushButton>("reveal")->isEnabled());
        rows.insert(n < list->count() ? list->selectedRow() : -1);
        const Choice choice{Direction(random.bounded(3)), Direction(random.bounded(3)), Direction(random.bounded(3))};
        QVERIFY(predictByKeys(choice));
        QVERIFY(verdictsAgree(startingState(fc::scenarios()[std::size_t(list->selectedRow())]),
                              m_explorer->factors(), choice, right));
        QCOMPARE(find<QLabel>("tally")->text(), QStringLiteral("%1 of %2 correct").arg(right).arg(3 * (n + 1)));
    }
    QCOMPARE(rows.size(), list->count() + 1);
}

void TestPredict::outsideTheModeOnlyAGlide()
{
    auto *list = find<ListBox>("scenarios");
    const Factors target = fc::scenarios()[3].factors;
    QVERIFY(clickRow(list, 3));
    QCOMPARE(m_explorer->factors(), target);
    // Part of the way, then there; nothing of the mode on view.
    QTRY_VERIFY(readouts(m_explorer) != readoutsAt(Factors{}) && m_explorer->isGliding());
    QVERIFY(readouts(m_explorer) != readoutsAt(target));
    QTRY_COMPARE(readouts(m_explorer), readoutsAt(target));
    QVERIFY(!find<QRadioButton>("cvpUp")->isVisible() && !find<QPushButton>("nextChange")->isVisible());
    QVERIFY(find<QLabel>("tally")->text().isEmpty());
    // A factor moved during a glide ends it, and shows at once.
    QVERIFY(clickRow(list, 0));
    QTest::keyClick(find<QSlider>("resistance"), Qt::Key_PageUp);
    QVERIFY(!m_explorer->isGliding());
    QCOMPARE(readouts(m_explorer), readoutsAt(m_explorer->factors()));
    // Held back in the mode, then shown by a glide when the mode is left.
    QTest::mouseClick(find<QPushButton>("predict"), Qt::LeftButton);
    QTest::keyClick(find<QSlider>("bloodVolume"), Qt::Key_PageDown);
    QVERIFY(readouts(m_explorer) != readoutsAt(m_explorer->factors()));
    QTest::mouseClick(find<QPushButton>("predict"), Qt::LeftButton);
    QTRY_COMPARE(readouts(m_explorer), readoutsAt(m_explorer->factors()));
}

QTEST_MAIN(TestPredict)
#include "tst_predict.moc"
