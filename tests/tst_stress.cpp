// Input far beyond what a student gives: thousands of Next presses, a megabyte of
// text in the explanation box, pages closed and opened hundreds of times, arrow keys
// held down. The program must end each in the right state and go on answering.

#include "TestSupport.h"

#include "concepts/ConceptTexts.h"
#include "figures/PictureArea.h"
#include "shell/Program.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

// A key held down: the first press, then auto-repeated presses, then the release.
void holdKey(QWidget *widget, Qt::Key key, int repeats)
{
    for (int i = 0; i <= repeats; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(widget, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// A megabyte of prose: words and blanks, with or without line breaks.
QString megabyte(bool lineBreaks)
{
    const QString words = QStringLiteral("the operating point moves when the curves shift ");
    QString text;
    text.reserve(1 << 20);
    int column = 0;
    while (text.size() < (1 << 20)) {
        text += words;
        column += int(words.size());
        if (lineBreaks && column > 72) {
            text += QLatin1Char('\n');
            column = 0;
        }
    }
    text.truncate(1 << 20);
    return text;
}

}  // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        m_program->start();
    }
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void nextPressedThousandsOfTimes();
    void megabyteInText_data();
    void megabyteInText();
    void pagesClosedAndReopenedHundredsOfTimes();
    void arrowKeysHeldDown_data();
    void arrowKeysHeldDown();
    void arrowKeysHeldDownOnTheTest();

private:
    template <typename T>
    T *testControl(const char *name)
    {
        return control<T>(*m_program, PageId::Test, name);
    }
    // Shows the test page; false when one of the controls the slots use is missing.
    [[nodiscard]] bool showTestPage()
    {
        m_program->showPage(PageId::Test);
        return testControl<QPushButton>("cmdStart") && testControl<QPushButton>("cmdNext")
               && testControl<QListWidget>("List2") && testControl<QLabel>("Label1")
               && testControl<QPlainTextEdit>("Text");
    }
    // Checks as it goes; the caller stops when QTest::currentTestFailed().
    void answerQuestionOneRightly();

    std::unique_ptr<Program> m_program;
};

// The page still judges as it should after the stress.
void TestStress::answerQuestionOneRightly()
{
    auto *start = testControl<QPushButton>("cmdStart");
    auto *list = testControl<QListWidget>("List2");
    auto *verdict = testControl<QLabel>("Label1");
    auto *text = testControl<QPlainTextEdit>("Text");
    QVERIFY(start && list && verdict && text);
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(list->isVisible());
    QVERIFY(list->count() > 0);
    QCOMPARE(list->item(0)->text(), QString::fromLatin1(kQuestions[0].lines[0]));
    QVERIFY(clickRow(list, kQuestions[0].keyLine));
    QCOMPARE(verdict->text(), QStringLiteral("CORRECT!"));
    QCOMPARE(text->toPlainText(), QString::fromLatin1(kQuestions[0].explanation));
}

void TestStress::nextPressedThousandsOfTimes()
{
    QVERIFY(showTestPage());
    auto *test = static_cast<fc::Test *>(m_program->existingPage(PageId::Test));
    auto *next = testControl<QPushButton>("cmdNext");
    auto *list = testControl<QListWidget>("List2");

    // Before Start, into the hidden list.
    for (int i = 0; i < 2000; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(test->slotCounter(), 150);
    QVERIFY(list->isHidden());

    QTest::mouseClick(testControl<QPushButton>("cmdStart"), Qt::LeftButton);
    for (int i = 0; i < 5000; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
        if (i % 500 == 0)
            QCoreApplication::processEvents();
    }
    // The empty page stays: six empty lines, the counter at its last value.
    QCOMPARE(test->slotCounter(), 150);
    QCOMPARE(list->count(), 6);
    for (int line = 0; line < 6; ++line)
        QVERIFY(list->item(line)->text().isEmpty());
    QCOMPARE(testControl<QLabel>("Label1")->text(), QStringLiteral(" "));
    // A selection there judges nothing.
    QVERIFY(clickRow(list, 3));
    QCOMPARE(testControl<QLabel>("Label1")->text(), QStringLiteral(" "));
    QVERIFY(testControl<QPlainTextEdit>("Text")->toPlainText().isEmpty());

    answerQuestionOneRightly();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(test->slotCounter(), 0);
}

void TestStress::megabyteInText_data()
{
    QTest::addColumn<bool>("lineBreaks");
    QTest::addRow("one paragraph") << false;
    QTest::addRow("many lines") << true;
}

void TestStress::megabyteInText()
{
    QFETCH(bool, lineBreaks);
    QVERIFY(showTestPage());
    auto *text = testControl<QPlainTextEdit>("Text");
    const QString pasted = megabyte(lineBreaks);

    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(text->toPlainText().size(), pasted.size());
    QVERIFY(text->toPlainText() == pasted);

    // Typed on at the end, one key at a time: each key lays the megabyte out again.
    const QString typed = QStringLiteral("mcp? ");
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(text, typed);
    QCoreApplication::processEvents();
    QCOMPARE(text->toPlainText().size(), pasted.size() + typed.size());
    QVERIFY(text->toPlainText().endsWith(typed));

    // Nothing reads it; a right answer replaces it and Next empties the box.
    answerQuestionOneRightly();
    if (QTest::currentTestFailed())
        return;
    QTest::mouseClick(testControl<QPushButton>("cmdNext"), Qt::LeftButton);
    QVERIFY(text->toPlainText().isEmpty());
    QCOMPARE(testControl<QListWidget>("List2")->item(0)->text(),
             QString::fromLatin1(kQuestions[1].lines[0]));
}

void TestStress::pagesClosedAndReopenedHundredsOfTimes()
{
    struct Opened {
        PageId page;
        const char *entry;  // on the welcome page
        const char *list;   // nullptr: no list
        int rows;
    };
    const Opened pages[] = {
        {PageId::CardiacFunctionCurves, "mnuBasics", "basicList1", 7},
        {PageId::VascularFunctionCurves, "mnuVFC", "basicList1", 7},
        {PageId::Interactions, "mnuInteractions", "basicList1", 8},
        {PageId::Test, "mnuTest", "List2", 0},
        {PageId::Glossary, "mnuGlossary", nullptr, 0},
        {PageId::Instructions, "mnuInstruct", nullptr, 0},
    };
    auto *test = static_cast<fc::Test *>(&m_program->page(PageId::Test));
    for (int round = 0; round < 200; ++round) {
        for (const Opened &p : pages) {
            QVERIFY(chooseMenu(*m_program, PageId::Introduction, p.entry));
            QWidget *window = windowOf(*m_program, p.page);
            QVERIFY(window && window->isVisible());
            if (p.list) {
                // Loaded afresh: the rows once, nothing selected, the answer box hidden.
                auto *list = control<QListWidget>(*m_program, p.page, p.list);
                QVERIFY(list);
                QCOMPARE(list->count(), p.rows);
                QVERIFY(list->selectedItems().isEmpty());
            }
            if (p.page == PageId::Test) {
                auto *next = testControl<QPushButton>("cmdNext");
                QVERIFY(next);
                QVERIFY(testControl<QListWidget>("List2")->isHidden());
                QTest::mouseClick(next, Qt::LeftButton);
                QCOMPARE(int(test->slotCounter()), std::min(6 * (round + 1), 150));
            } else if (p.list) {
                auto *box = control<QPlainTextEdit>(*m_program, p.page, "BasicAnswers1");
                QVERIFY(box);
                QVERIFY(box->isHidden());
                QVERIFY(clickRow(control<QListWidget>(*m_program, p.page, p.list), 2));
                QVERIFY(box->isVisible());
            }
            if (round % 50 == 0)
                QCoreApplication::processEvents();
            closeWindow(window);
            QVERIFY(!windowOf(*m_program, p.page));
        }
    }
    // Every closed window and its controls are gone; only the welcome page is left.
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += !w->objectName().isEmpty();
    QCOMPARE(windows, 1);
    QCOMPARE(m_program->existingPage(PageId::Test), test);

    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuTest"));
    answerQuestionOneRightly();
}

void TestStress::arrowKeysHeldDown_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QString>("lastAnswer");   // after Down held: the last row's
    QTest::addColumn<QString>("firstAnswer");  // after Up held: the topic nearest the top
    QTest::addColumn<QString>("area");         // a figure area and its visibility at the top
    QTest::addColumn<bool>("areaVisible");

    // Coming up through row 2 hides cfc2; the heading and spacers change nothing.
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << 6
                             << QString::fromLatin1(texts::kCfcLargeCvp)
                             << QString::fromLatin1(texts::kCfcWhatIs) << "cfc2" << false;
    // Row 2 hides vfc4, which row 6 had shown on the way down.
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << 6
                              << QString::fromLatin1(texts::kVfcRelationships)
                              << QString::fromLatin1(texts::kVfcWhatIs) << "vfc4" << false;
    // The heading brings back the main factors.
    QTest::addRow("interactions") << PageId::Interactions << 7
                                  << QString::fromLatin1(texts::kHeartFailure)
                                  << QString::fromLatin1(texts::kTpr) << "mainfactors" << true;
}

void TestStress::arrowKeysHeldDown()
{
    QFETCH(PageId, page);
    QFETCH(int, lastRow);
    QFETCH(QString, lastAnswer);
    QFETCH(QString, firstAnswer);
    QFETCH(QString, area);
    QFETCH(bool, areaVisible);

    m_program->showPage(page);
    auto *list = control<QListWidget>(*m_program, page, "basicList1");
    auto *box = control<QPlainTextEdit>(*m_program, page, "BasicAnswers1");

    holdKey(list, Qt::Key_Down, 1000);
    QCOMPARE(list->currentRow(), lastRow);
    QVERIFY(list->item(lastRow)->isSelected());
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText(), lastAnswer);

    holdKey(list, Qt::Key_Up, 1000);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->item(0)->isSelected());
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText(), firstAnswer);
    auto *figure = control<PictureArea>(*m_program, page, area.toLatin1().constData());
    QCOMPARE(!figure->isHidden(), areaVisible);

    // Still answering: a click in the box hides it.
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QVERIFY(box->isHidden());
}

void TestStress::arrowKeysHeldDownOnTheTest()
{
    QVERIFY(showTestPage());
    QTest::mouseClick(testControl<QPushButton>("cmdStart"), Qt::LeftButton);
    auto *list = testControl<QListWidget>("List2");
    auto *verdict = testControl<QLabel>("Label1");
    auto *text = testControl<QPlainTextEdit>("Text");
    // Question 1's right option is line 3 (c); held keys run past it to either end,
    // both wrong.
    holdKey(list, Qt::Key_Down, 1000);
    QCOMPARE(list->currentRow(), 5);
    QCOMPARE(verdict->text(), QStringLiteral("TRY AGAIN"));
    QVERIFY(text->toPlainText().isEmpty());
    holdKey(list, Qt::Key_Up, 1000);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(verdict->text(), QStringLiteral("TRY AGAIN"));
    QVERIFY(text->toPlainText().isEmpty());
    answerQuestionOneRightly();
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
