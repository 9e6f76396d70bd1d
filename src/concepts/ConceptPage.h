#pragma once

#include "shell/Page.h"
#include "shell/Twips.h"

#include <QRect>

#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace fc {

class ListBox;
class PictureArea;
class TextBox;

// One step of a list row, applied in order.
struct Action {
    enum Kind { Show, Hide, Box } kind;
    const char *area = nullptr;  // a figure area or overlay; none for Box
};

// One list row: its exact text, its ordered actions and its answer (nullptr: none).
// Row 0 is the heading, an empty text a spacer, every other row a topic.
struct TopicRow {
    const char *text;
    std::vector<Action> actions;
    const char *answer = nullptr;
};

enum class AreaBackground { White, TitleBarText };

// A picture area on the page (container nullptr) or an overlay inside another.
// Overlays of one container are listed top of the stack first.
struct AreaLayout {
    const char *name;
    const char *container;
    QRect geometry;  // pixels, relative to the container
    AreaBackground background;
    const char *figure;  // nullptr: a frame for overlays only
};

// The hint label, the topic list and the answer box, down the left of the page.
struct LeftColumn {
    QRect hint;
    QRect list;
    QRect answers;
};

// The vascular and interactions pages were laid out alike; the cardiac page's column
// sits lower.
inline constexpr LeftColumn kVascularLeftColumn{
    twips(720, 0, 3855, 375),
    twips(240, 480, 4575, 1980),
    twips(240, 3000, 4575, 6345),
};

struct ConceptPageTable {
    WindowSettings window;
    bool fontOnWindow;  // the page font is set on the window, else on the three controls
    LeftColumn column;
    std::vector<AreaLayout> areas;
    std::vector<Action> startup;  // figure assignments of the load step
    std::vector<TopicRow> topics;
};

// The concept page mechanism: a hint label, the question list `basicList1`, the
// answer box `BasicAnswers1` and figure areas, all driven by the page's table.
class ConceptPage : public Page {
    Q_OBJECT
public:
    ConceptPage(Program &program, PageId id, const ConceptPageTable &table);
    ~ConceptPage() override;

    const ConceptPageTable &table() const { return m_table; }

    // Readies, out of sight, the fonts and figures a page of `table` will show first.
    static void prepare(const ConceptPageTable &table);

    void basicList1_Click();
    void BasicAnswers1_Click();

    // The selected topic row's text; empty for the heading, a spacer or none.
    QString topicOnView() const override;

protected:
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Load() override;

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void apply(const Action &action);
    PictureArea *area(const char *name);

    const ConceptPageTable &m_table;
    QLabel *m_hint = nullptr;
    ListBox *m_list = nullptr;
    TextBox *m_answers = nullptr;
    std::map<QString, PictureArea *> m_areas;
    std::unique_ptr<PictureArea> m_nowhere;
};

}  // namespace fc
