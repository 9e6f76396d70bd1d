#include "figures/FigureCatalogue.h"

#include "shell/Language.h"

#include <map>
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

// Built once per language, on first use in it, and never changed or freed: pages and
// windows keep pointers into it.
const std::vector<Figure> &catalogue()
{
    static std::map<QString, std::vector<Figure>> byLanguage;
    std::vector<Figure> &figures = byLanguage[currentLanguage()];
    if (figures.empty()) {
        figures.reserve(std::size(kEntries));
        for (const Entry &entry : kEntries)
            figures.push_back(entry.make());
    }
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
