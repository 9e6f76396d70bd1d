#pragma once

#include "concepts/ConceptPage.h"

namespace fc {

const ConceptPageTable &cardiacPageTable();

class CardiacFunctionCurves : public ConceptPage {
    Q_OBJECT
public:
    explicit CardiacFunctionCurves(Program &program);
};

}  // namespace fc
