#pragma once

#include "explorer/Prediction.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace fc {

class StatusLabel;

// Predict first: the explorer holds a change back while the student says, for CVP, CO
// and MSFP, whether it will rise, stay about the same or fall; "Show" then gives a
// verdict on each and keeps the tally. The panel asks and tells; the explorer decides
// what changes and when.
class PredictPanel : public QWidget {
    Q_OBJECT
public:
    explicit PredictPanel(QWidget *parent = nullptr);

    bool isOn() const;

    // A change is held back: asks for predictions about it, any earlier ones cleared.
    void ask(const QString &whatWillChange);
    // Judges the predictions against the change and counts them; `sentence` explains
    // the change (a scenario's own) or is empty.
    void tell(const Readings &before, const Readings &after, const QString &sentence);
    // Nothing held back: no predictions and no verdicts.
    void clearRound();

    const Tally &tally() const { return m_tally; }

signals:
    void modeChanged(bool on);
    void nextChangeRequested();
    void revealRequested();

private:
    struct Question {
        QButtonGroup *choices = nullptr;
        StatusLabel *verdict = nullptr;
    };

    QWidget *buildQuestion(Quantity quantity);
    void setChoosable(bool choosable);
    void updateReveal();

    QPushButton *m_predict = nullptr;
    QPushButton *m_next = nullptr;
    QWidget *m_round = nullptr;
    StatusLabel *m_line = nullptr;
    std::array<Question, 3> m_questions;
    QPushButton *m_reveal = nullptr;
    QLabel *m_sentence = nullptr;
    StatusLabel *m_tallyLabel = nullptr;
    Tally m_tally;
    bool m_asking = false;
};

}  // namespace fc
