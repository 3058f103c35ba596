// TWohlohyb: "Wöhler - ohyb", the bending S-N lines of pinion and wheel with their operating
// points.
#pragma once

#include "dialogs/WohlerPlot.h"

namespace soukoli {

class TWohlohyb : public WohlerWindow {
    Q_OBJECT
public:
    TWohlohyb(const GearPairData& data, QWidget* parent = nullptr);
    [[nodiscard]] WohlerInput input() const override;
};

}  // namespace soukoli
