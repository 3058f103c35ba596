// THelp_3: "Součinitel KAS", what the application factor of the largest single load means,
// opened beside the KAS field of the loading dialog.
#pragma once

#include "dialogs/HelpTable.h"

namespace soukoli {

class THelp_3 : public HelpTable {
    Q_OBJECT
public:
    explicit THelp_3(QWidget* parent = nullptr);
};

}  // namespace soukoli
