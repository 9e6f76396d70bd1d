#include "shell/Program.h"

#include "concepts/CardiacFunctionCurves.h"
#include "concepts/Interactions.h"
#include "concepts/VascularFunctionCurves.h"
#include "explorer/Explorer.h"
#include "explorer/Scenarios.h"
#include "figures/FigureWindow.h"
#include "figures/Fonts.h"
#include "practice/Test.h"
#include "reference/Glossary.h"
#include "reference/Instructions.h"
#include "shell/Introduction.h"
#include "shell/Language.h"
#include "shell/ProgramIcon.h"
#include "shell/ProgramStyle.h"
#include "shell/TopLevel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace fc {

namespace {

std::unique_ptr<Page> createPage(Program &program, PageId id)
{
    switch (id) {
    case PageId::Introduction: return std::make_unique<Introduction>(program);
    case PageId::CardiacFunctionCurves: return std::make_unique<CardiacFunctionCurves>(program);
    case PageId::VascularFunctionCurves: return std::make_unique<VascularFunctionCurves>(program);
    case PageId::Interactions: return std::make_unique<Interactions>(program);
    case PageId::Test: return std::make_unique<Test>(program);
    case PageId::Glossary: return std::make_unique<Glossary>(program);
    case PageId::Instructions: return std::make_unique<Instructions>(program);
    }
    return nullptr;
}

// Resolving fonts and rasterizing glyphs is most of the work of a page's first
// opening. Done once in idle time after the welcome page is up, it is off the path
// of a student's first click. The welcome page is on screen already, and the
// instructions share the concept pages' font.
using Preparation = void (*)();
const Preparation kPreparations[] = {
    [] { ConceptPage::prepare(cardiacPageTable()); },
    [] { ConceptPage::prepare(vascularPageTable()); },
    [] { ConceptPage::prepare(interactionsPageTable()); },
    &Test::prepare,
    &Glossary::prepare,
};

// The window manager's title bar and borders, which are not known before a window is
// first shown: about what common desktops draw.
constexpr QSize kFrameAllowance(16, 40);

// Long enough for the welcome window to be mapped and painted first.
constexpr int kPrepareDelayMs = 200;

}  // namespace

Program::Program()
{
    // Before any text is made: pages, figures and tables are translated as they are built.
    setChosenLanguageOnce(QCoreApplication::arguments());
    installFontSubstitutes();
    ProgramStyle::install();
    // The desktop entry's id and icon, by which desktops (Wayland ones in particular)
    // match the windows to the entry.
    const QString id = QStringLiteral("org.functioncurves.FunctionCurves");
    QGuiApplication::setDesktopFileName(id);
    QGuiApplication::setWindowIcon(programIcon(QStringLiteral(":/%1.svg").arg(id)));
}

Program::~Program()
{
    delete m_explorer.data();
    FigureWindow::closeAll();
}

void Program::start()
{
    m_zoom.setStartPercent(fittingPercent(QGuiApplication::primaryScreen()->availableSize(),
                                          windowNeeds()));
    showPage(PageId::Introduction);
    QTimer::singleShot(kPrepareDelayMs, this, [this] { prepareFrom(0); });
}

void Program::prepareFrom(std::size_t step)
{
    if (step >= std::size(kPreparations))
        return;
    kPreparations[step]();
    QTimer::singleShot(0, this, [this, step] { prepareFrom(step + 1); });
}

std::vector<WindowNeed> Program::windowNeeds()
{
    // A menu bar as the pages have; the zoom leaves it as it is.
    QMenuBar bar;
    bar.addAction(QStringLiteral("Introduction"));
    const int menuHeight = bar.sizeHint().height();
    std::vector<WindowNeed> needs;
    for (std::size_t id = 0; id < m_pages.size(); ++id) {
        // Asked of a page object of its own: the registry's slots stay empty until used.
        const WindowSettings settings = createPage(*this, PageId(id))->windowSettings();
        needs.push_back({settings.clientSize,
                         kFrameAllowance + QSize(0, settings.menu.empty() ? 0 : menuHeight)});
    }
    return needs;
}

Page *Program::existingPage(PageId id) const
{
    return m_pages[std::size_t(id)].get();
}

Page &Program::page(PageId id)
{
    auto &slot = m_pages[std::size_t(id)];
    if (!slot)
        slot = createPage(*this, id);
    return *slot;
}

void Program::showPage(PageId id)
{
    Page &p = page(id);
    if (!p.isLoaded())
        p.load();
    p.show();
}

void Program::showExplorer(const QString &topic)
{
    if (!m_explorer) {
        m_explorer = new Explorer;
        const QWidget *opener = QApplication::activeWindow();
        const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
        m_explorer->resize(m_explorer->sizeHint().boundedTo(screen->availableSize() * 0.9));
        m_zoom.attach(m_explorer, m_explorer, WindowSizing::FollowsZoom);
        centreOnOpenersScreen(m_explorer);
    }
    if (const std::optional<std::size_t> scenario = scenarioOfTopic(topic))
        m_explorer->chooseScenario(*scenario);
    m_explorer->setWindowState(m_explorer->windowState() & ~Qt::WindowMinimized);
    m_explorer->show();
    m_explorer->raise();
    m_explorer->activateWindow();
}

Explorer *Program::explorer() const
{
    return m_explorer;
}

void Program::endSession()
{
    for (const auto &p : m_pages) {
        if (p && p->window())
            p->window()->hide();
    }
    FigureWindow::closeAll();
    if (m_explorer)
        m_explorer->hide();
    emit sessionEnded();
    QCoreApplication::exit(0);
}

}  // namespace fc

#include "moc_Program.cpp"
