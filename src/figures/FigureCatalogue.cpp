#include "figures/FigureCatalogue.h"

#include <vector>

namespace fc {

namespace {

struct Entry {
    const char *name;
    Figure (*make)();
};

constexpr Entry kEntries[] = {
    {"cfc1", makeCfc1},
    {"cfc2", makeCfc2},
    {"vfc1", makeVfc1},
    {"vfc4", makeVfc4},
    {"vfc2", makeVfc2},
    {"vfc3", makeVfc3},
    {"mainfactors", makeMainFactors},
    {"failure", makeFailure},
    {"orthostatic", makeOrthostatic},
    {"bloodloss", makeBloodLoss},
    {"contractility", makeContractility},
    {"volume", makeVolume},
    {"tpr", makeTpr},
    {"test1", makeTest1},
};

// Built once, on first use, and never changed: pages keep pointers into it.
const std::vector<Figure> &catalogue()
{
    static const std::vector<Figure> figures = [] {
        std::vector<Figure> built;
        built.reserve(std::size(kEntries));
        for (const Entry &entry : kEntries)
            built.push_back(entry.make());
        return built;
    }();
    return figures;
}

}  // namespace

const Figure *findFigure(const QString &name)
{
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        if (name == QLatin1String(kEntries[i].name))
            return &catalogue()[i];
    }
    return nullptr;
}

QStringList figureNames()
{
    QStringList names;
    for (const Entry &entry : kEntries)
        names.append(QLatin1String(entry.name));
    return names;
}

}  // namespace fc
