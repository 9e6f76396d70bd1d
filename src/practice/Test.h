#pragma once

#include "shell/Page.h"
#include "practice/TestLines.h"

class QLabel;

namespace fc {

class ListBox;
class PictureArea;
class StatusLabel;
class TextBox;
class WrappingButton;

// The practice test: twenty questions on the test figure, stepped through with Next,
// each selection judged against the answer key.
class Test : public Page {
    Q_OBJECT
public:
    explicit Test(Program &program);

    // Page-level: kept while the window is closed and reopened.
    qint16 slotCounter() const { return m_slotCounter; }

    // Readies, out of sight, the fonts and the figure the page will show first.
    static void prepare();

    void cmdStart_Click();
    void cmdNext_Click();
    void cmdReset_Click();
    void List2_Click();

protected:
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Load() override;

private:
    TestLineTable m_testLines;
    qint16 m_slotCounter = 0;

    PictureArea *m_test1 = nullptr;
    StatusLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    TextBox *m_text = nullptr;
    ListBox *m_list2 = nullptr;
    WrappingButton *m_cmdStart = nullptr;
    WrappingButton *m_cmdNext = nullptr;
    WrappingButton *m_cmdReset = nullptr;
};

}  // namespace fc
