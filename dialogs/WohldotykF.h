// TWohldotyk: "Wöhler - dotyk", the contact S-N lines of pinion and wheel with their operating
// points.
#pragma once

#include "dialogs/WohlerPlot.h"

namespace soukoli {

class TWohldotyk : public WohlerWindow {
    Q_OBJECT
public:
    TWohldotyk(const GearPairData& data, QWidget* parent = nullptr);
    [[nodiscard]] WohlerInput input() const override;
};

}  // namespace soukoli
