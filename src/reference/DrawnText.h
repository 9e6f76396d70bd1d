#pragma once

#include <QStringList>
#include <QWidget>

#include <span>

namespace fc {

// Text drawn straight onto a window, line by line from the top-left corner, each
// line whole: no wrapping, no trimming, every blank kept. It repaints itself, so one
// copy is on view however often the window is activated or uncovered. Assistive
// technology reads it as static text whose description holds the lines.
class DrawnText : public QWidget {
    Q_OBJECT
public:
    DrawnText(std::span<const char *const> lines, const QFont &font, const QColor &colour,
              QWidget *parent = nullptr);

    int lineCount() const { return int(m_lines.size()); }
    // Line `index` as drawn, in the program's language.
    QString line(int index) const;
    // Baseline of line `index` in widget coordinates.
    double baseline(int index) const;

    // The scale the lines are drawn at: 1, or less where they are wider than the
    // window and the English lines.
    double drawnScale() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::span<const char *const> m_sources;  // English
    QStringList m_lines;                     // as shown, translated
    QColor m_colour;
};

}  // namespace fc
