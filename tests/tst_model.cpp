// Seeded random user actions on the real program, each followed by a comparison with
// a reference model of everything a user can see. The model is written from the page
// rules on its own: its topic tables, menus, stacking orders and test pages are typed
// here, and only the long texts come from the program's text tables.

#include "ExplorerReadouts.h"
#include "TestSupport.h"

#include "concepts/ConceptTexts.h"
#include "explorer/CurveModel.h"
#include "explorer/Explorer.h"
#include "explorer/Scenarios.h"
#include "figures/PictureArea.h"
#include "shell/ListBox.h"
#include "shell/Program.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

using namespace fc;
using namespace fc::testing;

namespace {

// ---- The model's transcription of the pages ----

constexpr int kPageCount = 7;

constexpr int index(PageId id) { return int(id); }

const char *pageName(PageId id)
{
    static const char *const names[kPageCount] = {
        "Introduction", "CardiacFunctionCurves", "VascularFunctionCurves", "Interactions",
        "Test",         "Glossary",              "Instructions"};
    return names[index(id)];
}

struct Entry {
    const char *name;
    PageId opens;
};

// The six entries of each menu bar that name a page ("End Session" ends the run and
// is left out of the random actions).
std::vector<Entry> menuOf(PageId page)
{
    using enum PageId;
    switch (page) {
    case Introduction:
        return {{"mnuInstruct", Instructions}, {"mnuBasics", CardiacFunctionCurves},
                {"mnuVFC", VascularFunctionCurves}, {"mnuInteractions", Interactions},
                {"mnuGlossary", Glossary},       {"mnuTest", Test}};
    case CardiacFunctionCurves:
    case Test:
        return {{"mnuInstruct", Instructions}, {"mnuBasics", CardiacFunctionCurves},
                {"mnuRelations", VascularFunctionCurves}, {"mnuInteractions", Interactions},
                {"mnuGlossary", Glossary},       {"mnuTest", Test}};
    case VascularFunctionCurves:
    case Interactions:
        return {{"mnuInstructions", Instructions}, {"mnuBasics", CardiacFunctionCurves},
                {"mnuRelations", VascularFunctionCurves}, {"mnuInteractions", Interactions},
                {"mnuGlossary", Glossary},         {"mnuTest", Test}};
    case Glossary:
    case Instructions:
        return {};
    }
    return {};
}

bool hasMenu(PageId page) { return !menuOf(page).empty(); }

struct Assign {
    const char *area;
    bool visible;
};

enum class Kind { Heading, Spacer, Topic };

struct Row {
    const char *text;
    Kind kind;
    std::vector<Assign> figures;  // the end state is what counts, not the box's place
    const char *answer = nullptr;
};

// One figure place: a container and its overlays, top of the stack first. The place
// shows the topmost visible overlay, else the container; nothing while the container
// is hidden.
struct Place {
    const char *container;
    std::vector<const char *> overlays;
};

struct ConceptTable {
    PageId page;
    std::vector<const char *> areas;
    std::vector<Assign> startup;  // after the design state, where every area is visible
    std::vector<Place> places;
    std::vector<Row> rows;
};

// Interactions: every row with figures leaves exactly one overlay visible.
std::vector<Assign> onlyOverlay(const char *shown)
{
    std::vector<Assign> result;
    for (const char *name : {"mainfactors", "failure", "orthostatic", "bloodloss",
                             "contractility", "volume", "tpr"}) {
        if (qstrcmp(name, shown) != 0)
            result.push_back({name, false});
    }
    result.push_back({shown, true});
    return result;
}

const std::array<ConceptTable, 3> &conceptTables()
{
    using enum Kind;
    static const std::array<ConceptTable, 3> tables = {{
        {PageId::CardiacFunctionCurves,
         {"cfc1", "cfc2"},
         {{"cfc1", true}},
         {{"cfc1", {"cfc2"}}},
         {
             {"  CARDIAC FUNCTION CURVES   ", Heading, {}},
             {"", Spacer, {}},
             {" What is a Cardiac Function Curve?", Topic, {{"cfc2", false}, {"cfc1", true}},
              texts::kCfcWhatIs},
             {"", Spacer, {}},
             {" What is the effect of contractility?", Topic, {{"cfc2", true}},
              texts::kCfcContractility},
             {"", Spacer, {}},
             {" Why does CO not increase at large CVP?", Topic, {}, texts::kCfcLargeCvp},
         }},
        {PageId::VascularFunctionCurves,
         {"vfc1", "vfc4", "vfc2", "vfc3"},
         {{"vfc1", true}, {"vfc2", false}, {"vfc3", false}, {"vfc4", false}},
         {{"vfc1", {"vfc4"}}, {"vfc2", {"vfc3"}}},
         {
             {"  VASCULAR FUNCTION CURVES   ", Heading, {}},
             {"", Spacer, {}},
             {" What is a Vascular Function Curve?", Topic,
              {{"vfc3", false}, {"vfc2", false}, {"vfc4", false}}, texts::kVfcWhatIs},
             {" Region 1 ", Topic, {{"vfc3", false}, {"vfc4", false}, {"vfc2", true}},
              texts::kVfcRegion1},
             {" Region 2 ", Topic, {{"vfc2", true}, {"vfc3", true}}, texts::kVfcRegion2},
             {" Regions 3 and 4 ", Topic, {{"vfc2", false}, {"vfc3", false}},
              texts::kVfcRegions3And4},
             {" Vascular-Cardiac Relationships", Topic,
              {{"vfc2", false}, {"vfc3", false}, {"vfc4", true}}, texts::kVfcRelationships},
         }},
        {PageId::Interactions,
         {"master", "mainfactors", "failure", "orthostatic", "bloodloss", "contractility",
          "volume", "tpr"},
         {},
         {{"master",
           {"mainfactors", "failure", "orthostatic", "bloodloss", "contractility", "volume",
            "tpr"}}},
         {
             {"  INTERACTIONS AND CHANGES   ", Heading, onlyOverlay("mainfactors")},
             {"", Spacer, {}},
             {" Total Peripheral Resistance (TPR)", Topic, onlyOverlay("tpr"), texts::kTpr},
             {" Blood Volume and Compliance", Topic, onlyOverlay("volume"), texts::kVolume},
             {" Cardiac Contractility", Topic, onlyOverlay("contractility"),
              texts::kContractility},
             {" Blood Loss", Topic, onlyOverlay("bloodloss"), texts::kBloodLoss},
             {" Orthostatic (postural)", Topic, onlyOverlay("orthostatic"), texts::kOrthostatic},
             {" Heart Failure", Topic, onlyOverlay("failure"), texts::kHeartFailure},
         }},
    }};
    return tables;
}

const ConceptTable *conceptTable(PageId page)
{
    for (const ConceptTable &table : conceptTables()) {
        if (table.page == page)
            return &table;
    }
    return nullptr;
}

// ---- The test page's rules ----

constexpr int kEmptyPage = 150;

// The six lines on view after Next has brought the counter to `slot`.
QStringList linesAt(int slot)
{
    QStringList lines;
    if (slot >= 6 && slot <= 114) {
        for (const char *line : kQuestions[std::size_t(slot / 6)].lines)
            lines << QString::fromLatin1(line);
    } else if (slot == 120) {
        lines << QString::fromLatin1(kClosingLine);
        for (int i = 0; i < 5; ++i)
            lines << QStringLiteral(" ");
    } else if (slot >= 126 && slot <= 144) {
        lines << QStringLiteral("%1. ").arg(22 + (slot - 126) / 6);
        for (const char *option : {"a. ", "b. ", "c. ", "d. ", "e. "})
            lines << QString::fromLatin1(option);
    } else {
        for (int i = 0; i < 6; ++i)
            lines << QString();
    }
    return lines;
}

QStringList firstQuestion()
{
    QStringList lines;
    for (const char *line : kQuestions[0].lines)
        lines << QString::fromLatin1(line);
    return lines;
}

// Question k (1 to 20) is judged while the counter is 6 (k - 1).
std::optional<int> questionAt(int slot)
{
    if (slot % 6 != 0 || slot > 114)
        return std::nullopt;
    return slot / 6 + 1;
}

QString verdictOf(int question)
{
    return question == 12 ? QStringLiteral("CORRECT! ") : QStringLiteral("CORRECT!");
}

// ---- The model ----

struct ConceptModel {
    int selected = -1;
    bool boxShown = false;
    QString boxText;
    std::map<QString, bool> visible;
};

struct TestModel {
    qint16 slot = 0;
    bool listVisible = false;
    QStringList lines;
    int selected = -1;
    QString verdict;
    QString text;
};

// ---- The curve explorer's rules ----

struct Factor {
    const char *name;  // of its slider and its spin box
    int minimum;
    int maximum;
};

constexpr Factor kFactors[] = {{"contractility", 25, 200}, {"bloodVolume", 60, 140},
                               {"venousCompliance", 50, 200}, {"resistance", 50, 200}};

// Open or not; the four factors in percent; the scenario row chosen, or -1. Closing
// discards the window, so every opening starts at control.
struct ExplorerModel {
    bool open = false;
    std::array<int, 4> factors{100, 100, 100, 100};
    int scenario = -1;

    Factors asFactors() const
    {
        return {double(factors[0]), double(factors[1]), double(factors[2]), double(factors[3])};
    }

    void show()
    {
        if (!open)
            *this = {true};
    }

    // A factor moved by hand leaves the scenario it no longer shows.
    void set(std::size_t factor, int value)
    {
        factors[factor] = std::clamp(value, kFactors[factor].minimum, kFactors[factor].maximum);
        if (scenario >= 0 && !(fc::scenarios()[std::size_t(scenario)].factors == asFactors()))
            scenario = -1;
    }

    void choose(int row)
    {
        scenario = row;
        const Factors &f = fc::scenarios()[std::size_t(row)].factors;
        factors = {int(f.contractility), int(f.bloodVolume), int(f.venousCompliance),
                   int(f.resistance)};
    }
};
// The zoom steps in percent; every run starts at 100%.
constexpr int kSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int kStartStep = 5;

// The pages' own font is 13 pixels at 100%; zoomed, it is rounded down.
int pageFontPixels(int percent)
{
    return 13 * percent / 100;
}

struct Model {
    std::array<bool, kPageCount> created{};
    std::array<bool, kPageCount> open{};
    std::array<ConceptModel, kPageCount> pages;  // used for the three concept pages
    TestModel test;
    ExplorerModel explorer;
    int zoomStep = kStartStep;  // one zoom for every page

    bool isOpen(PageId id) const { return open[std::size_t(index(id))]; }
    int openCount() const { return int(std::count(open.begin(), open.end(), true)); }

    void load(PageId id)
    {
        if (const ConceptTable *table = conceptTable(id)) {
            ConceptModel &c = pages[std::size_t(index(id))];
            c = {};
            for (const char *area : table->areas)
                c.visible[QLatin1String(area)] = true;
            for (const Assign &a : table->startup)
                c.visible[QLatin1String(a.area)] = a.visible;
        } else if (id == PageId::Test) {
            // The controls start afresh; the counter is the page's own and stays.
            const qint16 slot = test.slot;
            test = {};
            test.slot = slot;
        }
    }

    void show(PageId id)
    {
        const auto i = std::size_t(index(id));
        created[i] = true;
        if (!open[i]) {
            open[i] = true;
            load(id);
        }
    }

    void close(PageId id) { open[std::size_t(index(id))] = false; }

    void selectConceptRow(PageId id, int row)
    {
        ConceptModel &c = pages[std::size_t(index(id))];
        if (row == c.selected)
            return;  // the list raises no event for the row already selected
        c.selected = row;
        const Row &r = conceptTable(id)->rows[std::size_t(row)];
        if (r.kind == Kind::Spacer)
            return;
        for (const Assign &a : r.figures)
            c.visible[QLatin1String(a.area)] = a.visible;
        if (r.kind == Kind::Topic) {
            c.boxShown = true;
            c.boxText = QString::fromLatin1(r.answer);
        }
    }

    void selectTestLine(int line)
    {
        if (line == test.selected)
            return;
        test.selected = line;
        const std::optional<int> question = questionAt(test.slot);
        if (!question)
            return;
        const Question &q = kQuestions[std::size_t(*question - 1)];
        test.text.clear();
        if (line == q.keyLine) {
            test.verdict = verdictOf(*question);
            test.text = QString::fromLatin1(q.explanation);
        } else {
            test.verdict = QStringLiteral("TRY AGAIN");
        }
    }

    int rowCount(PageId id) const
    {
        if (id == PageId::Test)
            return int(test.lines.size());
        return int(conceptTable(id)->rows.size());
    }

    int selected(PageId id) const
    {
        return id == PageId::Test ? test.selected : pages[std::size_t(index(id))].selected;
    }

    void select(PageId id, int row)
    {
        if (id == PageId::Test)
            selectTestLine(row);
        else
            selectConceptRow(id, row);
    }

    // Arrow keys: the first Down on a list without a selection selects row 0; Up
    // without a selection and either arrow at its end do nothing.
    void arrow(PageId id, bool down)
    {
        const int current = selected(id);
        const int count = rowCount(id);
        int next = current;
        if (down)
            next = current < 0 ? (count > 0 ? 0 : -1) : std::min(current + 1, count - 1);
        else if (current > 0)
            next = current - 1;
        if (next >= 0)
            select(id, next);
    }

    void start()
    {
        test.listVisible = true;
        test.text.clear();
        test.slot = 0;
        test.lines = firstQuestion();
        test.selected = -1;
    }

    void next()
    {
        if (test.slot == kEmptyPage)
            return;
        test.text.clear();
        test.verdict = QStringLiteral(" ");
        test.slot = qint16(test.slot + 6);
        test.lines = linesAt(test.slot);
        test.selected = -1;
    }

    void reset()
    {
        test.text.clear();
        test.lines.clear();
        test.selected = -1;
        test.slot = 0;
    }
};

// ---- Actions ----

enum class Act {
    Menu, ClickRow, KeyUp, KeyDown, ClickAnswers, Start, Next, Reset, Type, Close,
    // The curve explorer: Ctrl+E on a page, then its own controls.
    Explore, FactorKey, FactorTyped, Scenario, Control, CloseExplorer,
    ZoomIn, ZoomOut, ZoomReset,
};

// Keys on a factor's slider and the step each makes; Home and End go to the ends.
constexpr std::pair<Qt::Key, int> kSliderKeys[] = {
    {Qt::Key_Right, 1}, {Qt::Key_Left, -1},      {Qt::Key_Up, 1},      {Qt::Key_Down, -1},
    {Qt::Key_PageUp, 10}, {Qt::Key_PageDown, -10}, {Qt::Key_Home, -1000}, {Qt::Key_End, 1000},
};

struct Action {
    Act act;
    PageId page;
    int row = -1;             // ClickRow
    const char *entry = nullptr;  // Menu
    PageId opens{};           // Menu
    QString typed;            // Type
    int factor = 0;           // FactorKey, FactorTyped; CloseExplorer: Escape, Ctrl+W, box
    int value = 0;            // FactorKey: index into kSliderKeys; FactorTyped: the value

    QString describe() const
    {
        const QString on = QString::fromLatin1(pageName(page));
        switch (act) {
        case Act::Menu: return QStringLiteral("menu %1 on %2").arg(QLatin1String(entry), on);
        case Act::ClickRow: return QStringLiteral("click row %1 on %2").arg(row).arg(on);
        case Act::KeyUp: return QStringLiteral("Up on %1").arg(on);
        case Act::KeyDown: return QStringLiteral("Down on %1").arg(on);
        case Act::ClickAnswers: return QStringLiteral("click answer box on %1").arg(on);
        case Act::Start: return QStringLiteral("Start");
        case Act::Next: return QStringLiteral("Next");
        case Act::Reset: return QStringLiteral("Reset");
        case Act::Type: return QStringLiteral("type \"%1\"").arg(typed);
        case Act::Close: return QStringLiteral("close %1").arg(on);
        case Act::Explore: return QStringLiteral("Ctrl+E on %1").arg(on);
        case Act::FactorKey:
            return QStringLiteral("key %1 on %2").arg(int(kSliderKeys[value].first), 0, 16)
                .arg(QLatin1String(kFactors[factor].name));
        case Act::FactorTyped:
            return QStringLiteral("type %1 into %2").arg(value).arg(QLatin1String(kFactors[factor].name));
        case Act::Scenario: return QStringLiteral("click scenario %1").arg(row);
        case Act::Control: return QStringLiteral("click Control");
        case Act::CloseExplorer:
            return QStringLiteral("close the explorer by %1")
                .arg(factor == 0 ? "Escape" : factor == 1 ? "Ctrl+W" : "its close box");
        case Act::ZoomIn: return QStringLiteral("Ctrl++ on %1").arg(on);
        case Act::ZoomOut: return QStringLiteral("Ctrl+- on %1").arg(on);
        case Act::ZoomReset: return QStringLiteral("Ctrl+0 on %1").arg(on);
        }
        return {};
    }
};

constexpr PageId kAllPages[] = {PageId::Introduction, PageId::CardiacFunctionCurves,
                                PageId::VascularFunctionCurves, PageId::Interactions,
                                PageId::Test, PageId::Glossary, PageId::Instructions};
constexpr PageId kConceptPages[] = {PageId::CardiacFunctionCurves,
                                    PageId::VascularFunctionCurves, PageId::Interactions};

// Picks the next actions from what the model says is on the screen, so a seed gives
// the same actions whatever the program does. Nothing is left to do when only pages
// without a menu bar are open: the user can but close the last window.
std::vector<Action> chooseActions(const Model &model, QRandomGenerator &random)
{
    struct Choice {
        int weight;
        Act act;
        PageId page;
    };
    std::vector<Choice> choices;
    for (PageId id : kAllPages) {
        if (!model.isOpen(id))
            continue;
        if (hasMenu(id))
            choices.push_back({6, Act::Menu, id});
        if (model.openCount() > 1)
            choices.push_back({2, Act::Close, id});
    }
    for (PageId id : kConceptPages) {
        if (!model.isOpen(id))
            continue;
        choices.push_back({12, Act::ClickRow, id});
        choices.push_back({4, Act::KeyUp, id});
        choices.push_back({4, Act::KeyDown, id});
        if (model.pages[std::size_t(index(id))].boxShown)
            choices.push_back({4, Act::ClickAnswers, id});
    }
    if (model.isOpen(PageId::Test)) {
        const TestModel &t = model.test;
        if (t.listVisible) {
            if (!t.lines.isEmpty())
                choices.push_back({14, Act::ClickRow, PageId::Test});
            choices.push_back({4, Act::KeyUp, PageId::Test});
            choices.push_back({4, Act::KeyDown, PageId::Test});
        }
        choices.push_back({3, Act::Start, PageId::Test});
        choices.push_back({10, Act::Next, PageId::Test});
        choices.push_back({2, Act::Reset, PageId::Test});
        choices.push_back({3, Act::Type, PageId::Test});
    }

    // The zoom keys, on one of the open pages; with only the glossary or the
    // instructions open there is still nothing to do but close the last window.
    std::vector<PageId> open;
    for (PageId id : kAllPages) {
        if (model.isOpen(id))
            open.push_back(id);
    }
    if (!choices.empty()) {
        const PageId on = open[random.bounded(quint32(open.size()))];
        choices.push_back({2, Act::ZoomIn, on});
        choices.push_back({2, Act::ZoomOut, on});
        choices.push_back({1, Act::ZoomReset, on});
    }
    // Only while the user still has somewhere to go (see above).
    if (choices.empty())
        return {};
    for (PageId id : kAllPages) {
        if (model.isOpen(id))
            choices.push_back({2, Act::Explore, id});
    }
    if (model.explorer.open) {
        choices.push_back({8, Act::FactorKey, PageId::Introduction});
        choices.push_back({3, Act::FactorTyped, PageId::Introduction});
        choices.push_back({4, Act::Scenario, PageId::Introduction});
        choices.push_back({2, Act::Control, PageId::Introduction});
        choices.push_back({3, Act::CloseExplorer, PageId::Introduction});
    }
    int total = 0;
    for (const Choice &c : choices)
        total += c.weight;
    int pick = int(random.bounded(total));
    const Choice *chosen = &choices.front();
    for (const Choice &c : choices) {
        if (pick < c.weight) {
            chosen = &c;
            break;
        }
        pick -= c.weight;
    }

    Action action{chosen->act, chosen->page, -1, nullptr, {}, {}};
    switch (action.act) {
    case Act::Menu: {
        const std::vector<Entry> entries = menuOf(action.page);
        const Entry &e = entries[random.bounded(quint32(entries.size()))];
        action.entry = e.name;
        action.opens = e.opens;
        break;
    }
    case Act::ClickRow:
        action.row = int(random.bounded(model.rowCount(action.page)));
        break;
    case Act::FactorKey:
        action.factor = int(random.bounded(4));
        action.value = int(random.bounded(int(std::size(kSliderKeys))));
        break;
    case Act::FactorTyped: {
        action.factor = int(random.bounded(4));
        const Factor &f = kFactors[action.factor];
        action.value = f.minimum + int(random.bounded(f.maximum - f.minimum + 1));
        break;
    }
    case Act::Scenario: action.row = int(random.bounded(int(fc::scenarios().size()))); break;
    case Act::CloseExplorer: action.factor = int(random.bounded(3)); break;
    case Act::Type: {
        static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz ABCXYZ0123456789.,?!";
        const int length = 1 + int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            action.typed += QLatin1Char(alphabet[random.bounded(int(sizeof alphabet) - 1)]);
        break;
    }
    case Act::ZoomIn:
    case Act::ZoomOut:
        // Now and then a run of presses, so that the smallest and largest steps are
        // reached and pressed beyond.
        if (random.bounded(4) == 0)
            return std::vector<Action>(std::size_t(2 + random.bounded(9)), action);
        break;
    case Act::Next:
        // Now and then a run of presses, so that the closing, placeholder and empty
        // pages come up between Starts and Resets.
        if (random.bounded(8) == 0)
            return std::vector<Action>(std::size_t(2 + random.bounded(40)), action);
        break;
    default:
        break;
    }
    return {action};
}

// Applies an action to the model.
void applyToModel(Model &model, const Action &a)
{
    switch (a.act) {
    case Act::Menu: model.show(a.opens); break;
    case Act::ClickRow: model.select(a.page, a.row); break;
    case Act::KeyUp: model.arrow(a.page, false); break;
    case Act::KeyDown: model.arrow(a.page, true); break;
    case Act::ClickAnswers: model.pages[std::size_t(index(a.page))].boxShown = false; break;
    case Act::Start: model.start(); break;
    case Act::Next: model.next(); break;
    case Act::Reset: model.reset(); break;
    case Act::Type: model.test.text += a.typed; break;
    case Act::Close: model.close(a.page); break;
    case Act::Explore: {
        model.explorer.show();
        // The topic being read opens its scenario, also in an explorer already open.
        const ConceptTable *table = conceptTable(a.page);
        const int row = table ? model.pages[std::size_t(index(a.page))].selected : -1;
        if (row >= 0 && table->rows[std::size_t(row)].kind == Kind::Topic) {
            if (const auto scenario = scenarioOfTopic(QLatin1String(table->rows[std::size_t(row)].text)))
                model.explorer.choose(int(*scenario));
        }
        break;
    }
    case Act::FactorKey: {
        const auto i = std::size_t(a.factor);
        model.explorer.set(i, model.explorer.factors[i] + kSliderKeys[a.value].second);
        break;
    }
    case Act::FactorTyped: model.explorer.set(std::size_t(a.factor), a.value); break;
    case Act::Scenario:
        if (a.row != model.explorer.scenario)  // no event for the row already chosen
            model.explorer.choose(a.row);
        break;
    case Act::Control:
        for (std::size_t i = 0; i < 4; ++i)
            model.explorer.set(i, 100);
        break;
    case Act::CloseExplorer: model.explorer.open = false; break;
    case Act::ZoomIn: model.zoomStep = std::min(model.zoomStep + 1, int(std::size(kSteps)) - 1); break;
    case Act::ZoomOut: model.zoomStep = std::max(model.zoomStep - 1, 0); break;
    case Act::ZoomReset: model.zoomStep = kStartStep; break;
    }
}

QListWidget *listOf(Program &program, PageId id)
{
    return control<QListWidget>(program, id, id == PageId::Test ? "List2" : "basicList1");
}

// Performs an action on the program as a user would. Returns an error when the
// control it needs is missing.
QString applyToExplorer(Program &program, const Action &a)
{
    Explorer *explorer = program.explorer();
    if (!explorer)
        return QStringLiteral("no explorer");
    const QLatin1String name(kFactors[a.factor].name);
    switch (a.act) {
    case Act::FactorKey:
        QTest::keyClick(explorer->findChild<QSlider *>(name), kSliderKeys[a.value].first);
        break;
    case Act::FactorTyped: {
        auto *spinBox = explorer->findChild<QSpinBox *>(name);
        spinBox->selectAll();
        QTest::keyClicks(spinBox, QString::number(a.value));
        break;
    }
    case Act::Scenario:
        if (!clickRow(explorer->findChild<QListWidget *>(QStringLiteral("scenarios")), a.row))
            return QStringLiteral("no scenario row %1").arg(a.row);
        break;
    case Act::Control:
        QTest::mouseClick(explorer->findChild<QPushButton *>(QStringLiteral("control")),
                          Qt::LeftButton);
        break;
    case Act::CloseExplorer:
        // Keys reach the window the user is in.
        explorer->activateWindow();
        if (!QTest::qWaitForWindowActive(explorer))
            return QStringLiteral("explorer not active");
        if (a.factor == 0)
            QTest::keyClick(explorer, Qt::Key_Escape);
        else if (a.factor == 1)
            QTest::keyClick(explorer, Qt::Key_W, Qt::ControlModifier);
        else
            explorer->close();
        processDeferredDeletes();
        break;
    default:
        break;
    }
    return {};
}

QString applyToProgram(Program &program, const Action &a)
{
    switch (a.act) {
    case Act::FactorKey:
    case Act::FactorTyped:
    case Act::Scenario:
    case Act::Control:
    case Act::CloseExplorer:
        return applyToExplorer(program, a);
    default:
        break;
    }
    QWidget *window = windowOf(program, a.page);
    if (!window)
        return QStringLiteral("no window for %1").arg(QLatin1String(pageName(a.page)));
    switch (a.act) {
    case Act::Menu: {
        auto *bar = window->findChild<QMenuBar *>();
        if (!bar)
            return QStringLiteral("no menu bar");
        for (QAction *action : bar->actions()) {
            if (action->objectName() == QLatin1String(a.entry)) {
                const QRect r = bar->actionGeometry(action);
                if (r.isEmpty())
                    return QStringLiteral("entry %1 not on the bar").arg(QLatin1String(a.entry));
                QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
                return {};
            }
        }
        return QStringLiteral("no entry %1").arg(QLatin1String(a.entry));
    }
    case Act::ClickRow: {
        QListWidget *list = listOf(program, a.page);
        QListWidgetItem *item = list ? list->item(a.row) : nullptr;
        if (!item)
            return QStringLiteral("no row %1").arg(a.row);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        return {};
    }
    case Act::KeyUp:
    case Act::KeyDown: {
        QListWidget *list = listOf(program, a.page);
        if (!list)
            return QStringLiteral("no list");
        QTest::keyClick(list, a.act == Act::KeyUp ? Qt::Key_Up : Qt::Key_Down);
        return {};
    }
    case Act::ClickAnswers: {
        auto *box = control<QPlainTextEdit>(program, a.page, "BasicAnswers1");
        if (!box)
            return QStringLiteral("no answer box");
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->viewport()->rect().center());
        return {};
    }
    case Act::Start:
    case Act::Next:
    case Act::Reset: {
        const char *name = a.act == Act::Start ? "cmdStart"
                           : a.act == Act::Next ? "cmdNext"
                                                : "cmdReset";
        auto *button = control<QPushButton>(program, PageId::Test, name);
        if (!button || !button->isVisible())
            return QStringLiteral("no visible %1").arg(QLatin1String(name));
        QTest::mouseClick(button, Qt::LeftButton);
        return {};
    }
    case Act::Type: {
        auto *text = control<QPlainTextEdit>(program, PageId::Test, "Text");
        if (!text)
            return QStringLiteral("no Text");
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(text, a.typed);
        return {};
    }
    case Act::Close:
        closeWindow(window);
        return {};
    case Act::Explore:
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return QStringLiteral("page not active");
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        return {};
    case Act::ZoomIn:
    case Act::ZoomOut:
    case Act::ZoomReset: {
        // The keys act on the active window.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return QStringLiteral("window not active");
        const Qt::Key key = a.act == Act::ZoomIn    ? Qt::Key_Plus
                            : a.act == Act::ZoomOut ? Qt::Key_Minus
                                                    : Qt::Key_0;
        QTest::keyClick(window, key, Qt::ControlModifier);
        return {};
    }
    default:
        return {};
    }
    return {};
}

QString quoted(const QString &s)
{
    return s.size() > 60 ? QStringLiteral("\"%1...\" (%2 characters)").arg(s.left(60)).arg(s.size())
                         : QStringLiteral("\"%1\"").arg(s);
}

QString quoted(const QStringList &lines)
{
    QStringList q;
    for (const QString &l : lines)
        q << quoted(l);
    return QStringLiteral("[%1]").arg(q.join(QStringLiteral(", ")));
}

QString compareExplorer(Program &program, const ExplorerModel &model, const Action *last)
{
    Explorer *explorer = program.explorer();
    if (bool(explorer) != model.open)
        return QStringLiteral("explorer open %1, expected %2").arg(!model.open).arg(model.open);
    if (!explorer)
        return {};
    if (!explorer->isVisible())
        return QStringLiteral("explorer not visible");
    if (last && last->act == Act::Explore && QApplication::activeWindow() != explorer)
        return QStringLiteral("explorer not active after Ctrl+E");
    for (std::size_t i = 0; i < 4; ++i) {
        const QLatin1String name(kFactors[i].name);
        const int slider = explorer->findChild<QSlider *>(name)->value();
        const int spinBox = explorer->findChild<QSpinBox *>(name)->value();
        if (slider != model.factors[i] || spinBox != model.factors[i])
            return QStringLiteral("%1: slider %2, spin box %3, expected %4")
                .arg(name).arg(slider).arg(spinBox).arg(model.factors[i]);
    }
    const auto text = [explorer](const char *name) {
        return explorer->findChild<QLabel *>(QLatin1String(name))->text();
    };
    if (const QString wrong = readoutsMismatch(*explorer); !wrong.isEmpty())
        return wrong;
    auto *list = explorer->findChild<ListBox *>(QStringLiteral("scenarios"));
    const QString caption = model.scenario < 0
        ? QString() : QString::fromUtf8(fc::scenarios()[std::size_t(model.scenario)].caption);
    if (list->selectedRow() != model.scenario || text("scenarioCaption") != caption)
        return QStringLiteral("scenario %1 (%2), expected %3")
            .arg(list->selectedRow()).arg(quoted(text("scenarioCaption"))).arg(model.scenario);
    return {};
}

// The first difference between the program and the model, or an empty string.
QString compare(Program &program, const Model &model, const Action *last)
{
    for (PageId id : kAllPages) {
        const auto i = std::size_t(index(id));
        const QString name = QString::fromLatin1(pageName(id));
        if (bool(program.existingPage(id)) != model.created[i])
            return QStringLiteral("%1: page exists %2, expected %3")
                .arg(name).arg(!model.created[i]).arg(model.created[i]);
        QWidget *window = windowOf(program, id);
        if (bool(window) != model.open[i])
            return QStringLiteral("%1: window open %2, expected %3")
                .arg(name).arg(!model.open[i]).arg(model.open[i]);
        if (window && !window->isVisible())
            return QStringLiteral("%1: window loaded but not visible").arg(name);
    }
    const int percent = kSteps[model.zoomStep];
    if (program.zoom().percent() != percent)
        return QStringLiteral("zoom %1%, expected %2%").arg(program.zoom().percent()).arg(percent);
    for (PageId id : kAllPages) {
        const char *list = id == PageId::Test ? "List2" : "basicList1";
        if (!model.isOpen(id) || (id != PageId::Test && !conceptTable(id)))
            continue;
        auto *widget = control<QListWidget>(program, id, list);
        if (!widget || QFontInfo(widget->font()).pixelSize() != pageFontPixels(percent))
            return QStringLiteral("%1: list font %2 px at %3%, expected %4 px")
                .arg(QLatin1String(pageName(id)))
                .arg(widget ? QFontInfo(widget->font()).pixelSize() : -1)
                .arg(percent)
                .arg(pageFontPixels(percent));
    }
    if (last && last->act == Act::Menu) {
        QWidget *active = QApplication::activeWindow();
        if (active != windowOf(program, last->opens))
            return QStringLiteral("active window %1, expected %2")
                .arg(active ? active->objectName() : QStringLiteral("none"),
                     QLatin1String(pageName(last->opens)));
    }

    for (const ConceptTable &table : conceptTables()) {
        if (!model.isOpen(table.page))
            continue;
        const ConceptModel &c = model.pages[std::size_t(index(table.page))];
        const QString name = QString::fromLatin1(pageName(table.page));
        auto *list = control<QListWidget>(program, table.page, "basicList1");
        auto *box = control<QPlainTextEdit>(program, table.page, "BasicAnswers1");
        if (!list || !box)
            return name + QStringLiteral(": list or answer box missing");
        QStringList rows;
        for (const Row &r : table.rows)
            rows << QString::fromLatin1(r.text);
        QStringList shown;
        for (int r = 0; r < list->count(); ++r)
            shown << list->item(r)->text();
        if (shown != rows)
            return QStringLiteral("%1: list rows %2, expected %3")
                .arg(name, quoted(shown), quoted(rows));
        const QList<QListWidgetItem *> selection = list->selectedItems();
        const int selected = selection.isEmpty() ? -1 : list->row(selection.first());
        if (selected != c.selected)
            return QStringLiteral("%1: selected row %2, expected %3")
                .arg(name).arg(selected).arg(c.selected);
        if (box->isHidden() == c.boxShown)
            return QStringLiteral("%1: answer box shown %2, expected %3")
                .arg(name).arg(!box->isHidden()).arg(c.boxShown);
        if (box->toPlainText() != c.boxText)
            return QStringLiteral("%1: answer text %2, expected %3")
                .arg(name, quoted(box->toPlainText()), quoted(c.boxText));
        for (const auto &[area, visible] : c.visible) {
            auto *widget = control<PictureArea>(program, table.page, area.toLatin1().constData());
            if (!widget)
                return QStringLiteral("%1: no figure area %2").arg(name, area);
            if (widget->isHidden() == visible)
                return QStringLiteral("%1: %2 visible %3, expected %4")
                    .arg(name, area).arg(!widget->isHidden()).arg(visible);
        }
        // What the user sees in each place: the widget under its centre.
        for (const Place &place : table.places) {
            QString expected = QStringLiteral("none");
            if (c.visible.at(QLatin1String(place.container))) {
                expected = QLatin1String(place.container);
                for (const char *overlay : place.overlays) {
                    if (c.visible.at(QLatin1String(overlay))) {
                        expected = QLatin1String(overlay);
                        break;
                    }
                }
            }
            auto *container = control<PictureArea>(program, table.page, place.container);
            QWidget *parent = container->parentWidget();
            const QPoint centre = container->geometry().center();
            QWidget *under = parent->childAt(centre);
            // Zoomed in, a place may lie beyond the window's edge: then the place itself
            // says which of its areas is on top.
            if (!parent->rect().contains(centre) && container->isVisible()) {
                under = container->childAt(container->rect().center());
                under = under ? under : container;
            }
            auto *seen = qobject_cast<PictureArea *>(under);
            const QString actual = seen ? seen->objectName() : QStringLiteral("none");
            if (actual != expected)
                return QStringLiteral("%1: place %2 shows %3, expected %4")
                    .arg(name, QLatin1String(place.container), actual, expected);
        }
    }

    if (const QString difference = compareExplorer(program, model.explorer, last);
        !difference.isEmpty())
        return difference;

    if (model.created[std::size_t(index(PageId::Test))]) {
        auto *test = static_cast<fc::Test *>(program.existingPage(PageId::Test));
        const TestModel &t = model.test;
        if (test->slotCounter() != t.slot)
            return QStringLiteral("Test: slotCounter %1, expected %2")
                .arg(test->slotCounter()).arg(t.slot);
        if (model.isOpen(PageId::Test)) {
            auto *list = control<QListWidget>(program, PageId::Test, "List2");
            auto *verdict = control<QLabel>(program, PageId::Test, "Label1");
            auto *text = control<QPlainTextEdit>(program, PageId::Test, "Text");
            auto *figure = control<PictureArea>(program, PageId::Test, "test1");
            if (!list || !verdict || !text || !figure)
                return QStringLiteral("Test: a control is missing");
            if (list->isHidden() == t.listVisible)
                return QStringLiteral("Test: List2 visible %1, expected %2")
                    .arg(!list->isHidden()).arg(t.listVisible);
            QStringList lines;
            for (int r = 0; r < list->count(); ++r)
                lines << list->item(r)->text();
            if (lines != t.lines)
                return QStringLiteral("Test: List2 lines %1, expected %2")
                    .arg(quoted(lines), quoted(t.lines));
            const QList<QListWidgetItem *> selection = list->selectedItems();
            const int selected = selection.isEmpty() ? -1 : list->row(selection.first());
            if (selected != t.selected)
                return QStringLiteral("Test: selected line %1, expected %2")
                    .arg(selected).arg(t.selected);
            if (verdict->text() != t.verdict)
                return QStringLiteral("Test: verdict %1, expected %2")
                    .arg(quoted(verdict->text()), quoted(t.verdict));
            if (text->toPlainText() != t.text)
                return QStringLiteral("Test: Text %1, expected %2")
                    .arg(quoted(text->toPlainText()), quoted(t.text));
            if (figure->isHidden())
                return QStringLiteral("Test: test1 hidden");
        }
    }
    return {};
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

class TestModelBased : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { processDeferredDeletes(); }

    void randomActions_data();
    void randomActions();
};

void TestModelBased::randomActions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");

    // FC_MODEL_SEED replays one run, e.g. one reported by a failure, and FC_MODEL_ACTIONS
    // makes the runs longer for a deeper search.
    const int actions = envInt("FC_MODEL_ACTIONS", 3000);
    const int seed = envInt("FC_MODEL_SEED", -1);
    if (seed >= 0) {
        QTest::addRow("seed %d", seed) << quint32(seed) << actions;
        return;
    }
    // Four runs from fresh starts, each long enough to reach every situation checked for
    // below. ctest runs them as FC_MODEL_RUN=0 to 3, side by side.
    const int only = envInt("FC_MODEL_RUN", -1);
    int run = 0;
    for (quint32 s : {20240501u, 7u, 31337u, 4242u}) {
        if (only < 0 || only == run++)
            QTest::addRow("seed %u", s) << s << actions;
    }
}

void TestModelBased::randomActions()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);

    std::unique_ptr<Program> program;
    Model model;
    // A fresh run of the program, as after the user closed its last window.
    auto restart = [&] {
        program.reset();
        processDeferredDeletes();
        program = std::make_unique<Program>();
        program->start();
        model = {};
        model.show(PageId::Introduction);
    };
    restart();

    // Situations every run must reach, or the run proves little.
    std::set<QString> reached;
    auto noteCoverage = [&reached](const Model &m, const Action &a) {
        if (a.act == Act::Menu)
            reached.insert(QStringLiteral("open ") + QLatin1String(pageName(a.opens)));
        if (a.act == Act::Close)
            reached.insert(QStringLiteral("close ") + QLatin1String(pageName(a.page)));
        if (a.act == Act::ZoomIn && m.zoomStep == int(std::size(kSteps)) - 1)
            reached.insert(QStringLiteral("Ctrl++ at 300%"));
        if (a.act == Act::ZoomOut && m.zoomStep == 0)
            reached.insert(QStringLiteral("Ctrl+- at 50%"));
        if (a.act == Act::Menu && m.zoomStep != kStartStep && !m.isOpen(a.opens))
            reached.insert(QStringLiteral("page opened zoomed"));
        if (a.act == Act::Next && m.test.slot == kEmptyPage)
            reached.insert(QStringLiteral("Next on the empty page"));
        if (a.act == Act::ClickRow && a.page == PageId::Test) {
            const std::optional<int> question = questionAt(m.test.slot);
            if (question && a.row == kQuestions[std::size_t(*question - 1)].keyLine)
                reached.insert(QStringLiteral("right answer"));
        }
        if (a.act == Act::ClickRow && a.page != PageId::Test
            && a.row == m.pages[std::size_t(index(a.page))].selected)
            reached.insert(QStringLiteral("selected row clicked again"));
        if (a.act == Act::Explore)
            reached.insert(m.explorer.open ? QStringLiteral("Ctrl+E with the explorer open")
                                           : QStringLiteral("open the explorer"));
        if (a.act == Act::CloseExplorer)
            reached.insert(QStringLiteral("close the explorer ") + QString::number(a.factor));
        if (a.act == Act::Scenario && a.row != m.explorer.scenario)
            reached.insert(QStringLiteral("scenario chosen"));
        if (a.act == Act::FactorKey && m.explorer.scenario >= 0)
            reached.insert(QStringLiteral("scenario left"));
    };

    QRandomGenerator random(seed);
    std::deque<Action> pending;
    std::deque<QString> recent;
    auto log = [&recent](const QString &line) {
        recent.push_back(line);
        if (recent.size() > 50)
            recent.pop_front();
    };
    auto report = [&](int n, const QString &difference) {
        QString message = QStringLiteral("seed %1, after action %2 of %3: %4\nlast actions:\n")
                              .arg(seed).arg(n).arg(actions).arg(difference);
        for (const QString &line : recent)
            message += QStringLiteral("  ") + line + QLatin1Char('\n');
        return message;
    };

    QString difference = compare(*program, model, nullptr);
    QVERIFY2(difference.isEmpty(), qPrintable(report(0, difference)));
    for (int n = 1; n <= actions; ++n) {
        if (pending.empty()) {
            const std::vector<Action> chosen = chooseActions(model, random);
            pending.assign(chosen.begin(), chosen.end());
        }
        if (pending.empty()) {
            log(QStringLiteral("%1. close the last window, start again").arg(n));
            restart();
            difference = compare(*program, model, nullptr);
            QVERIFY2(difference.isEmpty(), qPrintable(report(n, difference)));
            continue;
        }
        const Action action = pending.front();
        pending.pop_front();
        noteCoverage(model, action);
        log(QStringLiteral("%1. %2").arg(n).arg(action.describe()));
        difference = applyToProgram(*program, action);
        // Paint what changed, as the event loop would before the next user action.
        QCoreApplication::processEvents();
        applyToModel(model, action);
        if (difference.isEmpty())
            difference = compare(*program, model, &action);
        if (!difference.isEmpty())
            QFAIL(qPrintable(report(n, difference)));
    }
    program.reset();

    QStringList missing;
    for (PageId id : kAllPages) {
        if (id != PageId::Introduction)
            missing << QStringLiteral("open ") + QLatin1String(pageName(id));
        missing << QStringLiteral("close ") + QLatin1String(pageName(id));
    }
    for (int how = 0; how < 3; ++how)
        missing << QStringLiteral("close the explorer ") + QString::number(how);
    missing << QStringLiteral("open the explorer") << QStringLiteral("Ctrl+E with the explorer open")
            << QStringLiteral("scenario chosen") << QStringLiteral("scenario left");
    missing << QStringLiteral("Ctrl++ at 300%") << QStringLiteral("Ctrl+- at 50%")
            << QStringLiteral("page opened zoomed");
    missing << QStringLiteral("Next on the empty page") << QStringLiteral("right answer")
            << QStringLiteral("selected row clicked again");
    missing.removeIf([&reached](const QString &s) { return reached.count(s) > 0; });
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("seed %1 never reached: %2")
                                               .arg(seed).arg(missing.join(QStringLiteral(", ")))));
}

QTEST_MAIN(TestModelBased)
#include "tst_model.moc"
