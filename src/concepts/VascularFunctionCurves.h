#pragma once

#include "concepts/ConceptPage.h"

namespace fc {

const ConceptPageSpec &vascularPageSpec();

class VascularFunctionCurves : public ConceptPage {
    Q_OBJECT
public:
    explicit VascularFunctionCurves(Program &program);
};

}  // namespace fc
