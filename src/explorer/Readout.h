#pragma once

#include <QLabel>

namespace fc {

// A label for a reading that changes at every step of a slider: a number and its unit.
// It keeps the size of the widest reading it has shown, so that a new reading repaints
// the label alone instead of laying the whole window out again; a new font or style
// sizes it afresh. Plain text, not selectable: a selectable label lays its text out as a
// document at every change. The summary beside it says every reading, and the figure's
// Copy carries them in its title.
class Readout : public QLabel {
public:
    explicit Readout(const char *name, QWidget *parent = nullptr);

    void setReading(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fit();
};

}  // namespace fc
