// Cost of one list selection on a concept page as the student sees it: the click on
// a row, the page applying it, and the whole window painted again. Alternating
// between two topic rows changes the figure and the answer text every time; it
// should stay under 5 ms.

#include "../tests/TestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

class BenchConcepts : public QObject {
    Q_OBJECT

private slots:
    void selectAndRepaint_data()
    {
        QTest::addColumn<PageId>("id");
        QTest::addColumn<QString>("entry");  // on the welcome page's menu
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        // Each pair swaps the figure on view as well as the text.
        QTest::addRow("cardiac rows 2 and 4")
            << PageId::CardiacFunctionCurves << "mnuBasics" << 2 << 4;
        QTest::addRow("vascular rows 3 and 6")
            << PageId::VascularFunctionCurves << "mnuVFC" << 3 << 6;
        QTest::addRow("interactions rows 2 and 7")
            << PageId::Interactions << "mnuInteractions" << 2 << 7;
    }

    void selectAndRepaint()
    {
        QFETCH(PageId, id);
        QFETCH(QString, entry);
        QFETCH(int, first);
        QFETCH(int, second);

        Program program;
        program.start();
        QVERIFY(chooseMenu(program, PageId::Introduction, qPrintable(entry)));
        QWidget *window = windowOf(program, id);
        auto *list = control<QListWidget>(program, id, "basicList1");
        auto *box = control<QPlainTextEdit>(program, id, "BasicAnswers1");
        QVERIFY(window && list && box);
        window->repaint();

        bool toggle = false;
        QBENCHMARK {
            toggle = !toggle;
            QVERIFY(clickRow(list, toggle ? first : second));
            window->repaint();
        }
        QCOMPARE(list->currentRow(), toggle ? first : second);
        QVERIFY(box->isVisible());
        QVERIFY(!box->toPlainText().isEmpty());
    }
};

QTEST_MAIN(BenchConcepts)
#include "bench_concepts.moc"
