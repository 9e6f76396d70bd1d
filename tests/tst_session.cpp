// One whole session as a student might have it: every page opened from a menu bar,
// closed and opened again, every topic read and dismissed, every question answered
// wrongly and then rightly, to the end of the test, and "End Session". Run under
// LeakSanitizer, it also shows that nothing the program allocates is lost.

#include "TestSupport.h"

#include "concepts/ConceptTexts.h"
#include "shell/Program.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

namespace {

// Lets the event loop paint what the last action changed, as it would on screen.
void settle()
{
    QCoreApplication::processEvents();
}

// Chooses a menu entry with the mouse, on the page's own menu bar.
bool clickMenu(Program &program, PageId on, const char *entry)
{
    QWidget *window = windowOf(program, on);
    auto *bar = window ? window->findChild<QMenuBar *>() : nullptr;
    if (!bar)
        return false;
    for (QAction *action : bar->actions()) {
        if (action->objectName() == QLatin1String(entry)) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
            settle();
            return true;
        }
    }
    return false;
}

struct Topic {
    int row;
    const char *answer;
};

struct ConceptPageRun {
    PageId page;
    const char *menuEntry;  // on the welcome page
    int rows;
    std::vector<Topic> topics;
};

const std::vector<ConceptPageRun> &conceptRuns()
{
    static const std::vector<ConceptPageRun> runs = {
        {PageId::CardiacFunctionCurves,
         "mnuBasics",
         7,
         {{2, texts::kCfcWhatIs}, {4, texts::kCfcContractility}, {6, texts::kCfcLargeCvp}}},
        {PageId::VascularFunctionCurves,
         "mnuVFC",
         7,
         {{2, texts::kVfcWhatIs},
          {3, texts::kVfcRegion1},
          {4, texts::kVfcRegion2},
          {5, texts::kVfcRegions3And4},
          {6, texts::kVfcRelationships}}},
        {PageId::Interactions,
         "mnuInteractions",
         8,
         {{2, texts::kTpr},
          {3, texts::kVolume},
          {4, texts::kContractility},
          {5, texts::kBloodLoss},
          {6, texts::kOrthostatic},
          {7, texts::kHeartFailure}}},
    };
    return runs;
}

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void wholeSession();

private:
    // Each checks as it goes; the caller stops when QTest::currentTestFailed().
    void readEveryTopic(const ConceptPageRun &run);
    void answerEveryQuestion();
    void closeAndReopenEveryPage();

    std::unique_ptr<Program> m_program;
};

void TestSession::readEveryTopic(const ConceptPageRun &run)
{
    auto *list = control<QListWidget>(*m_program, run.page, "basicList1");
    auto *box = control<QPlainTextEdit>(*m_program, run.page, "BasicAnswers1");
    QVERIFY(list && box);
    QCOMPARE(list->count(), run.rows);
    QVERIFY(box->isHidden());
    for (const Topic &topic : run.topics) {
        QVERIFY(clickRow(list, topic.row));
        settle();
        QVERIFY(box->isVisible());
        QCOMPARE(box->toPlainText(), QString::fromLatin1(topic.answer));
        // Read, then dismissed with a click in the box.
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QVERIFY(box->isHidden());
        QCOMPARE(box->toPlainText(), QString::fromLatin1(topic.answer));
    }
    // Once more with the keyboard, from the top of the list to its end.
    QVERIFY(clickRow(list, 0));
    for (int row = 1; row < run.rows; ++row) {
        QTest::keyClick(list, Qt::Key_Down);
        settle();
        QCOMPARE(list->currentRow(), row);
    }
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText(), QString::fromLatin1(run.topics.back().answer));
}

void TestSession::answerEveryQuestion()
{
    auto *test = static_cast<fc::Test *>(m_program->existingPage(PageId::Test));
    auto *start = control<QPushButton>(*m_program, PageId::Test, "cmdStart");
    auto *next = control<QPushButton>(*m_program, PageId::Test, "cmdNext");
    auto *list = control<QListWidget>(*m_program, PageId::Test, "List2");
    auto *verdict = control<QLabel>(*m_program, PageId::Test, "Label1");
    auto *text = control<QPlainTextEdit>(*m_program, PageId::Test, "Text");
    QVERIFY(test && start && next && list && verdict && text);

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(list->isVisible());
    for (int k = 1; k <= kQuestionCount; ++k) {
        const Question &q = kQuestions[std::size_t(k - 1)];
        QCOMPARE(test->slotCounter(), 6 * (k - 1));
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->item(0)->text(), QString::fromLatin1(q.lines[0]));
        // First a wrong option, then the right one.
        QVERIFY(clickRow(list, q.keyLine % 5 + 1));
        QCOMPARE(verdict->text(), QStringLiteral("TRY AGAIN"));
        QVERIFY(text->toPlainText().isEmpty());
        QVERIFY(clickRow(list, q.keyLine));
        settle();
        QCOMPARE(verdict->text(), k == 12 ? QStringLiteral("CORRECT! ") : QStringLiteral("CORRECT!"));
        QCOMPARE(text->toPlainText(), QString::fromLatin1(q.explanation));
        QTest::mouseClick(next, Qt::LeftButton);
    }
    // The closing page, four placeholder pages and the empty page, where Next stops.
    QCOMPARE(test->slotCounter(), 120);
    QCOMPARE(list->item(0)->text(), QString::fromLatin1(kClosingLine));
    for (int page = 22; page <= 25; ++page) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(list->item(0)->text(), QStringLiteral("%1. ").arg(page));
    }
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(test->slotCounter(), 150);
    QCOMPARE(list->count(), 6);
    QVERIFY(list->item(5)->text().isEmpty());
}

void TestSession::closeAndReopenEveryPage()
{
    const PageId pages[] = {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                            PageId::Interactions, PageId::Test, PageId::Glossary,
                            PageId::Instructions};
    for (PageId id : pages) {
        QPointer<QWidget> window = windowOf(*m_program, id);
        QVERIFY(window);
        closeWindow(window);
        QVERIFY(window.isNull());
    }
    // Each page again from another page's menu bar than the one that first opened it.
    QVERIFY(clickMenu(*m_program, PageId::Introduction, "mnuTest"));
    QVERIFY(clickMenu(*m_program, PageId::Test, "mnuBasics"));
    QVERIFY(clickMenu(*m_program, PageId::CardiacFunctionCurves, "mnuRelations"));
    QVERIFY(clickMenu(*m_program, PageId::VascularFunctionCurves, "mnuInteractions"));
    QVERIFY(clickMenu(*m_program, PageId::Interactions, "mnuGlossary"));
    QVERIFY(clickMenu(*m_program, PageId::Interactions, "mnuInstructions"));
    for (PageId id : pages) {
        QWidget *window = windowOf(*m_program, id);
        QVERIFY(window && window->isVisible());
    }
}

void TestSession::wholeSession()
{
    m_program = std::make_unique<Program>();
    QSignalSpy ended(m_program.get(), &Program::sessionEnded);
    m_program->start();

    QVERIFY(clickMenu(*m_program, PageId::Introduction, "mnuInstruct"));
    for (const ConceptPageRun &run : conceptRuns()) {
        QVERIFY(clickMenu(*m_program, PageId::Introduction, run.menuEntry));
        readEveryTopic(run);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(clickMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    QVERIFY(clickMenu(*m_program, PageId::Introduction, "mnuTest"));
    answerEveryQuestion();
    if (QTest::currentTestFailed())
        return;

    closeAndReopenEveryPage();
    if (QTest::currentTestFailed())
        return;
    for (const ConceptPageRun &run : conceptRuns()) {
        readEveryTopic(run);
        if (QTest::currentTestFailed())
            return;
    }
    // The counter outlived the closed window; Start begins again at question 1.
    QCOMPARE(static_cast<fc::Test *>(m_program->existingPage(PageId::Test))->slotCounter(), 150);
    answerEveryQuestion();
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(visibleTopLevels().size(), 7);
    bool chosen = false;
    QTimer::singleShot(0, this, [this, &chosen] {
        chosen = clickMenu(*m_program, PageId::Test, "mnuEnd");
        if (!chosen)
            QCoreApplication::exit(7);
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(7); });
    guard.start(5000);
    const int code = QApplication::exec();
    QVERIFY2(chosen, "no End Session entry on the test page");
    QCOMPARE(code, 0);
    QCOMPARE(ended.count(), 1);
    QVERIFY(visibleTopLevels().isEmpty());
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
