#include "reference/DrawnTextPage.h"

#include "reference/DrawnText.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace fc {

DrawnTextPage::DrawnTextPage(Program &program, PageId id, const WindowSettings &settings,
                             const DrawnTextContent &content)
    : Page(program, id, settings), m_content(content)
{
}

void DrawnTextPage::buildControls(QWidget *client)
{
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    m_text = new DrawnText(m_content.lines, m_content.font(), systemColour(m_content.colour),
                           client);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAccessibleName(QCoreApplication::translate("Reference", m_content.accessibleName));
    layout->addWidget(m_text);
}

void DrawnTextPage::controlsDestroyed()
{
    m_text = nullptr;
}

void DrawnTextPage::Form_Activate()
{
    m_text->update();
}

}  // namespace fc

#include "moc_DrawnTextPage.cpp"
