#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <span>

namespace fc {

class Program;
class Page;

enum class PageId {
    Introduction,
    CardiacFunctionCurves,
    VascularFunctionCurves,
    Interactions,
    Test,
    Glossary,
    Instructions,
};

// One top-level entry of a page's menu bar: it acts when clicked.
struct MenuEntry {
    const char *name;     // the QAction's objectName
    const char *caption;  // no accelerators
    std::optional<PageId> shows;  // none: the entry ends the session
};

// Maximized pages open where the window system puts them, or centred so that they sit
// in the middle of the screen when restored; normal ones open centred.
enum class WindowPlacement { Maximized, MaximizedCentred, Centred };

// How a page's window is set up when it is built.
struct WindowSettings {
    const char *className;  // the window's objectName
    const char *caption;
    QColor background;
    QSize clientSize;  // design client size in pixels
    WindowPlacement placement;
    std::span<const MenuEntry> menu;  // empty: no menu bar
};

// A page lives for the whole run and holds its page-level variables; its window and
// controls exist only while it is loaded. Closing the window with its close box
// destroys them; the next show builds them afresh and runs the load step again.
class Page : public QObject {
    Q_OBJECT
public:
    Page(Program &program, PageId id, const WindowSettings &settings);
    ~Page() override;

    PageId id() const { return m_id; }
    bool isLoaded() const { return m_window != nullptr; }
    QWidget *window() const { return m_window; }

    // Builds the window and its controls, then runs the load step.
    void load();
    // Shows the loaded window without modality and makes it active; an open window
    // is brought to the front unchanged.
    void show();

    const WindowSettings &windowSettings() const { return m_settings; }

    // The window's action that opens the curve explorer (Ctrl+E), while it is loaded.
    QAction *exploreAction() const { return m_explore; }
    // The topic a student is reading, as its list row says; empty where none is.
    virtual QString topicOnView() const { return {}; }

protected:
    // Creates the controls inside `client`, the window's client area.
    virtual void buildControls(QWidget *client) = 0;
    // Called when the window and its controls are gone, to drop pointers to them.
    virtual void controlsDestroyed() {}
    virtual void Form_Load() {}
    // Runs each time the window becomes the active window.
    virtual void Form_Activate() {}

    Program &program() const { return m_program; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs a menu entry: shows its page or ends the session.
    void choose(const MenuEntry &entry);

    Program &m_program;
    PageId m_id;
    WindowSettings m_settings;
    QPointer<QWidget> m_window;
    QPointer<QAction> m_explore;
    bool m_shown = false;
};

}  // namespace fc
