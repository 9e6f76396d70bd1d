// The program as a screen reader and a keyboard meet it: what each page, control and
// figure area tells assistive technology, and every page worked without a mouse.

#include "TestSupport.h"

#include "figures/FigureCatalogue.h"
#include "figures/FigureWindow.h"
#include "figures/PictureArea.h"
#include "shell/Program.h"
#include "practice/QuestionBank.h"
#include "practice/Test.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)
Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = accessible(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QString descriptionOf(QObject *object)
{
    QAccessibleInterface *iface = accessible(object);
    return iface ? iface->text(QAccessible::Description) : QStringLiteral("<no interface>");
}

QString figureDescription(const char *figure)
{
    const Figure *f = findFigure(QLatin1String(figure));
    return f ? f->description : QStringLiteral("<no figure %1>").arg(QLatin1String(figure));
}

QStringList captions(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *c : list)
        result << QLatin1String(c);
    return result;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        m_program->start();
    }
    void cleanup()
    {
        m_program.reset();
        processDeferredDeletes();
    }

    void pagesNamedByCaption_data();
    void pagesNamedByCaption();
    void formPagesToldApart();
    void menuEntriesNamedByCaption_data();
    void menuEntriesNamedByCaption();
    void controls_data();
    void controls();
    void listRowsNamed_data();
    void listRowsNamed();
    void referenceTextReadable_data();
    void referenceTextReadable();
    void figureAreasAtStart_data();
    void figureAreasAtStart();
    void everyFigureHasItsOwnName();
    void descriptionFollowsOverlay_data();
    void descriptionFollowsOverlay();
    void descriptionFollowsArrowKeys();
    void verdictIsAStatusNamedByItsText();

    void testPageFocusOrder_data();
    void testPageFocusOrder();
    void testButtonsPressedByKey_data();
    void testButtonsPressedByKey();
    void testPageByKeyboard();
    void conceptPageByKeyboard_data();
    void conceptPageByKeyboard();
    void answerBoxDismissedByKey_data();
    void answerBoxDismissedByKey();
    void referencePagesClosedByKey_data();
    void referencePagesClosedByKey();
    void menuBarByKeyboard_data();
    void menuBarByKeyboard();
    void escapeLeavesTheMenuBar();
    void focusIsVisible_data();
    void focusIsVisible();
    void buttonFocusVisibleWithoutTab();
    void buttonFocusMarkStandsOut_data();
    void buttonFocusMarkStandsOut();
    void listFocusShowsOverSelectedFirstRow();
    void menuEntryMarkedByKeyboard();
    void figuresByKeyboard_data();
    void figuresByKeyboard();

private:
    QWidget *open(PageId id) { return showActive(*m_program, id); }
    template <typename T>
    T *find(PageId id, const char *name)
    {
        return control<T>(*m_program, id, name);
    }
    QWidget *focus() const { return QApplication::focusWidget(); }
    QString focusName() const
    {
        return focus() ? focus()->objectName() : QStringLiteral("<none>");
    }

    std::unique_ptr<Program> m_program;
};

void TestAccessibility::pagesNamedByCaption_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QString>("caption");
    QTest::addRow("Introduction") << PageId::Introduction << QStringLiteral("Introduction");
    QTest::addRow("CardiacFunctionCurves") << PageId::CardiacFunctionCurves
                                           << QStringLiteral("Loop Basics");
    QTest::addRow("VascularFunctionCurves") << PageId::VascularFunctionCurves
                                            << QStringLiteral("Form1");
    QTest::addRow("Interactions") << PageId::Interactions << QStringLiteral("Form1");
    QTest::addRow("Test") << PageId::Test << QStringLiteral("Test");
    QTest::addRow("Glossary") << PageId::Glossary
                              << QStringLiteral("Abbreviations-Definitions-Formulas");
    QTest::addRow("Instructions") << PageId::Instructions << QStringLiteral("Instructions");
}

void TestAccessibility::pagesNamedByCaption()
{
    QFETCH(PageId, page);
    QFETCH(QString, caption);
    QWidget *window = open(page);
    QVERIFY(window);
    QAccessibleInterface *iface = accessible(window);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), caption);
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
}

void TestAccessibility::formPagesToldApart()
{
    // Two pages share the caption "Form1"; their descriptions must tell which is which.
    QSet<QString> descriptions;
    for (PageId id : {PageId::Introduction, PageId::CardiacFunctionCurves,
                      PageId::VascularFunctionCurves, PageId::Interactions, PageId::Test,
                      PageId::Glossary, PageId::Instructions})
        descriptions << descriptionOf(open(id));
    QCOMPARE(descriptions.size(), 7);
    QVERIFY(descriptionOf(windowOf(*m_program, PageId::VascularFunctionCurves))
                .startsWith(QLatin1String("Vascular")));
    QVERIFY(descriptionOf(windowOf(*m_program, PageId::Interactions))
                .startsWith(QLatin1String("Interactions")));
}

void TestAccessibility::menuEntriesNamedByCaption_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QStringList>("entries");
    const QStringList basics = captions({"Instructions", "Cardiac Function Curves",
                                         "Vascular Function Curves", "Interactions and Changes",
                                         "Glossary", "Test", "End Session"});
    QTest::addRow("Introduction")
        << PageId::Introduction
        << captions({"Instructions", "Cardiac Function Curves", "Vascular Function Curves",
                     "Interactions/Changes", "Glossary", "Test", "End Session"});
    QTest::addRow("CardiacFunctionCurves") << PageId::CardiacFunctionCurves << basics;
    QTest::addRow("VascularFunctionCurves") << PageId::VascularFunctionCurves << basics;
    QTest::addRow("Interactions")
        << PageId::Interactions
        << captions({"Instructions", "Cardiac Function Curves", "Vascular Funciton Curves",
                     "Interactions and Changes", "Glossary", "Test", "End Session"});
    QTest::addRow("Test") << PageId::Test << basics;
}

void TestAccessibility::menuEntriesNamedByCaption()
{
    QFETCH(PageId, page);
    QFETCH(QStringList, entries);
    QWidget *window = open(page);
    auto *bar = window->findChild<QMenuBar *>();
    QVERIFY(bar);
    QAccessibleInterface *iface = accessible(bar);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::MenuBar);
    QCOMPARE(iface->childCount(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QAccessibleInterface *entry = iface->child(i);
        QVERIFY(entry);
        QCOMPARE(entry->role(), QAccessible::MenuItem);
        QCOMPARE(entry->text(QAccessible::Name), entries[i]);
        // No accelerator of any kind: the entries are reached by F10 and arrows.
        QVERIFY(entry->text(QAccessible::Accelerator).isEmpty());
        QVERIFY(bar->actions()[i]->shortcuts().isEmpty());
        QVERIFY(!bar->actions()[i]->text().contains(QLatin1Char('&')));
    }
}

void TestAccessibility::controls_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    const QString hint = QStringLiteral("Click on topic to see related text");
    const auto conceptPage = [&](const char *tag, PageId id) {
        QTest::addRow("%s list", tag) << id << QStringLiteral("basicList1") << QAccessible::List
                                      << hint;
        QTest::addRow("%s answer box", tag) << id << QStringLiteral("BasicAnswers1")
                                            << QAccessible::EditableText
                                            << QStringLiteral("Answer");
        QTest::addRow("%s hint", tag) << id << QStringLiteral("Label3")
                                      << QAccessible::StaticText << hint;
    };
    conceptPage("cardiac", PageId::CardiacFunctionCurves);
    conceptPage("vascular", PageId::VascularFunctionCurves);
    conceptPage("interactions", PageId::Interactions);

    const PageId test = PageId::Test;
    QTest::addRow("test Start") << test << QStringLiteral("cmdStart") << QAccessible::Button
                                << QStringLiteral("Start Questions");
    QTest::addRow("test Next") << test << QStringLiteral("cmdNext") << QAccessible::Button
                               << QStringLiteral("Next Question");
    QTest::addRow("test Reset") << test << QStringLiteral("cmdReset") << QAccessible::Button
                                << QStringLiteral("Reset Questions");
    QTest::addRow("test options") << test << QStringLiteral("List2") << QAccessible::List
                                  << QStringLiteral("Question and answer options");
    QTest::addRow("test explanation") << test << QStringLiteral("Text")
                                      << QAccessible::EditableText
                                      << QStringLiteral("Explanation of answer");
    QTest::addRow("test heading") << test << QStringLiteral("Label3") << QAccessible::StaticText
                                  << QStringLiteral("Explanations of Answers");
    QTest::addRow("test figure") << test << QStringLiteral("test1") << QAccessible::Graphic
                                 << QStringLiteral("Practice test figure");
    QTest::addRow("welcome line") << PageId::Introduction << QStringLiteral("Label1")
                                  << QAccessible::StaticText
                                  << QStringLiteral("Brannoc Welcomes You To");
    QTest::addRow("welcome title") << PageId::Introduction << QStringLiteral("Label2")
                                   << QAccessible::StaticText
                                   << QStringLiteral(
                                          "UNDERSTANDING CARDIAC AND VASCULAR FUNCTION CURVES");
}

void TestAccessibility::controls()
{
    QFETCH(PageId, page);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QVERIFY(open(page));
    auto *widget = find<QWidget>(page, qPrintable(control));
    QVERIFY(widget);
    QAccessibleInterface *iface = accessible(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void TestAccessibility::listRowsNamed_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QStringList>("rows");
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves
                             << captions({"  CARDIAC FUNCTION CURVES   ", "blank",
                                          " What is a Cardiac Function Curve?", "blank",
                                          " What is the effect of contractility?", "blank",
                                          " Why does CO not increase at large CVP?"});
    QTest::addRow("interactions")
        << PageId::Interactions
        << captions({"  INTERACTIONS AND CHANGES   ", "blank",
                     " Total Peripheral Resistance (TPR)", " Blood Volume and Compliance",
                     " Cardiac Contractility", " Blood Loss", " Orthostatic (postural)",
                     " Heart Failure"});
}

void TestAccessibility::listRowsNamed()
{
    // Rows are read by their text; a spacer row, which shows nothing, is read as blank.
    QFETCH(PageId, page);
    QFETCH(QStringList, rows);
    QVERIFY(open(page));
    auto *list = find<QListWidget>(page, "basicList1");
    QVERIFY(list);
    QAccessibleTableInterface *table = accessible(list)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        QAccessibleInterface *cell = table->cellAt(row, 0);
        QVERIFY(cell);
        QCOMPARE(cell->role(), QAccessible::ListItem);
        QCOMPARE(cell->text(QAccessible::Name), rows[row]);
        // What is shown stays the literal row text.
        QCOMPARE(list->item(row)->text() == QLatin1String(""), rows[row] == QLatin1String("blank"));
    }
}

void TestAccessibility::referenceTextReadable_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    // Blank lines are left out, a dot leader is read as a colon after its term and a
    // run of blanks as one blank.
    QTest::addRow("glossary") << PageId::Glossary << 45
                              << QStringLiteral("Afterload: Average stress that myocardial "
                                                "cells must overcome to shorten")
                              << QStringLiteral("Also called the Venous Return Curve and Venous "
                                                "Pressure Curve");
    // Eight of the twenty lines are blank or a single space.
    QTest::addRow("instructions")
        << PageId::Instructions << 12
        << QStringLiteral("This interactive learning module consists of five major segments")
        << QStringLiteral("the test. It and its explanations should provide you with excellent "
                          "practice and preparation.");
}

void TestAccessibility::referenceTextReadable()
{
    QFETCH(PageId, page);
    QFETCH(int, lines);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QVERIFY(open(page));
    auto *text = find<QWidget>(page, "text");
    QVERIFY(text);
    QAccessibleInterface *iface = accessible(text);
    QCOMPARE(iface->role(), QAccessible::StaticText);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    const QStringList read = iface->text(QAccessible::Description).split(QLatin1Char('\n'));
    QCOMPARE(read.size(), lines);
    QCOMPARE(read.first(), first);
    QCOMPARE(read.last(), last);
}

void TestAccessibility::figureAreasAtStart_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("figure");
    // A container is described by its topmost overlay not hidden, else by its own figure.
    const PageId c = PageId::CardiacFunctionCurves;
    const PageId v = PageId::VascularFunctionCurves;
    const PageId i = PageId::Interactions;
    QTest::addRow("cfc1 under visible cfc2") << c << "cfc1" << "cfc2";
    QTest::addRow("cfc2") << c << "cfc2" << "cfc2";
    QTest::addRow("vfc1, vfc4 hidden") << v << "vfc1" << "vfc1";
    QTest::addRow("vfc4") << v << "vfc4" << "vfc4";
    QTest::addRow("vfc2 hidden, vfc3 hidden") << v << "vfc2" << "vfc2";
    QTest::addRow("vfc3") << v << "vfc3" << "vfc3";
    QTest::addRow("master, all overlays visible") << i << "master" << "mainfactors";
    for (const char *overlay :
         {"mainfactors", "failure", "orthostatic", "bloodloss", "contractility", "volume", "tpr"})
        QTest::addRow("%s", overlay) << i << overlay << overlay;
    QTest::addRow("test1") << PageId::Test << "test1" << "test1";
}

void TestAccessibility::figureAreasAtStart()
{
    QFETCH(PageId, page);
    QFETCH(QString, area);
    QFETCH(QString, figure);
    QVERIFY(open(page));
    auto *widget = find<PictureArea>(page, qPrintable(area));
    QVERIFY(widget);
    QAccessibleInterface *iface = accessible(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Graphic);
    QCOMPARE(iface->text(QAccessible::Description), figureDescription(qPrintable(figure)));
    QCOMPARE(iface->text(QAccessible::Name), nameOf(find<PictureArea>(page, qPrintable(figure))));
}

void TestAccessibility::everyFigureHasItsOwnName()
{
    // Names in words, one for each figure: none falls back to the figure's short name.
    QSet<QString> names;
    const QStringList figures = figureNames();
    for (const QString &name : figures) {
        PictureArea area;
        area.setFigure(findFigure(name));
        const QString spoken = nameOf(&area);
        QVERIFY2(!spoken.isEmpty() && spoken != name, qPrintable(name));
        QVERIFY2(spoken.contains(QLatin1Char(' ')), qPrintable(spoken));
        QCOMPARE(descriptionOf(&area), findFigure(name)->description);
        QVERIFY2(!findFigure(name)->description.isEmpty(), qPrintable(name));
        names << spoken;
    }
    QCOMPARE(names.size(), figures.size());
    QCOMPARE(figures.size(), 14);
}

void TestAccessibility::descriptionFollowsOverlay_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("figure");
    const PageId c = PageId::CardiacFunctionCurves;
    const PageId v = PageId::VascularFunctionCurves;
    const PageId i = PageId::Interactions;
    QTest::addRow("cardiac basic curve") << c << QList<int>{2} << "cfc1" << "cfc1";
    QTest::addRow("cardiac contractility again") << c << QList<int>{2, 4} << "cfc1" << "cfc2";
    QTest::addRow("cardiac spacer keeps") << c << QList<int>{2, 3} << "cfc1" << "cfc1";
    QTest::addRow("vascular relationships") << v << QList<int>{6} << "vfc1" << "vfc4";
    QTest::addRow("vascular back to vfc1") << v << QList<int>{6, 2} << "vfc1" << "vfc1";
    QTest::addRow("vascular region 2 upper") << v << QList<int>{4} << "vfc2" << "vfc3";
    QTest::addRow("vascular region 1 lower") << v << QList<int>{4, 3} << "vfc2" << "vfc2";
    QTest::addRow("interactions blood loss") << i << QList<int>{5} << "master" << "bloodloss";
    QTest::addRow("interactions TPR") << i << QList<int>{5, 2} << "master" << "tpr";
    QTest::addRow("interactions heading") << i << QList<int>{7, 0} << "master" << "mainfactors";
    QTest::addRow("interactions failure") << i << QList<int>{3, 7} << "master" << "failure";
}

void TestAccessibility::descriptionFollowsOverlay()
{
    QFETCH(PageId, page);
    QFETCH(QList<int>, rows);
    QFETCH(QString, area);
    QFETCH(QString, figure);
    QVERIFY(open(page));
    auto *list = find<QListWidget>(page, "basicList1");
    auto *widget = find<PictureArea>(page, qPrintable(area));
    QVERIFY(list && widget);
    for (int row : rows)
        QVERIFY(clickRow(list, row));
    QCOMPARE(widget->figureOnView(), findFigure(figure));
    QCOMPARE(descriptionOf(widget), figureDescription(qPrintable(figure)));
    QCOMPARE(nameOf(widget), nameOf(find<PictureArea>(page, qPrintable(figure))));
}

void TestAccessibility::descriptionFollowsArrowKeys()
{
    // Down from the heading to " Heart Failure" applies every row on the way; the
    // frame's description follows each overlay in turn.
    QVERIFY(open(PageId::Interactions));
    auto *list = find<QListWidget>(PageId::Interactions, "basicList1");
    auto *master = find<PictureArea>(PageId::Interactions, "master");
    QVERIFY(list && master);
    list->setFocus();
    const char *expected[] = {"mainfactors", "mainfactors", "tpr", "volume",
                              "contractility", "bloodloss", "orthostatic", "failure"};
    for (const char *figure : expected) {
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(descriptionOf(master), figureDescription(figure));
    }
    QCOMPARE(list->currentRow(), 7);
}

void TestAccessibility::verdictIsAStatusNamedByItsText()
{
    QVERIFY(open(PageId::Test));
    auto *verdict = find<QLabel>(PageId::Test, "Label1");
    auto *start = find<QPushButton>(PageId::Test, "cmdStart");
    auto *next = find<QPushButton>(PageId::Test, "cmdNext");
    auto *list = find<QListWidget>(PageId::Test, "List2");
    QVERIFY(verdict && start && next && list);
    QAccessibleInterface *iface = accessible(verdict);
    QCOMPARE(iface->role(), QAccessible::StatusBar);
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    QCOMPARE(iface->text(QAccessible::Name), QString());

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(clickRow(list, kQuestions[0].keyLine));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("CORRECT!"));
    QVERIFY(clickRow(list, 0));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("TRY AGAIN"));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral(" "));
    // Question 12's verdict keeps its trailing blank for the reader too.
    for (int k = 2; k < 12; ++k)
        QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(clickRow(list, kQuestions[11].keyLine));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("CORRECT! "));
}

void TestAccessibility::testPageFocusOrder_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<QStringList>("order");
    // List2 is hidden until Start, and a hidden control takes no focus.
    QTest::addRow("before Start") << false
                                  << captions({"cmdReset", "cmdStart", "Text", "test1",
                                               "cmdNext"});
    QTest::addRow("after Start") << true
                                 << captions({"cmdReset", "cmdStart", "List2", "Text", "test1",
                                              "cmdNext"});
}

void TestAccessibility::testPageFocusOrder()
{
    QFETCH(bool, started);
    QFETCH(QStringList, order);
    QVERIFY(open(PageId::Test));
    QTRY_COMPARE(focusName(), QStringLiteral("cmdNext"));
    if (started) {
        QTest::keyClick(focus(), Qt::Key_Tab);
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdStart"));
        QTest::keyClick(focus(), Qt::Key_Space);
        QVERIFY(find<QWidget>(PageId::Test, "List2")->isVisible());
        while (focusName() != QLatin1String("cmdNext"))
            QTest::keyClick(focus(), Qt::Key_Tab);
    }
    QStringList forward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(focus(), Qt::Key_Tab);
        forward << focusName();
    }
    QCOMPARE(forward, order);
    // Shift+Tab walks the same ring backwards.
    QStringList backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(focusName());
    }
    backward.append(backward.takeFirst());
    QCOMPARE(backward, order);
}

void TestAccessibility::testButtonsPressedByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addRow("Space") << int(Qt::Key_Space);
    QTest::addRow("Return") << int(Qt::Key_Return);
    QTest::addRow("Enter") << int(Qt::Key_Enter);
}

void TestAccessibility::testButtonsPressedByKey()
{
    QFETCH(int, key);
    QVERIFY(open(PageId::Test));
    auto &test = static_cast<Test &>(m_program->page(PageId::Test));
    auto *start = find<QPushButton>(PageId::Test, "cmdStart");
    auto *next = find<QPushButton>(PageId::Test, "cmdNext");
    auto *reset = find<QPushButton>(PageId::Test, "cmdReset");
    auto *list = find<QListWidget>(PageId::Test, "List2");
    QVERIFY(start && next && reset && list);
    const auto press = [&](QPushButton *button) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
    };
    press(start);
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(0)->text(), QLatin1String(kQuestions[0].lines[0]));
    press(next);
    QCOMPARE(test.slotCounter(), 6);
    QCOMPARE(list->item(0)->text(), QLatin1String(kQuestions[1].lines[0]));
    press(next);
    QCOMPARE(test.slotCounter(), 12);
    press(reset);
    QCOMPARE(test.slotCounter(), 0);
    QCOMPARE(list->count(), 0);
}

void TestAccessibility::testPageByKeyboard()
{
    // Start, answer question 1 wrongly then rightly, move on: all from the keyboard.
    QVERIFY(open(PageId::Test));
    auto *verdict = find<QLabel>(PageId::Test, "Label1");
    auto *text = find<QPlainTextEdit>(PageId::Test, "Text");
    auto *list = find<QListWidget>(PageId::Test, "List2");
    QTRY_COMPARE(focusName(), QStringLiteral("cmdNext"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClick(focus(), Qt::Key_Return);  // Start Questions
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("List2"));
    QTest::keyClick(focus(), Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(verdict->text(), QStringLiteral("TRY AGAIN"));
    for (int line = 1; line <= kQuestions[0].keyLine; ++line)
        QTest::keyClick(focus(), Qt::Key_Down);
    QCOMPARE(verdict->text(), QStringLiteral("CORRECT!"));
    QCOMPARE(text->toPlainText(), QLatin1String(kQuestions[0].explanation));
    // Back to Next Question (three controls back) and press it.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("cmdNext"));
    QTest::keyClick(focus(), Qt::Key_Space);
    QCOMPARE(list->item(0)->text(), QLatin1String(kQuestions[1].lines[0]));
    QCOMPARE(verdict->text(), QStringLiteral(" "));
    QCOMPARE(text->toPlainText(), QString());
}

void TestAccessibility::conceptPageByKeyboard_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("topic");  // the first topic row
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << 2;
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << 2;
    QTest::addRow("interactions") << PageId::Interactions << 2;
}

void TestAccessibility::conceptPageByKeyboard()
{
    QFETCH(PageId, page);
    QFETCH(int, topic);
    QVERIFY(open(page));
    auto *list = find<QListWidget>(page, "basicList1");
    auto *box = find<QPlainTextEdit>(page, "BasicAnswers1");
    QVERIFY(list && box);
    QTRY_COMPARE(focus(), list);
    // Tab passes over the hidden answer box to the figures.
    QTest::keyClick(focus(), Qt::Key_Tab);
    QVERIFY(qobject_cast<PictureArea *>(focus()));
    list->setFocus();
    for (int row = 0; row <= topic; ++row)
        QTest::keyClick(focus(), Qt::Key_Down);
    QCOMPARE(list->currentRow(), topic);
    QVERIFY(box->isVisible());
    QVERIFY(!box->toPlainText().isEmpty());
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), box);
    QTest::keyClick(focus(), Qt::Key_Tab);
    QVERIFY(qobject_cast<PictureArea *>(focus()));
    list->setFocus();
    QTest::keyClick(focus(), Qt::Key_Up);
    QCOMPARE(list->currentRow(), topic - 1);
    // A spacer or heading row leaves the answer on view.
    QVERIFY(box->isVisible());
}

void TestAccessibility::answerBoxDismissedByKey_data()
{
    testButtonsPressedByKey_data();
}

void TestAccessibility::answerBoxDismissedByKey()
{
    // The keys that press a button stand for the click that hides the answer box; the
    // list keeps its row, the box its text, and the focus goes back to the list.
    QFETCH(int, key);
    const PageId page = PageId::CardiacFunctionCurves;
    QVERIFY(open(page));
    auto *list = find<QListWidget>(page, "basicList1");
    auto *box = find<QPlainTextEdit>(page, "BasicAnswers1");
    QVERIFY(clickRow(list, 4));
    QVERIFY(box->isVisible());
    const QString answer = box->toPlainText();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);  // moving about inside changes nothing
    QVERIFY(box->isVisible());
    QTest::keyClick(box, Qt::Key(key));
    QVERIFY(!box->isVisible());
    QCOMPARE(box->toPlainText(), answer);
    QCOMPARE(list->currentRow(), 4);
    QCOMPARE(focus(), list);
}

void TestAccessibility::referencePagesClosedByKey_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QKeySequence>("key");
    const QKeySequence close(QKeySequence::Close);
    for (PageId id : {PageId::Glossary, PageId::Instructions}) {
        const char *tag = id == PageId::Glossary ? "glossary" : "instructions";
        QTest::addRow("%s Escape", tag) << id << QKeySequence(Qt::Key_Escape);
        if (!close.isEmpty())
            QTest::addRow("%s %s", tag, qPrintable(close.toString())) << id << close;
    }
}

void TestAccessibility::referencePagesClosedByKey()
{
    QFETCH(PageId, page);
    QFETCH(QKeySequence, key);
    QWidget *window = open(page);
    QVERIFY(window);
    QTest::keySequence(window, key);
    processDeferredDeletes();
    QVERIFY(!m_program->page(page).isLoaded());
    // The welcome page stays, and the page opens again as after its close box.
    QVERIFY(windowOf(*m_program, PageId::Introduction)->isVisible());
    QVERIFY(open(page));
}

void TestAccessibility::menuBarByKeyboard_data()
{
    QTest::addColumn<PageId>("from");
    QTest::addColumn<int>("rights");
    QTest::addColumn<PageId>("to");
    QTest::addRow("welcome to instructions") << PageId::Introduction << 0 << PageId::Instructions;
    QTest::addRow("welcome to glossary") << PageId::Introduction << 4 << PageId::Glossary;
    QTest::addRow("welcome to test") << PageId::Introduction << 5 << PageId::Test;
    QTest::addRow("cardiac to vascular") << PageId::CardiacFunctionCurves << 2
                                         << PageId::VascularFunctionCurves;
    QTest::addRow("vascular to interactions") << PageId::VascularFunctionCurves << 3
                                              << PageId::Interactions;
    QTest::addRow("interactions to cardiac") << PageId::Interactions << 1
                                             << PageId::CardiacFunctionCurves;
    QTest::addRow("test to glossary") << PageId::Test << 4 << PageId::Glossary;
    // Right from the last entry comes round to the first.
    QTest::addRow("test round to instructions") << PageId::Test << 7 << PageId::Instructions;
}

void TestAccessibility::menuBarByKeyboard()
{
    QFETCH(PageId, from);
    QFETCH(int, rights);
    QFETCH(PageId, to);
    QWidget *window = open(from);
    auto *bar = window->findChild<QMenuBar *>();
    QVERIFY(bar);
    QVERIFY(!bar->activeAction());
    QTest::keyClick(focus() ? focus() : window, Qt::Key_F10);
    QCOMPARE(bar->activeAction(), bar->actions().first());
    for (int i = 0; i < rights; ++i)
        QTest::keyClick(focus(), Qt::Key_Right);
    QCOMPARE(bar->activeAction(), bar->actions()[rights % 7]);
    QTest::keyClick(focus(), Qt::Key_Return);
    QWidget *opened = windowOf(*m_program, to);
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), opened);
    QVERIFY(!bar->activeAction());
}

void TestAccessibility::escapeLeavesTheMenuBar()
{
    // Escape leaves the bar without choosing anything and gives the focus back.
    QVERIFY(open(PageId::CardiacFunctionCurves));
    QWidget *window = windowOf(*m_program, PageId::CardiacFunctionCurves);
    auto *bar = window->findChild<QMenuBar *>();
    auto *list = find<QListWidget>(PageId::CardiacFunctionCurves, "basicList1");
    QTRY_COMPARE(focus(), list);
    QTest::keyClick(list, Qt::Key_F10);
    QCOMPARE(focus(), bar);
    QTest::keyClick(focus(), Qt::Key_Right);
    QTest::keyClick(focus(), Qt::Key_Escape);
    QVERIFY(!bar->activeAction());
    QCOMPARE(focus(), list);
    QCOMPARE(QApplication::activeWindow(), window);
    QVERIFY(!m_program->existingPage(PageId::VascularFunctionCurves));
}

void TestAccessibility::focusIsVisible_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QString>("control");
    QTest::addRow("concept list") << PageId::CardiacFunctionCurves << "basicList1";
    QTest::addRow("answer box") << PageId::CardiacFunctionCurves << "BasicAnswers1";
    QTest::addRow("test list") << PageId::Test << "List2";
    QTest::addRow("explanation box") << PageId::Test << "Text";
    QTest::addRow("test figure") << PageId::Test << "test1";
}

void TestAccessibility::focusIsVisible()
{
    // The control looks different with the focus than without it.
    QFETCH(PageId, page);
    QFETCH(QString, control);
    QVERIFY(open(page));
    if (page == PageId::Test)
        QTest::mouseClick(find<QPushButton>(page, "cmdStart"), Qt::LeftButton);
    else
        QVERIFY(clickRow(find<QListWidget>(page, "basicList1"), 2));
    auto *widget = find<QWidget>(page, qPrintable(control));
    QVERIFY(widget && widget->isVisible());
    widget->clearFocus();
    QVERIFY(!widget->hasFocus());
    const QImage without = widget->grab().toImage();
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    const QImage with = widget->grab().toImage();
    QVERIFY(without != with);
}

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

void TestAccessibility::buttonFocusMarkStandsOut_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("Start") << QStringLiteral("cmdStart");
    QTest::addRow("Next") << QStringLiteral("cmdNext");
    QTest::addRow("Reset") << QStringLiteral("cmdReset");
}

// What the focus adds to a button must stand out from its face by at least 3:1.
void TestAccessibility::buttonFocusMarkStandsOut()
{
    QFETCH(QString, button);
    QVERIFY(open(PageId::Test));
    auto *widget = find<QPushButton>(PageId::Test, qPrintable(button));
    QVERIFY(widget);
    const QColor face = widget->palette().color(QPalette::Button);
    widget->clearFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    const QImage with = widget->grab().toImage();
    int markPixels = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y))
                continue;
            ++markPixels;
            const QColor mark = with.pixelColor(x, y);
            QVERIFY2(contrast(mark, face) >= 3.0,
                     qPrintable(QStringLiteral("%1 at (%2, %3) on %4")
                                    .arg(mark.name()).arg(x).arg(y).arg(face.name())));
        }
    }
    QVERIFY(markPixels > 20);
}

void TestAccessibility::listFocusShowsOverSelectedFirstRow()
{
    // The selected heading row fills the top of the list; the focus mark is drawn over
    // it, so that at any scale the mark stays whole.
    QVERIFY(open(PageId::CardiacFunctionCurves));
    auto *list = find<QListWidget>(PageId::CardiacFunctionCurves, "basicList1");
    QVERIFY(clickRow(list, 0));
    list->setFocus();
    QVERIFY(list->hasFocus());
    const QImage image = list->viewport()->grab().toImage();
    const QColor mark = list->palette().color(QPalette::Text);
    const QColor highlight =
        image.pixelColor(image.width() - 5, list->visualItemRect(list->item(0)).center().y());
    QVERIFY(highlight != mark);
    int marked = 0;
    for (int x = 0; x < image.width(); ++x)
        marked += image.pixelColor(x, 0) == mark;
    QVERIFY2(marked > image.width() / 4, qPrintable(QString::number(marked)));
}

void TestAccessibility::buttonFocusVisibleWithoutTab()
{
    // The test page opens with the focus on Next Question, given by the program rather
    // than by Tab; its mark shows all the same.
    QVERIFY(open(PageId::Test));
    auto *next = find<QPushButton>(PageId::Test, "cmdNext");
    auto *reset = find<QWidget>(PageId::Test, "cmdReset");
    QVERIFY(next && reset);
    QTRY_VERIFY(next->hasFocus());
    const QImage with = next->grab().toImage();
    reset->setFocus();
    const QImage without = next->grab().toImage();
    QVERIFY(with != without);
}

void TestAccessibility::menuEntryMarkedByKeyboard()
{
    // After F10 the bar marks the entry that Enter would choose, and the mark moves
    // with the arrows.
    QWidget *window = open(PageId::Test);
    auto *bar = window->findChild<QMenuBar *>();
    QVERIFY(bar);
    const QImage before = bar->grab().toImage();
    QTest::keyClick(focus(), Qt::Key_F10);
    QCOMPARE(bar->activeAction(), bar->actions().first());
    const QImage first = bar->grab().toImage();
    QTest::keyClick(focus(), Qt::Key_Right);
    const QImage second = bar->grab().toImage();
    QVERIFY(first != before);
    QVERIFY(second != first);
    const QRect entry = bar->actionGeometry(bar->actions().first());
    QVERIFY(first.copy(entry) != before.copy(entry));
    QCOMPARE(second.copy(entry), before.copy(entry));
    QTest::keyClick(focus(), Qt::Key_Escape);
    QCOMPARE(bar->grab().toImage(), before);
}

void TestAccessibility::figuresByKeyboard_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<int>("topics");
    QTest::addRow("cardiac") << PageId::CardiacFunctionCurves << 7;
    QTest::addRow("vascular") << PageId::VascularFunctionCurves << 7;
    QTest::addRow("interactions") << PageId::Interactions << 8;
}

// After every topic, Tab reaches each figure on view after the list and the answer
// box, upper before lower, and each offers what the test figure offers.
void TestAccessibility::figuresByKeyboard()
{
    QFETCH(PageId, page);
    QFETCH(int, topics);
    QWidget *window = open(page);
    auto *list = find<QListWidget>(page, "basicList1");
    auto *box = find<QPlainTextEdit>(page, "BasicAnswers1");
    QVERIFY(window && list && box);
    for (int row = 0; row < topics; ++row) {
        QVERIFY(clickRow(list, row));
        list->setFocus();
        std::vector<QWidget *> expected{list};
        if (box->isVisible())
            expected.push_back(box);
        std::vector<PictureArea *> figures;
        for (PictureArea *area : window->findChildren<PictureArea *>())
            if (area->isVisible() && !qobject_cast<PictureArea *>(area->parentWidget()))
                figures.push_back(area);
        std::sort(figures.begin(), figures.end(),
                  [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        expected.insert(expected.end(), figures.begin(), figures.end());
        std::vector<QWidget *> ring;
        do {
            ring.push_back(focus());
            QTest::keyClick(focus(), Qt::Key_Tab);
        } while (focus() != list && ring.size() < 10);
        QCOMPARE(ring, expected);
        for (PictureArea *area : figures) {
            const QString at = QStringLiteral("row %1, %2").arg(row).arg(area->objectName());
            const Figure *figure = area->figureOnView();
            area->setFocus(Qt::TabFocusReason);
            QAccessibleInterface *iface = accessible(area);
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QCOMPARE(iface->text(QAccessible::Name), figureTitle(figure));
            QCOMPARE(iface->text(QAccessible::Description), figure->description);
            QVERIFY2(area->toolTip().contains(QLatin1String("Double-click"))
                         && area->toolTip().contains(QLatin1String("right-click"))
                         && !area->toolTip().contains(QLatin1Char('\n')), qPrintable(at));
            // The mark stands out against the figure's background and the page's white.
            const QImage with = window->grab(QRect(area->mapTo(window, QPoint()), area->size())).toImage();
            list->setFocus();
            const QImage without = window->grab(QRect(area->mapTo(window, QPoint()), area->size())).toImage();
            int mark = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y)) {
                        ++mark;
                        for (QColor around : {area->background(), QColor(Qt::white)})
                            QVERIFY2(contrast(with.pixelColor(x, y), around) >= 3.0, qPrintable(at));
                    }
            QVERIFY2(mark > 2 * (area->width() + area->height()), qPrintable(at));
            // Shift+F10 opens its menu; Enter its window.
            area->setFocus(Qt::TabFocusReason);
            QTest::keyClick(area, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
            QApplication::activePopupWidget()->close();
            QTest::keyClick(area, Qt::Key_Return);
            FigureWindow *opened = FigureWindow::existing(figure->name);
            QVERIFY2(opened, qPrintable(at));
            // There the figure is an image carrying the description.
            auto *image = opened->findChild<QWidget *>(QStringLiteral("figureImage"));
            QCOMPARE(accessible(image)->role(), QAccessible::Graphic);
            QCOMPARE(descriptionOf(image), figure->description);
            closeWindow(opened);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
