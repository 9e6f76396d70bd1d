// The program as a user meets it, each measurement set against what Qt itself takes
// for the same in the same run (its floor): start-up against a window with one label,
// each page's first and repeated show against the same window built plainly of Qt's
// own widgets (a menu bar with the same entries, a QListWidget for each list, a
// QPlainTextEdit for each text box, QLabels for labels, figure areas and drawn text,
// QPushButtons for buttons; as many child widgets), each list selection against that
// plain window swapping a text and a ready picture on a list click, a factor moved in
// the curve explorer against the same widgets repainted unchanged, and peak memory
// against the plain windows open at once. Each timing is
// the median of repeated runs; budgets are ratios to the floor, so the table means the
// same on a fast or a slow machine. Prints the table and exits with 1 when a budget is
// missed.
//
// Times are CPU time of the process (user and kernel), which other work on the
// machine does not inflate. Run it under QT_QPA_PLATFORM=offscreen (scripts/bench
// does). Start-up, first shows and memory are measured in fresh child processes: this
// program runs itself again with "--child <what> [argument]".

#include "BenchSupport.h"
#include "explorer/CurvesView.h"
#include "explorer/Explorer.h"
#include "figures/FigureCatalogue.h"
#include "figures/FigurePixmap.h"
#include "figures/PictureArea.h"
#include "reference/DrawnText.h"
#include "shell/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace fc;

namespace {

// CPU time of this process so far, in milliseconds; from its creation, so that a
// child's reading is its whole start-up.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Numbers every paint event and remembers, per window, the number of the last one
// painted in it. Installed before anything is shown.
class PaintLog : public QObject {
public:
    qint64 serial = 0;
    QHash<const QWidget *, qint64> last;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            last[static_cast<QWidget *>(watched)->window()] = ++serial;
        return false;
    }
};

PaintLog &paintLog()
{
    static PaintLog log;
    return log;
}

// Runs the event loop until `window` has painted after paint number `since`, then
// lets the rest of that round of painting finish.
void waitPainted(const QWidget *window, qint64 since)
{
    while (paintLog().last.value(window) <= since)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Shows a window as `show` does and returns the CPU time until it has painted.
double timeShow(const std::function<QWidget *()> &show)
{
    QCoreApplication::processEvents();
    const qint64 since = paintLog().serial;
    const double start = cpuMs();
    const QWidget *window = show();
    waitPainted(window, since);
    return cpuMs() - start;
}

// A user action and the repaint of whatever it changed.
double timeAction(const QWidget *window, const std::function<void()> &action)
{
    QCoreApplication::processEvents();
    const qint64 since = paintLog().serial;
    const double start = cpuMs();
    action();
    QCoreApplication::processEvents();
    const double ms = cpuMs() - start;
    if (paintLog().last.value(window) <= since)
        std::fprintf(stderr, "warning: nothing repainted\n");
    return ms;
}

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

qint64 peakMemoryKiB()
{
    return bench::memoryKiB("VmHWM");
}

// How long after the first window appears a page is opened, in milliseconds.
constexpr qint64 kFirstClickMs = 500;

void idle(qint64 ms)
{
    QElapsedTimer moment;
    moment.start();
    while (moment.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

constexpr PageId kOtherPages[] = {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves,
                                  PageId::Interactions,          PageId::Test,
                                  PageId::Glossary,              PageId::Instructions};

const char *pageName(PageId id)
{
    switch (id) {
    case PageId::Introduction: return "Introduction";
    case PageId::CardiacFunctionCurves: return "CardiacFunctionCurves";
    case PageId::VascularFunctionCurves: return "VascularFunctionCurves";
    case PageId::Interactions: return "Interactions";
    case PageId::Test: return "Test";
    case PageId::Glossary: return "Glossary";
    case PageId::Instructions: return "Instructions";
    }
    return "";
}

// ---- Floors: plain Qt windows ----

// A page's window as plain Qt would build it: its size and caption, its menu bar's
// captions, and for each control the Qt widget of the same kind that stands for it,
// with its place, visibility, text, font, frame and colours. Lists become QListWidgets
// with the page's rows, text boxes QPlainTextEdits with their text, buttons
// QPushButtons, labels QLabels; each figure area is a QLabel holding a ready picture of
// its size, and text drawn line by line a QLabel with the same lines. `widgets` and
// `shown` count every child widget of the page's window, Qt's own parts included; the
// plain window is filled up to the same count with hidden widgets. Passed to children
// as base64 of compact JSON.
struct Part {
    QString kind;  // "list", "text", "label", "button", "picture", "widget"
    QRect geometry;  // in the client area
    QSize content;  // inside its frame
    bool visible = true;
    QString text;
    QStringList rows;
    QString font;
    int alignment = 0;
    int frame = 0;
    bool wrap = false;
    bool fill = false;
    QString background, foreground;
};

struct Shape {
    bool maximised = false;
    bool mainWindow = true;
    QSize size;
    QString title;
    QString background;
    QStringList menu;
    std::vector<Part> parts;
    int widgets = 0;
    int shown = 0;

    QString encoded() const
    {
        QJsonArray partArray;
        for (const Part &p : parts) {
            partArray.append(QJsonObject{
                {"k", p.kind},
                {"g", QJsonArray{p.geometry.x(), p.geometry.y(), p.geometry.width(),
                                 p.geometry.height()}},
                {"c", QJsonArray{p.content.width(), p.content.height()}},
                {"v", p.visible},
                {"t", p.text},
                {"r", QJsonArray::fromStringList(p.rows)},
                {"f", p.font},
                {"a", p.alignment},
                {"fr", p.frame},
                {"w", p.wrap},
                {"fl", p.fill},
                {"bg", p.background},
                {"fg", p.foreground},
            });
        }
        const QJsonObject o{{"max", maximised},
                            {"main", mainWindow},
                            {"w", size.width()},
                            {"h", size.height()},
                            {"title", title},
                            {"bg", background},
                            {"menu", QJsonArray::fromStringList(menu)},
                            {"parts", partArray},
                            {"widgets", widgets},
                            {"shown", shown}};
        return QString::fromLatin1(QJsonDocument(o).toJson(QJsonDocument::Compact).toBase64());
    }
    static Shape decoded(const QString &text)
    {
        const QJsonObject o =
            QJsonDocument::fromJson(QByteArray::fromBase64(text.toLatin1())).object();
        Shape shape;
        shape.maximised = o["max"].toBool();
        shape.mainWindow = o["main"].toBool();
        shape.size = QSize(o["w"].toInt(), o["h"].toInt());
        shape.title = o["title"].toString();
        shape.background = o["bg"].toString();
        for (const QJsonValue &v : o["menu"].toArray())
            shape.menu << v.toString();
        for (const QJsonValue &v : o["parts"].toArray()) {
            const QJsonObject j = v.toObject();
            const QJsonArray g = j["g"].toArray();
            Part p;
            p.kind = j["k"].toString();
            p.geometry = QRect(g[0].toInt(), g[1].toInt(), g[2].toInt(), g[3].toInt());
            const QJsonArray c = j["c"].toArray();
            p.content = QSize(c[0].toInt(), c[1].toInt());
            p.visible = j["v"].toBool();
            p.text = j["t"].toString();
            for (const QJsonValue &r : j["r"].toArray())
                p.rows << r.toString();
            p.font = j["f"].toString();
            p.alignment = j["a"].toInt();
            p.frame = j["fr"].toInt();
            p.wrap = j["w"].toBool();
            p.fill = j["fl"].toBool();
            p.background = j["bg"].toString();
            p.foreground = j["fg"].toString();
            shape.parts.push_back(p);
        }
        shape.widgets = o["widgets"].toInt();
        shape.shown = o["shown"].toInt();
        return shape;
    }
};

// A font as the plain window asks for it: the family it resolved to, so that the
// plain window draws the same font without the program's substitutes.
QString plainFont(const QFont &font)
{
    QFont plain = font;
    plain.setFamilies({});
    plain.setFamily(QFontInfo(font).family());
    return plain.toString();
}

// The colours a widget is drawn in: background and text, by its kind.
void takeColours(const QWidget *widget, Part &part, QPalette::ColorRole background,
                 QPalette::ColorRole foreground)
{
    part.background = widget->palette().color(background).name();
    part.foreground = widget->palette().color(foreground).name();
}

Shape shapeOf(const QWidget *window)
{
    Shape shape;
    shape.maximised = window->isMaximized();
    shape.size = window->normalGeometry().size();
    shape.title = window->windowTitle();
    shape.background = window->palette().color(QPalette::Window).name();
    const auto *main = qobject_cast<const QMainWindow *>(window);
    shape.mainWindow = main != nullptr;
    const QWidget *client = main ? main->centralWidget() : window;
    if (main && main->menuWidget()) {
        for (const QAction *action : main->menuWidget()->actions())
            shape.menu << action->text();
    }
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        ++shape.widgets;
        shape.shown += child->isVisible() ? 1 : 0;
    }
    // Each control once, parents before children; a control's own parts come with
    // the Qt widget that stands for it.
    const std::function<void(const QWidget *)> walk = [&](const QWidget *parent) {
        for (QObject *object : parent->children()) {
            auto *w = qobject_cast<QWidget *>(object);
            if (!w || w->isWindow())
                continue;
            Part part;
            part.geometry = QRect(w->mapTo(window, QPoint()) - client->mapTo(window, QPoint()),
                                  w->size());
            part.content = w->contentsRect().size();
            part.visible = w->isVisible();
            part.font = plainFont(w->font());
            bool descend = false;
            if (const auto *list = qobject_cast<const QListWidget *>(w)) {
                part.kind = QStringLiteral("list");
                for (int i = 0; i < list->count(); ++i)
                    part.rows << list->item(i)->text();
                part.frame = list->frameStyle();
                takeColours(w, part, QPalette::Base, QPalette::Text);
            } else if (const auto *text = qobject_cast<const QPlainTextEdit *>(w)) {
                part.kind = QStringLiteral("text");
                part.text = text->toPlainText();
                part.frame = text->frameStyle();
                part.fill = w->autoFillBackground();
                takeColours(w, part, QPalette::Base, QPalette::Text);
            } else if (const auto *label = qobject_cast<const QLabel *>(w)) {
                part.kind = QStringLiteral("label");
                part.text = label->text();
                part.alignment = int(label->alignment());
                part.frame = label->frameStyle();
                part.wrap = label->wordWrap();
                part.fill = w->autoFillBackground();
                takeColours(w, part, QPalette::Window, QPalette::WindowText);
            } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
                part.kind = QStringLiteral("button");
                part.text = button->text();
            } else if (const auto *area = qobject_cast<const PictureArea *>(w)) {
                part.kind = QStringLiteral("picture");
                part.frame = area->frameStyle();
                part.background = area->background().name();
                descend = true;  // its overlays
            } else if (const auto *drawn = qobject_cast<const DrawnText *>(w)) {
                part.kind = QStringLiteral("label");
                QStringList lines;
                for (int i = 0; i < drawn->lineCount(); ++i)
                    lines << drawn->line(i);
                part.text = lines.join(QLatin1Char('\n'));
                part.alignment = int(Qt::AlignLeft | Qt::AlignTop);
                takeColours(w, part, QPalette::Window, QPalette::WindowText);
                part.foreground = drawn->palette().color(QPalette::WindowText).name();
            } else if (qobject_cast<const QMenuBar *>(w) || w == client) {
                if (w == client)
                    walk(w);
                continue;
            } else {
                part.kind = QStringLiteral("widget");
                descend = true;
            }
            shape.parts.push_back(part);
            if (descend)
                walk(w);
        }
    };
    walk(window);
    return shape;
}

// The ready pictures of a plain window's figure areas, made before it is timed.
struct PlainPictures {
    QList<QPixmap> pixmaps;

    explicit PlainPictures(const Shape &shape)
    {
        for (const Part &p : shape.parts) {
            if (p.kind != QLatin1String("picture") || !p.visible)
                continue;
            // At the screen's ratio, as the program's renderings are.
            const qreal ratio = qApp->devicePixelRatio();
            QPixmap pixmap(p.content * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(QColor(p.background));
            QPainter painter(&pixmap);
            painter.drawLine(0, 0, pixmap.width(), pixmap.height());
            pixmaps << pixmap;
        }
    }
};

void setColours(QWidget *w, const Part &p, QPalette::ColorRole background,
                QPalette::ColorRole foreground)
{
    if (p.background.isEmpty())
        return;
    QPalette palette = w->palette();
    palette.setColor(background, QColor(p.background));
    palette.setColor(foreground, QColor(p.foreground));
    w->setPalette(palette);
}

// The plain window of `shape`, built of Qt's own widgets and shown as the page is.
QWidget *showPlainWindow(const Shape &shape, const PlainPictures &pictures)
{
    QWidget *window = nullptr;
    QWidget *client = nullptr;
    if (shape.mainWindow) {
        auto *main = new QMainWindow;
        if (!shape.menu.isEmpty()) {
            auto *bar = new QMenuBar(main);
            bar->setNativeMenuBar(false);
            for (const QString &caption : shape.menu)
                bar->addAction(caption);
            main->setMenuBar(bar);
        }
        client = new QWidget;
        main->setCentralWidget(client);
        window = main;
    } else {
        window = client = new QWidget;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(shape.title);
    // The page's background; the menu bar keeps the system's colours.
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(shape.background));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    int picture = 0;
    for (const Part &p : shape.parts) {
        QWidget *w = nullptr;
        if (p.kind == QLatin1String("list")) {
            auto *list = new QListWidget(client);
            list->addItems(p.rows);
            list->setFrameStyle(p.frame);
            setColours(list, p, QPalette::Base, QPalette::Text);
            w = list;
        } else if (p.kind == QLatin1String("text")) {
            auto *text = new QPlainTextEdit(p.text, client);
            text->setReadOnly(true);
            text->setFrameStyle(p.frame);
            text->setAutoFillBackground(p.fill);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            setColours(text, p, QPalette::Base, QPalette::Text);
            w = text;
        } else if (p.kind == QLatin1String("label")) {
            auto *label = new QLabel(p.text, client);
            label->setAlignment(Qt::Alignment(p.alignment));
            label->setFrameStyle(p.frame);
            label->setWordWrap(p.wrap);
            label->setAutoFillBackground(p.fill);
            setColours(label, p, QPalette::Window, QPalette::WindowText);
            w = label;
        } else if (p.kind == QLatin1String("button")) {
            w = new QPushButton(p.text, client);
        } else if (p.kind == QLatin1String("picture")) {
            auto *label = new QLabel(client);
            label->setFrameStyle(p.frame);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (p.visible)
                label->setPixmap(pictures.pixmaps.value(picture++));
            w = label;
        } else {
            w = new QWidget(client);
        }
        QFont font;
        font.fromString(p.font);
        w->setFont(font);
        w->setGeometry(p.geometry);
        w->setVisible(p.visible);
    }
    // As many child widgets as the page's window has; the menu bar makes the menu of
    // its extension button only as it is shown.
    const bool menuToCome = !shape.menu.isEmpty() && !window->findChild<QMenu *>();
    for (int n = int(window->findChildren<QWidget *>().size()) + (menuToCome ? 1 : 0);
         n < shape.widgets; ++n)
        (new QWidget(client))->hide();
    window->resize(shape.size);
    if (shape.maximised)
        window->showMaximized();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// The plain window of a concept page whose list click swaps the text of its text box
// and the ready picture of its first figure area on view.
struct SelectionFloor {
    PlainPictures pictures;
    QWidget *window;
    QListWidget *list;
    QPlainTextEdit *text;
    QLabel *picture = nullptr;
    QHash<int, QString> texts;
    QHash<int, QPixmap> swapped;

    SelectionFloor(const Shape &shape, const QList<int> &rows)
        : pictures(shape), window(showPlainWindow(shape, pictures))
    {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        list = window->findChild<QListWidget *>();
        text = window->findChild<QPlainTextEdit *>();
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->isVisible() && !label->pixmap().isNull()) {
                picture = label;
                break;
            }
        }
        for (const int row : rows) {
            QPixmap pixmap(picture->pixmap().size());
            pixmap.setDevicePixelRatio(picture->pixmap().devicePixelRatio());
            pixmap.fill(row == rows.first() ? Qt::white : Qt::yellow);
            swapped[row] = pixmap;
        }
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
            const int row = list->currentRow();
            text->setPlainText(texts.value(row));
            text->show();
            picture->setPixmap(swapped.value(row));
        });
    }
    ~SelectionFloor() { delete window; }
};

// ---- Child processes: each prints its numbers ----

// The first window of a session, as the welcome page is: maximised, with text.
QMainWindow *showLabelWindow()
{
    auto *window = new QMainWindow;
    window->setCentralWidget(new QLabel(QStringLiteral("Function Curves")));
    window->showMaximized();
    waitPainted(window, 0);
    return window;
}

int runChild(const QString &what, const QStringList &arguments)
{
    if (what == QLatin1String("startup-empty")) {
        QMainWindow window;
        window.showMaximized();
        waitPainted(&window, 0);
        std::printf("%f\n", cpuMs());
        return 0;
    }
    if (what == QLatin1String("startup-label")) {
        // Drawing any text loads the system's font configuration, which an empty
        // window never does.
        showLabelWindow();
        std::printf("%f\n", cpuMs());
        return 0;
    }
    if (what == QLatin1String("first-show-floor")) {
        showLabelWindow();
        idle(kFirstClickMs);
        const Shape shape = Shape::decoded(arguments.value(0));
        const PlainPictures pictures(shape);
        std::printf("%f\n", timeShow([&] { return showPlainWindow(shape, pictures); }));
        return 0;
    }
    if (what == QLatin1String("memory-floor")) {
        std::vector<Shape> shapes;
        for (const QString &text : arguments)
            shapes.push_back(Shape::decoded(text));
        std::vector<std::unique_ptr<PlainPictures>> pictures;
        for (const Shape &shape : shapes) {
            pictures.push_back(std::make_unique<PlainPictures>(shape));
            waitPainted(showPlainWindow(shape, *pictures.back()), 0);
        }
        std::printf("%lld\n", static_cast<long long>(peakMemoryKiB()));
        return 0;
    }
    Program program;
    program.start();
    waitPainted(program.existingPage(PageId::Introduction)->window(), 0);
    if (what == QLatin1String("startup-program")) {
        std::printf("%f\n", cpuMs());
    } else if (what == QLatin1String("memory-program")) {
        for (PageId id : kOtherPages) {
            const qint64 since = paintLog().serial;
            program.showPage(id);
            waitPainted(program.existingPage(id)->window(), since);
        }
        std::printf("%lld\n", static_cast<long long>(peakMemoryKiB()));
    } else if (what == QLatin1String("first-show")) {
        const auto id = PageId(arguments.value(0).toInt());
        // A student's first click comes a moment after the welcome page appears; the
        // program readies the other pages in that moment.
        idle(kFirstClickMs);
        std::printf("%f\n", timeShow([&] {
                        program.showPage(id);
                        return program.existingPage(id)->window();
                    }));
    } else {
        return 2;
    }
    return 0;
}

// Runs this program as a child and returns the first number it printed.
double child(const QString &what, const QStringList &arguments = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(),
                  QStringList{QStringLiteral("--child"), what} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "child %s failed\n", qPrintable(what));
        std::exit(2);
    }
    return process.readAllStandardOutput().simplified().split(' ').value(0).toDouble();
}

// ---- The table ----

struct Row {
    QString what;
    double value;
    std::optional<double> floor;
    QString unit;
    double limit = 0;  // a ratio to the floor, or with MiB an excess over it; 0: none
};

std::vector<Row> rows;

constexpr int kChildRuns = 11;
constexpr int kRuns = 31;
constexpr double kStartupRatio = 1.2;
constexpr double kShowRatio = 1.5;
constexpr double kSelectionRatio = 1.5;
constexpr double kMemoryExcessMiB = 8;
constexpr double kExplorerRatio = 1.3;
constexpr double kRepaintRatio = 1.5;

bool excessBudget(const Row &r)
{
    return r.unit == QLatin1String("MiB");
}

bool passes(const Row &r)
{
    if (!r.floor || r.limit == 0)
        return true;
    return excessBudget(r) ? r.value - *r.floor <= r.limit : r.value <= r.limit * *r.floor;
}

void measureStartup()
{
    std::vector<double> empty, label, program;
    for (int i = 0; i < kChildRuns; ++i) {
        empty.push_back(child(QStringLiteral("startup-empty")));
        label.push_back(child(QStringLiteral("startup-label")));
        program.push_back(child(QStringLiteral("startup-program")));
    }
    rows.push_back({QStringLiteral("start-up, empty Qt window"), median(empty), {},
                    QStringLiteral("ms")});
    rows.push_back({QStringLiteral("start-up to the painted welcome page"), median(program),
                    median(label), QStringLiteral("ms"), kStartupRatio});
}

// The shape of each page's window, from a run of the program.
QHash<PageId, Shape> pageShapes()
{
    Program program;
    program.start();
    QHash<PageId, Shape> shapes;
    QWidget *welcome = program.existingPage(PageId::Introduction)->window();
    waitPainted(welcome, 0);
    shapes[PageId::Introduction] = shapeOf(welcome);
    for (PageId id : kOtherPages) {
        program.showPage(id);
        QWidget *window = program.existingPage(id)->window();
        waitPainted(window, 0);
        shapes[id] = shapeOf(window);
    }
    // The plain windows stand for the pages only with as many child widgets.
    for (auto s = shapes.cbegin(); s != shapes.cend(); ++s) {
        const PlainPictures pictures(*s);
        QWidget *plain = showPlainWindow(*s, pictures);
        waitPainted(plain, 0);
        const Shape plainShape = shapeOf(plain);
        if (plainShape.widgets != s->widgets)
            std::fprintf(stderr, "warning: %s has %d child widgets, its plain window %d\n",
                         pageName(s.key()), s->widgets, plainShape.widgets);
        delete plain;
    }
    return shapes;
}

void measureFirstShows(const QHash<PageId, Shape> &shapes)
{
    for (PageId id : kOtherPages) {
        std::vector<double> page, plain;
        for (int i = 0; i < kChildRuns; ++i) {
            page.push_back(child(QStringLiteral("first-show"), {QString::number(int(id))}));
            plain.push_back(child(QStringLiteral("first-show-floor"), {shapes[id].encoded()}));
        }
        rows.push_back({QStringLiteral("first show of %1").arg(QLatin1String(pageName(id))),
                        median(page), median(plain), QStringLiteral("ms"), kShowRatio});
    }
}

void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A list selection on `page`, the rows in turn, against the plain window of the page
// as it is shown (at the zoom of the moment) swapping its text and picture.
void measureSelection(Program &program, PageId page, const QList<int> &topics,
                      const QString &how = {})
{
    program.showPage(page);
    QWidget *window = program.existingPage(page)->window();
    waitPainted(window, 0);
    auto *list = window->findChild<QListWidget *>(QStringLiteral("basicList1"));
    auto *answers = window->findChild<QPlainTextEdit *>(QStringLiteral("BasicAnswers1"));
    clickRow(list, topics.first());
    QCoreApplication::processEvents();
    SelectionFloor plain(shapeOf(window), topics);
    for (const int row : topics) {
        clickRow(list, row);
        plain.texts[row] = answers->toPlainText();
    }
    waitPainted(plain.window, 0);
    std::vector<double> ms, floor;
    for (int i = 0; i < kRuns; ++i) {
        const int row = topics[i % 2];
        ms.push_back(timeAction(window, [&] { clickRow(list, row); }));
        floor.push_back(timeAction(plain.window, [&] { clickRow(plain.list, row); }));
    }
    rows.push_back({QStringLiteral("list selection on %1%2").arg(QLatin1String(pageName(page)), how),
                    median(ms), median(floor), QStringLiteral("ms"), kSelectionRatio});
    closeAndDelete(window);
}

void measureInProcess(const QHash<PageId, Shape> &shapes)
{
    Program program;
    program.start();
    waitPainted(program.existingPage(PageId::Introduction)->window(), 0);
    idle(kFirstClickMs);

    // Shown again after the window was closed: controls built and loaded afresh.
    for (PageId id : kOtherPages) {
        program.showPage(id);
        waitPainted(program.existingPage(id)->window(), 0);
        const PlainPictures pictures(shapes[id]);
        QWidget *plain = showPlainWindow(shapes[id], pictures);
        waitPainted(plain, 0);
        std::vector<double> page, floor;
        for (int i = 0; i < kRuns; ++i) {
            closeAndDelete(program.existingPage(id)->window());
            page.push_back(timeShow([&] {
                program.showPage(id);
                return program.existingPage(id)->window();
            }));
            closeAndDelete(plain);
            floor.push_back(timeShow([&] { return plain = showPlainWindow(shapes[id], pictures); }));
        }
        closeAndDelete(plain);
        closeAndDelete(program.existingPage(id)->window());
        rows.push_back({QStringLiteral("show of %1 again, after closing it")
                            .arg(QLatin1String(pageName(id))),
                        median(page), median(floor), QStringLiteral("ms"), kShowRatio});
    }

    // A list selection: two topic rows in turn, so each click changes the text and,
    // where the rows differ, the figure.
    measureSelection(program, PageId::CardiacFunctionCurves, {2, 4});
    measureSelection(program, PageId::VascularFunctionCurves, {3, 6});
    measureSelection(program, PageId::Interactions, {2, 5});

    // The test: a right and a wrong answer in turn, then Next through the pages.
    program.showPage(PageId::Test);
    QWidget *test = program.existingPage(PageId::Test)->window();
    auto *start = test->findChild<QPushButton *>(QStringLiteral("cmdStart"));
    auto *next = test->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    auto *list2 = test->findChild<QListWidget *>(QStringLiteral("List2"));
    QTest::mouseClick(start, Qt::LeftButton);
    QCoreApplication::processEvents();
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const int row = i % 2 ? 1 : 3;
        ms.push_back(timeAction(test, [&] { clickRow(list2, row); }));
    }
    rows.push_back({QStringLiteral("test selection (verdict and explanation)"), median(ms), {},
                    QStringLiteral("ms")});
    ms.clear();
    for (int i = 0; i < kRuns; ++i) {
        // 25 presses reach the empty page; start again before that.
        if (i % 24 == 0) {
            QTest::mouseClick(start, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        ms.push_back(timeAction(test, [&] { QTest::mouseClick(next, Qt::LeftButton); }));
    }
    rows.push_back({QStringLiteral("Next Question"), median(ms), {}, QStringLiteral("ms")});

    // What the kept rendering saves: a figure rendered afresh against one taken from
    // the cache, each the median over every figure at a concept page's area size.
    const FigureView view{QSize(519, 367), 0.6, qApp->devicePixelRatio(), Qt::white, {}};
    std::vector<double> fresh, kept;
    for (const QString &name : figureNames()) {
        const Figure &figure = *findFigure(name);
        for (int i = 0; i < 5; ++i) {
            forgetFigurePixmaps();
            double start = cpuMs();
            figurePixmap(figure, view);
            fresh.push_back(cpuMs() - start);
            start = cpuMs();
            figurePixmap(figure, view);
            kept.push_back(cpuMs() - start);
        }
    }
    rows.push_back({QStringLiteral("a figure rendered afresh (519 x 367)"), median(fresh), {},
                    QStringLiteral("ms")});
    rows.push_back({QStringLiteral("  and taken from its kept rendering"), median(kept), {},
                    QStringLiteral("ms")});
}

// The figure areas on view on the cardiac and vascular pages, open at once at each zoom,
// repainted in turn from their kept renderings (were the renderings to push each other
// out, each repaint would paint a figure), against labels holding ready pictures of the same sizes at the
// screen's ratio, repainted the same way; then a list selection at that zoom.
void measureZoomed()
{
    Program program;
    program.start();
    waitPainted(program.existingPage(PageId::Introduction)->window(), 0);
    for (const int percent : {100, 150, 300}) {
        while (program.zoom().percent() < percent)
            program.zoom().zoomIn();
        // Those on view, on two pages open at once: shown, and not covered by an
        // overlay shown over them.
        QList<QWidget *> areas;
        for (const PageId page : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves}) {
            program.showPage(page);
            QWidget *window = program.existingPage(page)->window();
            waitPainted(window, 0);
            for (PictureArea *area : window->findChildren<PictureArea *>()) {
                const auto overlays = area->findChildren<PictureArea *>(Qt::FindDirectChildrenOnly);
                if (area->isVisible() && area->figure()
                    && std::none_of(overlays.begin(), overlays.end(),
                                    [](const QWidget *o) { return o->isVisible(); }))
                    areas << area;
            }
        }
        QWidget plain;
        plain.resize(areas.first()->window()->size());
        QList<QWidget *> labels;
        const qreal ratio = plain.devicePixelRatio();
        for (const QWidget *area : areas) {
            auto *label = new QLabel(&plain);
            label->setGeometry(QRect(area->mapTo(area->window(), QPoint()), area->size()));
            QPixmap pixmap(area->size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::white);
            label->setPixmap(pixmap);
            labels << label;
        }
        plain.show();
        waitPainted(&plain, 0);
        std::vector<double> ms, floor;
        for (int i = 0; i < kRuns; ++i) {
            QWidget *area = areas[i % areas.size()];
            ms.push_back(timeAction(area->window(), [area] { area->update(); }));
            QWidget *label = labels[i % labels.size()];
            floor.push_back(timeAction(&plain, [label] { label->update(); }));
        }
        const QString how = QStringLiteral(" at %1%, ratio %2").arg(percent).arg(ratio);
        rows.push_back({QStringLiteral("%1 figure areas repainted in turn%2").arg(areas.size()).arg(how),
                        median(ms), median(floor), QStringLiteral("ms"), kRepaintRatio});
        plain.close();
        for (const PageId page : {PageId::CardiacFunctionCurves, PageId::VascularFunctionCurves})
            closeAndDelete(program.existingPage(page)->window());
        measureSelection(program, PageId::VascularFunctionCurves, {3, 6}, how);
    }
}

void measureExplorer()
{
    Program program;
    program.start();
    waitPainted(program.existingPage(PageId::Introduction)->window(), 0);
    qint64 since = paintLog().serial;
    program.showExplorer();
    Explorer *explorer = program.explorer();
    waitPainted(explorer, since);
    auto *view = explorer->findChild<CurvesView *>();
    QList<QWidget *> repainted{view};
    for (const char *name : {"operatingCvp", "operatingCo", "msfp"})
        repainted << explorer->findChild<QLabel *>(QLatin1String(name));
    QList<QSlider *> sliders;
    for (const char *name : {"contractility", "bloodVolume", "venousCompliance", "resistance"})
        sliders << explorer->findChild<QSlider *>(QLatin1String(name));

    for (const bool maximized : {false, true}) {
        if (maximized) {
            since = paintLog().serial;
            explorer->showMaximized();
            waitPainted(explorer, since);
        }
        std::vector<double> floorMs, changeMs;
        for (int i = 0; i < 2 * kRuns; ++i) {
            // Each factor up a step and down again in turn, so the curves move every time.
            QSlider *slider = sliders[(i / 2) % sliders.size()];
            floorMs.push_back(timeAction(explorer, [&] {
                for (QWidget *w : repainted)
                    w->update();
                slider->update();
                explorer->findChild<QSpinBox *>(slider->objectName())->update();
            }));
            changeMs.push_back(timeAction(explorer, [slider, i] {
                QTest::keyClick(slider, i % 2 ? Qt::Key_Left : Qt::Key_Right);
            }));
        }
        const QString size = QStringLiteral("%1x%2, ratio %3")
                                 .arg(view->width())
                                 .arg(view->height())
                                 .arg(view->devicePixelRatio());
        // The floor: the same widgets repainted with nothing changed, at the size the
        // explorer opens at and maximized.
        rows.push_back({QStringLiteral("explorer factor change (figure %1)").arg(size),
                        median(changeMs), median(floorMs), QStringLiteral("ms"),
                        kExplorerRatio});
    }
}

void measureMemory(const QHash<PageId, Shape> &shapes)
{
    QStringList plainShapes{shapes[PageId::Introduction].encoded()};
    for (PageId id : kOtherPages)
        plainShapes << shapes[id].encoded();
    std::vector<double> plain, program;
    for (int i = 0; i < 3; ++i) {
        plain.push_back(child(QStringLiteral("memory-floor"), plainShapes) / 1024);
        program.push_back(child(QStringLiteral("memory-program")) / 1024);
    }
    rows.push_back({QStringLiteral("peak memory, all seven pages open"), median(program),
                    median(plain), QStringLiteral("MiB"), kMemoryExcessMiB});
}

QString number(double value, const QString &unit)
{
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 2).arg(unit);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.installEventFilter(&paintLog());
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == QLatin1String("--child"))
        return runChild(args[1], args.mid(2));

    // "--only startup|shows|in-process|zoomed|explorer|memory" runs those parts alone
    // (several with commas between).
    const QStringList only = args.size() >= 2 && args[0] == QLatin1String("--only")
                                 ? args[1].split(QLatin1Char(','))
                                 : QStringList();
    const auto runs = [&only](const char *part) {
        return only.isEmpty() || only.contains(QLatin1String(part));
    };
    QHash<PageId, Shape> shapes;
    if (runs("shows") || runs("in-process") || runs("memory"))
        shapes = pageShapes();
    if (runs("startup"))
        measureStartup();
    if (runs("shows"))
        measureFirstShows(shapes);
    if (runs("in-process"))
        measureInProcess(shapes);
    if (runs("zoomed"))
        measureZoomed();
    if (runs("explorer"))
        measureExplorer();
    if (runs("memory"))
        measureMemory(shapes);

    bool allPass = true;
    int width = 0;
    for (const Row &r : rows)
        width = std::max(width, int(r.what.size()));
    std::printf("| %-*s | %10s | %10s | %-13s | %-10s | %-6s |\n", width, "Measurement (median)",
                "Value", "Floor", "Against floor", "Budget", "Result");
    std::printf("|-%s-|-%s:|-%s:|-%s-|-%s-|-%s-|\n", QByteArray(width, '-').constData(),
                QByteArray(9, '-').constData(), QByteArray(9, '-').constData(),
                QByteArray(13, '-').constData(), QByteArray(10, '-').constData(),
                QByteArray(6, '-').constData());
    for (const Row &r : rows) {
        QString floor, against, budget;
        if (r.floor) {
            floor = number(*r.floor, r.unit);
            if (excessBudget(r)) {
                against = QStringLiteral("%1%2 MiB").arg(r.value >= *r.floor ? "+" : "")
                              .arg(r.value - *r.floor, 0, 'f', 2);
                budget = QStringLiteral("<= +%1 MiB").arg(r.limit);
            } else {
                against = QStringLiteral("%1 x").arg(r.value / *r.floor, 0, 'f', 2);
                budget = QStringLiteral("<= %1 x").arg(r.limit);
            }
        }
        const bool pass = passes(r);
        const char *result = r.floor ? (pass ? "PASS" : "FAIL") : "";
        std::printf("| %-*s | %10s | %10s | %-13s | %-10s | %-6s |\n", width, qPrintable(r.what),
                    qPrintable(number(r.value, r.unit)), qPrintable(floor), qPrintable(against),
                    qPrintable(budget), result);
        allPass = allPass && pass;
    }
    return allPass ? 0 : 1;
}
