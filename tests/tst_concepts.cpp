// The three concept pages as a student meets them: the question list, the answer
// box and the figures that follow the chosen row, read back from what is on screen.

#include "TestSupport.h"

#include "concepts/CardiacFunctionCurves.h"
#include "concepts/ConceptTexts.h"
#include "concepts/Interactions.h"
#include "concepts/VascularFunctionCurves.h"
#include "figures/FigureCatalogue.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"
#include "shell/Program.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <memory>
#include <vector>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)
Q_DECLARE_METATYPE(const fc::ConceptPageTable *)

namespace {

// Steps of a sequence other than a click on a row.
constexpr int Dismiss = -1;  // a click inside the answer box
constexpr int Down = -2;     // the Down arrow key on the list
constexpr int Up = -3;       // the Up arrow key on the list

QRect fromTwips(int left, int top, int width, int height)
{
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
            qRound(height / 15.0)};
}

// The answer texts by their opening sentences; the body of each is its own.
struct KnownAnswer {
    const char *id;
    const char *opening;
    const char *const *text;
};

const KnownAnswer kAnswers[] = {
    {"cA", "A Cardiac Function Curve (CFC) is a graphical representation showing how cardiac "
           "output (CO) varies as the input pressure to the heart changes.",
     &texts::kCfcWhatIs},
    {"cB", " The effects of changes in cardiac contractility can be understood by seeing what "
           "happens to CO at a fixed value of CVP.",
     &texts::kCfcContractility},
    {"cC", "The increase in CO as CVP increases depends of the Frank-Starling mechanism.",
     &texts::kCfcLargeCvp},
    {"vA", "A Vascular Function Curve (VFC) is a graphical representation showing the "
           "relationship between cardiac output (CO) and central venous pressure (CVP).",
     &texts::kVfcWhatIs},
    {"vB", " Point 1 corresponds to a condition in which CO is zero.", &texts::kVfcRegion1},
    {"vC", "Region 2 corresponds to the condition in which blood flow is now occuring.",
     &texts::kVfcRegion2},
    {"vD", "Point 3 and region 4 demonstrate a physical change in the relationship between CO "
           "and CVP.",
     &texts::kVfcRegions3And4},
    {"vE", "Cardiac and Vascular functions both are related to CVP but in different ways.",
     &texts::kVfcRelationships},
    {"iA", "Changes in TPR cause the slope of the VFC to change.", &texts::kTpr},
    {"iB", " The key to understanding the effects of blood volume or compliance changes is to "
           "recognize that each of these effects the mean circulatory pressure (mcp).",
     &texts::kVolume},
    {"iC", "Contractility is an index of the intrinisic velocity and force of contraction of "
           "cardiac myocytes.",
     &texts::kContractility},
    {"iD", "The effects of blood loss depend on the amount and rate of hemmorrhage.",
     &texts::kBloodLoss},
    {"iE", "Orthostatic or postural changes effect the distribution of blood volume and can "
           "produce effects similar to those produced by blood loss.",
     &texts::kOrthostatic},
    {"iF", "Heart failure is a general term which describes a diminished pumping function that "
           "is no longer fully adequate to provide perfusion for all organs and tissues.",
     &texts::kHeartFailure},
};

// Names the answer a text is: the id whose opening it starts with, marked with "~"
// when the rest is not that answer's whole text.
QString answerId(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("empty");
    for (const KnownAnswer &a : kAnswers) {
        if (text.startsWith(QLatin1String(a.opening)))
            return QLatin1String(a.id)
                   + (text == QLatin1String(*a.text) ? QString() : QStringLiteral("~"));
    }
    return QStringLiteral("unknown");
}

QString answerText(const QString &id)
{
    for (const KnownAnswer &a : kAnswers) {
        if (id == QLatin1String(a.id))
            return QLatin1String(*a.text);
    }
    return {};
}

// What one row does to the figure places and the answer box, as the pages describe
// their places: nullptr leaves a place as it is, "" empties it; a row without an
// answer leaves the box alone.
struct RowEffect {
    const char *upper;
    const char *lower;
    const char *answer;
};

struct PageFacts {
    PageId id;
    const char *menuEntry;  // on the welcome page
    QStringList rows;
    QRect upperPlace;  // twips; the lower place is null on one-place pages
    QRect lowerPlace;
    const char *startUpper;
    std::vector<RowEffect> effects;
};

const PageFacts &facts(PageId id)
{
    static const PageFacts cardiac{
        PageId::CardiacFunctionCurves,
        "mnuBasics",
        {"  CARDIAC FUNCTION CURVES   ", "", " What is a Cardiac Function Curve?", "",
         " What is the effect of contractility?", "", " Why does CO not increase at large CVP?"},
        QRect(5760, 840, 6735, 5775),
        QRect(),
        "cfc2",
        {
            {nullptr, nullptr, nullptr},
            {nullptr, nullptr, nullptr},
            {"cfc1", nullptr, "cA"},
            {nullptr, nullptr, nullptr},
            {"cfc2", nullptr, "cB"},
            {nullptr, nullptr, nullptr},
            {nullptr, nullptr, "cC"},
        },
    };
    static const PageFacts vascular{
        PageId::VascularFunctionCurves,
        "mnuVFC",
        {"  VASCULAR FUNCTION CURVES   ", "", " What is a Vascular Function Curve?", " Region 1 ",
         " Region 2 ", " Regions 3 and 4 ", " Vascular-Cardiac Relationships"},
        QRect(5280, 480, 6735, 5655),
        QRect(5280, 6360, 6735, 4000),
        "vfc1",
        {
            {nullptr, nullptr, nullptr},
            {nullptr, nullptr, nullptr},
            {"vfc1", "", "vA"},
            {"vfc1", "vfc2", "vB"},
            {nullptr, "vfc3", "vC"},
            {nullptr, "", "vD"},
            {"vfc4", "", "vE"},
        },
    };
    static const PageFacts interactions{
        PageId::Interactions,
        "mnuInteractions",
        {"  INTERACTIONS AND CHANGES   ", "", " Total Peripheral Resistance (TPR)",
         " Blood Volume and Compliance", " Cardiac Contractility", " Blood Loss",
         " Orthostatic (postural)", " Heart Failure"},
        QRect(5040, 480, 7815, 5535),
        QRect(),
        "mainfactors",
        {
            {"mainfactors", nullptr, nullptr},
            {nullptr, nullptr, nullptr},
            {"tpr", nullptr, "iA"},
            {"volume", nullptr, "iB"},
            {"contractility", nullptr, "iC"},
            {"bloodloss", nullptr, "iD"},
            {"orthostatic", nullptr, "iE"},
            {"failure", nullptr, "iF"},
        },
    };
    switch (id) {
    case PageId::VascularFunctionCurves: return vascular;
    case PageId::Interactions: return interactions;
    default: return cardiac;
    }
}

// The screen as the pages describe it: "upper | lower | box answer".
struct Screen {
    QString upper;
    QString lower;
    bool box = false;
    QString answer = QStringLiteral("empty");

    QString toString() const
    {
        return QStringLiteral("%1 | %2 | %3 %4")
            .arg(upper.isEmpty() ? QStringLiteral("-") : upper,
                 lower.isEmpty() ? QStringLiteral("-") : lower,
                 box ? QStringLiteral("shown") : QStringLiteral("hidden"), answer);
    }
};

// The expected screen after a row, from the row's effect on the places.
void applyRow(Screen &screen, const PageFacts &page, int row)
{
    const RowEffect &effect = page.effects[std::size_t(row)];
    if (effect.upper)
        screen.upper = QLatin1String(effect.upper);
    if (effect.lower)
        screen.lower = QLatin1String(effect.lower);
    if (effect.answer) {
        screen.box = true;
        screen.answer = QLatin1String(effect.answer);
    }
}

Screen startScreen(const PageFacts &page)
{
    Screen screen;
    screen.upper = QLatin1String(page.startUpper);
    return screen;
}

// The figure seen at `point` of `client`: the topmost picture area there that would
// be visible with its window, then the topmost of its own overlays, and so on down.
// Later children are stacked above earlier ones. Empty when no area is seen there.
QString figureSeenAt(QWidget *client, QPoint point)
{
    QWidget *window = client->window();
    QWidget *container = client;
    QString seen;
    for (;;) {
        PictureArea *top = nullptr;
        const QObjectList &children = container->children();
        for (auto it = children.crbegin(); it != children.crend() && !top; ++it) {
            auto *area = qobject_cast<PictureArea *>(*it);
            if (area && area->isVisibleTo(window) && area->geometry().contains(point))
                top = area;
        }
        if (!top)
            return seen;
        seen = top->objectName();
        point = top->mapFromParent(point);
        container = top;
    }
}

struct OpenPage {
    QWidget *window = nullptr;
    QWidget *client = nullptr;
    QListWidget *list = nullptr;
    QPlainTextEdit *box = nullptr;
    const PageFacts *facts = nullptr;

    explicit operator bool() const { return window && client && list && box; }

    Screen screen() const
    {
        Screen s;
        s.upper = figureSeenAt(client, fromTwips(facts->upperPlace.x(), facts->upperPlace.y(),
                                                 facts->upperPlace.width(),
                                                 facts->upperPlace.height())
                                           .center());
        if (!facts->lowerPlace.isNull())
            s.lower = figureSeenAt(client, fromTwips(facts->lowerPlace.x(),
                                                     facts->lowerPlace.y(),
                                                     facts->lowerPlace.width(),
                                                     facts->lowerPlace.height())
                                               .center());
        s.box = box->isVisibleTo(window);
        s.answer = answerId(box->toPlainText());
        return s;
    }

    int selectedRow() const
    {
        const QList<QListWidgetItem *> items = list->selectedItems();
        return items.isEmpty() ? -1 : list->row(items.first());
    }

    // The overlays of the interactions page that would be visible with the window.
    QStringList visibleOverlays() const
    {
        QStringList names;
        const auto *master = window->findChild<PictureArea *>(QStringLiteral("master"));
        if (!master)
            return names;
        for (PictureArea *area : master->findChildren<PictureArea *>(Qt::FindDirectChildrenOnly)) {
            if (area->isVisibleTo(window))
                names << area->objectName();
        }
        return names;
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};

}  // namespace

class TestConcepts : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tablesNameOnlyWhatExists_data();
    void tablesNameOnlyWhatExists();

    void listHoldsTheRows_data();
    void listHoldsTheRows();
    void pageOpensInItsStartState_data();
    void pageOpensInItsStartState();
    void everyRowFromTheStart_data();
    void everyRowFromTheStart();
    void sequences_data();
    void sequences();
    void everyPairOfRowsInTurn_data();
    void everyPairOfRowsInTurn();
    void overlayFollowsTheRowWhateverCameBefore_data();
    void overlayFollowsTheRowWhateverCameBefore();
    void arrowKeysApplyEachRowInTurn_data();
    void arrowKeysApplyEachRowInTurn();
    void selectedRowStaysSelected_data();
    void selectedRowStaysSelected();
    void showingAnOpenPageKeepsItsState_data();
    void showingAnOpenPageKeepsItsState();
    void closeAndReopenGivesTheStartState_data();
    void closeAndReopenGivesTheStartState();
    void answerFitsItsBox_data();
    void answerFitsItsBox();
    void controlGeometry_data();
    void controlGeometry();
    void everyRowVisibleWithoutScrolling_data();
    void everyRowVisibleWithoutScrolling();
    void textControls_data();
    void textControls();

private:
    OpenPage open(PageId id);
    // Takes one step of a sequence; false when it cannot be taken.
    [[nodiscard]] bool step(const OpenPage &page, int what);

    std::unique_ptr<Program> m_program;
};

void TestConcepts::init()
{
    m_program = std::make_unique<Program>();
    m_program->start();
}

void TestConcepts::cleanup()
{
    m_program.reset();
    processDeferredDeletes();
}

OpenPage TestConcepts::open(PageId id)
{
    OpenPage page;
    page.facts = &facts(id);
    if (!chooseMenu(*m_program, PageId::Introduction, page.facts->menuEntry))
        return page;
    page.window = windowOf(*m_program, id);
    page.list = control<QListWidget>(*m_program, id, "basicList1");
    page.box = control<QPlainTextEdit>(*m_program, id, "BasicAnswers1");
    page.client = page.list ? page.list->parentWidget() : nullptr;
    return page;
}

bool TestConcepts::step(const OpenPage &page, int what)
{
    switch (what) {
    case Dismiss:
        if (!page.box->isVisibleTo(page.window)) {
            qWarning("no answer box to click");
            return false;
        }
        QTest::mouseClick(page.box->viewport(), Qt::LeftButton, {},
                          page.box->viewport()->rect().center());
        return true;
    case Down: QTest::keyClick(page.list, Qt::Key_Down); return true;
    case Up: QTest::keyClick(page.list, Qt::Key_Up); return true;
    default: return clickRow(page.list, what);
    }
}

void TestConcepts::listHoldsTheRows_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QStringList>("rows");

    // Typed from the page designs; blanks at either end belong to the rows.
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves
                             << QStringList{"  CARDIAC FUNCTION CURVES   ",
                                            "",
                                            " What is a Cardiac Function Curve?",
                                            "",
                                            " What is the effect of contractility?",
                                            "",
                                            " Why does CO not increase at large CVP?"};
    QTest::addRow("vascular") << PageId::VascularFunctionCurves
                              << QStringList{"  VASCULAR FUNCTION CURVES   ",
                                             "",
                                             " What is a Vascular Function Curve?",
                                             " Region 1 ",
                                             " Region 2 ",
                                             " Regions 3 and 4 ",
                                             " Vascular-Cardiac Relationships"};
    QTest::addRow("interactions") << PageId::Interactions
                                  << QStringList{"  INTERACTIONS AND CHANGES   ",
                                                 "",
                                                 " Total Peripheral Resistance (TPR)",
                                                 " Blood Volume and Compliance",
                                                 " Cardiac Contractility",
                                                 " Blood Loss",
                                                 " Orthostatic (postural)",
                                                 " Heart Failure"};
}

void TestConcepts::listHoldsTheRows()
{
    QFETCH(PageId, id);
    QFETCH(QStringList, rows);
    const OpenPage page = open(id);
    QVERIFY(page);
    QCOMPARE(page.rows(), rows);
    // The list keeps the table's order.
    QVERIFY(!page.list->isSortingEnabled());
    QCOMPARE(page.list->selectionMode(), QAbstractItemView::SingleSelection);
}

void TestConcepts::pageOpensInItsStartState_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QString>("expected");

    // The cardiac overlay cfc2 stays visible and covers cfc1; the vascular page hides
    // its overlays and lower area; every interactions overlay stays visible, the top
    // one seen.
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << "cfc2 | - | hidden empty";
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << "vfc1 | - | hidden empty";
    QTest::addRow("interactions") << PageId::Interactions << "mainfactors | - | hidden empty";
}

void TestConcepts::pageOpensInItsStartState()
{
    QFETCH(PageId, id);
    QFETCH(QString, expected);
    const OpenPage page = open(id);
    QVERIFY(page);
    QVERIFY(page.window->isVisible());
    QCOMPARE(page.screen().toString(), expected);
    QCOMPARE(page.selectedRow(), -1);
    QCOMPARE(page.box->toPlainText(), QString());
    // The list is the first control to take the keyboard.
    QCOMPARE(page.window->focusWidget(), page.list);

    // All seven overlays stay visible, stacked bottom to top as listed here.
    if (id == PageId::Interactions)
        QCOMPARE(page.visibleOverlays(),
                 (QStringList{"tpr", "volume", "contractility", "bloodloss", "orthostatic",
                              "failure", "mainfactors"}));
}

void TestConcepts::everyRowFromTheStart_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    const auto cardiac = PageId::CardiacFunctionCurves;
    QTest::addRow("cardiac row 0 heading") << cardiac << 0 << "cfc2 | - | hidden empty";
    QTest::addRow("cardiac row 1 spacer") << cardiac << 1 << "cfc2 | - | hidden empty";
    QTest::addRow("cardiac row 2") << cardiac << 2 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac row 3 spacer") << cardiac << 3 << "cfc2 | - | hidden empty";
    QTest::addRow("cardiac row 4") << cardiac << 4 << "cfc2 | - | shown cB";
    QTest::addRow("cardiac row 5 spacer") << cardiac << 5 << "cfc2 | - | hidden empty";
    // Row 6 names no figure: the opening figure stays.
    QTest::addRow("cardiac row 6") << cardiac << 6 << "cfc2 | - | shown cC";

    const auto vascular = PageId::VascularFunctionCurves;
    QTest::addRow("vascular row 0 heading") << vascular << 0 << "vfc1 | - | hidden empty";
    QTest::addRow("vascular row 1 spacer") << vascular << 1 << "vfc1 | - | hidden empty";
    QTest::addRow("vascular row 2") << vascular << 2 << "vfc1 | - | shown vA";
    QTest::addRow("vascular row 3") << vascular << 3 << "vfc1 | vfc2 | shown vB";
    QTest::addRow("vascular row 4") << vascular << 4 << "vfc1 | vfc3 | shown vC";
    QTest::addRow("vascular row 5") << vascular << 5 << "vfc1 | - | shown vD";
    QTest::addRow("vascular row 6") << vascular << 6 << "vfc4 | - | shown vE";

    const auto interactions = PageId::Interactions;
    QTest::addRow("interactions row 0 heading")
        << interactions << 0 << "mainfactors | - | hidden empty";
    QTest::addRow("interactions row 1 spacer")
        << interactions << 1 << "mainfactors | - | hidden empty";
    QTest::addRow("interactions row 2") << interactions << 2 << "tpr | - | shown iA";
    QTest::addRow("interactions row 3") << interactions << 3 << "volume | - | shown iB";
    QTest::addRow("interactions row 4") << interactions << 4 << "contractility | - | shown iC";
    QTest::addRow("interactions row 5") << interactions << 5 << "bloodloss | - | shown iD";
    QTest::addRow("interactions row 6") << interactions << 6 << "orthostatic | - | shown iE";
    QTest::addRow("interactions row 7") << interactions << 7 << "failure | - | shown iF";
}

void TestConcepts::everyRowFromTheStart()
{
    QFETCH(PageId, id);
    QFETCH(int, row);
    QFETCH(QString, expected);
    const OpenPage page = open(id);
    QVERIFY(page);
    QVERIFY(clickRow(page.list, row));
    QCOMPARE(page.selectedRow(), row);
    QCOMPARE(page.screen().toString(), expected);
}

void TestConcepts::sequences_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("expected");

    const auto c = PageId::CardiacFunctionCurves;
    QTest::addRow("cardiac 2 then 4 brings back contractility")
        << c << QList<int>{2, 4} << 4 << "cfc2 | - | shown cB";
    QTest::addRow("cardiac 6 after 2 keeps the basic curve")
        << c << QList<int>{2, 6} << 6 << "cfc1 | - | shown cC";
    QTest::addRow("cardiac 6 after 4 keeps contractility")
        << c << QList<int>{2, 4, 6} << 6 << "cfc2 | - | shown cC";
    QTest::addRow("cardiac heading while answer shown")
        << c << QList<int>{2, 0} << 0 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac spacer 1 while answer shown")
        << c << QList<int>{2, 1} << 1 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac spacer 3 while answer shown")
        << c << QList<int>{2, 3} << 3 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac spacer 5 while answer shown")
        << c << QList<int>{4, 5} << 5 << "cfc2 | - | shown cB";
    QTest::addRow("cardiac row 2 twice") << c << QList<int>{2, 2} << 2 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac dismiss keeps row and figure")
        << c << QList<int>{2, Dismiss} << 2 << "cfc1 | - | hidden cA";
    QTest::addRow("cardiac dismiss then spacer")
        << c << QList<int>{2, Dismiss, 3} << 3 << "cfc1 | - | hidden cA";
    QTest::addRow("cardiac dismiss then heading")
        << c << QList<int>{4, Dismiss, 0} << 0 << "cfc2 | - | hidden cB";
    QTest::addRow("cardiac dismiss then 4") << c << QList<int>{2, Dismiss, 4} << 4
                                            << "cfc2 | - | shown cB";
    QTest::addRow("cardiac dismiss then 6") << c << QList<int>{2, Dismiss, 6} << 6
                                            << "cfc1 | - | shown cC";
    QTest::addRow("cardiac dismiss, another row, back again")
        << c << QList<int>{2, Dismiss, 3, 2} << 2 << "cfc1 | - | shown cA";
    QTest::addRow("cardiac down arrow onto spacer keeps answer")
        << c << QList<int>{Down, Down, Down, Down} << 3 << "cfc1 | - | shown cA";

    const auto v = PageId::VascularFunctionCurves;
    QTest::addRow("vascular 6 then 4") << v << QList<int>{6, 4} << 4 << "vfc4 | vfc3 | shown vC";
    QTest::addRow("vascular 6 then 5") << v << QList<int>{6, 5} << 5 << "vfc4 | - | shown vD";
    QTest::addRow("vascular 6 then 2") << v << QList<int>{6, 2} << 2 << "vfc1 | - | shown vA";
    QTest::addRow("vascular 6 then 3") << v << QList<int>{6, 3} << 3 << "vfc1 | vfc2 | shown vB";
    QTest::addRow("vascular 6, 4 then 3") << v << QList<int>{6, 4, 3} << 3
                                          << "vfc1 | vfc2 | shown vB";
    QTest::addRow("vascular 4 then 5 empties the lower place")
        << v << QList<int>{4, 5} << 5 << "vfc1 | - | shown vD";
    QTest::addRow("vascular 4 then 3 drops the overlay")
        << v << QList<int>{4, 3} << 3 << "vfc1 | vfc2 | shown vB";
    QTest::addRow("vascular 3 then 6 empties the lower place")
        << v << QList<int>{3, 6} << 6 << "vfc4 | - | shown vE";
    QTest::addRow("vascular heading and spacer after 6 then 4")
        << v << QList<int>{6, 4, 0, 1} << 1 << "vfc4 | vfc3 | shown vC";
    QTest::addRow("vascular dismiss keeps both places")
        << v << QList<int>{6, 4, Dismiss} << 4 << "vfc4 | vfc3 | hidden vC";
    QTest::addRow("vascular dismiss then 5") << v << QList<int>{4, Dismiss, 5} << 5
                                             << "vfc1 | - | shown vD";
    QTest::addRow("vascular row 4 twice") << v << QList<int>{4, 4} << 4
                                          << "vfc1 | vfc3 | shown vC";
    QTest::addRow("vascular arrows down to 4 and up to 3")
        << v << QList<int>{Down, Down, Down, Down, Down, Up} << 3 << "vfc1 | vfc2 | shown vB";

    const auto i = PageId::Interactions;
    QTest::addRow("interactions heading after a topic keeps its text")
        << i << QList<int>{3, 0} << 0 << "mainfactors | - | shown iB";
    QTest::addRow("interactions heading after a dismiss leaves box hidden")
        << i << QList<int>{3, Dismiss, 0} << 0 << "mainfactors | - | hidden iB";
    QTest::addRow("interactions spacer while answer shown")
        << i << QList<int>{7, 1} << 1 << "failure | - | shown iF";
    QTest::addRow("interactions spacer after heading")
        << i << QList<int>{5, 0, 1} << 1 << "mainfactors | - | shown iD";
    QTest::addRow("interactions topic after heading") << i << QList<int>{5, 0, 2} << 2
                                                      << "tpr | - | shown iA";
    QTest::addRow("interactions dismiss then topic")
        << i << QList<int>{5, Dismiss, 6} << 6 << "orthostatic | - | shown iE";
    QTest::addRow("interactions row 7 twice") << i << QList<int>{7, 7} << 7
                                              << "failure | - | shown iF";
    QTest::addRow("interactions dismiss, spacer, heading")
        << i << QList<int>{4, Dismiss, 1, 0} << 0 << "mainfactors | - | hidden iC";
}

void TestConcepts::sequences()
{
    QFETCH(PageId, id);
    QFETCH(QList<int>, steps);
    QFETCH(int, selected);
    QFETCH(QString, expected);
    const OpenPage page = open(id);
    QVERIFY(page);
    for (int s : steps)
        QVERIFY(step(page, s));
    QCOMPARE(page.selectedRow(), selected);
    QCOMPARE(page.screen().toString(), expected);
    if (page.box->isVisibleTo(page.window))
        QCOMPARE(page.box->toPlainText(), answerText(page.screen().answer));
}

void TestConcepts::everyPairOfRowsInTurn_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves;
    QTest::addRow("vascular") << PageId::VascularFunctionCurves;
    QTest::addRow("interactions") << PageId::Interactions;
}

// Walks every ordered pair of rows, dismissing each shown answer before moving on,
// and checks the screen after every step against what each row does to the places.
void TestConcepts::everyPairOfRowsInTurn()
{
    QFETCH(PageId, id);
    const OpenPage page = open(id);
    QVERIFY(page);
    const PageFacts &f = *page.facts;
    const int rows = int(f.rows.size());

    QList<int> clicks;
    for (int a = 0; a < rows; ++a) {
        for (int b = 0; b < rows; ++b)
            clicks << a << b;
    }

    Screen expected = startScreen(f);
    QString trail;
    for (qsizetype k = 0; k < clicks.size(); ++k) {
        const int row = clicks[k];
        QVERIFY(clickRow(page.list, row));
        applyRow(expected, f, row);
        trail += QString::number(row) + QLatin1Char(' ');
        QCOMPARE(page.selectedRow(), row);
        QVERIFY2(page.screen().toString() == expected.toString(),
                 qPrintable(QStringLiteral("after %1: %2, expected %3")
                                .arg(trail, page.screen().toString(), expected.toString())));
        // The walk starts on the heading; from then on the interactions page keeps
        // exactly one overlay visible, the one seen.
        if (id == PageId::Interactions)
            QCOMPARE(page.visibleOverlays(), QStringList{expected.upper});
        // A click on the row already selected raises nothing, so a dismiss is only
        // followed by a different row.
        const bool nextDiffers = k + 1 < clicks.size() && clicks[k + 1] != row;
        if (k % 2 == 1 && expected.box && nextDiffers) {
            QVERIFY(step(page, Dismiss));
            expected.box = false;
            trail += QStringLiteral("dismiss ");
            QVERIFY2(page.screen().toString() == expected.toString(),
                     qPrintable(QStringLiteral("after %1: %2, expected %3")
                                    .arg(trail, page.screen().toString(),
                                         expected.toString())));
            QCOMPARE(page.selectedRow(), row);
        }
    }
}

void TestConcepts::overlayFollowsTheRowWhateverCameBefore_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("overlay");
    QTest::addColumn<QString>("answer");

    const char *overlays[] = {"tpr", "volume", "contractility", "bloodloss", "orthostatic",
                              "failure"};
    const char *answers[] = {"iA", "iB", "iC", "iD", "iE", "iF"};
    for (int row = 2; row <= 7; ++row) {
        // A click on the row already selected raises nothing, so the dismissed answer
        // is another row's.
        const int other = row == 7 ? 6 : 7;
        const QList<QPair<QString, QList<int>>> befores = {
            {"opening", {}},
            {"heading", {0}},
            {"spacer", {1}},
            {QStringLiteral("dismissed %1").arg(other), {other, Dismiss}},
            {"row 2", {2}},
            {"row 3", {3}},
            {"row 4", {4}},
            {"row 5", {5}},
            {"row 6", {6}},
            {"row 7", {7}},
        };
        for (const auto &[name, steps] : befores) {
            QTest::addRow("row %d after %s", row, qPrintable(name))
                << steps << row << QString::fromLatin1(overlays[row - 2])
                << QString::fromLatin1(answers[row - 2]);
        }
    }
}

void TestConcepts::overlayFollowsTheRowWhateverCameBefore()
{
    QFETCH(QList<int>, before);
    QFETCH(int, row);
    QFETCH(QString, overlay);
    QFETCH(QString, answer);
    const OpenPage page = open(PageId::Interactions);
    QVERIFY(page);
    for (int s : before)
        QVERIFY(step(page, s));
    QVERIFY(clickRow(page.list, row));
    QCOMPARE(page.screen().toString(), QStringLiteral("%1 | - | shown %2").arg(overlay, answer));

    // Exactly one overlay is left visible, so no earlier row shows through later.
    QCOMPARE(page.visibleOverlays(), QStringList{overlay});
}

void TestConcepts::arrowKeysApplyEachRowInTurn_data()
{
    everyPairOfRowsInTurn_data();
}

void TestConcepts::arrowKeysApplyEachRowInTurn()
{
    QFETCH(PageId, id);
    const OpenPage page = open(id);
    QVERIFY(page);
    const PageFacts &f = *page.facts;
    const int last = int(f.rows.size()) - 1;

    // The first Down arrow on a fresh page selects the heading, not the row under it.
    QTest::keyClick(page.list, Qt::Key_Down);
    QCOMPARE(page.selectedRow(), 0);
    Screen expected = startScreen(f);
    applyRow(expected, f, 0);
    QCOMPARE(page.screen().toString(), expected.toString());

    for (int row = 1; row <= last; ++row) {
        QTest::keyClick(page.list, Qt::Key_Down);
        QCOMPARE(page.selectedRow(), row);
        applyRow(expected, f, row);
        QVERIFY2(page.screen().toString() == expected.toString(),
                 qPrintable(QStringLiteral("down to row %1: %2, expected %3")
                                .arg(row)
                                .arg(page.screen().toString(), expected.toString())));
    }
    // Past the last row nothing moves and nothing changes.
    QTest::keyClick(page.list, Qt::Key_Down);
    QCOMPARE(page.selectedRow(), last);
    QCOMPARE(page.screen().toString(), expected.toString());

    for (int row = last - 1; row >= 0; --row) {
        QTest::keyClick(page.list, Qt::Key_Up);
        QCOMPARE(page.selectedRow(), row);
        applyRow(expected, f, row);
        QVERIFY2(page.screen().toString() == expected.toString(),
                 qPrintable(QStringLiteral("up to row %1: %2, expected %3")
                                .arg(row)
                                .arg(page.screen().toString(), expected.toString())));
    }
}

void TestConcepts::selectedRowStaysSelected_data()
{
    everyPairOfRowsInTurn_data();
}

// The list is a single-selection list box: once a row is chosen some row stays
// chosen, and the page shows what that row set.
void TestConcepts::selectedRowStaysSelected()
{
    QFETCH(PageId, id);
    const OpenPage page = open(id);
    QVERIFY(page);
    QVERIFY(clickRow(page.list, 2));
    const QString shown = page.screen().toString();

    const QRect last = page.list->visualItemRect(page.list->item(page.list->count() - 1));
    const QPoint below(last.center().x(), page.list->viewport()->height() - 2);
    QVERIFY(below.y() > last.bottom());
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(page.selectedRow(), 2);
    QCOMPARE(page.screen().toString(), shown);

    const QPoint onRow = page.list->visualItemRect(page.list->item(2)).center();
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, Qt::ControlModifier, onRow);
    QCOMPARE(page.selectedRow(), 2);
    QCOMPARE(page.screen().toString(), shown);
}

void TestConcepts::showingAnOpenPageKeepsItsState_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QString>("expected");
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << QList<int>{2, 6}
                             << "cfc1 | - | shown cC";
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << QList<int>{6, 4, Dismiss}
                              << "vfc4 | vfc3 | hidden vC";
    QTest::addRow("interactions") << PageId::Interactions << QList<int>{5, 0}
                                  << "mainfactors | - | shown iD";
}

void TestConcepts::showingAnOpenPageKeepsItsState()
{
    QFETCH(PageId, id);
    QFETCH(QList<int>, steps);
    QFETCH(QString, expected);
    const OpenPage page = open(id);
    QVERIFY(page);
    for (int s : steps)
        QVERIFY(step(page, s));
    const int selected = page.selectedRow();
    QCOMPARE(page.screen().toString(), expected);

    // Away to the glossary and back from the welcome page's menu: the same window,
    // loaded once, as the student left it.
    QVERIFY(chooseMenu(*m_program, id, "mnuGlossary"));
    const OpenPage again = open(id);
    QVERIFY(again);
    QCOMPARE(again.window, page.window);
    QCOMPARE(again.list->count(), int(page.facts->rows.size()));
    QCOMPARE(again.selectedRow(), selected);
    QCOMPARE(again.screen().toString(), expected);
}

void TestConcepts::closeAndReopenGivesTheStartState_data()
{
    everyPairOfRowsInTurn_data();
}

void TestConcepts::closeAndReopenGivesTheStartState()
{
    QFETCH(PageId, id);
    OpenPage page = open(id);
    QVERIFY(page);
    Page *instance = m_program->existingPage(id);
    const QString start = startScreen(*page.facts).toString();
    const int rows = int(page.facts->rows.size());
    const qsizetype topLevels = QApplication::topLevelWidgets().size();

    for (int round = 0; round < 50; ++round) {
        // Leave the page in some other state each time before closing it.
        const int topic = 2 + round % (rows - 2);
        QVERIFY(clickRow(page.list, topic));
        if (round % 2 == 1 && page.box->isVisibleTo(page.window))
            QVERIFY(step(page, Dismiss));

        QPointer<QWidget> closed = page.window;
        closeWindow(page.window);
        QVERIFY2(closed.isNull(), "the closed window lives on");
        QVERIFY(!windowOf(*m_program, id));

        page = open(id);
        QVERIFY(page);
        QCOMPARE(m_program->existingPage(id), instance);
        QCOMPARE(page.list->count(), rows);
        QCOMPARE(page.rows(), page.facts->rows);
        QCOMPARE(page.selectedRow(), -1);
        QCOMPARE(page.box->toPlainText(), QString());
        QCOMPARE(page.screen().toString(), start);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    }
    // The reopened page still works.
    QVERIFY(clickRow(page.list, 2));
    Screen expected = startScreen(*page.facts);
    applyRow(expected, *page.facts, 2);
    QCOMPARE(page.screen().toString(), expected.toString());
}

void TestConcepts::answerFitsItsBox_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("answer");

    QTest::addRow("cardiac row 2") << PageId::CardiacFunctionCurves << 2 << "cA";
    QTest::addRow("cardiac row 4") << PageId::CardiacFunctionCurves << 4 << "cB";
    QTest::addRow("cardiac row 6") << PageId::CardiacFunctionCurves << 6 << "cC";
    QTest::addRow("vascular row 2") << PageId::VascularFunctionCurves << 2 << "vA";
    QTest::addRow("vascular row 3") << PageId::VascularFunctionCurves << 3 << "vB";
    QTest::addRow("vascular row 4") << PageId::VascularFunctionCurves << 4 << "vC";
    QTest::addRow("vascular row 5") << PageId::VascularFunctionCurves << 5 << "vD";
    QTest::addRow("vascular row 6") << PageId::VascularFunctionCurves << 6 << "vE";
    QTest::addRow("interactions row 2") << PageId::Interactions << 2 << "iA";
    QTest::addRow("interactions row 3") << PageId::Interactions << 3 << "iB";
    QTest::addRow("interactions row 4") << PageId::Interactions << 4 << "iC";
    QTest::addRow("interactions row 5") << PageId::Interactions << 5 << "iD";
    QTest::addRow("interactions row 6") << PageId::Interactions << 6 << "iE";
    QTest::addRow("interactions row 7") << PageId::Interactions << 7 << "iF";
}

void TestConcepts::answerFitsItsBox()
{
    QFETCH(PageId, id);
    QFETCH(int, row);
    QFETCH(QString, answer);
    const OpenPage page = open(id);
    QVERIFY(page);
    QVERIFY(clickRow(page.list, row));
    QPlainTextEdit *box = page.box;
    QVERIFY(box->isVisible());
    QCOMPARE(answerId(box->toPlainText()), answer);
    QCOMPARE(box->toPlainText(), answerText(answer));

    // The text is one paragraph wrapped at the box's width; with no scroll bars all of
    // it must lie inside the viewport at the box's design size.
    QTextDocument *document = box->document();
    QCOMPARE(document->blockCount(), 1);
    const QRectF block = document->documentLayout()->blockBoundingRect(document->begin());
    const int lines = document->begin().layout()->lineCount();
    QVERIFY(lines > 1);
    const qreal height = document->documentMargin() + block.height();
    const int viewport = box->viewport()->height();
    QVERIFY2(height <= viewport,
             qPrintable(QStringLiteral("%1 lines take %2 px; the box shows %3 px")
                            .arg(lines)
                            .arg(height)
                            .arg(viewport)));
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    QVERIFY(box->cursorRect(end).bottom() < viewport);
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());
}

void TestConcepts::controlGeometry_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QList<int>>("steps");

    const auto c = PageId::CardiacFunctionCurves;
    QTest::addRow("cardiac Label3") << c << "Label3" << "" << QRect(600, 360, 3855, 375)
                                    << QList<int>{};
    QTest::addRow("cardiac basicList1")
        << c << "basicList1" << "" << QRect(480, 840, 4575, 3660) << QList<int>{};
    QTest::addRow("cardiac BasicAnswers1")
        << c << "BasicAnswers1" << "" << QRect(480, 4800, 4575, 5865) << QList<int>{2};
    QTest::addRow("cardiac cfc1") << c << "cfc1" << "" << QRect(5760, 840, 6735, 5775)
                                  << QList<int>{};
    QTest::addRow("cardiac cfc2") << c << "cfc2" << "cfc1" << QRect(0, 0, 6735, 5775)
                                  << QList<int>{};
    QTest::addRow("cardiac cfc2 shown again")
        << c << "cfc2" << "cfc1" << QRect(0, 0, 6735, 5775) << QList<int>{2, 4};

    const auto v = PageId::VascularFunctionCurves;
    QTest::addRow("vascular Label3") << v << "Label3" << "" << QRect(720, 0, 3855, 375)
                                     << QList<int>{};
    QTest::addRow("vascular basicList1")
        << v << "basicList1" << "" << QRect(240, 480, 4575, 1980) << QList<int>{};
    QTest::addRow("vascular BasicAnswers1")
        << v << "BasicAnswers1" << "" << QRect(240, 3000, 4575, 6345) << QList<int>{};
    QTest::addRow("vascular vfc1") << v << "vfc1" << "" << QRect(5280, 480, 6735, 5655)
                                   << QList<int>{};
    QTest::addRow("vascular vfc4") << v << "vfc4" << "vfc1" << QRect(0, 0, 6735, 5655)
                                   << QList<int>{6};
    QTest::addRow("vascular vfc2 hidden") << v << "vfc2" << "" << QRect(5280, 6360, 6735, 4000)
                                          << QList<int>{};
    QTest::addRow("vascular vfc2 shown") << v << "vfc2" << "" << QRect(5280, 6360, 6735, 4000)
                                         << QList<int>{3};
    // Designed 3975 high in a 4000-high area: an overlay covers its container whole,
    // so it takes the container's size, and keeps it whether or not the container has
    // been on screen yet.
    QTest::addRow("vascular vfc3 never shown")
        << v << "vfc3" << "vfc2" << QRect(0, 0, 6735, 4000) << QList<int>{};
    QTest::addRow("vascular vfc3 shown") << v << "vfc3" << "vfc2" << QRect(0, 0, 6735, 4000)
                                         << QList<int>{4};

    const auto i = PageId::Interactions;
    QTest::addRow("interactions Label3") << i << "Label3" << "" << QRect(720, 0, 3855, 375)
                                         << QList<int>{};
    QTest::addRow("interactions basicList1")
        << i << "basicList1" << "" << QRect(240, 480, 4575, 1980) << QList<int>{};
    QTest::addRow("interactions BasicAnswers1")
        << i << "BasicAnswers1" << "" << QRect(240, 3000, 4575, 6345) << QList<int>{3};
    QTest::addRow("interactions master") << i << "master" << "" << QRect(5040, 480, 7815, 5535)
                                         << QList<int>{};
    QTest::addRow("interactions mainfactors")
        << i << "mainfactors" << "master" << QRect(0, 0, 7815, 5535) << QList<int>{};
    QTest::addRow("interactions tpr") << i << "tpr" << "master" << QRect(0, 0, 7815, 5535)
                                      << QList<int>{2};
    QTest::addRow("interactions failure after heading")
        << i << "failure" << "master" << QRect(0, 0, 7815, 5535) << QList<int>{0, 7};
}

void TestConcepts::controlGeometry()
{
    QFETCH(PageId, id);
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QFETCH(QList<int>, steps);
    const OpenPage page = open(id);
    QVERIFY(page);
    for (int s : steps)
        QVERIFY(step(page, s));
    auto *widget = page.window->findChild<QWidget *>(name);
    QVERIFY(widget);
    // Positions are from the client area below the menu bar, or from the container.
    QWidget *parent = container.isEmpty() ? page.client
                                          : page.window->findChild<QWidget *>(container);
    QVERIFY(parent);
    QCOMPARE(widget->parentWidget(), parent);
    QCOMPARE(widget->geometry(),
             fromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    if (container.isEmpty())
        QCOMPARE(page.client->mapTo(page.window, QPoint(0, 0)).y(),
                 page.window->findChild<QMenuBar *>()->geometry().bottom() + 1);
    // The layout stays as designed on the maximised window.
    QVERIFY(page.window->isMaximized());
}

void TestConcepts::everyRowVisibleWithoutScrolling_data()
{
    everyPairOfRowsInTurn_data();
}

void TestConcepts::everyRowVisibleWithoutScrolling()
{
    QFETCH(PageId, id);
    const OpenPage page = open(id);
    QVERIFY(page);
    const QRect viewport = page.list->viewport()->rect();
    for (int row = 0; row < page.list->count(); ++row) {
        const QRect rect = page.list->visualItemRect(page.list->item(row));
        QVERIFY2(viewport.contains(rect),
                 qPrintable(QStringLiteral("row %1 at %2..%3 of %4 px")
                                .arg(row)
                                .arg(rect.top())
                                .arg(rect.bottom())
                                .arg(viewport.height())));
    }
    QCOMPARE(page.list->verticalScrollBar()->maximum(), 0);
    QVERIFY(!page.list->verticalScrollBar()->isVisible());
}

void TestConcepts::textControls_data()
{
    everyPairOfRowsInTurn_data();
}

void TestConcepts::textControls()
{
    QFETCH(PageId, id);
    const OpenPage page = open(id);
    QVERIFY(page);
    auto *hint = page.window->findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(hint);
    QCOMPARE(hint->text(), QStringLiteral("Click on topic to see related text"));
    QVERIFY(hint->alignment() & Qt::AlignHCenter);
    QCOMPARE(hint->frameShadow(), QFrame::Sunken);

    const QList<QWidget *> texts{hint, page.list, page.box};
    for (QWidget *w : texts) {
        // MS Sans Serif 9.75 pt is 13 px at 96 dpi.
        QCOMPARE(w->font().family(), drawnFamily(Face::MsSansSerif));
        QCOMPARE(w->font().pixelSize(), 13);
        QVERIFY(w->font().bold());
    }

    QVERIFY(page.box->isReadOnly());
    QCOMPARE(page.box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(page.box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(page.box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // Colours as drawn: dark blue behind white text in the hint, the list and the box.
    const QColor darkBlue(0, 0, 192);
    const QImage hintImage = hint->grab().toImage();
    QCOMPARE(hintImage.pixelColor(4, hintImage.height() / 2), darkBlue);

    const auto hasWhite = [](const QImage &image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(Qt::white))
                    return true;
            }
        }
        return false;
    };
    QVERIFY2(hasWhite(hintImage.copy(hint->contentsRect())), "hint text is not white");

    const QImage listImage = page.list->viewport()->grab().toImage();
    const QRect spacer = page.list->visualItemRect(page.list->item(1));
    QCOMPARE(listImage.pixelColor(spacer.center()), darkBlue);
    QCOMPARE(listImage.pixelColor(listImage.width() - 2, spacer.center().y()), darkBlue);
    // Row 0 is the current row and carries the focus frame; row 2 is drawn plainly.
    QVERIFY2(hasWhite(listImage.copy(page.list->visualItemRect(page.list->item(2)))),
             "row text is not white");

    QVERIFY(clickRow(page.list, 2));
    QVERIFY(page.box->isVisible());
    const QImage boxImage = page.box->viewport()->grab().toImage();
    // The document margin keeps the corners free of text.
    QCOMPARE(boxImage.pixelColor(1, boxImage.height() - 2), darkBlue);
    QCOMPARE(boxImage.pixelColor(boxImage.width() - 2, 1), darkBlue);
    QVERIFY2(hasWhite(boxImage), "answer text is not white");
}

void TestConcepts::tablesNameOnlyWhatExists_data()
{
    QTest::addColumn<const ConceptPageTable *>("table");
    QTest::addRow("cardiac") << &cardiacPageTable();
    QTest::addRow("vascular") << &vascularPageTable();
    QTest::addRow("interactions") << &interactionsPageTable();
}

// The tables are written by hand: every area an action or an overlay names must be
// laid out (a container before its overlays) and every figure must exist.
void TestConcepts::tablesNameOnlyWhatExists()
{
    QFETCH(const ConceptPageTable *, table);
    QSet<QString> laidOut;
    for (const AreaLayout &area : table->areas) {
        if (area.container)
            QVERIFY2(laidOut.contains(QLatin1String(area.container)), area.container);
        if (area.figure)
            QVERIFY2(findFigure(QLatin1String(area.figure)), area.figure);
        laidOut.insert(QLatin1String(area.name));
    }
    std::vector<Action> actions = table->startup;
    for (const TopicRow &row : table->topics)
        actions.insert(actions.end(), row.actions.begin(), row.actions.end());
    for (const Action &action : actions) {
        if (action.kind == Action::Box)
            continue;
        QVERIFY(action.area);
        QVERIFY2(laidOut.contains(QLatin1String(action.area)), action.area);
    }
}

QTEST_MAIN(TestConcepts)
#include "tst_concepts.moc"
