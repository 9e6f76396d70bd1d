#pragma once

// What a user can do with a figure, from a picture area's context menu or a figure
// window: copy it, save it as SVG, PDF or PNG, print it. Dialogs open without blocking
// (QDialog::open) and report through message boxes over `parent`.

#include "figures/FigureExport.h"

class QContextMenuEvent;
class QKeyEvent;
class QPoint;
class QWidget;

namespace fc {

struct Figure;

void copyFigure(const Figure &figure);
// Asks for a file, proposing "<figure name>.svg" in the Pictures (else Documents) folder.
void saveFigureAs(const Figure &figure, QWidget *parent);
// Saves, or tells in a message box what went wrong and where. Returns whether it saved.
bool saveFigureTelling(const Figure &figure, const QString &path, ExportFormat format,
                       QWidget *parent);
// The same through `file`, which saves to `path`.
bool saveFigureTelling(const Figure &figure, SaveFile &file, const QString &path,
                       ExportFormat format, QWidget *parent);
void printFigureAsking(const Figure &figure, QWidget *parent);
void previewFigure(const Figure &figure, QWidget *parent);

// Adds "Copy", "Save As…", "Print…" on `figure` to `target` (a window or a menu),
// with the standard shortcuts when `shortcuts` is set; dialogs go over `parent`.
void addFigureActions(QWidget *target, const Figure &figure, QWidget *parent, bool shortcuts);

// A page's picture area's context menu: the figure actions and "Open in Window", then
// the page window's "explore" action where it has one.
void popUpAreaMenu(QWidget *area, const Figure &figure, const QPoint &globalPos);

// Shift+F10 asks `widget` for its context menu, as the Menu key does; returns whether
// `event` was that key.
bool sendContextMenuKey(QWidget *widget, QKeyEvent *event);
// Where a context menu opens: at the pointer, or mid-widget when asked from the keyboard.
QPoint menuPosition(QWidget *widget, QContextMenuEvent *event);

}  // namespace fc
