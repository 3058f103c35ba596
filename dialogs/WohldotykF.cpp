// Contact: endurance level SigmaHP/ZN, static level SigmaHPmax, knee NHlim, exponent qH.
#include "dialogs/WohldotykF.h"

namespace soukoli {

TWohldotyk::TWohldotyk(const GearPairData& data, QWidget* parent) : WohlerWindow(data, parent) {
    setObjectName(QStringLiteral("TWohldotyk"));
    setWindowTitle(QStringLiteral("Wöhler - dotyk"));
}

WohlerInput TWohldotyk::input() const {
    const GearPairData& g = data();
    WohlerInput in;
    in.gears[0] = {g.SigmaHP1 / g.ZN1, g.SigmaHPmax1, g.NHlim1, g.qH1, g.SigmaH1, g.NK1};
    in.gears[1] = {g.SigmaHP2 / g.ZN2, g.SigmaHPmax2, g.NHlim2, g.qH2, g.SigmaH2, g.NK2};
    in.nMid = 1e8;
    return in;
}

}  // namespace soukoli
