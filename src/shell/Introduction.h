#pragma once

#include "shell/Page.h"

class QLabel;

namespace fc {

// The welcome page: the first window, shown once at start.
class Introduction : public Page {
    Q_OBJECT
public:
    explicit Introduction(Program &program);

protected:
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Load() override;

private:
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
};

}  // namespace fc
