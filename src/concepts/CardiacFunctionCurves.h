#pragma once

#include "concepts/ConceptPage.h"

namespace fc {

const ConceptPageSpec &cardiacPageSpec();

class CardiacFunctionCurves : public ConceptPage {
    Q_OBJECT
public:
    explicit CardiacFunctionCurves(Program &program);
};

}  // namespace fc
