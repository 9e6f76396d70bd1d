#pragma once

#include "concepts/ConceptPage.h"

namespace fc {

const ConceptPageTable &vascularPageTable();

class VascularFunctionCurves : public ConceptPage {
    Q_OBJECT
public:
    explicit VascularFunctionCurves(Program &program);
};

}  // namespace fc
