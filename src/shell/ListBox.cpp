#include "shell/ListBox.h"

#include "shell/PageStyle.h"

#include <QCoreApplication>
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
    // A screen reader says nothing for an empty or all-blank row; name it instead.
    if (text.trimmed().isEmpty())
        item(count() - 1)
            ->setData(Qt::AccessibleTextRole, QCoreApplication::translate("ListBox", "blank"));
    m_quiet = false;
}

bool ListBox::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        viewport()->update();
    return handled;
}

void ListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    // Drawn over the rows, so that a selected first or last row cannot hide it.
    if (hasFocus())
        paintFocusFrame(viewport(), palette().color(QPalette::Text));
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Focus makes the first row current without selecting it; the first Down arrow
    // should then select that row rather than skip to the second.
    if (event->modifiers() == Qt::NoModifier && selectedRow() < 0) {
        if (event->key() == Qt::Key_Down && count() > 0) {
            setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
            return;
        }
        // There is nothing above "no row": Up would otherwise select the current first row.
        if (event->key() == Qt::Key_Up)
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

#include "moc_ListBox.cpp"
