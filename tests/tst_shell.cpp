// The application shell as a user meets it: the welcome page, the page registry,
// the menu bars and the ways the program ends.

#include "TestSupport.h"

#include "shell/Program.h"

#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

struct ExpectedEntry {
    const char *name;
    const char *caption;
};

using Menu = QList<QPair<QString, QString>>;

Menu menu(std::initializer_list<ExpectedEntry> entries)
{
    Menu m;
    for (const ExpectedEntry &e : entries)
        m << qMakePair(QString::fromLatin1(e.name), QString::fromLatin1(e.caption));
    return m;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<Program>(); }
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void startShowsOnlyTheWelcomePage();
    void desktopEntryAndIcon();
    void narrowWindowShowsTheMenuOverflowButton();
    void welcomeLoadStepRunsOnce();
    void idleTimeOpensNothing();
    void pageWindows_data();
    void pageWindows();
    void menuBars_data();
    void menuBars();
    void entriesOpenTheirPage_data();
    void entriesOpenTheirPage();
    void glossaryChosenTwiceLeavesOneWindow();
    void glossaryReopensCentredAfterClose();
    void cardiacPageStaysBehindAndKeepsItsState();
    void choosingTheActivePageChangesNothing();
    void pageInstanceOutlivesItsWindow();
    void closingWelcomeLeavesTheProgramRunning();
    void closingEveryWindowEndsTheProgram();
    void repeatedOpenAndCloseStaysSound();
    void endSessionWithFivePagesOpen();

private:
    std::unique_ptr<Program> m_program;
};

void TestShell::startShowsOnlyTheWelcomePage()
{
    m_program->start();
    const QList<QWidget *> windows = visibleTopLevels();
    QCOMPARE(windows.size(), 1);
    QWidget *welcome = windows.first();
    QCOMPARE(welcome->objectName(), QStringLiteral("Introduction"));
    QVERIFY(welcome->windowState() & Qt::WindowMaximized);
    for (PageId id : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                      PageId::Interactions, PageId::Test, PageId::Glossary,
                      PageId::Instructions})
        QVERIFY(!m_program->existingPage(id));

    auto *l1 = welcome->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *l2 = welcome->findChild<QLabel *>(QStringLiteral("Label2"));
    auto *l3 = welcome->findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(l1 && l2 && l3);
    QCOMPARE(l1->text(), QStringLiteral("Brannoc Welcomes You To"));
    QCOMPARE(l2->text(), QStringLiteral("UNDERSTANDING CARDIAC AND VASCULAR FUNCTION CURVES"));
    QCOMPARE(l3->text(), QStringLiteral("We recommend that you start your first session by "
                                        "visiting the instructions page"));
    // Read from top to bottom: welcome line, title, recommendation.
    QVERIFY(l1->geometry().bottom() < l2->geometry().top());
    QVERIFY(l2->geometry().bottom() < l3->geometry().top());
    QCOMPARE(l1->geometry(), QRect(224, 264, 521, 41));
    QCOMPARE(l3->geometry(), QRect(248, 376, 361, 57));
    QCOMPARE(l1->font().pixelSize(), 18);
    QCOMPARE(l3->font().pixelSize(), 16);
    QVERIFY(l1->font().bold());
    QCOMPARE(l2->palette().color(QPalette::Window), QColor(0, 0, 255));
    // The recommendation wraps inside its width rather than running past it.
    QVERIFY(l3->wordWrap());
}

void TestShell::desktopEntryAndIcon()
{
    // Desktops match the windows to the installed desktop entry by this id.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(FC_APP_ID));
    m_program->start();
    QWidget *welcome = windowOf(*m_program, PageId::Introduction);
    QVERIFY(welcome);
    // The built-in SVG icon, drawn at the size asked for.
    const QImage icon = welcome->windowIcon().pixmap(QSize(64, 64)).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    const QColor heart = icon.pixelColor(32, 48);
    QVERIFY2(heart.red() > 150 && heart.green() < 100 && heart.alpha() == 255,
             qPrintable(heart.name(QColor::HexArgb)));
    QCOMPARE(icon.pixelColor(1, 1).alpha(), 0);
    // Drawn afresh for a high-density screen, not scaled up.
    QImage sharp = welcome->windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
    QCOMPARE(sharp.size(), QSize(64, 64));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    sharp.setDevicePixelRatio(1.0);
    QCOMPARE(sharp, icon);
}

void TestShell::narrowWindowShowsTheMenuOverflowButton()
{
    m_program->start();
    auto *welcome = static_cast<QMainWindow *>(windowOf(*m_program, PageId::Introduction));
    welcome->showNormal();
    welcome->resize(120, 200);
    QVERIFY(QTest::qWaitForWindowExposed(welcome));
    auto *button = welcome->menuBar()->findChild<QToolButton *>();
    QVERIFY(button);
    QTRY_VERIFY(button->isVisible());
    // Its image is the desktop style's own, read when first drawn.
    const auto *style = qobject_cast<const QProxyStyle *>(QApplication::style());
    QVERIFY(style);
    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QSize size = button->iconSize();
    QVERIFY(!own.pixmap(size).isNull());
    QCOMPARE(button->icon().pixmap(size).toImage(), own.pixmap(size).toImage());
    const QPixmap sharp = button->icon().pixmap(size, 2.0);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.toImage(), own.pixmap(size, 2.0).toImage());
}

void TestShell::welcomeLoadStepRunsOnce()
{
    m_program->start();
    QWidget *welcome = windowOf(*m_program, PageId::Introduction);
    auto *l1 = welcome->findChild<QLabel *>(QStringLiteral("Label1"));
    l1->setText(QStringLiteral("changed"));
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    welcome->activateWindow();
    QCOMPARE(l1->text(), QStringLiteral("changed"));
    QCOMPARE(windowOf(*m_program, PageId::Introduction), welcome);
}

void TestShell::idleTimeOpensNothing()
{
    m_program->start();
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    // Long enough for every idle-time preparation to have run.
    QTest::qWait(1500);
    QCOMPARE(visibleTopLevels().size(), 1);
    QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
    for (PageId id : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                      PageId::Interactions, PageId::Test, PageId::Glossary,
                      PageId::Instructions})
        QVERIFY(!m_program->existingPage(id));
}

void TestShell::pageWindows_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QSize>("designSize");

    QTest::addRow("Introduction") << PageId::Introduction << "Introduction" << "Introduction"
                                  << QColor(0, 0, 255) << true << QSize(895, 504);
    QTest::addRow("CardiacFunctionCurves")
        << PageId::CardiacFunctionCurves << "CardiacFunctionCurves" << "Loop Basics"
        << QColor(0, 0, 255) << true << QSize(882, 724);
    QTest::addRow("VascularFunctionCurves")
        << PageId::VascularFunctionCurves << "VascularFunctionCurves" << "Form1"
        << QColor(0, 0, 255) << true << QSize(888, 700);
    QTest::addRow("Interactions") << PageId::Interactions << "Interactions" << "Form1"
                                  << QColor(0, 0, 255) << true << QSize(917, 600);
    QTest::addRow("Test") << PageId::Test << "Test" << "Test" << QColor(0, 0, 255) << true
                          << QSize(862, 583);
    QTest::addRow("Glossary") << PageId::Glossary << "Glossary"
                              << "Abbreviations-Definitions-Formulas" << QColor(255, 255, 128)
                              << false << QSize(659, 722);
    QTest::addRow("Instructions") << PageId::Instructions << "Instructions" << "Instructions"
                                  << QColor(0, 0, 192) << false << QSize(629, 337);
}

void TestShell::pageWindows()
{
    QFETCH(PageId, page);
    QFETCH(QString, objectName);
    QFETCH(QString, caption);
    QFETCH(QColor, background);
    QFETCH(bool, maximized);
    QFETCH(QSize, designSize);

    m_program->showPage(page);
    QWidget *window = windowOf(*m_program, page);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), objectName);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->palette().color(QPalette::Window), background);
    QCOMPARE(bool(window->windowState() & Qt::WindowMaximized), maximized);
    auto *main = qobject_cast<QMainWindow *>(window);
    if (maximized) {
        QVERIFY(main);
        QVERIFY(!main->menuBar()->isNativeMenuBar());
    } else {
        // Reference pages: no menu bar, design client size, centred on the screen.
        QVERIFY(!window->findChild<QMenuBar *>());
        QCOMPARE(window->size(), designSize);
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        QVERIFY2((window->geometry().center() - screenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("window centre %1,%2")
                                .arg(window->geometry().center().x())
                                .arg(window->geometry().center().y())));
    }
}

void TestShell::menuBars_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<Menu>("entries");

    const Menu basics = menu({{"mnuInstruct", "Instructions"},
                              {"mnuBasics", "Cardiac Function Curves"},
                              {"mnuRelations", "Vascular Function Curves"},
                              {"mnuInteractions", "Interactions and Changes"},
                              {"mnuGlossary", "Glossary"},
                              {"mnuTest", "Test"},
                              {"mnuEnd", "End Session"}});
    QTest::addRow("Introduction") << PageId::Introduction
                                  << menu({{"mnuInstruct", "Instructions"},
                                           {"mnuBasics", "Cardiac Function Curves"},
                                           {"mnuVFC", "Vascular Function Curves"},
                                           {"mnuInteractions", "Interactions/Changes"},
                                           {"mnuGlossary", "Glossary"},
                                           {"mnuTest", "Test"},
                                           {"mnuEnd", "End Session"}});
    QTest::addRow("CardiacFunctionCurves") << PageId::CardiacFunctionCurves << basics;
    QTest::addRow("Test") << PageId::Test << basics;
    QTest::addRow("VascularFunctionCurves")
        << PageId::VascularFunctionCurves
        << menu({{"mnuInstructions", "Instructions"},
                 {"mnuBasics", "Cardiac Function Curves"},
                 {"mnuRelations", "Vascular Function Curves"},
                 {"mnuInteractions", "Interactions and Changes"},
                 {"mnuGlossary", "Glossary"},
                 {"mnuTest", "Test"},
                 {"mnuEnd", "End Session"}});
    QTest::addRow("Interactions") << PageId::Interactions
                                  << menu({{"mnuInstructions", "Instructions"},
                                           {"mnuBasics", "Cardiac Function Curves"},
                                           {"mnuRelations", "Vascular Funciton Curves"},
                                           {"mnuInteractions", "Interactions and Changes"},
                                           {"mnuGlossary", "Glossary"},
                                           {"mnuTest", "Test"},
                                           {"mnuEnd", "End Session"}});
}

void TestShell::menuBars()
{
    QFETCH(PageId, page);
    QFETCH(Menu, entries);

    m_program->showPage(page);
    auto *bar = windowOf(*m_program, page)->findChild<QMenuBar *>();
    QVERIFY(bar);
    // A standard bar in the system colours, whatever the page's own background.
    const QImage shot = bar->grab().toImage();
    const QColor system = QGuiApplication::palette().color(QPalette::Window);
    QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() / 2), system);
    QVERIFY(bar->palette().color(QPalette::ButtonText) != bar->palette().color(QPalette::Window));
    const QList<QAction *> actions = bar->actions();
    QCOMPARE(actions.size(), entries.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), entries[i].first);
        QCOMPARE(actions[i]->text(), entries[i].second);
        // Top-level commands: no drop-down, no accelerator.
        QVERIFY(!actions[i]->menu());
        QVERIFY(actions[i]->shortcut().isEmpty());
        QVERIFY(!actions[i]->text().contains(QLatin1Char('&')));
    }
}

void TestShell::entriesOpenTheirPage_data()
{
    QTest::addColumn<PageId>("on");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<PageId>("opens");

    struct Row {
        const char *page;
        PageId id;
        const char *entries[6];
    };
    const PageId targets[6] = {PageId::Instructions, PageId::CardiacFunctionCurves,
                               PageId::VascularFunctionCurves, PageId::Interactions,
                               PageId::Glossary, PageId::Test};
    const Row rows[] = {
        {"Introduction", PageId::Introduction,
         {"mnuInstruct", "mnuBasics", "mnuVFC", "mnuInteractions", "mnuGlossary", "mnuTest"}},
        {"CardiacFunctionCurves", PageId::CardiacFunctionCurves,
         {"mnuInstruct", "mnuBasics", "mnuRelations", "mnuInteractions", "mnuGlossary",
          "mnuTest"}},
        {"VascularFunctionCurves", PageId::VascularFunctionCurves,
         {"mnuInstructions", "mnuBasics", "mnuRelations", "mnuInteractions", "mnuGlossary",
          "mnuTest"}},
        {"Interactions", PageId::Interactions,
         {"mnuInstructions", "mnuBasics", "mnuRelations", "mnuInteractions", "mnuGlossary",
          "mnuTest"}},
        {"Test", PageId::Test,
         {"mnuInstruct", "mnuBasics", "mnuRelations", "mnuInteractions", "mnuGlossary",
          "mnuTest"}},
    };
    for (const Row &row : rows) {
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%s %s", row.page, row.entries[i])
                << row.id << QString::fromLatin1(row.entries[i]) << targets[i];
    }
}

void TestShell::entriesOpenTheirPage()
{
    QFETCH(PageId, on);
    QFETCH(QString, entry);
    QFETCH(PageId, opens);

    m_program->start();
    m_program->showPage(on);
    QWidget *from = windowOf(*m_program, on);
    QVERIFY(chooseMenu(*m_program, on, entry.toLatin1().constData()));
    QWidget *to = windowOf(*m_program, opens);
    QVERIFY(to);
    QVERIFY(to->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), to);
    // The page the entry was chosen on stays open behind, and no entry ever brings
    // up a second welcome page.
    QVERIFY(from->isVisible());
    int introductions = 0;
    for (QWidget *w : visibleTopLevels())
        introductions += w->objectName() == QLatin1String("Introduction");
    QCOMPARE(introductions, 1);
}

void TestShell::glossaryChosenTwiceLeavesOneWindow()
{
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    QWidget *first = windowOf(*m_program, PageId::Glossary);
    windowOf(*m_program, PageId::Introduction)->activateWindow();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    QCOMPARE(windowOf(*m_program, PageId::Glossary), first);
    int glossaries = 0;
    for (QWidget *w : visibleTopLevels())
        glossaries += w->objectName() == QLatin1String("Glossary");
    QCOMPARE(glossaries, 1);
    QTRY_COMPARE(QApplication::activeWindow(), first);
}

void TestShell::glossaryReopensCentredAfterClose()
{
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    QPointer<QWidget> first = windowOf(*m_program, PageId::Glossary);
    Page *instance = m_program->existingPage(PageId::Glossary);
    first->move(10, 10);
    closeWindow(first);
    QVERIFY(first.isNull());
    QVERIFY(!instance->isLoaded());

    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    QWidget *again = windowOf(*m_program, PageId::Glossary);
    QVERIFY(again && again->isVisible());
    QCOMPARE(m_program->existingPage(PageId::Glossary), instance);
    const QPoint screenCentre = again->screen()->availableGeometry().center();
    QVERIFY((again->geometry().center() - screenCentre).manhattanLength() <= 2);
}

void TestShell::cardiacPageStaysBehindAndKeepsItsState()
{
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuBasics"));
    auto *list = control<QListWidget>(*m_program, PageId::CardiacFunctionCurves, "basicList1");
    QVERIFY(list);
    QVERIFY(clickRow(list, 2));
    auto *answers =
        control<QPlainTextEdit>(*m_program, PageId::CardiacFunctionCurves, "BasicAnswers1");
    const QString answer = answers->toPlainText();
    QVERIFY(!answer.isEmpty());

    QVERIFY(chooseMenu(*m_program, PageId::CardiacFunctionCurves, "mnuRelations"));
    QWidget *cardiac = windowOf(*m_program, PageId::CardiacFunctionCurves);
    QVERIFY(cardiac->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), windowOf(*m_program, PageId::VascularFunctionCurves));

    QVERIFY(chooseMenu(*m_program, PageId::VascularFunctionCurves, "mnuBasics"));
    QTRY_COMPARE(QApplication::activeWindow(), cardiac);
    QCOMPARE(windowOf(*m_program, PageId::CardiacFunctionCurves), cardiac);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(list->item(2)->isSelected());
    QVERIFY(answers->isVisible());
    QCOMPARE(answers->toPlainText(), answer);
}

void TestShell::choosingTheActivePageChangesNothing()
{
    m_program->showPage(PageId::Test);
    QWidget *window = windowOf(*m_program, PageId::Test);
    QVERIFY(chooseMenu(*m_program, PageId::Test, "mnuTest"));
    QCOMPARE(windowOf(*m_program, PageId::Test), window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowState() & Qt::WindowMaximized);
}

void TestShell::pageInstanceOutlivesItsWindow()
{
    m_program->showPage(PageId::Instructions);
    Page *instance = m_program->existingPage(PageId::Instructions);
    for (int i = 0; i < 3; ++i) {
        closeWindow(instance->window());
        QVERIFY(!instance->isLoaded());
        QCOMPARE(m_program->existingPage(PageId::Instructions), instance);
        m_program->showPage(PageId::Instructions);
        QVERIFY(instance->isLoaded());
    }
}

// Runs the event loop as the program does: returns its exit code, or `stillRunning`
// when nothing ended it within a short while.
static int runEventLoop(const std::function<void()> &actions, int stillRunning)
{
    QTimer::singleShot(0, actions);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout,
                     [stillRunning] { QCoreApplication::exit(stillRunning); });
    guard.start(500);
    return QApplication::exec();
}

void TestShell::closingWelcomeLeavesTheProgramRunning()
{
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuGlossary"));
    const int code = runEventLoop(
        [this] { windowOf(*m_program, PageId::Introduction)->close(); }, 7);
    QCOMPARE(code, 7);
    QVERIFY(!windowOf(*m_program, PageId::Introduction));
    QWidget *glossary = windowOf(*m_program, PageId::Glossary);
    QVERIFY(glossary && glossary->isVisible());
}

void TestShell::closingEveryWindowEndsTheProgram()
{
    m_program->start();
    QVERIFY(chooseMenu(*m_program, PageId::Introduction, "mnuTest"));
    QVERIFY(chooseMenu(*m_program, PageId::Test, "mnuGlossary"));
    const int code = runEventLoop(
        [this] {
            for (PageId id : {PageId::Introduction, PageId::Glossary, PageId::Test})
                windowOf(*m_program, id)->close();
        },
        7);
    QCOMPARE(code, 0);
}

void TestShell::repeatedOpenAndCloseStaysSound()
{
    m_program->start();
    const PageId pages[] = {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                            PageId::Interactions, PageId::Test, PageId::Glossary,
                            PageId::Instructions};
    for (int round = 0; round < 20; ++round) {
        for (PageId id : pages) {
            m_program->showPage(id);
            QVERIFY(windowOf(*m_program, id)->isVisible());
        }
        for (PageId id : pages)
            closeWindow(windowOf(*m_program, id));
    }
    // Windows and controls go with each close; only the welcome page remains.
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += !w->objectName().isEmpty() && w->isWindow();
    QCOMPARE(windows, 1);
}

void TestShell::endSessionWithFivePagesOpen()
{
    QSignalSpy ended(m_program.get(), &Program::sessionEnded);
    m_program->start();
    for (PageId id : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                      PageId::Interactions, PageId::Glossary})
        m_program->showPage(id);
    QCOMPARE(visibleTopLevels().size(), 5);
    bool chosen = false;
    const int code = runEventLoop(
        [this, &chosen] { chosen = chooseMenu(*m_program, PageId::Interactions, "mnuEnd"); }, 7);
    QVERIFY2(chosen, "no End Session entry on the interactions page");
    QCOMPARE(code, 0);
    QCOMPARE(ended.count(), 1);
    QVERIFY(visibleTopLevels().isEmpty());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
