// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Whether the project changed since the program started, since it was loaded or since it was
// saved, and which project file it belongs to. The project is what its file holds: the bytes
// the project file would get now are compared with those it got (or would have got) then.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "engine/GearPairData.h"

namespace soukoli {

class ProjectTracker {
public:
    explicit ProjectTracker(const GearPairData& data) : data_(data) {}

    /// A new start (program start, toothing switch): no project file.
    void started();
    /// The data set was just loaded from, or saved to, `projectFile`.
    void stored(const QString& projectFile);

    /// The project differs from its state at the last start, load or save. A data set that
    /// cannot be written as a project file counts as changed.
    [[nodiscard]] bool changed() const;
    /// The project file's name without its folder; empty after a start.
    [[nodiscard]] QString fileName() const { return fileName_; }

private:
    [[nodiscard]] std::optional<std::string> fingerprint() const;

    const GearPairData& data_;
    std::optional<std::string> baseline_;
    QString fileName_;
};

}  // namespace soukoli
