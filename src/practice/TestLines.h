#pragma once

#include "practice/QuestionBank.h"

#include <QString>

#include <array>

namespace fc {

// The line table: 151 slots, 0 to 150. Slot 0 is empty; slots 1 to 114 hold questions
// 2 to 20, six lines each; 115 to 120 the closing page; 121 to 144 four placeholder
// pages; 145 to 150 stay empty.
inline constexpr int kSlotCount = 151;
using TestLineTable = std::array<QString, kSlotCount>;

void fillTestLines(TestLineTable &lines);

// The slot counter value at which the last page (six empty lines) is on view; no
// slot lies beyond it.
inline constexpr qint16 kLastPage = 150;

// The question that judges selections while `slotCounter` is on view, or nullptr on
// a page without a question (closing, placeholder and empty pages, and between).
const Question *questionOnView(qint16 slotCounter);

}  // namespace fc
