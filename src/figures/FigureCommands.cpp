#include "figures/FigureCommands.h"

#include "figures/Figure.h"
#include "figures/FigureWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace fc {

namespace {

// SVG first: it is what the dialog proposes.
constexpr ExportFormat kSaveFormats[] = {ExportFormat::Svg, ExportFormat::Pdf, ExportFormat::Png};

ExportFormat formatOfFilter(const QString &filter)
{
    for (ExportFormat format : kSaveFormats) {
        if (filter == fileFilterOf(format))
            return format;
    }
    return kSaveFormats[0];
}

QString defaultFolder()
{
    for (auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir(folder).exists())
            return folder;
    }
    return QDir::homePath();
}

void tell(QWidget *parent, const QString &title, const QString &what, const QString &why)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, what, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("figureError"));
    box->setInformativeText(why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace

void copyFigure(const Figure &figure)
{
    QGuiApplication::clipboard()->setMimeData(figureMimeData(figure));
}

void saveFigureAs(const Figure &figure, QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, QStringLiteral("Save Figure As"));
    dialog->setObjectName(QStringLiteral("saveFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (ExportFormat format : kSaveFormats)
        filters << fileFilterOf(format);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffixOf(kSaveFormats[0]));
    dialog->setDirectory(defaultFolder());
    dialog->selectFile(figure.name + QLatin1Char('.') + suffixOf(kSaveFormats[0]));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
        dialog->setDefaultSuffix(suffixOf(formatOfFilter(filter)));
    });
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [&figure, dialog, parent](QString path) {
        // The name's extension chooses the format; without a known one, the filter does.
        std::optional<ExportFormat> format = formatOfPath(path);
        if (!format) {
            format = formatOfFilter(dialog->selectedNameFilter());
            path += QLatin1Char('.') + suffixOf(*format);
        }
        saveFigureTelling(figure, path, *format, parent);
    });
    dialog->open();
}

bool saveFigureTelling(const Figure &figure, const QString &path, ExportFormat format,
                       QWidget *parent)
{
    SaveFile file(path);
    return saveFigureTelling(figure, file, path, format, parent);
}

bool saveFigureTelling(const Figure &figure, SaveFile &file, const QString &path,
                       ExportFormat format, QWidget *parent)
{
    const QString why = saveFigure(figure, file, format);
    if (why.isEmpty())
        return true;
    tell(parent, QStringLiteral("Save As"),
         QStringLiteral("The figure could not be saved as \"%1\".").arg(QDir::toNativeSeparators(path)),
         why);
    return false;
}

void printFigureAsking(const Figure &figure, QWidget *parent)
{
    // The printer lives as long as the dialog that sets it up.
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(figure.name);
    orientPrinter(figure, *printer);
    auto *dialog = new QPrintDialog(printer, parent);
    dialog->setObjectName(QStringLiteral("printFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(dialog, &QDialog::accepted, dialog, [&figure, printer, parent] {
        if (printFigure(figure, *printer))
            return;
        const QString where = printer->outputFileName().isEmpty()
                                  ? printer->printerName()
                                  : QDir::toNativeSeparators(printer->outputFileName());
        tell(parent, QStringLiteral("Print"), QStringLiteral("The figure could not be printed."),
             QStringLiteral("\"%1\" did not accept it.").arg(where));
    });
    dialog->open();
}

void previewFigure(const Figure &figure, QWidget *parent)
{
    auto *dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("previewFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    orientPrinter(figure, *dialog->printer());
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [&figure](QPrinter *printer) { printFigure(figure, *printer); });
    dialog->open();
}

void addFigureActions(QWidget *target, const Figure &figure, QWidget *parent, bool shortcuts)
{
    struct Command {
        const char *name;
        const char *text;
        QKeySequence::StandardKey key;
        void (*run)(const Figure &, QWidget *);
    };
    static const Command commands[] = {
        {"copy", "Copy", QKeySequence::Copy, [](const Figure &f, QWidget *) { copyFigure(f); }},
        {"saveAs", "Save As\u2026", QKeySequence::Save, saveFigureAs},
        {"print", "Print\u2026", QKeySequence::Print, printFigureAsking},
    };
    for (const Command &command : commands) {
        auto *action = new QAction(QString::fromUtf8(command.text), target);
        action->setObjectName(QLatin1String(command.name));
        if (shortcuts)
            action->setShortcuts(command.key);
        QObject::connect(action, &QAction::triggered, target,
                         [&figure, parent, run = command.run] { run(figure, parent); });
        target->addAction(action);
    }
}

void popUpAreaMenu(QWidget *area, const Figure &figure, const QPoint &globalPos)
{
    auto *menu = new QMenu(area);
    menu->setObjectName(QStringLiteral("figureMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addFigureActions(menu, figure, area->window(), false);
    QAction *open = menu->addAction(QStringLiteral("Open in Window"));
    open->setObjectName(QStringLiteral("openInWindow"));
    QObject::connect(open, &QAction::triggered, menu,
                     [&figure, area] { FigureWindow::open(figure, area); });
    if (auto *explore = area->window()->findChild<QAction *>(QStringLiteral("explore"))) {
        menu->addSeparator();
        menu->addAction(explore);
    }
    menu->popup(globalPos);
}

bool sendContextMenuKey(QWidget *widget, QKeyEvent *event)
{
    if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::ShiftModifier)
        return false;
    const QPoint centre = widget->rect().center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &menuEvent);
    return true;
}

QPoint menuPosition(QWidget *widget, QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        return widget->mapToGlobal(widget->rect().center());
    return event->globalPos();
}

}  // namespace fc
