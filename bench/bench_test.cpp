// Cost of the practice test's two frequent actions, each handled and then the whole
// page painted (figure included): a Next press and a judged selection. Either should
// stay well under 5 ms.

#include "shell/Program.h"
#include "practice/Test.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace fc;

class BenchTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        m_program->showPage(PageId::Test);
        m_page = static_cast<Test *>(m_program->existingPage(PageId::Test));
        m_window = m_page->window();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_frame = QImage(m_window->size(), QImage::Format_ARGB32_Premultiplied);
        QTest::mouseClick(button("cmdStart"), Qt::LeftButton);
        paintPage();
    }
    void cleanup()
    {
        m_program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void nextPress()
    {
        QPushButton *next = button("cmdNext");
        QPushButton *reset = button("cmdReset");
        QBENCHMARK {
            QTest::mouseClick(next, Qt::LeftButton);
            paintPage();
            // Stay among the questions: after question 20, start over (Reset is a
            // fraction of a Next and comes once in nineteen presses).
            if (m_page->slotCounter() == 114)
                QTest::mouseClick(reset, Qt::LeftButton);
        }
        QVERIFY(m_page->slotCounter() <= 114);
    }

    void judgedSelection_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("verdict");
        // Question 19 has one of the longest explanations to lay out.
        QTest::addRow("right answer") << 2 << "CORRECT!";
        QTest::addRow("wrong answer") << 4 << "TRY AGAIN";
    }

    void judgedSelection()
    {
        QFETCH(int, line);
        QFETCH(QString, verdict);
        for (int k = 1; k < 19; ++k)
            QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
        auto *list = m_window->findChild<QListWidget *>(QStringLiteral("List2"));
        QVERIFY(list);
        const QPoint row = list->visualItemRect(list->item(line)).center();
        QBENCHMARK {
            // A selection is judged only when it changes: drop it quietly first
            // (an unselected list raises no judgement).
            list->clearSelection();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
            paintPage();
        }
        QCOMPARE(list->currentRow(), line);
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), verdict);
    }

private:
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QLatin1String(name));
    }

    // Every control of the page, as after an expose. repaint() on the window would
    // leave out the controls the offscreen backing store considers clean.
    void paintPage() { m_window->render(&m_frame); }

    std::unique_ptr<Program> m_program;
    Test *m_page = nullptr;
    QWidget *m_window = nullptr;
    QImage m_frame;
};

QTEST_MAIN(BenchTest)
#include "bench_test.moc"
