// The program-wide zoom, driven with its keys and the wheel on every kind of page:
// controls, fonts and figures scale by the step's factor, Ctrl+0 brings back the
// 100% page pixel for pixel, nothing a student has done is lost, and every answer
// and explanation still fits its box at the smallest and the largest step.

#include "TestSupport.h"

#include "figures/Figure.h"
#include "figures/PictureArea.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"
#include "explorer/Explorer.h"
#include "figures/FigureWindow.h"
#include "shell/ScreenFit.h"
#include "shell/Zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

constexpr PageId kAllPages[] = {PageId::Introduction, PageId::CardiacFunctionCurves,
                                PageId::VascularFunctionCurves, PageId::Interactions,
                                PageId::Test, PageId::Glossary, PageId::Instructions};

// What a page shows at one moment: every named control's place, size and font, and
// the size each figure is drawn at.
struct Snapshot {
    struct Control {
        QWidget *widget;
        QRect geometry;
        int pixelSize;
        QRectF figure;  // as drawn in the area; empty: no figure
    };
    QSize window;
    std::vector<Control> controls;
};

Snapshot snapshot(QWidget *window)
{
    Snapshot s{window->size(), {}};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Qt's own parts of a control (viewports, scroll bars), the menu bar, which is
        // not zoomed, and the zoom level shown for a moment are left out.
        static const QStringList leftOut = {QStringLiteral("client"), QStringLiteral("menuBar"),
                                            QStringLiteral("zoomLevel")};
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
            || leftOut.contains(w->objectName()))
            continue;
        QRectF figure;
        if (auto *area = qobject_cast<PictureArea *>(w); area && area->figure())
            figure = QRectF(QPointF(), area->figure()->canvas.size() * area->figureScale());
        s.controls.push_back({w, w->geometry(), QFontInfo(w->font()).pixelSize(), figure});
    }
    return s;
}

const char *pageName(PageId id)
{
    static const char *const names[] = {"welcome", "cardiac", "vascular", "interactions",
                                        "test", "glossary", "instructions"};
    return names[int(id)];
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= 1.0 + 1e-9;
}

// Every edge of `after` lies within a pixel of `before` scaled by `zoom`.
bool scaled(const QRectF &before, const QRectF &after, double zoom)
{
    return near(after.x(), before.x() * zoom) && near(after.y(), before.y() * zoom)
           && near(after.width(), before.width() * zoom)
           && near(after.height(), before.height() * zoom);
}

QString text(const QRectF &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Presses Ctrl++ or Ctrl+- on the page until the zoom is `percent`.
bool zoomTo(Program &program, QWidget *window, int percent)
{
    for (int guard = 0; program.zoom().percent() != percent && guard < 20; ++guard)
        QTest::keyClick(window, program.zoom().percent() < percent ? Qt::Key_Plus : Qt::Key_Minus,
                        Qt::ControlModifier);
    return program.zoom().percent() == percent;
}

void ctrlWheel(QWidget *widget, int notches)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

// The laid-out text of a box without scroll bars lies wholly inside its viewport.
bool textFits(QPlainTextEdit *box)
{
    QTextDocument *document = box->document();
    double height = 2 * document->documentMargin();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        height += document->documentLayout()->blockBoundingRect(block).height();
    if (height > box->viewport()->height()) {
        qWarning("text needs %g pixels, the box shows %d", height, box->viewport()->height());
        return false;
    }
    return true;
}

// Whether every control of `window`'s page can be reached: the page's client holds
// every control, scroll bars show exactly when the client is larger than what is on
// view, and a control given the focus comes into view.
bool reachable(QWidget *window, const QString &at)
{
    auto *scroll = window->findChild<QScrollArea *>();
    QWidget *client = scroll->widget();
    const QRect view = scroll->viewport()->rect();
    const bool larger = client->width() > view.width() || client->height() > view.height();
    const bool bars = scroll->verticalScrollBar()->isVisible()
                      || scroll->horizontalScrollBar()->isVisible();
    if (bars != larger || (!larger && client->size() != view.size())) {
        qWarning("%s: client %dx%d, view %dx%d, scroll bars %d", qPrintable(at), client->width(),
                 client->height(), view.width(), view.height(), int(bars));
        return false;
    }
    for (QWidget *w : client->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->objectName().isEmpty())
            continue;
        if (!client->rect().contains(QRect(w->mapTo(client, QPoint()), w->size()))) {
            qWarning("%s: %s outside the page", qPrintable(at), qPrintable(w->objectName()));
            return false;
        }
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(Qt::TabFocusReason);
        const QRect on(w->mapTo(scroll->viewport(), QPoint()), w->size());
        // Of a control larger than the view, its top left-hand corner.
        const bool larger = on.width() > view.width() || on.height() > view.height();
        if (!(view.contains(on) || (larger && view.contains(on.topLeft())))) {
            qWarning("%s: focused %s out of view", qPrintable(at), qPrintable(w->objectName()));
            return false;
        }
    }
    return true;
}

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = startedProgram(); }
    void cleanup() { endProgram(m_program); }

    void stepsAndBounds();
    void everythingScales_data();
    void everythingScales();
    void resetRestoresExactly_data();
    void resetRestoresExactly();
    void conceptStateKept();
    void testStateKept();
    void programWide();
    void wheelZoomsThePageNotTheBox();
    void levelShownAndAnnounced();
    void answersFit_data();
    void answersFit();
    void explanationsFit();
    void largestZoomOnFullHd();
    void everyScreen_data();
    void everyScreen();
    void otherWindowsFollow();
    void stepKeepsTheAnswer();

private:
    QWidget *open(PageId id) { return showActive(*m_program, id); }

    std::unique_ptr<Program> m_program;
};

void TestZoom::stepsAndBounds()
{
    QWidget *window = open(PageId::CardiacFunctionCurves);
    QVERIFY(window);
    auto *in = window->findChild<QAction *>(QStringLiteral("zoomIn"));
    auto *out = window->findChild<QAction *>(QStringLiteral("zoomOut"));
    QVERIFY(in && out);
    auto press = [&](Qt::Key key, int times) {
        QList<int> seen;
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(window, key, Qt::ControlModifier);
            seen << m_program->zoom().percent();
        }
        return seen;
    };
    // The browsers' steps; at either end the step beyond is disabled and does nothing.
    QCOMPARE(press(Qt::Key_Plus, 8), (QList<int>{110, 125, 150, 175, 200, 250, 300, 300}));
    QVERIFY(!in->isEnabled());
    QCOMPARE(press(Qt::Key_0, 1), QList<int>{100});
    QCOMPARE(press(Qt::Key_Minus, 6), (QList<int>{90, 80, 75, 67, 50, 50}));
    QVERIFY(!out->isEnabled() && in->isEnabled());
    // Ctrl+= zooms in as Ctrl++ does, without the Shift that + needs on most keyboards.
    QCOMPARE(press(Qt::Key_Equal, 1), QList<int>{67});
    QVERIFY(out->isEnabled());
}

void TestZoom::everythingScales_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<int>("percent");
    for (PageId id : kAllPages) {
        for (int percent : {50, 67, 150, 300}) {
            QTest::addRow("%s %d%%", pageName(id), percent) << id << percent;
        }
    }
}

void TestZoom::everythingScales()
{
    QFETCH(PageId, id);
    QFETCH(int, percent);
    QWidget *window = open(id);
    QVERIFY(window);
    if (id == PageId::Test)
        QTest::mouseClick(control<QPushButton>(*m_program, id, "cmdStart"), Qt::LeftButton);
    const Snapshot before = snapshot(window);
    QVERIFY(!before.controls.empty());
    QVERIFY(zoomTo(*m_program, window, percent));
    const Snapshot after = snapshot(window);
    QCOMPARE(after.controls.size(), before.controls.size());
    const double z = percent / 100.0;
    for (std::size_t i = 0; i < before.controls.size(); ++i) {
        const auto &b = before.controls[i];
        const auto &a = after.controls[i];
        const QString name = b.widget->objectName();
        // A control placed by a layout fills the window, whose size is checked below.
        if (!b.widget->parentWidget()->layout())
            QVERIFY2(scaled(b.geometry, a.geometry, z),
                     qPrintable(name + QStringLiteral(" at %1, was %2")
                                           .arg(text(a.geometry), text(b.geometry))));
        QVERIFY2(near(a.pixelSize, b.pixelSize * z),
                 qPrintable(name + QStringLiteral(": font %1 px, was %2 px")
                                       .arg(a.pixelSize).arg(b.pixelSize)));
        QVERIFY2(scaled(b.figure, a.figure, z),
                 qPrintable(name + QStringLiteral(": figure %1, was %2")
                                       .arg(text(a.figure), text(b.figure))));
    }
    // The glossary and the instructions are windows of their own size, kept on screen.
    if (id == PageId::Glossary || id == PageId::Instructions) {
        const QSize available = window->screen()->availableGeometry().size();
        QVERIFY(near(after.window.width(), std::min(before.window.width() * z, double(available.width()))));
        QVERIFY(near(after.window.height(), std::min(before.window.height() * z, double(available.height()))));
        QVERIFY(window->screen()->availableGeometry().contains(window->geometry().center(), true));
    } else {
        QCOMPARE(after.window, before.window);
    }
}

void TestZoom::resetRestoresExactly_data()
{
    QTest::addColumn<PageId>("id");
    for (PageId id : kAllPages)
        QTest::addRow("%s", pageName(id)) << id;
}

void TestZoom::resetRestoresExactly()
{
    QFETCH(PageId, id);
    QWidget *window = open(id);
    QVERIFY(window);
    if (auto *list = control<QListWidget>(*m_program, id, "basicList1"))
        QVERIFY(clickRow(list, 4));
    const Snapshot before = snapshot(window);
    const QImage picture = window->grab().toImage();
    const QPoint position = window->pos();
    QVERIFY(zoomTo(*m_program, window, 175));
    QVERIFY(zoomTo(*m_program, window, 67));
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_program->zoom().percent(), 100);
    const Snapshot after = snapshot(window);
    QCOMPARE(after.window, before.window);
    QCOMPARE(window->pos(), position);
    for (std::size_t i = 0; i < before.controls.size(); ++i) {
        QCOMPARE(after.controls[i].geometry, before.controls[i].geometry);
        QCOMPARE(after.controls[i].widget->font(), before.controls[i].widget->font());
        QCOMPARE(after.controls[i].figure, before.controls[i].figure);
    }
    // The zoom level shown for a moment is not part of the page.
    auto *level = window->findChild<QLabel *>(QStringLiteral("zoomLevel"));
    QVERIFY(level);
    level->hide();
    QCOMPARE(window->grab().toImage(), picture);
}

void TestZoom::conceptStateKept()
{
    QWidget *window = open(PageId::Interactions);
    auto *list = control<QListWidget>(*m_program, PageId::Interactions, "basicList1");
    auto *box = control<QPlainTextEdit>(*m_program, PageId::Interactions, "BasicAnswers1");
    QVERIFY(window && list && box);
    QVERIFY(clickRow(list, 5));
    const QString answer = box->toPlainText();
    auto shownFigures = [&] {
        QStringList shown;
        for (auto *area : window->findChildren<PictureArea *>())
            if (area->isVisible())
                shown << area->objectName();
        return shown;
    };
    const QStringList figures = shownFigures();
    QVERIFY(figures.contains(QStringLiteral("bloodloss")));
    for (int percent : {300, 50, 125}) {
        QVERIFY(zoomTo(*m_program, window, percent));
        QCOMPARE(list->currentRow(), 5);
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(box->isVisible());
        QCOMPARE(box->toPlainText(), answer);
        QCOMPARE(shownFigures(), figures);
    }
    // A dismissed answer stays dismissed.
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QVERIFY(zoomTo(*m_program, window, 200));
    QVERIFY(!box->isVisible());
    // The page still works: another topic shows its own figure.
    QVERIFY(clickRow(list, 2));
    QVERIFY(box->isVisible());
    QVERIFY(shownFigures().contains(QStringLiteral("tpr")));
}

void TestZoom::testStateKept()
{
    QWidget *window = open(PageId::Test);
    auto *test = static_cast<fc::Test *>(m_program->existingPage(PageId::Test));
    auto *list = control<QListWidget>(*m_program, PageId::Test, "List2");
    auto *text = control<QPlainTextEdit>(*m_program, PageId::Test, "Text");
    auto *verdict = control<QLabel>(*m_program, PageId::Test, "Label1");
    QVERIFY(window && list && text && verdict);
    QTest::mouseClick(control<QPushButton>(*m_program, PageId::Test, "cmdStart"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(control<QPushButton>(*m_program, PageId::Test, "cmdNext"), Qt::LeftButton);
    QVERIFY(clickRow(list, kQuestions[3].keyLine));
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral(" my note"));
    const QString typed = text->toPlainText();
    QVERIFY(typed.endsWith(QLatin1String(" my note")));
    QCOMPARE(verdict->text(), QStringLiteral("CORRECT!"));
    for (int percent : {50, 300, 90}) {
        QVERIFY(zoomTo(*m_program, window, percent));
        QCOMPARE(test->slotCounter(), qint16(18));
        QCOMPARE(list->currentRow(), kQuestions[3].keyLine);
        QCOMPARE(verdict->text(), QStringLiteral("CORRECT!"));
        QCOMPARE(text->toPlainText(), typed);
        QVERIFY(list->isVisible());
    }
    // Typing goes on where it was.
    QTest::keyClicks(text, QStringLiteral("!"));
    QCOMPARE(text->toPlainText(), typed + QLatin1Char('!'));
}

void TestZoom::programWide()
{
    QWidget *cardiac = open(PageId::CardiacFunctionCurves);
    QWidget *glossary = open(PageId::Glossary);
    QVERIFY(cardiac && glossary);
    auto *text = glossary->findChild<QWidget *>(QStringLiteral("text"));
    auto *list = control<QListWidget>(*m_program, PageId::CardiacFunctionCurves, "basicList1");
    const int glossaryFont = QFontInfo(text->font()).pixelSize();
    const QRect listAt100 = list->geometry();
    QVERIFY(open(PageId::CardiacFunctionCurves));
    QVERIFY(zoomTo(*m_program, cardiac, 200));
    // The glossary, open beside it, followed.
    QCOMPARE(QFontInfo(text->font()).pixelSize(), glossaryFont * 2);
    // A page opened later opens at the current zoom, and so does one opened again.
    QWidget *vascular = open(PageId::VascularFunctionCurves);
    auto *vascularList = control<QListWidget>(*m_program, PageId::VascularFunctionCurves, "basicList1");
    QCOMPARE(QFontInfo(vascularList->font()).pixelSize(), 26);
    closeWindow(cardiac);
    cardiac = open(PageId::CardiacFunctionCurves);
    list = control<QListWidget>(*m_program, PageId::CardiacFunctionCurves, "basicList1");
    QCOMPARE(list->geometry(), QRect(listAt100.topLeft() * 2, listAt100.size() * 2));
    // Zoomed out from the vascular page, every page follows.
    QVERIFY(zoomTo(*m_program, vascular, 100));
    QCOMPARE(list->geometry(), listAt100);
    QCOMPARE(QFontInfo(text->font()).pixelSize(), glossaryFont);
}

void TestZoom::wheelZoomsThePageNotTheBox()
{
    QWidget *window = open(PageId::CardiacFunctionCurves);
    auto *list = control<QListWidget>(*m_program, PageId::CardiacFunctionCurves, "basicList1");
    auto *box = control<QPlainTextEdit>(*m_program, PageId::CardiacFunctionCurves, "BasicAnswers1");
    QVERIFY(window && list && box);
    QVERIFY(clickRow(list, 2));
    ctrlWheel(box->viewport(), 2);
    QCOMPARE(m_program->zoom().percent(), 125);
    // A read-only text box would otherwise enlarge its own text on Ctrl + wheel: its
    // 13 pixel font is at 125% only, rounded down.
    QCOMPARE(QFontInfo(box->font()).pixelSize(), 16);
    ctrlWheel(list->viewport(), -3);
    QCOMPARE(m_program->zoom().percent(), 90);
    ctrlWheel(window, -10);
    QCOMPARE(m_program->zoom().percent(), 50);
    // Without Ctrl the wheel zooms nothing.
    QWheelEvent plain(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &plain);
    QCOMPARE(m_program->zoom().percent(), 50);
}

void TestZoom::levelShownAndAnnounced()
{
    QWidget *window = open(PageId::Test);
    QVERIFY(window);
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    auto *level = window->findChild<QLabel *>(QStringLiteral("zoomLevel"));
    QVERIFY(level);
    QVERIFY(level->isVisible());
    // A status named by its text: screen readers read out each new level.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(level);
    QCOMPARE(iface->role(), QAccessible::StatusBar);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Zoom 110%"));
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("zoomLevel")), level);
    QCOMPARE(level->text(), QStringLiteral("Zoom 125%"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Zoom 125%"));
    // Small, over the page's top right-hand corner, clear of the menu bar.
    QVERIFY(level->width() < 200 && level->height() < 60);
    QVERIFY(level->geometry().top() >= window->findChild<QWidget *>(QStringLiteral("client"))->y());
    QVERIFY(window->rect().contains(level->geometry()));
    // It fades away by itself.
    QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<QLabel *>(QStringLiteral("zoomLevel")), 3000);
    // Shown afresh after it has gone, and at the end of the steps it says so.
    QVERIFY(zoomTo(*m_program, window, 300));
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    level = window->findChild<QLabel *>(QStringLiteral("zoomLevel"));
    QVERIFY(level && level->isVisible());
    QCOMPARE(level->text(), QStringLiteral("Zoom 300% (largest)"));
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QVERIFY(zoomTo(*m_program, window, 50));
    ctrlWheel(window, -1);
    QCOMPARE(level->text(), QStringLiteral("Zoom 50% (smallest)"));
}

void TestZoom::answersFit_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<std::vector<int>>("topics");
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << std::vector<int>{2, 4, 6};
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << std::vector<int>{2, 3, 4, 5, 6};
    QTest::addRow("interactions") << PageId::Interactions << std::vector<int>{2, 3, 4, 5, 6, 7};
}

void TestZoom::answersFit()
{
    QFETCH(PageId, id);
    QFETCH(std::vector<int>, topics);
    QWidget *window = open(id);
    auto *list = control<QListWidget>(*m_program, id, "basicList1");
    auto *box = control<QPlainTextEdit>(*m_program, id, "BasicAnswers1");
    for (int percent : kZoomSteps) {
        QVERIFY(zoomTo(*m_program, window, percent));
        for (int row : topics) {
            QVERIFY(clickRow(list, row));
            QVERIFY(box->isVisible());
            QVERIFY2(textFits(box), qPrintable(QStringLiteral("row %1 at %2%").arg(row).arg(percent)));
        }
    }
}

void TestZoom::explanationsFit()
{
    QWidget *window = open(PageId::Test);
    auto *list = control<QListWidget>(*m_program, PageId::Test, "List2");
    auto *text = control<QPlainTextEdit>(*m_program, PageId::Test, "Text");
    QTest::mouseClick(control<QPushButton>(*m_program, PageId::Test, "cmdStart"), Qt::LeftButton);
    for (std::size_t k = 0; k < kQuestions.size(); ++k) {
        // Up the steps for one question, down them for the next.
        std::vector<int> steps(std::begin(kZoomSteps), std::end(kZoomSteps));
        if (k % 2)
            std::reverse(steps.begin(), steps.end());
        for (int percent : steps) {
            QVERIFY(zoomTo(*m_program, window, percent));
            const QString at = QStringLiteral("question %1 at %2%").arg(k + 1).arg(percent);
            // The six lines of the question fit the list, with no scroll bar.
            QVERIFY2(list->verticalScrollBar()->maximum() == 0, qPrintable(at));
            QVERIFY(clickRow(list, kQuestions[k].keyLine));
            QCOMPARE(text->toPlainText(), QString::fromLatin1(kQuestions[k].explanation));
            QVERIFY2(textFits(text), qPrintable(at));
        }
        QTest::mouseClick(control<QPushButton>(*m_program, PageId::Test, "cmdNext"), Qt::LeftButton);
    }
}

void TestZoom::largestZoomOnFullHd()
{
    // The offscreen screen is 1920 x 1080. A maximised page keeps its window: zoomed,
    // its controls reach past the window's edge, but its surface stays the screen's.
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080));
    QWidget *interactions = open(PageId::Interactions);
    QVERIFY(zoomTo(*m_program, interactions, 300));
    for (PageId id : kAllPages)
        QVERIFY(open(id));
    auto levelGone = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->findChild<QLabel *>(QStringLiteral("zoomLevel")))
                return false;
        processDeferredDeletes();
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(levelGone(), 3000);
    const int widgets = QApplication::allWidgets().size();
    const QSize size = interactions->size();
    for (int round = 0; round < 5; ++round) {
        QVERIFY(zoomTo(*m_program, interactions, 50));
        QVERIFY(zoomTo(*m_program, interactions, 300));
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->repaint();
    }
    QCOMPARE(interactions->size(), size);
    QTRY_VERIFY_WITH_TIMEOUT(levelGone(), 3000);
    // Nothing is left behind by the steps.
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    auto *glossary = windowOf(*m_program, PageId::Glossary);
    QVERIFY(glossary->screen()->availableGeometry().contains(glossary->geometry()));
}

void TestZoom::everyScreen_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<QSize>("workArea");
    // A laptop's panel takes 32 pixels; the window manager's title bar 37.
    const std::pair<const char *, QSize> screens[] = {
        {"1920x1080", {1920, 1080}}, {"1366x768 with panel", {1366, 736}}, {"1280x720", {1280, 720}}};
    for (const auto &[name, area] : screens) {
        for (PageId id : kAllPages)
            QTest::addRow("%s %s", pageName(id), name) << id << area;
    }
}

void TestZoom::everyScreen()
{
    QFETCH(PageId, id);
    QFETCH(QSize, workArea);
    const int start = fittingPercent(workArea, m_program->windowNeeds());
    // Nothing changes where the pages fit; on small screens they start smaller.
    QVERIFY(workArea.height() >= 1080 ? start == 100 : start <= 90);
    m_program->zoom().setStartPercent(start);
    QWidget *window = open(id);
    QVERIFY(window);
    const QSize room = workArea - QSize(0, 37);
    const bool maximized = window->isMaximized();
    auto fitWindow = [&] {
        window->showNormal();
        window->resize(maximized ? room : window->size().boundedTo(room));
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    };
    QVERIFY(fitWindow());
    QVERIFY(reachable(window, QStringLiteral("start at %1%").arg(start)));
    QVERIFY(!window->findChild<QScrollArea *>()->verticalScrollBar()->isVisible());
    for (int percent : kZoomSteps) {
        QVERIFY(zoomTo(*m_program, window, percent));
        QVERIFY(fitWindow());
        QVERIFY(reachable(window, QStringLiteral("%1%").arg(percent)));
    }
    // At the largest step the keyboard scrolls the page too.
    auto *scroll = window->findChild<QScrollArea *>();
    if (scroll->verticalScrollBar()->isVisible()) {
        scroll->verticalScrollBar()->setValue(0);
        QTest::keyClick(scroll->widget(), Qt::Key_PageDown);
        QVERIFY(scroll->verticalScrollBar()->value() > 0);
    }
    // Ctrl+0 returns to the zoom the program started at, and says why it is smaller.
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_program->zoom().percent(), start);
    auto *level = window->findChild<QLabel *>(QStringLiteral("zoomLevel"));
    QVERIFY(level);
    QCOMPARE(level->text().endsWith(QLatin1String("(fits this screen)")), start < 100);
}

void TestZoom::otherWindowsFollow()
{
    QWidget *page = open(PageId::CardiacFunctionCurves);
    QVERIFY(zoomTo(*m_program, page, 200));
    auto *area = control<PictureArea>(*m_program, PageId::CardiacFunctionCurves, "cfc1");
    QVERIFY(area);
    QTest::mouseDClick(area, Qt::LeftButton);
    FigureWindow *figure = FigureWindow::existing(area->figureOnView()->name);
    QVERIFY(figure && QTest::qWaitForWindowActive(figure));
    // It opens at least at the size of the figure on the page, and the figure fills it.
    const QSizeF onPage = area->figureOnView()->canvas.size() * area->figureScale();
    QVERIFY(figure->width() >= onPage.width() - 1 && figure->height() >= onPage.height() - 1);
    auto *image = figure->findChild<QWidget *>(QStringLiteral("figureImage"));
    QCOMPARE(image->geometry(), figure->rect());
    // Its keys and Ctrl + wheel change the one zoom.
    QTest::keyClick(figure, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(m_program->zoom().percent(), 175);
    const QSize at175 = figure->size();
    ctrlWheel(image, -3);
    QCOMPARE(m_program->zoom().percent(), 110);
    QVERIFY(figure->width() < at175.width());
    QCOMPARE(image->geometry(), figure->rect());
    // The explorer's fonts, spacing and least size grow with the zoom too.
    QTest::keyClick(figure, Qt::Key_0, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_E, Qt::ControlModifier);
    Explorer *explorer = m_program->explorer();
    QVERIFY(explorer && QTest::qWaitForWindowActive(explorer));
    const int font = QFontInfo(explorer->font()).pixelSize();
    const QSize least = explorer->minimumSize();
    const int spacing = explorer->layout()->spacing();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(explorer, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(m_program->zoom().percent(), 200);
    QVERIFY(near(QFontInfo(explorer->font()).pixelSize(), font * 2));
    QVERIFY(near(explorer->layout()->spacing(), spacing * 2));
    QVERIFY(explorer->minimumWidth() > least.width() * 3 / 2);
    QVERIFY(explorer->minimumHeight() > least.height() * 3 / 2);
}

void TestZoom::stepKeepsTheAnswer()
{
    // A step lays the answer out again without replacing its text, which a screen
    // reader would read out once more.
    QWidget *window = open(PageId::CardiacFunctionCurves);
    auto *box = control<QPlainTextEdit>(*m_program, PageId::CardiacFunctionCurves, "BasicAnswers1");
    QVERIFY(clickRow(control<QListWidget>(*m_program, PageId::CardiacFunctionCurves, "basicList1"), 2));
    QSignalSpy changes(box->document(), &QTextDocument::contentsChange);
    for (int percent : {150, 50, 100})
        QVERIFY(zoomTo(*m_program, window, percent));
    QCOMPARE(changes.count(), 0);
    QVERIFY(textFits(box));
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
