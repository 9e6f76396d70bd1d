#pragma once

// The practice test's content: twenty questions of six list lines each (the question,
// then options a to e), the line of the right option, its verdict and explanation.

#include <array>

namespace fc {

struct Question {
    std::array<const char *, 6> lines;  // question line, then options a to e
    int keyLine;                         // 1 to 5: the list line of the right option
    const char *verdict;                 // "CORRECT!", or "CORRECT! " for question 12
    const char *explanation;
};

inline constexpr int kQuestionCount = 20;
extern const std::array<Question, kQuestionCount> kQuestions;

// Slot 115 of the line table: 35 spaces, then the closing words.
extern const char *const kClosingLine;

}  // namespace fc
