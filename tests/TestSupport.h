#pragma once

// Small helpers shared by the suites: find a page's window and controls by name and
// act on them as a user would.

#include "shell/Program.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <memory>

namespace fc::testing {

inline QWidget *windowOf(Program &program, PageId id)
{
    Page *page = program.existingPage(id);
    return page ? page->window() : nullptr;
}

// Triggers the menu entry `name` on the page's menu bar, as a click on it does.
[[nodiscard]] inline bool chooseMenu(Program &program, PageId on, const char *name)
{
    QWidget *window = windowOf(program, on);
    if (!window)
        return false;
    auto *bar = window->findChild<QMenuBar *>();
    if (!bar)
        return false;
    for (QAction *action : bar->actions()) {
        if (action->objectName() == QLatin1String(name)) {
            action->trigger();
            return true;
        }
    }
    return false;
}

// Shows the page as its menu entry does and waits until its window is active, as the
// keys a user presses act on the active window; warns when it does not become so.
inline QWidget *showActive(Program &program, PageId id)
{
    program.showPage(id);
    QWidget *window = windowOf(program, id);
    if (window && !QTest::qWaitForWindowActive(window))
        qWarning("window %s did not become active", qPrintable(window->objectName()));
    return window;
}

template <typename T>
T *control(Program &program, PageId id, const char *name)
{
    QWidget *window = windowOf(program, id);
    return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Clicks row `row` of a list with the mouse; false when the list or the row is missing,
// for the caller's QVERIFY.
[[nodiscard]] inline bool clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list ? list->item(row) : nullptr;
    if (!item)
        return false;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return true;
}

// Closes the window with its close box and lets it be destroyed.
inline void closeWindow(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The fixture of most suites: a program started afresh for each test, and ended after
// it with every window it left.
inline std::unique_ptr<Program> startedProgram()
{
    auto program = std::make_unique<Program>();
    program->start();
    return program;
}

inline void endProgram(std::unique_ptr<Program> &program)
{
    program.reset();
    processDeferredDeletes();
}

inline QList<QWidget *> visibleTopLevels()
{
    QList<QWidget *> result;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isWindow() && !w->objectName().isEmpty())
            result << w;
    }
    return result;
}

}  // namespace fc::testing
