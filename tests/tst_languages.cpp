// The program in German and Spanish: every message of the catalogues is translated and
// loaded, every page shows its translation and every text fits its place at 100%, 150%
// and 200%, figure labels stay where the English ones are, and exports carry the
// language. The language is chosen from the command line or the desktop.

#include "TestSupport.h"

#include "concepts/CardiacFunctionCurves.h"
#include "concepts/Interactions.h"
#include "concepts/VascularFunctionCurves.h"
#include "explorer/Explorer.h"
#include "explorer/Scenarios.h"
#include "figures/FigureCatalogue.h"
#include "figures/FigureExport.h"
#include "figures/LabelFit.h"
#include "practice/QuestionBank.h"
#include "reference/DrawnText.h"
#include "shell/Language.h"
#include "shell/TextBox.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QXmlStreamReader>
#include <QtTest>

using namespace fc;
using namespace fc::testing;

Q_DECLARE_METATYPE(fc::PageId)

namespace {

constexpr int kPercents[] = {100, 150, 200};

bool zoomTo(Program &program, QWidget *window, int percent)
{
    for (int guard = 0; program.zoom().percent() != percent && guard < 20; ++guard)
        QTest::keyClick(window, program.zoom().percent() < percent ? Qt::Key_Plus : Qt::Key_Minus,
                        Qt::ControlModifier);
    return program.zoom().percent() == percent;
}

// The text of every label and button on the window lies inside the control (with
// `heights` false only across: a window taller than the screen squeezes every language).
bool controlTextsFit(QWidget *window, bool heights = true)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QString text;
        int flags = 0;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)
                    | (label->buddy() ? Qt::TextShowMnemonic : 0);
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        }
        if (text.isEmpty() || !w->isVisible())
            continue;
        const QRect room = w->contentsRect();
        const QRect needed = w->fontMetrics().boundingRect(room, flags, text);
        if (needed.width() > room.width() || (heights && needed.height() > room.height())) {
            qWarning("%s: \"%s\" needs %dx%d, has %dx%d", qPrintable(w->objectName()),
                     qPrintable(text), needed.width(), needed.height(), room.width(),
                     room.height());
            return false;
        }
    }
    return true;
}

// Every row of the list is as wide as its viewport at most, and no row is out of view.
bool rowsFit(QListWidget *list, bool heights = true)
{
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        if (list->fontMetrics().horizontalAdvance(text) > list->viewport()->width()) {
            qWarning("row \"%s\" is wider than the list", qPrintable(text));
            return false;
        }
    }
    return !heights || list->verticalScrollBar()->maximum() == 0;
}

bool boxFits(TextBox *box)
{
    if (box->textHeight() > box->viewport()->height()) {
        qWarning("text needs %g pixels, the box shows %d", box->textHeight(),
                 box->viewport()->height());
        return false;
    }
    return true;
}

const ConceptPageTable *tableOf(PageId id)
{
    switch (id) {
    case PageId::CardiacFunctionCurves:
        return &cardiacPageTable();
    case PageId::VascularFunctionCurves:
        return &vascularPageTable();
    case PageId::Interactions:
        return &interactionsPageTable();
    default:
        return nullptr;
    }
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(availableLanguages().contains(QStringLiteral("de")));
        QVERIFY(availableLanguages().contains(QStringLiteral("es")));
    }
    void cleanup() { setLanguage(QStringLiteral("en")); }

    void everyMessageTranslated_data();
    void everyMessageTranslated();
    void pagesReadAndFit_data();
    void pagesReadAndFit();
    void figureLabelsKeepTheirPlace_data();
    void figureLabelsKeepTheirPlace();
    void languageChosen_data();
    void languageChosen();

private:
    std::unique_ptr<Program> m_program;
};

void TestLanguages::everyMessageTranslated_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : availableLanguages())
        QTest::addRow("%s", qPrintable(code)) << code;
}

// No message of the catalogue is unfinished, and the program has each one built in.
void TestLanguages::everyMessageTranslated()
{
    QFETCH(QString, code);
    QVERIFY(setLanguage(code));
    QFile ts(QStringLiteral(TRANSLATIONS_DIR "/function-curves_%1.ts").arg(code));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString context, source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) != QString();
            // A count's message holds a form per count, the first one shown for 1.
            const int n = source.contains(QLatin1String("%n")) ? 1 : -1;
            QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (n > 0)
                translation = translation.trimmed().section(QLatin1Char('\n'), 0, 0).replace(QLatin1String("%n"), QLatin1String("1"));
            QVERIFY2(!unfinished && !translation.isEmpty(), qPrintable(context + ": " + source));
            QCOMPARE(QCoreApplication::translate(context.toUtf8(), source.toUtf8(), nullptr, n), translation);
            ++messages;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 300);
}

void TestLanguages::pagesReadAndFit_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<PageId>("id");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("explorer");  // opened at its first size from the page
    const std::pair<PageId, const char *> pages[] = {
        {PageId::Introduction, "welcome"},
        {PageId::CardiacFunctionCurves, "cardiac"},
        {PageId::VascularFunctionCurves, "vascular"},
        {PageId::Interactions, "interactions"},
        {PageId::Test, "test"},
        {PageId::Glossary, "glossary"},
        {PageId::Instructions, "instructions"},
    };
    for (const QString &code : availableLanguages()) {
        for (const auto &[id, name] : pages) {
            for (int percent : kPercents)
                QTest::addRow("%s %s %d%%", qPrintable(code), name, percent)
                    << code << id << percent << false;
        }
        for (int percent : {100, 200})
            QTest::addRow("%s explorer %d%%", qPrintable(code), percent)
                << code << PageId::Interactions << percent << true;
    }
}

// The page reads in the language, and every control's text, list row, answer and
// explanation fits its place, through every topic and question.
void TestLanguages::pagesReadAndFit()
{
    QFETCH(QString, code);
    QFETCH(PageId, id);
    QFETCH(int, percent);
    QFETCH(bool, explorer);
    QVERIFY(setLanguage(code));
    m_program = startedProgram();
    const auto end = qScopeGuard([this] { endProgram(m_program); });
    QWidget *window = showActive(*m_program, id);
    QVERIFY(window);
    if (explorer) {
        QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        window = m_program->explorer();
        QVERIFY(window && QTest::qWaitForWindowActive(window));
    }
    QVERIFY(zoomTo(*m_program, window, percent));
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // The menu bar shows every entry in full.
    if (auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *entry : bar->actions())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(entry)), qPrintable(entry->text()));
    }
    // The explorer at 200% is taller than the screen.
    const bool heights = !(explorer && percent > 150);
    QVERIFY(controlTextsFit(window, heights));

    if (explorer) {
        auto *list = window->findChild<QListWidget *>("scenarios");
        auto *caption = window->findChild<QLabel *>("scenarioCaption");
        QVERIFY(rowsFit(list, heights));
        for (int row = 0; row < list->count(); ++row) {
            const Scenario &scenario = scenarios()[std::size_t(row)];
            QVERIFY(clickRow(list, row));
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCOMPARE(caption->text(), QCoreApplication::translate("fc::Scenario", scenario.caption));
            QVERIFY(caption->text() != QLatin1String(scenario.caption));
            QVERIFY2(controlTextsFit(window, heights), scenario.name);
        }
        // A round of predict first, its verdicts in the language.
        QTest::mouseClick(window->findChild<QPushButton *>("predict"), Qt::LeftButton);
        QVERIFY(clickRow(list, 0));
        for (const char *choice : {"cvpUp", "coSame", "msfpDown"}) {
            auto *radio = window->findChild<QRadioButton *>(choice);
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(radio->height(), radio->height()) / 2);
        }
        QTest::mouseClick(window->findChild<QPushButton *>("reveal"), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QString verdict = window->findChild<QLabel *>("coVerdict")->text();
        QVERIFY2(!verdict.isEmpty() && !verdict.contains(QLatin1String("correct."), Qt::CaseInsensitive), qPrintable(verdict));
        QVERIFY(controlTextsFit(window, heights));

    } else if (const ConceptPageTable *table = tableOf(id)) {
        auto *list = control<QListWidget>(*m_program, id, "basicList1");
        QVERIFY(rowsFit(list));
        auto *box = control<TextBox>(*m_program, id, "BasicAnswers1");
        for (std::size_t row = 0; row < table->topics.size(); ++row) {
            const TopicRow &topic = table->topics[row];
            if (!topic.answer)
                continue;
            QVERIFY(clickRow(list, int(row)));
            QCOMPARE(box->toPlainText(), QCoreApplication::translate("ConceptPage", topic.answer));
            QVERIFY(box->toPlainText() != QLatin1String(topic.answer));
            QVERIFY2(boxFits(box), topic.text);
        }
    } else if (id == PageId::Test) {
        auto *list = control<QListWidget>(*m_program, id, "List2");
        auto *text = control<TextBox>(*m_program, id, "Text");
        QTest::mouseClick(control<QAbstractButton>(*m_program, id, "cmdStart"), Qt::LeftButton);
        for (const Question &question : kQuestions) {
            QCOMPARE(list->item(0)->text(), QCoreApplication::translate("Test", question.lines[0]));
            QVERIFY2(rowsFit(list), question.lines[0]);
            // A wrong answer's verdict first, then the right one's.
            QVERIFY(clickRow(list, question.keyLine % 5 + 1));
            QVERIFY2(controlTextsFit(window), question.lines[0]);
            QVERIFY(clickRow(list, question.keyLine));
            QCOMPARE(text->toPlainText(),
                     QCoreApplication::translate("Test", question.explanation));
            QVERIFY2(boxFits(text), question.lines[0]);
            QVERIFY2(controlTextsFit(window), question.lines[0]);
            QTest::mouseClick(control<QAbstractButton>(*m_program, id, "cmdNext"), Qt::LeftButton);
        }
    } else if (auto *drawn = window->findChild<DrawnText *>()) {
        const double drawnWidth = drawn->sizeHint().width() * drawn->drawnScale();
        QVERIFY(drawnWidth <= drawn->width() + 1);
    }
}

void TestLanguages::figureLabelsKeepTheirPlace_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    for (const QString &code : availableLanguages()) {
        for (const QString &name : figureNames())
            QTest::addRow("%s %s", qPrintable(code), qPrintable(name)) << code << name;
    }
}

// Each translated label lies inside the canvas and runs into nothing its English text
// does not touch; the figure's title and the exported SVG are in the language.
void TestLanguages::figureLabelsKeepTheirPlace()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    const Figure &english = *findFigure(name);
    QVERIFY(setLanguage(code));
    const Figure &translated = *findFigure(name);
    QCOMPARE(translated.elements.size(), english.elements.size());
    QVERIFY(translated.title != english.title);
    int labels = 0;
    for (std::size_t i = 0; i < english.elements.size(); ++i) {
        const auto *before = std::get_if<TextElement>(&english.elements[i]);
        const auto *after = std::get_if<TextElement>(&translated.elements[i]);
        QCOMPARE(bool(after), bool(before));
        if (!after || after->text == before->text)
            continue;
        ++labels;
        QCOMPARE(after->baseline, before->baseline);
        const QPainterPath place = textOutline(*after);
        const QPainterPath englishPlace = textOutline(*before);
        QVERIFY2(english.canvas.united(englishPlace.boundingRect()).contains(place.boundingRect()),
                 qPrintable(after->text));
        for (std::size_t j = 0; j < english.elements.size(); ++j) {
            if (j == i)
                continue;
            const QPainterPath other = coveredBy(translated.elements[j]);
            if (!coveredBy(english.elements[j]).intersects(englishPlace))
                QVERIFY2(!other.intersects(place), qPrintable(after->text));
        }
    }
    QVERIFY(labels > 0);
    const QByteArray svg = figureData(translated, ExportFormat::Svg);
    QVERIFY(svg.contains(QCoreApplication::translate("Figure", "CVP").toUtf8()));
}

void TestLanguages::languageChosen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    const QStringList none;
    const auto asked = [](const char *code) {
        return QStringList{QStringLiteral("prog"), QStringLiteral("--language"),
                           QString::fromLatin1(code)};
    };
    QTest::addRow("desktop German") << none << QStringList{"de-AT", "de"} << "de";
    QTest::addRow("first spoken of the desktop's")
        << none << QStringList{"fr", "es-MX", "de"} << "es";
    QTest::addRow("English preferred") << none << QStringList{"en-GB", "de"} << "en";
    QTest::addRow("none spoken") << none << QStringList{"fr", "it"} << "en";
    QTest::addRow("command line") << asked("de") << QStringList{"es"} << "de";
    QTest::addRow("English forced") << asked("en") << QStringList{"de"} << "en";
}

void TestLanguages::languageChosen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(chooseLanguage(arguments, desktop), chosen);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
