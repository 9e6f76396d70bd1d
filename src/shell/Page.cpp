#include "shell/Page.h"

#include "shell/Program.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace fc {

Page::Page(Program &program, PageId id) : m_program(program), m_id(id) {}

Page::~Page()
{
    // The program is ending: the window goes without any closing step.
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
        delete m_window;
    }
}

void Page::load()
{
    if (m_window)
        return;
    const WindowSettings settings = windowSettings();

    QWidget *window = nullptr;
    QWidget *client = nullptr;
    int menuHeight = 0;
    if (settings.menu.empty()) {
        window = new QWidget;
        client = window;
    } else {
        auto *main = new QMainWindow;
        QMenuBar *bar = main->menuBar();
        bar->setObjectName(QStringLiteral("menuBar"));
        // The bar belongs to the window on every platform, as the pages were designed.
        bar->setNativeMenuBar(false);
        // A standard bar in the system colours, not in the page's own background.
        bar->setPalette(QGuiApplication::palette());
        bar->setAutoFillBackground(true);
        for (const MenuEntry &entry : settings.menu) {
            auto *action = new QAction(QString::fromLatin1(entry.caption), main);
            action->setObjectName(QString::fromLatin1(entry.name));
            connect(action, &QAction::triggered, this, entry.handler);
            bar->addAction(action);
        }
        menuHeight = bar->sizeHint().height();
        client = new QWidget(main);
        client->setObjectName(QStringLiteral("client"));
        main->setCentralWidget(client);
        window = main;
    }

    window->setObjectName(QString::fromLatin1(settings.className));
    window->setWindowTitle(QString::fromLatin1(settings.caption));
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, settings.background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    client->setAutoFillBackground(true);
    client->setPalette(palette);
    window->resize(settings.clientSize.width(), settings.clientSize.height() + menuHeight);

    m_window = window;
    m_shown = false;
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this] {
        m_window = nullptr;
        m_shown = false;
        controlsDestroyed();
    });

    buildControls(client);
    Form_Load();
}

void Page::show()
{
    if (!m_window)
        load();
    if (!m_shown) {
        m_shown = true;
        if (windowSettings().placement == WindowPlacement::Maximized) {
            m_window->showMaximized();
        } else {
            const QScreen *screen = QGuiApplication::primaryScreen();
            QRect frame = m_window->geometry();
            frame.moveCenter(screen->availableGeometry().center());
            m_window->move(frame.topLeft());
            m_window->show();
        }
    } else if (m_window->isMinimized()) {
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
}

bool Page::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QObject::eventFilter(watched, event);
}

void Page::mnuInstruct_Click() { m_program.showPage(PageId::Instructions); }
void Page::mnuInstructions_Click() { m_program.showPage(PageId::Instructions); }
void Page::mnuBasics_Click() { m_program.showPage(PageId::CardiacFunctionCurves); }
void Page::mnuVFC_Click() { m_program.showPage(PageId::VascularFunctionCurves); }
void Page::mnuRelations_Click() { m_program.showPage(PageId::VascularFunctionCurves); }
void Page::mnuInteractions_Click() { m_program.showPage(PageId::Interactions); }
void Page::mnuGlossary_Click() { m_program.showPage(PageId::Glossary); }
void Page::mnuTest_Click() { m_program.showPage(PageId::Test); }
void Page::mnuEnd_Click() { m_program.endSession(); }

}  // namespace fc
