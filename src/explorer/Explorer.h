#pragma once

#include "explorer/CurveModel.h"
#include "explorer/Glide.h"
#include "explorer/Prediction.h"
#include "explorer/ScenarioRotation.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QSlider;
class QSpinBox;

namespace fc {

class CurvesView;
class ListBox;
class PredictPanel;
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

    // The factors as set on the controls, and the operating point there. The figure
    // and the readouts may still show another setting: during a glide, or while a
    // change is held back for the student to predict.
    const Factors &factors() const { return m_factors; }
    const OperatingPoint &point() const { return m_point; }
    bool isGliding() const { return m_glide.isRunning(); }

    // Moves the four controls at once; the curves follow at once.
    void setFactors(const Factors &factors);

private:
    struct FactorControls {
        QSlider *slider = nullptr;
        QSpinBox *spinBox = nullptr;
    };

    QWidget *buildFactors();
    QWidget *buildReadouts();
    QWidget *buildScenarios();

    // After the user has moved a control: shown at once, or held back in predict mode.
    void factorsMoved();
    void setControls(const Factors &factors);
    void readControls();
    void leaveScenarioIfGone();
    // The readouts and the figure at a setting, which need not be the controls'.
    void showState(const Factors &factors);
    // A row of the scenario list selected by the user.
    void scenarioChosen(int row);
    void announce();

    // Predict first: the change from the state on view to the controls' setting waits
    // for the student's predictions. `scenario` is the one it comes from, if any.
    void holdBack(const Scenario *scenario);
    void reveal();
    void nextChange();
    void predictModeChanged(bool on);

    std::array<FactorControls, 4> m_controls;
    CurvesView *m_view = nullptr;
    QLabel *m_cvp = nullptr;
    QLabel *m_co = nullptr;
    QLabel *m_msfp = nullptr;
    StatusLabel *m_announcement = nullptr;
    ListBox *m_scenarios = nullptr;
    QLabel *m_caption = nullptr;
    QTimer m_settle;
    PredictPanel *m_predict = nullptr;
    Glide m_glide;
    ScenarioRotation m_rotation{scenarios().size()};

    Factors m_factors;
    OperatingPoint m_point;
    Factors m_shown;
    OperatingPoint m_shownPoint;
    const Scenario *m_held = nullptr;  // in the static table of scenarios
    bool m_applying = false;
};

}  // namespace fc
