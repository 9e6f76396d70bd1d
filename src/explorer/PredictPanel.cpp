#include "explorer/PredictPanel.h"

#include "shell/StatusLabel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fc {

namespace {

struct QuestionText {
    const char *name;  // the start of its controls' objectNames
    const char *title;
};

// In the order of Quantity.
constexpr QuestionText kQuestions[] = {
    {"cvp", QT_TRANSLATE_NOOP("fc::PredictPanel", "Central venous pressure will\u2026")},
    {"co", QT_TRANSLATE_NOOP("fc::PredictPanel", "Cardiac output will\u2026")},
    {"msfp", QT_TRANSLATE_NOOP("fc::PredictPanel", "Mean systemic filling pressure will\u2026")},
};

struct Choice {
    Direction direction;
    const char *suffix;
    const char *text;
};

constexpr Choice kChoices[] = {
    {Direction::Up, "Up", QT_TRANSLATE_NOOP("fc::PredictPanel", "Rises")},
    {Direction::Same, "Same", QT_TRANSLATE_NOOP("fc::PredictPanel", "About the same")},
    {Direction::Down, "Down", QT_TRANSLATE_NOOP("fc::PredictPanel", "Falls")},
};

// Room for a verdict from the start keeps the panel still when one appears.
constexpr int kVerdictLines = 2;

QPushButton *button(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    return b;
}

}  // namespace

PredictPanel::PredictPanel(QWidget *parent) : QWidget(parent)
{
    m_predict = button(tr("&Predict first"), "predict");
    m_predict->setCheckable(true);
    m_predict->setAccessibleDescription(
        tr("Hold each change back until you have predicted what it does to CVP, CO and MSFP"));
    m_next = button(tr("&Next change"), "nextChange");
    m_next->setAccessibleDescription(tr("A scenario not yet done, chosen at random"));
    m_tallyLabel = new StatusLabel;
    m_tallyLabel->setObjectName(QStringLiteral("tally"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_predict);
    top->addWidget(m_next);
    top->addStretch(1);
    top->addWidget(m_tallyLabel);

    m_round = new QWidget;
    m_line = new StatusLabel;
    m_line->setObjectName(QStringLiteral("whatWillChange"));
    m_line->setWordWrap(true);
    auto *questions = new QHBoxLayout;
    for (Quantity q : kQuantities)
        questions->addWidget(buildQuestion(q), 1);
    m_reveal = button(tr("S&how"), "reveal");
    m_reveal->setAccessibleDescription(tr("Show the change and whether each prediction was right"));
    m_sentence = new QLabel;
    m_sentence->setObjectName(QStringLiteral("predictSentence"));
    m_sentence->setWordWrap(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_reveal, 0, Qt::AlignTop);
    bottom->addWidget(m_sentence, 1);

    auto *round = new QVBoxLayout(m_round);
    round->setContentsMargins({});
    round->addWidget(m_line);
    round->addLayout(questions);
    round->addLayout(bottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addLayout(top);
    layout->addWidget(m_round);

    connect(m_predict, &QPushButton::toggled, this, [this](bool on) {
        m_next->setVisible(on);
        m_round->setVisible(on);
        clearRound();
        emit modeChanged(on);
    });
    connect(m_next, &QPushButton::clicked, this, &PredictPanel::nextChangeRequested);
    connect(m_reveal, &QPushButton::clicked, this, &PredictPanel::revealRequested);
    m_next->hide();
    m_round->hide();
    clearRound();
}

QWidget *PredictPanel::buildQuestion(Quantity quantity)
{
    const QuestionText &text = kQuestions[int(quantity)];
    auto *box = new QGroupBox(QCoreApplication::translate("fc::PredictPanel", text.title));
    box->setObjectName(QLatin1String(text.name));
    auto *layout = new QVBoxLayout(box);
    Question &question = m_questions[std::size_t(quantity)];
    question.choices = new QButtonGroup(box);
    for (const Choice &c : kChoices) {
        auto *radio = new QRadioButton(QCoreApplication::translate("fc::PredictPanel", c.text));
        radio->setObjectName(QLatin1String(text.name) + QLatin1String(c.suffix));
        question.choices->addButton(radio, int(c.direction));
        layout->addWidget(radio);
    }
    question.verdict = new StatusLabel;
    question.verdict->setObjectName(QLatin1String(text.name) + QLatin1String("Verdict"));
    question.verdict->setWordWrap(true);
    question.verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    question.verdict->setMinimumHeight(question.verdict->fontMetrics().lineSpacing() * kVerdictLines);
    layout->addWidget(question.verdict);
    connect(question.choices, &QButtonGroup::idToggled, this, [this] { updateReveal(); });
    return box;
}

bool PredictPanel::isOn() const
{
    return m_predict->isChecked();
}

void PredictPanel::ask(const QString &whatWillChange)
{
    clearRound();
    m_asking = true;
    setChoosable(true);
    m_line->setStatus(whatWillChange);
}

void PredictPanel::tell(const Readings &before, const Readings &after, const QString &sentence)
{
    if (!m_asking)
        return;
    m_asking = false;
    const bool hadFocus = m_reveal->hasFocus();
    for (Quantity q : kQuantities) {
        const Question &question = m_questions[std::size_t(q)];
        const Verdict v = judge(q, Direction(question.choices->checkedId()), before[q], after[q]);
        m_tally.add(v.correct);
        question.verdict->setStatus(v.text);
    }
    setChoosable(false);
    m_sentence->setText(sentence);
    m_tallyLabel->setStatus(m_tally.text());
    // The Show button is spent; the keys go on to the next change.
    if (hadFocus)
        m_next->setFocus();
}

void PredictPanel::clearRound()
{
    m_asking = false;
    for (Question &question : m_questions) {
        // A group that allows one choice would keep it: let go of it to clear it.
        // Tab reaches only the chosen button of a group, so with none chosen it must reach
        // every one again.
        question.choices->setExclusive(false);
        for (QAbstractButton *b : question.choices->buttons()) {
            b->setChecked(false);
            b->setFocusPolicy(Qt::StrongFocus);
        }
        question.choices->setExclusive(true);
        question.verdict->clear();
    }
    setChoosable(false);
    m_sentence->clear();
    m_line->setText(tr("Choose a scenario, move a factor or press Next change, then predict "
                       "what happens before you see it."));
}

void PredictPanel::setChoosable(bool choosable)
{
    for (Question &question : m_questions) {
        for (QAbstractButton *b : question.choices->buttons())
            b->setEnabled(choosable);
    }
    updateReveal();
}

void PredictPanel::updateReveal()
{
    bool all = m_asking;
    for (const Question &question : m_questions)
        all = all && question.choices->checkedId() != -1;
    m_reveal->setEnabled(all);
}

}  // namespace fc

#include "moc_PredictPanel.cpp"
