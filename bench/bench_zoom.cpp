// One zoom step on the heaviest page, interactions with a topic chosen: Ctrl++ or
// Ctrl+- handled and the whole window painted again, the median of repeated steps.
// Its floor, measured in the same run, is painting the same window again with
// nothing changed, which any step must do; the budget is a ratio to that floor and
// the target is a step under 16 ms, one frame at 60 Hz. Then the memory of every
// page open at 300% against 100%, and after many steps back and forth.
//
// Run it under QT_QPA_PLATFORM=offscreen with tests/offscreen.json (1920 x 1080);
// prints a table and exits with 1 when a budget is missed.

#include "BenchSupport.h"

#include "../tests/TestSupport.h"

#include <QHash>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace fc;
using namespace fc::testing;

namespace {

constexpr int kRepeats = 41;
constexpr double kStepTargetMs = 16.0;
// Zooming changes every control's place, font and frame and repaints larger
// figures; a few times the cost of the bare repaint.
constexpr double kStepBudgetRatio = 4.0;
// Steps back and forth between 50% and 300% may not hold on to memory.
constexpr double kMemoryBudgetRatio = 1.05;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Counts the paint events of every window.
class PaintLog : public QObject {
public:
    int paints(const QWidget *window) const { return m_paints.value(window); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            ++m_paints[static_cast<QWidget *>(watched)->window()];
        return false;
    }

private:
    QHash<const QWidget *, int> m_paints;
};

// An action on `window` until the window has been painted again, in milliseconds.
double timedMs(const PaintLog &log, const QWidget *window, const std::function<void()> &action)
{
    QCoreApplication::processEvents();
    const int before = log.paints(window);
    const auto start = std::chrono::steady_clock::now();
    action();
    while (log.paints(window) == before)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double residentMiB()
{
    return bench::memoryKiB("VmRSS") / 1024.0;
}

// Presses the zoom keys on `window` until the zoom is `percent`, painting each step.
void zoomTo(Program &program, QWidget *window, int percent)
{
    while (program.zoom().percent() != percent) {
        QTest::keyClick(window, program.zoom().percent() < percent ? Qt::Key_Plus : Qt::Key_Minus,
                        Qt::ControlModifier);
        QTest::qWait(20);  // long enough for the window to paint the step
    }
}

// Lets the zoom level shown for a moment fade and go, and the window paint.
void waitForLevelToGo()
{
    QTest::qWait(1600);
    processDeferredDeletes();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PaintLog log;
    app.installEventFilter(&log);
    std::vector<bench::Row> rows;

    Program program;
    program.start();
    program.showPage(PageId::Interactions);
    QWidget *window = windowOf(program, PageId::Interactions);
    if (!window || !QTest::qWaitForWindowActive(window))
        return 2;
    if (!clickRow(control<QListWidget>(program, PageId::Interactions, "basicList1"), 3))
        return 2;

    const std::pair<int, int> pairs[] = {{125, 150}, {250, 300}};
    for (const auto &[low, high] : pairs) {
        zoomTo(program, window, high);
        waitForLevelToGo();
        std::vector<double> floor;
        for (int i = 0; i < kRepeats; ++i) {
            floor.push_back(timedMs(log, window, [&] {
                // An update of the window alone would leave its opaque controls be.
                for (QWidget *w : window->findChildren<QWidget *>())
                    w->update();
            }));
        }
        const double floorMs = median(floor);
        rows.push_back({QStringLiteral("repaint of every control at %1%, the floor").arg(high),
                        floorMs, QStringLiteral("ms"), {}});

        std::vector<double> steps;
        for (int i = 0; i < kRepeats; ++i) {
            const Qt::Key key = i % 2 ? Qt::Key_Plus : Qt::Key_Minus;
            steps.push_back(timedMs(log, window, [&] {
                QTest::keyClick(window, key, Qt::ControlModifier);
            }));
        }
        const double stepMs = median(steps);
        rows.push_back({QStringLiteral("zoom step %1% <-> %2%").arg(low).arg(high), stepMs,
                        QStringLiteral("ms"), QStringLiteral("< %1 ms").arg(kStepTargetMs),
                        stepMs < kStepTargetMs});
        rows.push_back({QStringLiteral("  as a ratio to the floor"), stepMs / floorMs,
                        QStringLiteral("x"),
                        QStringLiteral("<= %1").arg(kStepBudgetRatio),
                        stepMs / floorMs <= kStepBudgetRatio});
    }

    // Memory: every page open, at 100%, at 300%, and at 300% again after steps to 50%
    // and back.
    for (PageId id : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                      PageId::Test, PageId::Glossary, PageId::Instructions, PageId::Interactions})
        program.showPage(id);
    if (!QTest::qWaitForWindowActive(window))
        return 2;
    zoomTo(program, window, 100);
    waitForLevelToGo();
    const double at100 = residentMiB();
    zoomTo(program, window, 300);
    waitForLevelToGo();
    const double at300 = residentMiB();
    // Ten rounds through every step first: each size's glyphs and the style's
    // pixmaps are cached then, the pixmap cache up to its limit (10 MiB).
    const auto rounds = [&](int count) {
        for (int round = 0; round < count; ++round) {
            zoomTo(program, window, 50);
            zoomTo(program, window, 300);
        }
        waitForLevelToGo();
        return residentMiB();
    };
    const double warm = rounds(10);
    const double after = rounds(10);
    const QString mib = QStringLiteral("MiB");
    rows.push_back({QStringLiteral("memory, all seven pages open at 100%"), at100, mib, {}});
    rows.push_back({QStringLiteral("memory, all seven pages open at 300%"), at300, mib, {}});
    rows.push_back({QStringLiteral("  300% above 100%"), at300 - at100, mib, {}});
    rows.push_back({QStringLiteral("memory at 300% after 10 rounds to 50% and back"), warm,
                    mib, {}});
    rows.push_back({QStringLiteral("  and after 10 more rounds"), after, mib, {}});
    rows.push_back({QStringLiteral("  as a ratio to after the first 10"), after / warm,
                    QStringLiteral("x"),
                    QStringLiteral("<= %1").arg(kMemoryBudgetRatio),
                    after / warm <= kMemoryBudgetRatio});

    return bench::printRows(rows) ? 0 : 1;
}
