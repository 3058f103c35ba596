// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// KasTable: "Součinitel KAS", what the application factor of the largest single load means,
// opened beside the KAS field of the loading dialog.
#pragma once

#include "dialogs/HelpTable.h"

namespace soukoli {

class KasTable : public HelpTable {
    Q_OBJECT
public:
    explicit KasTable(QWidget* parent = nullptr);
};

}  // namespace soukoli
