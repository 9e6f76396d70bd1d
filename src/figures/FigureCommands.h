#pragma once

// What a user can do with a figure, from its context menu or a figure window: copy it,
// save it as SVG, PDF or PNG, print it. Dialogs open without blocking (QDialog::open),
// keep the figure they were opened on (Figure.h) and report through message boxes
// over `parent`.

#include "figures/Figure.h"
#include "figures/FigureExport.h"

#include <functional>

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QPoint;
class QWidget;

namespace fc {

// The figure on view when a command is chosen.
using FigureSource = std::function<SharedFigure()>;

void copyFigure(const Figure &figure);
// Asks for a file, proposing the figure's title as its name, in the Pictures (else
// Documents) folder or, once a figure has been saved, in the folder last saved to.
// PNG is saved at the copy's scale.
void saveFigureAs(SharedFigure figure, QWidget *parent);
// Saves, or tells in a message box what went wrong and where. Returns whether it saved.
bool saveFigureTelling(const Figure &figure, const QString &path, ExportFormat format,
                       QWidget *parent, double scale = 1.0);
// The same through `file`, which saves to `path`.
bool saveFigureTelling(const Figure &figure, SaveFile &file, const QString &path,
                       ExportFormat format, QWidget *parent, double scale = 1.0);
void printFigureAsking(SharedFigure figure, QWidget *parent);
void previewFigure(SharedFigure figure, QWidget *parent);

// The file name Save As proposes, without its extension: the figure's title with the
// characters file systems refuse left out.
QString proposedFileName(const Figure &figure);

// Adds "Copy", "Save As…", "Print…" on `figure` to `target` (a window, a widget or a
// menu), with the standard shortcuts when `shortcuts` is set; dialogs go over `parent`.
void addFigureActions(QWidget *target, const FigureSource &figure, QWidget *parent,
                      bool shortcuts);

// The context menu of every figure: its commands, dialogs over `owner`'s window. The
// caller adds its own entries and pops it up; it goes once closed.
QMenu *figureMenu(QWidget *owner, const FigureSource &figure);

// Shift+F10 asks `widget` for its context menu, as the Menu key does; returns whether
// `event` was that key.
bool sendContextMenuKey(QWidget *widget, QKeyEvent *event);
// Where a context menu opens: at the pointer, or mid-widget when asked from the keyboard.
QPoint menuPosition(QWidget *widget, QContextMenuEvent *event);

}  // namespace fc
