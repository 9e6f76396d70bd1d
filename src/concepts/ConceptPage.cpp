#include "concepts/ConceptPage.h"

#include "figures/FigureCatalogue.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"
#include "shell/ListBox.h"
#include "shell/PageStyle.h"
#include "shell/SystemColours.h"
#include "shell/TextBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <optional>
#include <utility>
#include <set>
#include <string_view>

namespace fc {

namespace {

QColor colourOf(AreaBackground background)
{
    return background == AreaBackground::White ? QColor(Qt::white)
                                               : systemColour(SystemColour::TitleBarText);
}

// The areas whose figures are on view when a page of `table` opens: on each area of
// the page left shown by the load step, its topmost overlay left shown, else itself.
std::set<std::string_view> areasOnView(const ConceptPageTable &table)
{
    std::set<std::string_view> hidden;
    for (const Action &action : table.startup) {
        if (action.kind == Action::Hide)
            hidden.insert(action.area);
        else if (action.kind == Action::Show)
            hidden.erase(action.area);
    }
    std::set<std::string_view> onView;
    for (const AreaLayout &area : table.areas) {
        if (area.container || hidden.count(area.name))
            continue;
        std::string_view shown = area.name;
        // Overlays are listed top of the stack first.
        for (const AreaLayout &overlay : table.areas) {
            if (overlay.container && overlay.container == shown && !hidden.count(overlay.name)) {
                shown = overlay.name;
                break;
            }
        }
        onView.insert(shown);
    }
    return onView;
}

}  // namespace

ConceptPage::ConceptPage(Program &program, PageId id, const ConceptPageTable &table)
    : Page(program, id, table.window), m_table(table)
{
}

ConceptPage::~ConceptPage() = default;

void ConceptPage::buildControls(QWidget *client)
{
    const QFont font = pageFont();
    if (m_table.fontOnWindow)
        client->setFont(font);

    m_hint = new QLabel(
        QCoreApplication::translate("ConceptPage", "Click on topic to see related text"), client);
    m_hint->setObjectName(QStringLiteral("Label3"));
    m_hint->setGeometry(m_table.column.hint);
    m_hint->setFont(font);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hint->setAutoFillBackground(true);
    setColours(m_hint, QPalette::Window, pageColour::darkBlue, QPalette::WindowText, Qt::white);

    m_list = new ListBox(client);
    m_list->setObjectName(QStringLiteral("basicList1"));
    m_list->setGeometry(m_table.column.list);
    m_list->setFont(font);
    // The hint above the list says what the list is for.
    m_list->setAccessibleName(m_hint->text());
    setColours(m_list, QPalette::Base, pageColour::darkBlue, QPalette::Text,
               systemColour(SystemColour::WindowBackground));
    connect(m_list, &ListBox::selectionEvent, this, &ConceptPage::basicList1_Click);

    m_answers = new TextBox(client);
    m_answers->setObjectName(QStringLiteral("BasicAnswers1"));
    m_answers->setAccessibleName(QCoreApplication::translate("ConceptPage", "Answer"));
    m_answers->setGeometry(m_table.column.answers);
    m_answers->setFont(font);
    m_answers->setReadOnly(true);
    m_answers->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_answers->setWordWrapMode(QTextOption::WordWrap);
    m_answers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answers->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Filled in the page colour it would show through its frame's edge, so that showing
    // it need not repaint the window behind.
    m_answers->setAutoFillBackground(true);
    setColours(m_answers, QPalette::Base, pageColour::darkBlue, QPalette::Text,
               systemColour(SystemColour::WindowBackground));
    m_answers->viewport()->installEventFilter(this);
    m_answers->installEventFilter(this);
    m_answers->hide();

    // Containers before their overlays; overlays listed top first, so each later one
    // goes under those already placed.
    for (const AreaLayout &layout : m_table.areas) {
        QWidget *parent = client;
        if (layout.container)
            parent = area(layout.container);
        auto *picture = new PictureArea(parent);
        picture->setObjectName(QLatin1String(layout.name));
        picture->setGeometry(layout.geometry);
        picture->setBackground(colourOf(layout.background));
        picture->setExploreAction(exploreAction());
        if (layout.figure)
            picture->setFigure(findFigure(QLatin1String(layout.figure)));
        if (layout.container)
            picture->lower();
        m_areas[QLatin1String(layout.name)] = picture;
    }
    // An overlay covers its whole container, as the picture area keeps it on every
    // resize; placed so now, it does not move when a hidden container is first shown.
    for (const AreaLayout &layout : m_table.areas) {
        if (!layout.container)
            continue;
        area(layout.name)->setGeometry(area(layout.container)->rect());
    }

    QWidget::setTabOrder(m_list, m_answers);
    // The figures come after the page's own controls, upper before lower; an overlay
    // is reached through its container.
    std::vector<PictureArea *> figures;
    for (const AreaLayout &layout : m_table.areas) {
        if (!layout.container)
            figures.push_back(area(layout.name));
    }
    std::stable_sort(figures.begin(), figures.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QWidget *previous = m_answers;
    for (PictureArea *figure : figures) {
        figure->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, figure);
        previous = figure;
    }
    m_list->setFocus();
}

void ConceptPage::prepare(const ConceptPageTable &table)
{
    prepareGlyphs(pageFont());
    const std::set<std::string_view> onView = areasOnView(table);
    for (const AreaLayout &area : table.areas) {
        if (!area.figure)
            continue;
        // An overlay is shown at its container's size.
        QSize size = area.geometry.size();
        for (const AreaLayout &container : table.areas) {
            if (area.container && container.name == std::string_view(area.container))
                size = container.geometry.size();
        }
        if (const Figure *figure = findFigure(QLatin1String(area.figure))) {
            std::optional<QColor> keepOn;
            if (onView.count(area.name))
                keepOn = colourOf(area.background);
            PictureArea::prepare(*figure, size, keepOn);
        }
    }
}

void ConceptPage::controlsDestroyed()
{
    m_hint = nullptr;
    m_list = nullptr;
    m_answers = nullptr;
    m_areas.clear();
}

void ConceptPage::Form_Load()
{
    for (const Action &action : m_table.startup)
        apply(action);
    for (const TopicRow &row : m_table.topics)
        m_list->appendRow(QCoreApplication::translate("ConceptPage", row.text));
}

void ConceptPage::basicList1_Click()
{
    const int index = m_list->selectedRow();
    if (index < 0 || index >= int(m_table.topics.size()))
        return;
    const TopicRow &row = m_table.topics[std::size_t(index)];
    // A spacer row has no actions, and the heading never touches the answer box;
    // only a topic row's answer replaces the text.
    for (const Action &action : row.actions)
        apply(action);
    if (row.answer)
        m_answers->setPlainText(QCoreApplication::translate("ConceptPage", row.answer));
}

QString ConceptPage::topicOnView() const
{
    const int index = m_list ? m_list->selectedRow() : -1;
    if (index < 0 || index >= int(m_table.topics.size()) || !m_table.topics[std::size_t(index)].answer)
        return {};
    return QString::fromLatin1(m_table.topics[std::size_t(index)].text);
}

void ConceptPage::BasicAnswers1_Click()
{
    // From the box the focus goes back to the list, not on to the figures after it.
    const bool focused = m_answers->hasFocus();
    m_answers->hide();
    if (focused)
        m_list->setFocus();
}

void ConceptPage::apply(const Action &action)
{
    switch (action.kind) {
    case Action::Box: m_answers->show(); break;
    case Action::Show: area(action.area)->show(); break;
    case Action::Hide: area(action.area)->hide(); break;
    }
}

PictureArea *ConceptPage::area(const char *name)
{
    // The tables are checked by the tests; a name missing all the same acts on a
    // stand-in area that is never on view rather than ending the program.
    const auto found = m_areas.find(QLatin1String(name));
    if (found != m_areas.end())
        return found->second;
    if (!m_nowhere)
        m_nowhere = std::make_unique<PictureArea>();
    return m_nowhere.get();
}

bool ConceptPage::eventFilter(QObject *watched, QEvent *event)
{
    if (m_answers && watched == m_answers->viewport()
        && event->type() == QEvent::MouseButtonPress) {
        BasicAnswers1_Click();
        return true;
    }
    // Space, Enter and Return on the focused box stand for the click; the focus then
    // goes back to the list.
    if (m_answers && watched == m_answers && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return
                           || key->key() == Qt::Key_Enter;
        if (press && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            BasicAnswers1_Click();
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

}  // namespace fc

#include "moc_ConceptPage.cpp"
