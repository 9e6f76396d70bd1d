#include "practice/Test.h"

#include "figures/FigureCatalogue.h"
#include "figures/Fonts.h"
#include "figures/PictureArea.h"
#include "shell/ListBox.h"
#include "shell/Menus.h"
#include "shell/PageStyle.h"
#include "shell/StatusLabel.h"
#include "shell/SystemColours.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/WrappingButton.h"

#include <QCoreApplication>
#include <QLabel>

namespace fc {

namespace {

const char *const kInstruction = QT_TRANSLATE_NOOP(
    "Test",
    "The figure shows several VFC and CFC. Use these to answer the questions.  The operating "
    "point S is the intersection of the control CFC and VFC curves. Unless otherwise noted, "
    "changes are with respect to this control state.");

// Where the test figure's picture area lies, in pixels.
QRect test1Geometry()
{
    return twips(5160, 720, 6975, 4935);
}

template <typename Label = QLabel>
Label *makeLabel(const char *name, const QRect &geometry, QWidget *client)
{
    auto *label = new Label(client);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    return label;
}

// The instruction above the figure is set smaller than the rest of the page.
QFont instructionFont()
{
    return controlFont(Face::MsSansSerif, pointsToPixels(8.25), true);
}

}  // namespace

Test::Test(Program &program)
    : Page(program, PageId::Test,
           {"Test", QT_TRANSLATE_NOOP("Page", "Test"), pageColour::blue, twipsSize(12930, 8745),
            WindowPlacement::MaximizedCentred, kBasicsMenu})
{
}

void Test::prepare()
{
    prepareGlyphs(pageFont());
    prepareGlyphs(instructionFont());
    PictureArea::prepare(*findFigure(QStringLiteral("test1")), test1Geometry().size(),
                         systemColour(SystemColour::TitleBarText));
}

void Test::buildControls(QWidget *client)
{
    const QFont font = pageFont();
    client->setFont(font);

    // The instruction label lies under the picture area where the two overlap.
    m_label2 = makeLabel("Label2", twips(5280, 120, 6855, 735), client);
    m_label2->setText(QCoreApplication::translate("Test", kInstruction));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label2->setFont(instructionFont());
    setColours(m_label2, QPalette::Window, pageColour::blue, QPalette::WindowText,
               systemColour(SystemColour::HighlightText));

    m_test1 = new PictureArea(client);
    m_test1->setObjectName(QStringLiteral("test1"));
    m_test1->setGeometry(test1Geometry());
    m_test1->setBackground(systemColour(SystemColour::TitleBarText));
    m_test1->setFigure(findFigure(QStringLiteral("test1")));
    m_test1->setExploreAction(exploreAction());

    m_label3 = makeLabel("Label3", twips(1440, 240, 3015, 375), client);
    m_label3->setText(QCoreApplication::translate("Test", "Explanations of Answers"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColours(m_label3, QPalette::Window, pageColour::darkBlue, QPalette::WindowText, Qt::white);

    m_text = new TextBox(client);
    m_text->setObjectName(QStringLiteral("Text"));
    m_text->setAccessibleName(QCoreApplication::translate("Test", "Explanation of answer"));
    m_text->setGeometry(twips(840, 720, 4095, 4935));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setWordWrapMode(QTextOption::WordWrap);
    // Tab moves on to the next control rather than typing a tab into the box.
    m_text->setTabChangesFocus(true);
    setColours(m_text, QPalette::Base, pageColour::darkBlue, QPalette::Text, Qt::white);

    m_list2 = new ListBox(client);
    m_list2->setObjectName(QStringLiteral("List2"));
    m_list2->setAccessibleName(QCoreApplication::translate("Test", "Question and answer options"));
    m_list2->setGeometry(twips(840, 6000, 11295, 1470));
    setColours(m_list2, QPalette::Base, pageColour::darkBlue, QPalette::Text,
               systemColour(SystemColour::WindowBackground));
    m_list2->hide();
    connect(m_list2, &ListBox::selectionEvent, this, &Test::List2_Click);

    // The verdict: a status, announced each time its text changes.
    m_label1 = makeLabel<StatusLabel>("Label1", twips(840, 7560, 2145, 600), client);
    m_label1->setAccessibleDescription(
        QCoreApplication::translate("Test", "Verdict on the selected answer"));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(m_label1, QPalette::Window, pageColour::blue, QPalette::WindowText,
               systemColour(SystemColour::ButtonHighlight));

    m_cmdStart = new WrappingButton(QCoreApplication::translate("Test", "Start Questions"), client);
    m_cmdStart->setObjectName(QStringLiteral("cmdStart"));
    m_cmdStart->setGeometry(twips(3960, 7920, 1215, 615));
    m_cmdStart->setFill(QColor(0, 255, 0));
    connect(m_cmdStart, &QPushButton::clicked, this, &Test::cmdStart_Click);

    m_cmdNext = new WrappingButton(QCoreApplication::translate("Test", "Next Question"), client);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setGeometry(twips(5280, 7920, 1335, 615));
    m_cmdNext->setFill(QColor(255, 255, 128));
    connect(m_cmdNext, &QPushButton::clicked, this, &Test::cmdNext_Click);

    m_cmdReset = new WrappingButton(QCoreApplication::translate("Test", "Reset Questions"), client);
    m_cmdReset->setObjectName(QStringLiteral("cmdReset"));
    m_cmdReset->setGeometry(twips(6720, 7920, 1335, 615));
    connect(m_cmdReset, &QPushButton::clicked, this, &Test::cmdReset_Click);

    for (QWidget *w : {static_cast<QWidget *>(m_cmdNext), static_cast<QWidget *>(m_cmdReset),
                       static_cast<QWidget *>(m_cmdStart), static_cast<QWidget *>(m_list2),
                       static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_test1)})
        w->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(m_cmdNext, m_cmdReset);
    QWidget::setTabOrder(m_cmdReset, m_cmdStart);
    QWidget::setTabOrder(m_cmdStart, m_list2);
    QWidget::setTabOrder(m_list2, m_text);
    QWidget::setTabOrder(m_text, m_test1);
    m_cmdNext->setFocus();
}

void Test::controlsDestroyed()
{
    m_test1 = nullptr;
    m_label1 = nullptr;
    m_label2 = m_label3 = nullptr;
    m_text = nullptr;
    m_list2 = nullptr;
    m_cmdStart = m_cmdNext = m_cmdReset = nullptr;
}

void Test::Form_Load()
{
    fillTestLines(m_testLines);
}

void Test::cmdStart_Click()
{
    m_test1->show();
    m_list2->show();
    m_list2->clearRows();
    m_text->clear();
    m_slotCounter = 0;
    for (const char *line : kQuestions[0].lines)
        m_list2->appendRow(QCoreApplication::translate("Test", line));
}

void Test::cmdNext_Click()
{
    // No slots lie beyond the empty page: a press while it is on view is ignored and
    // the page stays, so the counter never passes 150.
    if (m_slotCounter + 6 > kLastPage)
        return;
    m_text->clear();
    m_label1->setText(QStringLiteral(" "));
    m_list2->clearRows();
    for (int slot = m_slotCounter + 1; slot <= m_slotCounter + 6; ++slot)
        m_list2->appendRow(m_testLines[std::size_t(slot)]);
    m_slotCounter = qint16(m_slotCounter + 6);
}

void Test::cmdReset_Click()
{
    m_text->clear();
    m_list2->clearRows();
    m_slotCounter = 0;
}

void Test::List2_Click()
{
    const Question *question = questionOnView(m_slotCounter);
    if (!question)
        return;
    m_text->clear();
    if (m_list2->selectedRow() == question->keyLine) {
        m_label1->setStatus(QCoreApplication::translate("Test", question->verdict));
        m_text->setPlainText(QCoreApplication::translate("Test", question->explanation));
    } else {
        m_label1->setStatus(QCoreApplication::translate("Test", "TRY AGAIN"));
    }
}

}  // namespace fc

#include "moc_Test.cpp"
