// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// YaTable: "Součinitel YA    (ČSN 01 4686 část 5, tab. 14)", the recommended alternating-load
// factors YA, opened beside the YA fields of the loading dialog.
#pragma once

#include "dialogs/HelpTable.h"

namespace soukoli {

class YaTable : public HelpTable {
    Q_OBJECT
public:
    explicit YaTable(QWidget* parent = nullptr);
};

}  // namespace soukoli
