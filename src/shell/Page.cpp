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
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <iterator>
#include <utility>

namespace fc {

namespace {

// What each page is, for assistive technology: two pages share the caption "Form1".
// Indexed by PageId.
constexpr const char *kPageDescriptions[] = {
    QT_TRANSLATE_NOOP(
        "Page", "Welcome page of the learning module on cardiac and vascular function curves"),
    QT_TRANSLATE_NOOP("Page",
                      "Cardiac function curves: a list of topics, an answer box and a figure"),
    QT_TRANSLATE_NOOP("Page",
                      "Vascular function curves: a list of topics, an answer box and figures"),
    QT_TRANSLATE_NOOP("Page",
                      "Interactions and changes: a list of topics, an answer box and figures"),
    QT_TRANSLATE_NOOP("Page", "Practice test: twenty multiple-choice questions on one figure"),
    QT_TRANSLATE_NOOP("Page", "Glossary of abbreviations, definitions and formulas"),
    QT_TRANSLATE_NOOP("Page", "Instructions: what the learning module contains and where to begin"),
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

// A scroll area that settles its scroll bars at once when resized: Qt shows or hides
// them at the next turn of the event loop, and a page that fits would be painted once
// with a scroll bar it does not need.
class PageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        QEvent request(QEvent::LayoutRequest);
        QScrollArea::event(&request);
    }
};

// The page's client in a frameless scroll area: where the zoomed page is larger than
// its window it scrolls, with scroll bars only then; where it fits, it fills the window
// as if there were none.
QScrollArea *scrolling(QWidget *client)
{
    client->setObjectName(QStringLiteral("client"));
    auto *scroll = new PageScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // Not a stop of its own: Tab goes from control to control as before.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(client);
    return scroll;
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
        client = new QWidget;
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scrolling(client));
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
            auto *action = new QAction(QCoreApplication::translate("Menu", entry.caption), main);
            action->setObjectName(QString::fromLatin1(entry.name));
            connect(action, &QAction::triggered, this, [this, &entry] { choose(entry); });
            bar->addAction(action);
        }
        // A translation's longer captions are set smaller, as a last resort, rather than
        // hidden behind the bar's overflow button: every entry shows in the window's
        // design width.
        for (int step = 0; step < 4 && bar->sizeHint().width() > settings.clientSize.width();
             ++step)
            bar->setFont(smallerFont(bar->font()));
        // The entries have no accelerators; F10 reaches the bar from the keyboard.
        auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), main);
        connect(menuKey, &QShortcut::activated, bar, [bar] { enterMenuBar(bar); });
        menuHeight = bar->sizeHint().height();
        client = new QWidget;
        main->setCentralWidget(scrolling(client));
        window = main;
    }

    window->setObjectName(QString::fromLatin1(settings.className));
    window->setWindowTitle(QCoreApplication::translate("Page", settings.caption));
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, settings.background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    client->setAutoFillBackground(true);
    client->setPalette(palette);
    window->resize(settings.clientSize.width(), settings.clientSize.height() + menuHeight);
    client->resize(settings.clientSize);
    window->setAccessibleDescription(
        QCoreApplication::translate("Page", kPageDescriptions[std::size_t(m_id)]));
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
    m_program.zoom().attach(window, client, settings.placement == WindowPlacement::Centred
                                                ? WindowSizing::FollowsZoom
                                                : WindowSizing::Kept);
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

#include "moc_Page.cpp"
