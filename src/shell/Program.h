#pragma once

#include "shell/Page.h"
#include "shell/ScreenFit.h"
#include "shell/Zoom.h"

#include <QPointer>

#include <array>
#include <memory>
#include <vector>

namespace fc {

class Explorer;

// The page registry: one slot per page class, empty at start, filled the first time
// the page is asked for and kept for the rest of the run.
class Program : public QObject {
    Q_OBJECT
public:
    Program();
    ~Program() override;

    // Creates the welcome page, runs its load step and shows it maximized.
    void start();

    // The one operation behind every navigation entry.
    void showPage(PageId id);
    // "End Session": every open page disappears at once; no page runs a closing step.
    void endSession();

    // Opens the curve explorer and makes it active. A topic that has a scenario
    // (Scenarios.h) opens it on that scenario; any other opens it at control, or
    // brings it to the front unchanged. One instance at a time; closing it discards it.
    void showExplorer(const QString &topic = {});
    Explorer *explorer() const;

    // The page's instance, or nullptr while its slot is empty.
    Page *existingPage(PageId id) const;
    // The page's instance, created on first use.
    Page &page(PageId id);

    // The one zoom of every page.
    Zoom &zoom() { return m_zoom; }
    // What each page's window needs of a screen, at 100%.
    std::vector<WindowNeed> windowNeeds();

signals:
    void sessionEnded();

private:
    // Runs the idle-time preparations from number `step` on, one per turn of the
    // event loop.
    void prepareFrom(std::size_t step);

    Zoom m_zoom;  // outlives the pages' windows, which may use its style
    std::array<std::unique_ptr<Page>, 7> m_pages;
    QPointer<Explorer> m_explorer;
};

}  // namespace fc
