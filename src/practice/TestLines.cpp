#include "practice/TestLines.h"

#include <QCoreApplication>

namespace fc {

void fillTestLines(TestLineTable &lines)
{
    lines.fill(QString());
    // Question 1 is not in the table: Start writes it into the list itself.
    int slot = 1;
    for (int q = 1; q < kQuestionCount; ++q) {
        for (const char *line : kQuestions[std::size_t(q)].lines)
            lines[std::size_t(slot++)] = QCoreApplication::translate("Test", line);
    }
    lines[115] = QCoreApplication::translate("Test", kClosingLine);
    for (int s = 116; s <= 120; ++s)
        lines[std::size_t(s)] = QStringLiteral(" ");
    static const char *const placeholders[] = {"22. ", "23. ", "24. ", "25. "};
    slot = 121;
    for (const char *number : placeholders) {
        lines[std::size_t(slot++)] = QString::fromLatin1(number);
        for (const char *option : {"a. ", "b. ", "c. ", "d. ", "e. "})
            lines[std::size_t(slot++)] = QString::fromLatin1(option);
    }
}

const Question *questionOnView(qint16 slotCounter)
{
    // Question k is on view at 6 (k - 1).
    if (slotCounter < 0 || slotCounter % 6 != 0 || slotCounter / 6 >= kQuestionCount)
        return nullptr;
    return &kQuestions[std::size_t(slotCounter / 6)];
}

}  // namespace fc
