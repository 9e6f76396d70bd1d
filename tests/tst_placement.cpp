// Where pages open on a desktop of two screens whose windows have frames: centred
// pages sit, frame and all, in the middle of the screen of the window they are opened
// from, and the test page, restored, in the middle of its screen.

#include "TestSupport.h"
#include "explorer/Explorer.h"

#include <QScreen>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        m_program->start();
        m_welcome = windowOf(*m_program, PageId::Introduction);
        QVERIFY(m_welcome && QTest::qWaitForWindowActive(m_welcome));
    }
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void framesCentredOnTheOpenersScreen_data();
    void framesCentredOnTheOpenersScreen();
    void explorerAndZoomedGlossaryCentred();

private:
    // Puts the welcome page, restored, on screen `index` and makes it the active window.
    bool welcomeOnScreen(int index)
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            return false;
        m_welcome->showNormal();
        m_welcome->move(screens.at(index)->availableGeometry().topLeft() + QPoint(40, 40));
        m_welcome->activateWindow();
        return QTest::qWaitForWindowActive(m_welcome) && m_welcome->screen() == screens.at(index);
    }

    std::unique_ptr<Program> m_program;
    QWidget *m_welcome = nullptr;
};

namespace {

// Whether the frame of `window` sits in the middle of screen `index`, within 2 pixels.
bool frameCentred(const QWidget *window, int index)
{
    const QRect frame = window->frameGeometry();
    const QPoint centre = QGuiApplication::screens().at(index)->availableGeometry().center();
    if ((frame.center() - centre).manhattanLength() <= 2)
        return true;
    qWarning("frame centre (%d, %d), screen centre (%d, %d)", frame.center().x(),
             frame.center().y(), centre.x(), centre.y());
    return false;
}

}  // namespace

void TestPlacement::framesCentredOnTheOpenersScreen_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("screen");
    for (int screen : {0, 1}) {
        const QByteArray on = screen ? " on the right" : " on the left";
        QTest::newRow(("Glossary" + on).constData()) << PageId::Glossary << screen;
        QTest::newRow(("Instructions" + on).constData()) << PageId::Instructions << screen;
        QTest::newRow(("Test, restored" + on).constData()) << PageId::Test << screen;
    }
}

void TestPlacement::framesCentredOnTheOpenersScreen()
{
    QFETCH(PageId, page);
    QFETCH(int, screen);
    QVERIFY(welcomeOnScreen(screen));
    m_program->showPage(page);
    QWidget *window = windowOf(*m_program, page);
    QVERIFY(window && QTest::qWaitForWindowExposed(window));
    if (page == PageId::Test) {
        QVERIFY(window->isMaximized());
        window->showNormal();
        QVERIFY(!window->isMaximized());
    }
    const QRect frame = window->frameGeometry();
    QVERIFY2(frame != window->geometry(), "the screens of this suite give windows frames");
    const QPoint centre = QGuiApplication::screens().at(screen)->availableGeometry().center();
    QVERIFY2((frame.center() - centre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("frame centre (%1, %2), screen centre (%3, %4)")
                            .arg(frame.center().x()).arg(frame.center().y())
                            .arg(centre.x()).arg(centre.y())));
}

// The explorer opens on the screen it is opened from; a zoomed glossary grows about
// its middle.
void TestPlacement::explorerAndZoomedGlossaryCentred()
{
    QVERIFY(welcomeOnScreen(1));
    QTest::keyClick(m_welcome, Qt::Key_E, Qt::ControlModifier);
    QWidget *explorer = m_program->explorer();
    QVERIFY(explorer && QTest::qWaitForWindowExposed(explorer));
    QVERIFY(frameCentred(explorer, 1));
    explorer->close();

    QVERIFY(welcomeOnScreen(1));
    m_program->showPage(PageId::Glossary);
    QWidget *glossary = windowOf(*m_program, PageId::Glossary);
    QVERIFY(glossary && QTest::qWaitForWindowActive(glossary));
    const QSize before = glossary->size();
    QTest::keyClick(glossary, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(glossary->width() < before.width());
    QVERIFY(frameCentred(glossary, 1));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
