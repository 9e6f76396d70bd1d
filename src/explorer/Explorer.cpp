#include "explorer/Explorer.h"

#include "explorer/CurveFigure.h"
#include "explorer/CurvesView.h"
#include "explorer/PredictPanel.h"
#include "explorer/Scenarios.h"
#include "shell/ListBox.h"
#include "shell/StatusLabel.h"
#include "shell/TopLevel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace fc {

// A factor's slider, whose value a screen reader hears with its unit.
class FactorSlider : public QSlider {
    Q_OBJECT
public:
    FactorSlider() : QSlider(Qt::Horizontal) {}
};

namespace {

struct FactorControl {
    const char *name;  // objectName of both the slider and the spin box
    const char *label;
    const char *accessibleName;
    int minimum;
    int maximum;
    double Factors::*value;
};

constexpr FactorControl kFactorControls[] = {
    {"contractility", "&Contractility", "Contractility", 25, 200, &Factors::contractility},
    {"bloodVolume", "Blood &volume (stressed volume)", "Blood volume", 60, 140,
     &Factors::bloodVolume},
    {"venousCompliance", "Venous co&mpliance", "Venous compliance", 50, 200,
     &Factors::venousCompliance},
    {"resistance", "&Total peripheral resistance", "Total peripheral resistance", 50, 200,
     &Factors::resistance},
};

constexpr int kPageStep = 10;

QString percentOfControl(int value)
{
    return QStringLiteral("%1 percent of control").arg(value);
}

class AccessibleFactorSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleFactorSlider(QSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return percentOfControl(slider()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QSlider *slider() const { return static_cast<QSlider *>(widget()); }
};

QAccessibleInterface *factorSliderFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fc::FactorSlider") && object->isWidgetType())
        return new AccessibleFactorSlider(static_cast<QSlider *>(object));
    return nullptr;
}

QLabel *readout(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Room for the widest value: a new value then changes no size, and the window is
    // not laid out again on every step.
    label->setText(QStringLiteral("88.88 l/min mm"));
    label->setFixedSize(label->sizeHint());
    return label;
}

QString twoPlaces(double value)
{
    return QString::number(value, 'f', 2);
}

// How CO compares with control, in the readouts' precision.
QString comparedWithControl(double co)
{
    static const double control = std::round(operatingPoint(Factors{}).co * 100);
    const double difference = (std::round(co * 100) - control) / 100;
    if (difference == 0)
        return QStringLiteral("CO as at control.");
    return QStringLiteral("CO %1 l/min %2 control.")
        .arg(twoPlaces(std::abs(difference)),
             difference > 0 ? QStringLiteral("above") : QStringLiteral("below"));
}

}  // namespace

Explorer::Explorer(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(factorSliderFactory), true);
    Q_UNUSED(installed);

    setObjectName(QStringLiteral("Explorer"));
    setWindowTitle(QStringLiteral("Curve Explorer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleDescription(QStringLiteral(
        "Move contractility, blood volume, venous compliance and peripheral resistance and "
        "watch the cardiac and vascular function curves and their operating point"));

    m_view = new CurvesView;
    m_view->setObjectName(QStringLiteral("curves"));

    auto *panel = new QVBoxLayout;
    panel->addWidget(buildFactors());
    auto *control = new QPushButton(QStringLiteral("Control"));
    control->setObjectName(QStringLiteral("control"));
    control->setAccessibleDescription(QStringLiteral("Set all four factors to 100 percent"));
    connect(control, &QPushButton::clicked, this, [this] { setFactors(Factors{}); });
    panel->addWidget(control, 0, Qt::AlignLeft);
    panel->addWidget(buildReadouts());
    panel->addWidget(buildScenarios(), 1);

    auto *layout = new QHBoxLayout(this);
    auto *figure = new QVBoxLayout;
    figure->addWidget(m_view, 1);
    layout->addLayout(figure, 1);
    layout->addLayout(panel);
    // Added last, so that the keys reach the predictions after the scenarios.
    m_predict = new PredictPanel;
    figure->addWidget(m_predict);
    connect(m_predict, &PredictPanel::modeChanged, this, &Explorer::predictModeChanged);
    connect(m_predict, &PredictPanel::nextChangeRequested, this, &Explorer::nextChange);
    connect(m_predict, &PredictPanel::revealRequested, this, &Explorer::reveal);
    connect(&m_glide, &Glide::step, this, &Explorer::showState);

    closeOnKeys(this);

    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &Explorer::announce);

    readControls();
    showState(m_factors);
    m_settle.stop();
    announce();
    resize(1180, 680);
}

Explorer::~Explorer() = default;

QWidget *Explorer::buildFactors()
{
    auto *box = new QGroupBox(QStringLiteral("Factors, in percent of control"));
    auto *layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < std::size(kFactorControls); ++i) {
        const FactorControl &factor = kFactorControls[i];
        const QString name = QLatin1String(factor.name);
        const QString accessibleName = QLatin1String(factor.accessibleName);

        auto *slider = new FactorSlider;
        auto *spinBox = new QSpinBox;
        // One factor, two ways to set it: both controls carry the factor's name.
        for (QWidget *w : {static_cast<QWidget *>(slider), static_cast<QWidget *>(spinBox)})
            w->setObjectName(name);
        slider->setRange(factor.minimum, factor.maximum);
        slider->setPageStep(kPageStep);
        slider->setValue(100);
        slider->setAccessibleName(accessibleName);
        spinBox->setRange(factor.minimum, factor.maximum);
        spinBox->setSingleStep(1);
        spinBox->setSuffix(QStringLiteral(" %"));
        spinBox->setValue(100);
        spinBox->setAccessibleName(accessibleName);

        auto *label = new QLabel(QLatin1String(factor.label));
        label->setBuddy(slider);
        auto *row = new QHBoxLayout;
        row->addWidget(slider, 1);
        row->addWidget(spinBox);
        layout->addWidget(label);
        layout->addLayout(row);

        // The spin box follows the slider and the slider the spin box; only the
        // slider's change moves the curves, once per change.
        connect(slider, &QSlider::valueChanged, spinBox, &QSpinBox::setValue);
        connect(spinBox, &QSpinBox::valueChanged, slider, &QSlider::setValue);
        connect(slider, &QSlider::valueChanged, this, [this] {
            if (!m_applying)
                factorsMoved();
        });
        m_controls[i] = {slider, spinBox};
    }
    return box;
}

QWidget *Explorer::buildReadouts()
{
    auto *box = new QGroupBox(QStringLiteral("Operating point"));
    auto *form = new QFormLayout(box);
    m_cvp = readout("operatingCvp");
    m_co = readout("operatingCo");
    m_msfp = readout("msfp");
    form->addRow(QStringLiteral("CVP:"), m_cvp);
    form->addRow(QStringLiteral("CO:"), m_co);
    form->addRow(QStringLiteral("Mean systemic filling pressure:"), m_msfp);
    // What a screen reader announces once the factors have come to rest.
    m_announcement = new StatusLabel;
    m_announcement->setObjectName(QStringLiteral("announcement"));
    m_announcement->setWordWrap(true);
    form->addRow(m_announcement);
    return box;
}

QWidget *Explorer::buildScenarios()
{
    auto *box = new QGroupBox(QStringLiteral("&Scenarios"));
    auto *layout = new QVBoxLayout(box);
    m_scenarios = new ListBox;
    m_scenarios->setObjectName(QStringLiteral("scenarios"));
    m_scenarios->setAccessibleName(QStringLiteral("Scenarios"));
    for (const Scenario &s : scenarios())
        m_scenarios->appendRow(QLatin1String(s.name));
    // Every name in full, without scrolling sideways.
    m_scenarios->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scenarios->setMinimumWidth(m_scenarios->sizeHintForColumn(0) + 2 * m_scenarios->frameWidth()
                                 + m_scenarios->verticalScrollBar()->sizeHint().width());
    m_caption = new QLabel;
    m_caption->setObjectName(QStringLiteral("scenarioCaption"));
    m_caption->setWordWrap(true);
    m_caption->setMinimumHeight(m_caption->fontMetrics().lineSpacing() * 4);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_scenarios, 1);
    layout->addWidget(m_caption);
    connect(m_scenarios, &ListBox::selectionEvent, this,
            [this] { scenarioChosen(m_scenarios->selectedRow()); });
    return box;
}

void Explorer::setFactors(const Factors &factors)
{
    m_glide.finish();
    setControls(factors);
    leaveScenarioIfGone();
    showState(m_factors);
    m_held = nullptr;
    m_predict->clearRound();
}

void Explorer::setControls(const Factors &factors)
{
    m_applying = true;
    for (std::size_t i = 0; i < std::size(kFactorControls); ++i)
        m_controls[i].slider->setValue(int(std::lround(factors.*kFactorControls[i].value)));
    m_applying = false;
    readControls();
}

void Explorer::readControls()
{
    for (std::size_t i = 0; i < std::size(kFactorControls); ++i)
        m_factors.*kFactorControls[i].value = m_controls[i].slider->value();
    m_point = operatingPoint(m_factors);
}

void Explorer::scenarioChosen(int row)
{
    const Scenario &scenario = scenarios()[std::size_t(row)];
    m_glide.finish();
    if (m_predict->isOn()) {
        // Where the scenario starts, at once; then its change, held back.
        m_rotation.markDone(std::size_t(row));
        m_caption->clear();
        setControls(startingState(scenario));
        showState(m_factors);
        setControls(scenario.factors);
        holdBack(&scenario);
        return;
    }
    m_caption->setText(QLatin1String(scenario.caption));
    setControls(scenario.factors);
    m_glide.start(m_shown, m_factors);
}

void Explorer::factorsMoved()
{
    readControls();
    leaveScenarioIfGone();
    m_glide.finish();
    if (m_predict->isOn())
        holdBack(nullptr);
    else
        showState(m_factors);
}

void Explorer::leaveScenarioIfGone()
{
    // A scenario no longer on the controls is no longer chosen.
    const int row = m_scenarios->selectedRow();
    if (row >= 0 && scenarios()[std::size_t(row)].factors != m_factors) {
        m_scenarios->clearSelection();
        m_caption->clear();
    }
}

void Explorer::showState(const Factors &factors)
{
    m_shown = factors;
    m_shownPoint = operatingPoint(factors);
    m_cvp->setText(twoPlaces(m_shownPoint.cvp) + QStringLiteral(" mmHg"));
    m_co->setText(twoPlaces(m_shownPoint.co) + QStringLiteral(" l/min"));
    m_msfp->setText(twoPlaces(meanSystemicFillingPressure(factors)) + QStringLiteral(" mmHg"));
    m_view->setCurves(explorerCurves(factors));
    m_settle.start();
}

void Explorer::holdBack(const Scenario *scenario)
{
    m_held = scenario;
    const QString change = whatWillChange(m_shown, m_factors);
    if (change.isEmpty())
        m_predict->clearRound();
    else if (scenario)
        m_predict->ask(tr("%1: %2").arg(QCoreApplication::translate("fc::Scenario", scenario->name), change));
    else
        m_predict->ask(change);
}

void Explorer::reveal()
{
    m_predict->tell(readingsAt(m_shown), readingsAt(m_factors),
                    m_held ? QCoreApplication::translate("fc::Scenario", m_held->caption) : QString());
    m_held = nullptr;
    m_glide.start(m_shown, m_factors);
}

void Explorer::nextChange()
{
    const int row = int(m_rotation.next(*QRandomGenerator::global()));
    // Chosen as the user would choose it, even when it is the row already chosen.
    m_scenarios->clearSelection();
    m_scenarios->setCurrentRow(row);
    m_scenarios->scrollToItem(m_scenarios->item(row));
}

void Explorer::predictModeChanged(bool on)
{
    if (on)
        return;
    // A change held back is shown, as any change is outside the mode.
    m_held = nullptr;
    if (const int row = m_scenarios->selectedRow(); row >= 0)
        m_caption->setText(QCoreApplication::translate("fc::Scenario", scenarios()[std::size_t(row)].caption));
    m_glide.finish();
    if (m_shown != m_factors)
        m_glide.start(m_shown, m_factors);
}

void Explorer::announce()
{
    m_announcement->setStatus(QStringLiteral("Operating point CVP %1 mmHg, CO %2 l/min; MSFP %3 mmHg. %4")
                                  .arg(twoPlaces(m_shownPoint.cvp), twoPlaces(m_shownPoint.co),
                                       twoPlaces(meanSystemicFillingPressure(m_shown)),
                                       comparedWithControl(m_shownPoint.co)));
    m_view->setAccessibleDescription(m_view->curves().description);
}

}  // namespace fc

#include "Explorer.moc"
