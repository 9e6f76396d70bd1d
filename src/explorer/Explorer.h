#pragma once

#include "explorer/CurveModel.h"
#include "figures/Figure.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;

namespace fc {

class CurvesView;
class FactorSlider;
class FactorSpinBox;
class ListBox;
class StatusLabel;

// The curve explorer: four factors, each a slider with a spin box, move the cardiac
// and vascular function curves and the operating point drawn beside them. A window of
// its own, apart from the pages; closing it discards it.
class Explorer : public QWidget {
    Q_OBJECT
public:
    // How long the factors must rest before the operating point is announced.
    static constexpr int kSettleMs = 500;

    explicit Explorer(QWidget *parent = nullptr);
    ~Explorer() override;

    const Factors &factors() const { return m_factors; }
    const OperatingPoint &point() const { return m_point; }

    // Moves the four controls at once; the curves follow once.
    void setFactors(const Factors &factors);
    // Selects a row of scenarios(), shows its sentence and sets its factors.
    void chooseScenario(std::size_t row);

    // The figure on view, both layers in one, as it goes out of the program.
    SharedFigure figureOnView() const;

    // Room for the panel in full, and for the figure in its proportions beside it.
    QSize sizeHint() const override;

private:
    struct FactorControls {
        FactorSlider *slider = nullptr;
        FactorSpinBox *spinBox = nullptr;
    };

    QWidget *buildFactors();
    QLayout *buildReadouts();
    QWidget *buildScenarios();
    int captionWidth() const;
    int tallestCaption() const;

    // After any control has moved: the model, the readouts, the summary and the figure.
    void factorsMoved();
    void announce();

    std::array<FactorControls, 4> m_controls;
    CurvesView *m_view = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_cvp = nullptr;
    QLabel *m_co = nullptr;
    QLabel *m_msfp = nullptr;
    StatusLabel *m_summary = nullptr;
    ListBox *m_scenarios = nullptr;
    QLabel *m_caption = nullptr;
    QTimer m_settle;

    Factors m_factors;
    OperatingPoint m_point;
    bool m_applying = false;
};

}  // namespace fc
