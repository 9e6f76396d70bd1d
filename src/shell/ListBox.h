#pragma once

#include <QListWidget>

namespace fc {

// A single-selection list that reports each change of its selected row made by the
// user (mouse or keyboard). Filling or emptying it from code raises nothing. Its frame
// shows the keyboard focus.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    // The selected row, or -1.
    int selectedRow() const;

    void clearRows();
    void appendRow(const QString &text);

signals:
    void selectionEvent();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    bool m_quiet = false;
};

}  // namespace fc
