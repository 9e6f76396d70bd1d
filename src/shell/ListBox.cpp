#include "shell/ListBox.h"

#include <QKeyEvent>

namespace fc {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_quiet && selectedRow() >= 0)
            emit selectionEvent();
    });
}

int ListBox::selectedRow() const
{
    const QList<QListWidgetItem *> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.first());
}

void ListBox::clearRows()
{
    m_quiet = true;
    clear();
    m_quiet = false;
}

void ListBox::appendRow(const QString &text)
{
    m_quiet = true;
    addItem(text);
    m_quiet = false;
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Focus makes the first row current without selecting it; the first Down arrow
    // should then select that row rather than skip to the second.
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier
        && selectedRow() < 0 && count() > 0) {
        setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QListWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                               const QEvent *event) const
{
    // Once a row is chosen one stays chosen: a click below the last row or a Ctrl-click
    // on the chosen row would otherwise leave none selected, with no selection event.
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || (flags & QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

}  // namespace fc
