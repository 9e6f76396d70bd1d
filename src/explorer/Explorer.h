#pragma once

#include "explorer/CurveModel.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QSlider;
class QSpinBox;

namespace fc {

class CurvesView;
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

private:
    struct FactorControls {
        QSlider *slider = nullptr;
        QSpinBox *spinBox = nullptr;
    };

    QWidget *buildFactors();
    QWidget *buildReadouts();
    QWidget *buildScenarios();

    // After any control has moved: the model, the readouts and the figure.
    void factorsMoved();
    // A row of the scenario list selected by the user.
    void scenarioChosen(int row);
    void announce();

    std::array<FactorControls, 4> m_controls;
    CurvesView *m_view = nullptr;
    QLabel *m_cvp = nullptr;
    QLabel *m_co = nullptr;
    QLabel *m_msfp = nullptr;
    StatusLabel *m_announcement = nullptr;
    ListBox *m_scenarios = nullptr;
    QLabel *m_caption = nullptr;
    QTimer m_settle;

    Factors m_factors;
    OperatingPoint m_point;
    bool m_applying = false;
};

}  // namespace fc
