#include "figures/FigureCatalogue.h"
#include "figures/SharedElements.h"

namespace fc {

Figure makeTest1() { return FigureBuilder("test1", {94, 142, 764, 486}, Axes{kTestFrameCorner}).build(); }

}  // namespace fc
