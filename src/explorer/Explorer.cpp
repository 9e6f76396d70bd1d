#include "explorer/Explorer.h"

#include "explorer/CurveFigure.h"
#include "explorer/CurvesView.h"
#include "explorer/FactorSlider.h"
#include "explorer/FactorSpinBox.h"
#include "explorer/PredictPanel.h"
#include "explorer/Readout.h"
#include "explorer/Scenarios.h"
#include "explorer/SteadyWrap.h"
#include "figures/Numbers.h"
#include "shell/ListBox.h"
#include "shell/StatusLabel.h"
#include "shell/TopLevel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

// The side panel, scrolled where the window is lower than the panel (a high zoom on a
// small screen) rather than squeezed; where it fits it shows whole, at the size it asks
// for. Room for the scroll bar is kept, so that its coming never narrows the panel.
class PanelScrollArea : public QScrollArea {
public:
    explicit PanelScrollArea(QWidget *panel)
    {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidgetResizable(true);
        setWidget(panel);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        keepPanelWidth();
    }

    QSize sizeHint() const override
    {
        return widget()->sizeHint() + QSize(scrollBarWidth(), 0);
    }
    QSize minimumSizeHint() const override
    {
        return {sizeHint().width(), verticalScrollBar()->minimumSizeHint().height()};
    }
    bool hasHeightForWidth() const override { return widget()->hasHeightForWidth(); }
    int heightForWidth(int width) const override
    {
        return widget()->heightForWidth(width - scrollBarWidth());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The panel's size changes with the zoom and with its sentences: the window's
        // layout asks again.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            keepPanelWidth();
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    // Only the height scrolls: the panel is never narrower than it needs.
    void keepPanelWidth() { setMinimumWidth(widget()->minimumSizeHint().width() + scrollBarWidth()); }
    int scrollBarWidth() const { return verticalScrollBar()->sizeHint().width(); }
};

struct FactorControl {
    const char *name;  // objectName of both the slider and the spin box
    const char *label;
    const char *accessibleName;
    const char *about;  // what the factor is, where its name does not say; nullptr: none
    int minimum;
    int maximum;
    double Factors::*value;
};

constexpr FactorControl kFactorControls[] = {
    {"contractility", QT_TRANSLATE_NOOP("fc::Explorer", "&Contractility"),
     QT_TRANSLATE_NOOP("fc::Explorer", "Contractility"), nullptr, 25, 200,
     &Factors::contractility},
    {"bloodVolume", QT_TRANSLATE_NOOP("fc::Explorer", "Stressed blood &volume"),
     QT_TRANSLATE_NOOP("fc::Explorer", "Stressed blood volume"),
     QT_TRANSLATE_NOOP("fc::Explorer",
                       "The part of the blood volume that stretches the veins and sets MSFP."),
     60, 140, &Factors::bloodVolume},
    {"venousCompliance", QT_TRANSLATE_NOOP("fc::Explorer", "Venous co&mpliance"),
     QT_TRANSLATE_NOOP("fc::Explorer", "Venous compliance"), nullptr, 50, 200,
     &Factors::venousCompliance},
    {"resistance", QT_TRANSLATE_NOOP("fc::Explorer", "&Total peripheral resistance"),
     QT_TRANSLATE_NOOP("fc::Explorer", "Total peripheral resistance"), nullptr, 50, 200,
     &Factors::resistance},
};

constexpr int kPageStep = 10;

// How CO compares with control, in the readouts' precision.
QString comparedWithControl(double co)
{
    static const double control = std::round(operatingPoint(Factors{}).co * 100);
    const double difference = (std::round(co * 100) - control) / 100;
    const QString amount = withUnit(std::abs(difference), QStringLiteral("l/min"));
    if (difference > 0)
        return QCoreApplication::translate("fc::Explorer", "CO %1 above control.").arg(amount);
    if (difference < 0)
        return QCoreApplication::translate("fc::Explorer", "CO %1 below control.").arg(amount);
    return QCoreApplication::translate("fc::Explorer", "CO as at control.");
}

}  // namespace

Explorer::Explorer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Explorer"));
    setWindowTitle(tr("Curve Explorer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleDescription(
        tr("Move contractility, stressed blood volume, venous compliance and peripheral "
           "resistance and watch the cardiac and vascular function curves and their "
           "operating point"));

    m_view = new CurvesView;
    m_view->setObjectName(QStringLiteral("curves"));
    m_view->setFigureCommands([this] { return figureOnView(); });

    m_panel = new QWidget;
    auto *panel = new QVBoxLayout(m_panel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(buildFactors());
    auto *control = new QPushButton(tr("Control"));
    control->setObjectName(QStringLiteral("control"));
    control->setAccessibleDescription(tr("Set all four factors to 100 percent"));
    connect(control, &QPushButton::clicked, this, [this] { setFactors(Factors{}); });
    panel->addWidget(control, 0, Qt::AlignLeft);
    panel->addLayout(buildReadouts());
    panel->addWidget(buildScenarios(), 1);

    auto *layout = new QHBoxLayout(this);
    auto *figure = new QVBoxLayout;
    figure->addWidget(m_view, 1);
    layout->addLayout(figure, 1);
    m_panelArea = new PanelScrollArea(m_panel);
    layout->addWidget(m_panelArea);
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
}

Explorer::~Explorer() = default;

QWidget *Explorer::buildFactors()
{
    auto *box = new QGroupBox(tr("Factors, in percent of control"));
    auto *layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < std::size(kFactorControls); ++i) {
        const FactorControl &factor = kFactorControls[i];
        const QString name = QLatin1String(factor.name);
        const QString accessibleName = tr(factor.accessibleName);
        const QString range = tr("%1 to %2 of control")
                                  .arg(percent(factor.minimum), percent(factor.maximum));
        const QString about = factor.about ? tr(factor.about) + QLatin1Char(' ') + range : range;

        auto *slider = new FactorSlider;
        auto *spinBox = new FactorSpinBox;
        // One factor, two ways to set it: both controls carry the factor's name, and
        // its range.
        for (QWidget *w : {static_cast<QWidget *>(slider), static_cast<QWidget *>(spinBox)}) {
            w->setObjectName(name);
            w->setAccessibleName(accessibleName);
            w->setAccessibleDescription(range);
            w->setToolTip(about);
        }
        slider->setRange(factor.minimum, factor.maximum);
        slider->setPageStep(kPageStep);
        slider->setValue(100);
        spinBox->setRange(factor.minimum, factor.maximum);
        spinBox->setSingleStep(1);
        spinBox->setValue(100);

        auto *label = new QLabel(tr(factor.label));
        label->setBuddy(slider);
        label->setToolTip(about);
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

QLayout *Explorer::buildReadouts()
{
    auto *layout = new QVBoxLayout;
    auto *box = new QGroupBox(tr("Operating point"));
    auto *form = new QFormLayout(box);
    const char *names[] = {"operatingCvp", "operatingCo", "msfp"};
    for (Quantity q : kQuantities)
        m_readings[std::size_t(q)] = new Readout(names[std::size_t(q)]);
    form->addRow(tr("CVP:"), reading(Quantity::Cvp));
    form->addRow(tr("CO:"), reading(Quantity::Co));
    layout->addWidget(box);

    // MSFP belongs to the vascular function curve alone, not to the crossing.
    auto *msfp = new QFormLayout;
    Readout *msfpReading = reading(Quantity::Msfp);
    auto *msfpLabel = new QLabel(tr("Mean systemic filling pressure:"));
    msfpLabel->setBuddy(msfpReading);
    const QString aboutMsfp = tr("Where the vascular function curve meets the CVP axis: the "
                                 "mean circulatory pressure (mcp) of the pages.");
    for (QWidget *w : {static_cast<QWidget *>(msfpLabel), static_cast<QWidget *>(msfpReading)})
        w->setToolTip(aboutMsfp);
    msfpReading->setAccessibleDescription(aboutMsfp);
    msfp->addRow(msfpLabel, msfpReading);
    layout->addLayout(msfp);

    // The summary in words, on view at once; a screen reader hears it once the
    // factors have come to rest.
    m_summary = new StatusLabel;
    m_summary->setObjectName(QStringLiteral("announcement"));
    m_summaryArea = new SteadyWrap(m_summary);
    layout->addWidget(m_summaryArea);
    return layout;
}

QWidget *Explorer::buildScenarios()
{
    auto *box = new QGroupBox(tr("&Scenarios"));
    auto *layout = new QVBoxLayout(box);
    m_scenarios = new ListBox;
    m_scenarios->setObjectName(QStringLiteral("scenarios"));
    m_scenarios->setAccessibleName(tr("Scenarios"));
    for (const Scenario &s : scenarios())
        m_scenarios->appendRow(QCoreApplication::translate("fc::Scenario", s.name));
    // Every name in full, without scrolling sideways, and every row on view while
    // there is room for it.
    m_scenarios->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scenarios->setMinimumWidth(m_scenarios->sizeHintForColumn(0) + 2 * m_scenarios->frameWidth()
                                 + m_scenarios->verticalScrollBar()->sizeHint().width());
    m_scenarios->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_caption = wrapping(new QLabel);
    m_caption->setObjectName(QStringLiteral("scenarioCaption"));
    layout->addWidget(m_scenarios, 1);
    layout->addWidget(m_caption);
    connect(m_scenarios, &ListBox::selectionEvent, this, [this] {
        if (const int row = m_scenarios->selectedRow(); row >= 0)
            chooseScenario(std::size_t(row));
    });
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

void Explorer::chooseScenario(std::size_t row)
{
    // Chosen from code, the row is selected as the user would select it, and the list's
    // event brings it back here.
    if (m_scenarios->selectedRow() != int(row)) {
        m_scenarios->setCurrentRow(int(row));
        return;
    }
    const Scenario &scenario = scenarios()[row];
    m_glide.finish();
    if (m_predict->isOn()) {
        // Where the scenario starts, at once; then its change, held back.
        m_rotation.markDone(row);
        m_caption->clear();
        setControls(startingState(scenario));
        showState(m_factors);
        setControls(scenario.factors);
        holdBack(&scenario);
        return;
    }
    m_caption->setText(QCoreApplication::translate("fc::Scenario", scenario.caption));
    setControls(scenario.factors);
    m_glide.start(m_shown, m_factors);
}

int Explorer::captionWidth() const
{
    // Before the window is first shown nothing inside it is laid out: the caption is
    // then as wide as the panel will be, less the frame around it.
    if (isVisible())
        return m_caption->width();
    const QWidget *box = m_caption->parentWidget();
    const QMargins frame = box->contentsMargins() + box->layout()->contentsMargins();
    return m_panel->sizeHint().width() - frame.left() - frame.right();
}

int Explorer::tallestCaption() const
{
    int tallest = 0;
    for (const Scenario &s : scenarios()) {
        const QString caption = QCoreApplication::translate("fc::Scenario", s.caption);
        const QRect room(0, 0, captionWidth(), 1 << 20);
        tallest = std::max(tallest, m_caption->fontMetrics()
                                        .boundingRect(room, Qt::TextWordWrap, caption)
                                        .height());
    }
    return tallest;
}

SharedFigure Explorer::figureOnView() const
{
    return std::make_shared<const Figure>(explorerFigure(m_shown));
}

QSize Explorer::sizeHint() const
{
    // The panel's wrapped sentences set the height, with room below the list for the
    // longest scenario sentence, so that choosing a scenario leaves every row on view;
    // the figure, in its proportions at that height, sets the width.
    const QSize base = QWidget::sizeHint();
    const int height = std::max(base.height(), heightForWidth(base.width()))
                       + std::max(0, tallestCaption() - m_caption->heightForWidth(captionWidth()));
    const QMargins margins = contentsMargins() + layout()->contentsMargins();
    const QSizeF canvas = explorerBackground().canvas.size();
    // The predictions take their row below the figure.
    const int figureHeight = height - margins.top() - margins.bottom() - layout()->spacing()
                             - m_predict->sizeHint().height();
    const int figureWidth = int(std::ceil(figureHeight * canvas.width() / canvas.height()));
    const int width = figureWidth + layout()->spacing() + m_panelArea->sizeHint().width()
                      + margins.left() + margins.right();
    return {std::max(base.width(), width), height};
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
    const Readings now = readingsAt(factors);
    const QString withUnits[] = {tr("%1 mmHg"), tr("%1 l/min"), tr("%1 mmHg")};
    for (Quantity q : kQuantities)
        reading(q)->setReading(withUnits[std::size_t(q)].arg(twoPlaces(now[q])));
    m_summary->showUnannounced(
        tr("Operating point CVP %1, CO %2; MSFP %3. %4")
            .arg(withUnit(now[Quantity::Cvp], QStringLiteral("mmHg")),
                 withUnit(now[Quantity::Co], QStringLiteral("l/min")),
                 withUnit(now[Quantity::Msfp], QStringLiteral("mmHg")),
                 comparedWithControl(now[Quantity::Co])));
    m_summaryArea->textChanged();
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
    m_summary->announce();
    m_view->setAccessibleDescription(m_view->curves().description);
}

}  // namespace fc

#include "moc_Explorer.cpp"
