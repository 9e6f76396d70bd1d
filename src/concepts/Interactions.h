#pragma once

#include "concepts/ConceptPage.h"

namespace fc {

const ConceptPageTable &interactionsPageTable();

class Interactions : public ConceptPage {
    Q_OBJECT
public:
    explicit Interactions(Program &program);
};

}  // namespace fc
