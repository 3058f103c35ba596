// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Encoding of report lines and safe replacement of files on disk.
#include "files/TextFile.h"

#include <utility>

#include "files/Cp1250.h"
#include "files/PosixFiles.h"

namespace soukoli::files {

EncodedText encodeLines(const std::vector<std::string>& lines) {
    EncodedText out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto bytes = toCp1250(lines[i]);
        if (!bytes) {
            out.bytes.clear();
            out.reason = "line " + std::to_string(i + 1) + " holds a character that Windows-1250 cannot represent";
            return out;
        }
        out.bytes += *bytes;
        out.bytes += "\r\n";
    }
    return out;
}

std::string_view saveErrorText(SaveError error) {
    switch (error) {
        case SaveError::None: return {};
        case SaveError::DiskFull: return "Na disku není dost místa.";
        case SaveError::NoPermission: return "Do složky nelze zapisovat, chybí oprávnění.";
        case SaveError::ReadOnlyFileSystem: return "Disk je určen jen pro čtení.";
        case SaveError::ReadOnlyTarget: return "Soubor je určen jen pro čtení, nebyl přepsán.";
        case SaveError::FolderMissing: return "Složka neexistuje.";
        case SaveError::TargetIsFolder: return "Na místě souboru je složka.";
        case SaveError::TargetNotAFile: return "Na místě souboru je zařízení, roura nebo soket, ne obyčejný soubor.";
        case SaveError::NameIsFolder: return "Zadaný název je název složky, ne souboru.";
        case SaveError::NameTooLong: return "Název souboru je příliš dlouhý.";
        case SaveError::NameHasControlCharacter: return "Název souboru obsahuje řídicí znak (například konec řádku).";
        case SaveError::LinkLoop: return "Odkazy na soubor tvoří smyčku.";
        case SaveError::DeviceError: return "Chyba zápisu na disk.";
        case SaveError::TextNotRepresentable: return "Text obsahuje znak, který nelze zapsat v kódování Windows-1250.";
        case SaveError::ValuesNotWritable: return "Některý údaj projektu nelze zapsat tak, aby šel znovu načíst (znak mimo Windows-1250 nebo neplatná hodnota).";
        case SaveError::Other: return "Systém zápis odmítl.";
    }
    return "Systém zápis odmítl.";
}

FileResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    return posix::replaceFile(path, bytes);
}

std::string_view loadErrorText(LoadError error) {
    switch (error) {
        case LoadError::None: return {};
        case LoadError::Missing: return "Soubor neexistuje.";
        case LoadError::IsFolder: return "Zadaný název je název složky, ne souboru.";
        case LoadError::NotAFile: return "Na místě souboru je zařízení, roura nebo soket, ne obyčejný soubor.";
        case LoadError::NoPermission: return "Soubor nelze číst, chybí oprávnění.";
        case LoadError::TooLarge: return "Soubor je větší než 1 MiB, projekt to být nemůže.";
        case LoadError::NotAProject: return "Obsah souboru neodpovídá projektu.";
        case LoadError::Other: return "Systém čtení odmítl.";
    }
    return "Systém čtení odmítl.";
}

ReadBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    return posix::readFile(path, maxBytes);
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    auto read = readFileBytes(path, maxBytes);
    if (!read.ok()) return std::nullopt;
    return std::move(read.bytes);
}

}  // namespace soukoli::files
