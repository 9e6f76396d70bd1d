#include "shell/Page.h"

#include "shell/PageStyle.h"
#include "shell/TopLevel.h"
#include "shell/Program.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include <iterator>
#include <utility>

namespace fc {

namespace {

// What each page is, for assistive technology: two pages share the caption "Form1".
// Indexed by PageId.
constexpr const char *kPageDescriptions[] = {
    "Welcome page of the learning module on cardiac and vascular function curves",
    "Cardiac function curves: a list of topics, an answer box and a figure",
    "Vascular function curves: a list of topics, an answer box and figures",
    "Interactions and changes: a list of topics, an answer box and figures",
    "Practice test: twenty multiple-choice questions on one figure",
    "Glossary of abbreviations, definitions and formulas",
    "Instructions: what the learning module contains and where to begin",
};
static_assert(std::size(kPageDescriptions) == std::size_t(PageId::Instructions) + 1);

// Puts the menu bar into its keyboard navigation, as a lone press of Alt does: the
// first entry is highlighted, Left and Right move, Enter chooses, Escape leaves and
// gives the focus back. Qt offers no call for it, only the Alt key, so F10 hands the
// window what a press and release of Alt would.
void enterMenuBar(QMenuBar *bar)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != bar->window())
        target = bar->window();
    // Unclaimed, each event travels up to the window, where the bar watches for Alt.
    const std::pair<QEvent::Type, Qt::KeyboardModifiers> steps[] = {
        {QEvent::ShortcutOverride, Qt::AltModifier},
        {QEvent::KeyPress, Qt::AltModifier},
        {QEvent::KeyRelease, Qt::NoModifier},
    };
    for (const auto &[type, modifiers] : steps) {
        QKeyEvent event(type, Qt::Key_Alt, modifiers);
        event.ignore();
        QCoreApplication::sendEvent(target, &event);
    }
}

// A menu bar that marks its highlighted entry while it has the keyboard focus: with
// entries that open no menu, styles such as Fusion show no highlight at all.
class PageMenuBar : public QMenuBar {
public:
    using QMenuBar::QMenuBar;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMenuBar::paintEvent(event);
        QAction *entry = activeAction();
        if (!entry || !hasFocus())
            return;
        QPainter painter(this);
        paintFocusMark(painter, actionGeometry(entry).adjusted(1, 1, -1, -1),
                       palette().color(QPalette::WindowText));
    }
};

// Top-level windows without a menu bar are plain widgets, which Qt would present as
// a mere client area rather than as a window.
QAccessibleInterface *plainWindowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object->isWidgetType()
        && static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

Page::Page(Program &program, PageId id, const WindowSettings &settings)
    : m_program(program), m_id(id), m_settings(settings)
{
    static const bool installed = (QAccessible::installFactory(plainWindowFactory), true);
    Q_UNUSED(installed);
}

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
    const WindowSettings &settings = m_settings;

    QWidget *window = nullptr;
    QWidget *client = nullptr;
    int menuHeight = 0;
    if (settings.menu.empty()) {
        window = new QWidget;
        client = window;
    } else {
        auto *main = new QMainWindow;
        auto *bar = new PageMenuBar(main);
        main->setMenuBar(bar);
        bar->setObjectName(QStringLiteral("menuBar"));
        // The bar belongs to the window on every platform, as the pages were designed.
        bar->setNativeMenuBar(false);
        // A standard bar in the system colours, not in the page's own background.
        // Each role is set on its own so that the window's palette, set below, does not
        // pass down to the bar.
        QPalette barPalette = bar->palette();
        const QPalette system = QGuiApplication::palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText,
                                         QPalette::Button, QPalette::ButtonText})
            barPalette.setBrush(role, system.brush(role));
        bar->setPalette(barPalette);
        bar->setAutoFillBackground(true);
        for (const MenuEntry &entry : settings.menu) {
            auto *action = new QAction(QString::fromLatin1(entry.caption), main);
            action->setObjectName(QString::fromLatin1(entry.name));
            connect(action, &QAction::triggered, this, [this, &entry] { choose(entry); });
            bar->addAction(action);
        }
        // The entries have no accelerators; F10 reaches the bar from the keyboard.
        auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), main);
        connect(menuKey, &QShortcut::activated, bar, [bar] { enterMenuBar(bar); });
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
    window->setAccessibleDescription(QString::fromLatin1(kPageDescriptions[std::size_t(m_id)]));
    // A window without a menu bar is left with the keys, as with its close box.
    if (settings.menu.empty())
        closeOnKeys(window);

    // Ctrl+E opens the curve explorer from any page, on the topic being read. The
    // action belongs to the window, not to its menu bar, whose entries stay as they are.
    m_explore = new QAction(tr("Explore\u2026"), window);
    m_explore->setObjectName(QStringLiteral("explore"));
    m_explore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_explore->setShortcutContext(Qt::WindowShortcut);
    connect(m_explore, &QAction::triggered, this, [this] { m_program.showExplorer(topicOnView()); });
    window->addAction(m_explore);

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
    m_program.zoom().attach(window, client, settings.placement == WindowPlacement::Centred);
}

void Page::show()
{
    if (!m_window)
        load();
    if (!m_shown) {
        m_shown = true;
        if (m_settings.placement != WindowPlacement::Maximized)
            centreOnOpenersScreen(m_window);
        if (m_settings.placement == WindowPlacement::Centred)
            m_window->show();
        else
            m_window->showMaximized();
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


void Page::choose(const MenuEntry &entry)
{
    if (entry.shows)
        m_program.showPage(*entry.shows);
    else
        m_program.endSession();
}

}  // namespace fc
