#include "shell/Introduction.h"

#include "figures/Fonts.h"
#include "shell/Menus.h"
#include "shell/PageStyle.h"
#include "shell/SystemColours.h"
#include "shell/Twips.h"

#include <QCoreApplication>
#include <QLabel>

namespace fc {

namespace {

struct LabelPlacement {
    const char *name;
    QRect geometry;
    double points;
};

constexpr LabelPlacement kLabels[] = {
    {"Label1", twips(3360, 3960, 7815, 615), 13.5},
    {"Label2", twips(2880, 4800, 10095, 615), 13.5},
    {"Label3", twips(3720, 5640, 5415, 855), 12},
};

}  // namespace

Introduction::Introduction(Program &program)
    : Page(program, PageId::Introduction,
           {"Introduction", QT_TRANSLATE_NOOP("Page", "Introduction"), pageColour::blue,
            twipsSize(13425, 7560), WindowPlacement::Maximized, kIntroductionMenu})
{
}

void Introduction::buildControls(QWidget *client)
{
    client->setFont(pageFont());
    QLabel *labels[3];
    for (int i = 0; i < 3; ++i) {
        const LabelPlacement &placement = kLabels[i];
        auto *label = new QLabel(client);
        label->setObjectName(QLatin1String(placement.name));
        // Placeholder captions as designed; the load step replaces them.
        label->setText(QLatin1String(placement.name));
        label->setGeometry(placement.geometry);
        label->setFont(controlFont(Face::MsSansSerif, pointsToPixels(placement.points), true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        setColours(label, QPalette::Window, pageColour::blue, QPalette::WindowText,
                   systemColour(SystemColour::HighlightText));
        label->setAutoFillBackground(true);
        labels[i] = label;
    }
    m_label1 = labels[0];
    m_label2 = labels[1];
    m_label3 = labels[2];
}

void Introduction::controlsDestroyed()
{
    m_label1 = m_label2 = m_label3 = nullptr;
}

void Introduction::Form_Load()
{
    m_label1->setText(QCoreApplication::translate("Introduction", "Brannoc Welcomes You To"));
    m_label2->setText(QCoreApplication::translate(
        "Introduction", "UNDERSTANDING CARDIAC AND VASCULAR FUNCTION CURVES"));
    m_label3->setText(QCoreApplication::translate(
        "Introduction",
        "We recommend that you start your first session by visiting the instructions page"));
}

}  // namespace fc

#include "moc_Introduction.cpp"
