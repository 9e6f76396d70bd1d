#pragma once

#include "figures/Figure.h"

#include <QStringList>

namespace fc {

// Every figure of the program, built once on first use. Returns nullptr for an
// unknown name.
const Figure *findFigure(const QString &name);
// Names in catalogue order: cfc1, cfc2, vfc1, vfc4, vfc2, vfc3, mainfactors, failure,
// orthostatic, bloodloss, contractility, volume, tpr, test1.
QStringList figureNames();

// The figure builders, one per figure.
Figure makeCfc1();
Figure makeCfc2();
Figure makeVfc1();
Figure makeVfc4();
Figure makeVfc2();
Figure makeVfc3();
Figure makeMainFactors();
Figure makeFailure();
Figure makeOrthostatic();
Figure makeBloodLoss();
Figure makeContractility();
Figure makeVolume();
Figure makeTpr();
Figure makeTest1();

}  // namespace fc
