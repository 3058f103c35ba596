// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The project's fingerprint is its project file as writeString gives it.
#include "app/ProjectTracker.h"

#include <QFileInfo>

#include "files/ProjectFile.h"

namespace soukoli {

std::optional<std::string> ProjectTracker::fingerprint() const {
    auto encoded = files::writeString(data_);
    if (!encoded.ok()) return std::nullopt;
    return std::move(encoded.bytes);
}

void ProjectTracker::started() {
    baseline_ = fingerprint();
    fileName_.clear();
}

void ProjectTracker::stored(const QString& projectFile) {
    baseline_ = fingerprint();
    fileName_ = QFileInfo(projectFile).fileName();
}

bool ProjectTracker::changed() const {
    if (!baseline_) return true;
    const auto now = fingerprint();
    return !now || *now != *baseline_;
}

}  // namespace soukoli
