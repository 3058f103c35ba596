// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ApplicationFactorTable: "Součinitel KA    (ČSN 01 4686 část 2, tab. 3,4,5)", the guide values of the
// application factor KA by the driving and the driven machine, with examples of both.
#pragma once

#include "dialogs/HelpTable.h"

namespace soukoli {

class ApplicationFactorTable : public HelpTable {
    Q_OBJECT
public:
    explicit ApplicationFactorTable(QWidget* parent = nullptr);
};

}  // namespace soukoli
