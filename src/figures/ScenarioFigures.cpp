#include "figures/FigureCatalogue.h"
#include "figures/SharedElements.h"

namespace fc {

Figure makeMainFactors() { return FigureBuilder("mainfactors", {70, 102, 764, 486}).build(); }
Figure makeFailure() { return FigureBuilder("failure", {78, 102, 806, 486}).build(); }
Figure makeOrthostatic() { return FigureBuilder("orthostatic", {78, 102, 741, 486}).build(); }
Figure makeBloodLoss() { return FigureBuilder("bloodloss", {78, 102, 741, 486}).build(); }
Figure makeContractility() { return FigureBuilder("contractility", {70, 102, 764, 486}).build(); }
Figure makeVolume() { return FigureBuilder("volume", {78, 102, 748, 545}).build(); }
Figure makeTpr() { return FigureBuilder("tpr", {78, 102, 748, 486}).build(); }

}  // namespace fc
