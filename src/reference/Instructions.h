#pragma once

#include "reference/DrawnTextPage.h"

namespace fc {

// 20 lines on what the module holds and where to begin.
class Instructions : public DrawnTextPage {
    Q_OBJECT
public:
    explicit Instructions(Program &program);
};

}  // namespace fc
