#include "figures/FigureCommands.h"

#include "figures/Figure.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
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

// Where the last figure was saved in this run; empty before the first.
QString &lastSavedFolder()
{
    static QString folder;
    return folder;
}

QString proposedFolder()
{
    const QString &last = lastSavedFolder();
    return !last.isEmpty() && QDir(last).exists() ? last : defaultFolder();
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

void saveFigureAs(SharedFigure figure, QWidget *parent)
{
    auto *dialog = new QFileDialog(parent, QCoreApplication::translate("fc::FigureCommands", "Save Figure As"));
    dialog->setObjectName(QStringLiteral("saveFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (ExportFormat format : kSaveFormats)
        filters << fileFilterOf(format);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffixOf(kSaveFormats[0]));
    dialog->setDirectory(proposedFolder());
    dialog->selectFile(proposedFileName(*figure) + QLatin1Char('.') + suffixOf(kSaveFormats[0]));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
        dialog->setDefaultSuffix(suffixOf(formatOfFilter(filter)));
    });
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [figure, dialog, parent](QString path) {
        // The name's extension chooses the format; without a known one, the filter does.
        std::optional<ExportFormat> format = formatOfPath(path);
        if (!format) {
            format = formatOfFilter(dialog->selectedNameFilter());
            path += QLatin1Char('.') + suffixOf(*format);
        }
        const double scale = *format == ExportFormat::Png ? kBitmapScale : 1.0;
        if (saveFigureTelling(*figure, path, *format, parent, scale))
            lastSavedFolder() = QFileInfo(path).absolutePath();
    });
    dialog->open();
}

QString proposedFileName(const Figure &figure)
{
    QString name = figure.title.isEmpty() ? figure.name : figure.title;
    // Refused by one file system or another, or hard to type in a shell.
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    QString kept;
    for (QChar c : name) {
        if (c == QLatin1Char('/'))
            kept += QLatin1Char('-');  // l/min
        else if (c.isSpace())
            kept += QLatin1Char(' ');
        else if (!refused.contains(c) && c.isPrint())
            kept += c;
    }
    kept = kept.simplified();
    while (kept.endsWith(QLatin1Char('.')))
        kept.chop(1);
    return kept.isEmpty() ? figure.name : kept;
}

bool saveFigureTelling(const Figure &figure, const QString &path, ExportFormat format,
                       QWidget *parent, double scale)
{
    SaveFile file(path);
    return saveFigureTelling(figure, file, path, format, parent, scale);
}

bool saveFigureTelling(const Figure &figure, SaveFile &file, const QString &path,
                       ExportFormat format, QWidget *parent, double scale)
{
    const QString why = saveFigure(figure, file, format, scale);
    if (why.isEmpty())
        return true;
    tell(parent, QStringLiteral("Save As"),
         QStringLiteral("The figure could not be saved as \"%1\".").arg(QDir::toNativeSeparators(path)),
         why);
    return false;
}

void printFigureAsking(SharedFigure figure, QWidget *parent)
{
    // The printer lives as long as the dialog that sets it up.
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(figure->title.isEmpty() ? figure->name : figure->title);
    orientPrinter(*figure, *printer);
    auto *dialog = new QPrintDialog(printer, parent);
    dialog->setObjectName(QStringLiteral("printFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(dialog, &QDialog::accepted, dialog, [figure, printer, parent] {
        if (printFigure(*figure, *printer))
            return;
        const QString where = printer->outputFileName().isEmpty()
                                  ? printer->printerName()
                                  : QDir::toNativeSeparators(printer->outputFileName());
        tell(parent, QStringLiteral("Print"), QStringLiteral("The figure could not be printed."),
             QStringLiteral("\"%1\" did not accept it.").arg(where));
    });
    dialog->open();
}

void previewFigure(SharedFigure figure, QWidget *parent)
{
    auto *dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("previewFigureDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    orientPrinter(*figure, *dialog->printer());
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [figure](QPrinter *printer) { printFigure(*figure, *printer); });
    dialog->open();
}

void addFigureActions(QWidget *target, const FigureSource &figure, QWidget *parent,
                      bool shortcuts)
{
    struct Command {
        const char *name;
        const char *text;
        QKeySequence::StandardKey key;
        void (*run)(SharedFigure, QWidget *);
    };
    static const Command commands[] = {
        {"copy", QT_TRANSLATE_NOOP("fc::FigureCommands", "Copy"), QKeySequence::Copy,
         [](SharedFigure f, QWidget *) { copyFigure(*f); }},
        {"saveAs", QT_TRANSLATE_NOOP("fc::FigureCommands", "Save As\u2026"), QKeySequence::Save,
         saveFigureAs},
        {"print", QT_TRANSLATE_NOOP("fc::FigureCommands", "Print\u2026"), QKeySequence::Print,
         printFigureAsking},
    };
    for (const Command &command : commands) {
        auto *action = new QAction(QCoreApplication::translate("fc::FigureCommands", command.text),
                                   target);
        action->setObjectName(QLatin1String(command.name));
        if (shortcuts)
            action->setShortcuts(command.key);
        QObject::connect(action, &QAction::triggered, target, [figure, parent, run = command.run] {
            if (SharedFigure shown = figure())
                run(std::move(shown), parent);
        });
        target->addAction(action);
    }
}

QMenu *figureMenu(QWidget *owner, const FigureSource &figure)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("figureMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addFigureActions(menu, figure, owner->window(), false);
    return menu;
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
