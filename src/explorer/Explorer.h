#pragma once

#include "explorer/CurveModel.h"
#include "explorer/Glide.h"
#include "explorer/Prediction.h"
#include "explorer/ScenarioRotation.h"
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
class PredictPanel;
class Readout;
class StatusLabel;
class SteadyWrap;

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

    // The factors as set on the controls, and the operating point there. The figure
    // and the readouts may still show another setting: during a glide, or while a
    // change is held back for the student to predict.
    const Factors &factors() const { return m_factors; }
    const OperatingPoint &point() const { return m_point; }
    bool isGliding() const { return m_glide.isRunning(); }

    // Moves the four controls at once; the curves follow at once.
    void setFactors(const Factors &factors);
    // Selects a row of scenarios() and sets its factors: the figure glides to them with
    // its sentence shown, or in predict mode they wait for the student's predictions.
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
    Readout *reading(Quantity q) const { return m_readings[std::size_t(q)]; }
    QWidget *buildScenarios();
    int captionWidth() const;
    int tallestCaption() const;

    // After the user has moved a control: shown at once, or held back in predict mode.
    void factorsMoved();
    void setControls(const Factors &factors);
    void readControls();
    void leaveScenarioIfGone();
    // The readouts, the summary and the figure at a setting, which need not be the
    // controls'.
    void showState(const Factors &factors);
    void announce();

    // Predict first: the change from the state on view to the controls' setting waits
    // for the student's predictions. `scenario` is the one it comes from, if any.
    void holdBack(const Scenario *scenario);
    void reveal();
    void nextChange();
    void predictModeChanged(bool on);

    std::array<FactorControls, 4> m_controls;
    CurvesView *m_view = nullptr;
    QWidget *m_panel = nullptr;
    QWidget *m_panelArea = nullptr;  // m_panel, scrolled where the window is too low
    std::array<Readout *, 3> m_readings{};  // in the order of Quantity
    StatusLabel *m_summary = nullptr;
    SteadyWrap *m_summaryArea = nullptr;  // m_summary, relaid out only for a new height
    ListBox *m_scenarios = nullptr;
    QLabel *m_caption = nullptr;
    QTimer m_settle;
    PredictPanel *m_predict = nullptr;
    Glide m_glide;
    ScenarioRotation m_rotation{scenarios().size()};

    Factors m_factors;
    OperatingPoint m_point;
    Factors m_shown;
    const Scenario *m_held = nullptr;  // in the static table of scenarios
    bool m_applying = false;
};

}  // namespace fc
