// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The record sequence of the project file (.PEV), written once and walked by both the writer and
// the reader: a visitor either prints each item or reads it into the data set. Conditions are
// evaluated on the data set as the walk reaches them, so the reader decides on the values it has
// already read, exactly as the writer decided on the values it wrote.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "engine/GearPairData.h"

namespace soukoli::files {

/// Constant first line of every project file.
inline constexpr std::string_view kProjectHeader = "Tento soubor je určen pro načítání dat, NESMÍ SE MĚNIT !!";

/// Lengths of the option line after its leading character: current and older layout.
inline constexpr std::size_t kOptionLineLength = 63;
inline constexpr std::size_t kOlderOptionLineLength = 58;

/// Ranges the dialogs accept for the integers of the file.
inline constexpr int kMinGrade = 2, kMaxGrade = 12;
inline constexpr int kMinClass = 1, kMaxClass = 17;
inline constexpr int kMaxHeatTreatment = 8;

using RealMember = double GearPairData::*;
using FlagMember = bool GearPairData::*;

/// A flag of the option line and its position (counted after the leading character).
struct OptionFlag {
    int position;
    FlagMember flag;
};

/// Positions 1 (`TypSoukoli`), 2 (`MetodaVypoctu`) and 6 (`ZadaniSil`) hold values, not flags.
inline constexpr int kPosToothing = 1, kPosMethod = 2, kPosLoads = 6;

/// One flag of an either/or option: its position carries "1" exactly when the option holds
/// `value`. Of the flags of one option exactly one is "1".
template <class Option>
struct ChoiceFlag {
    int position;
    Option value;
};

// Positions 9 ... 12: SpektrumAbs, SpektrumPomer1j, SpektrumPomerj1, SpektrumPomerjmin.
inline constexpr auto kLevelsFormFlags = std::to_array<ChoiceFlag<LevelsForm>>({
    {9, LevelsForm::Absolute}, {10, LevelsForm::RatioF1Fj},
    {11, LevelsForm::RatioFjF1}, {12, LevelsForm::RatioFjFmin},
});

// Positions 28 ... 30: KHbetaZeSchematu, KHbetaZbcal, KHbetaPrimo.
inline constexpr auto kKHbetaSourceFlags = std::to_array<ChoiceFlag<KHbetaSource>>({
    {28, KHbetaSource::FromScheme}, {29, KHbetaSource::FromBcal}, {30, KHbetaSource::Entered},
});

// Positions 59 ... 61, only in the current layout: StandardCSN, StandardDIN_B, StandardDIN_C.
inline constexpr auto kStandardFlags = std::to_array<ChoiceFlag<Standard>>({
    {59, Standard::CSN}, {60, Standard::DIN_B}, {61, Standard::DIN_C},
});

// Positions 3 ... 58: present in both layouts (the choice flags above apart).
inline constexpr auto kOptionFlags = std::to_array<OptionFlag>({
    {3, &GearPairData::awGiven}, {4, &GearPairData::da1Given}, {5, &GearPairData::da2Given},
    {7, &GearPairData::SilyF}, {8, &GearPairData::NKvCyklech},
    {13, &GearPairData::SpektrumNAbs},
    {14, &GearPairData::FtFe1Given}, {15, &GearPairData::FtHe1Given},
    {16, &GearPairData::FtFe2Given}, {17, &GearPairData::FtHe2Given},
    {18, &GearPairData::PlnyPastorek}, {19, &GearPairData::PlneKolo},
    {20, &GearPairData::TetaGiven}, {21, &GearPairData::CgamaGiven},
    {22, &GearPairData::fpb1Given}, {23, &GearPairData::fpb2Given},
    {24, &GearPairData::Fbeta1Given}, {25, &GearPairData::Fbeta2Given},
    {26, &GearPairData::fxGiven}, {27, &GearPairData::fyGiven},
    {31, &GearPairData::KFalfaGiven}, {32, &GearPairData::KHalfaGiven}, {33, &GearPairData::KFvGiven},
    {34, &GearPairData::KHvGiven}, {35, &GearPairData::KFbetaGiven},
    {36, &GearPairData::YFa1Given}, {37, &GearPairData::YFa2Given}, {38, &GearPairData::YSa1Given},
    {39, &GearPairData::YSa2Given}, {40, &GearPairData::YFS1Given}, {41, &GearPairData::YFS2Given},
    {42, &GearPairData::YN1Given}, {43, &GearPairData::YN2Given},
    {44, &GearPairData::ZN1Given}, {45, &GearPairData::ZN2Given},
    {46, &GearPairData::ZBGiven}, {47, &GearPairData::ZDGiven},
    {48, &GearPairData::SigmaFlimb1Given}, {49, &GearPairData::SigmaFlimb2Given},
    {50, &GearPairData::SigmaHlim1Given}, {51, &GearPairData::SigmaHlim2Given},
    {52, &GearPairData::KFalfa1Given}, {53, &GearPairData::KHalfa1Given}, {54, &GearPairData::KFv1Given},
    {55, &GearPairData::KHv1Given}, {56, &GearPairData::KFbeta1Given}, {57, &GearPairData::KHbeta1Given},
    {58, &GearPairData::Zjednoduseny},
});

// Positions 62 and 63: only in the current layout.
inline constexpr auto kNewerOptionFlags = std::to_array<OptionFlag>({
    {62, &GearPairData::YepsilonGiven}, {63, &GearPairData::ZbetaGiven},
});

// Records 3 to 42: geometry and materials.
inline constexpr auto kGeometryAndMaterialReals = std::to_array<RealMember>({
    &GearPairData::z1, &GearPairData::z2, &GearPairData::mn, &GearPairData::Alfan, &GearPairData::Beta,
    &GearPairData::x1, &GearPairData::x2, &GearPairData::aw, &GearPairData::da1, &GearPairData::da2,
    &GearPairData::ha1_star, &GearPairData::ha2_star, &GearPairData::ca1_star, &GearPairData::ca2_star,
    &GearPairData::Rof1_star, &GearPairData::Rof2_star,
    &GearPairData::Sigma0Flimb1, &GearPairData::Sigma0Flimb2, &GearPairData::Sigma0Hlim1,
    &GearPairData::Sigma0Hlim2, &GearPairData::VHV1, &GearPairData::VHV2, &GearPairData::JHV1,
    &GearPairData::JHV2, &GearPairData::Rm1, &GearPairData::Rm2, &GearPairData::Re1, &GearPairData::Re2,
    &GearPairData::qF1, &GearPairData::qF2, &GearPairData::qH1, &GearPairData::qH2,
    &GearPairData::NFlim1, &GearPairData::NFlim2, &GearPairData::NHlim1, &GearPairData::NHlim2,
    &GearPairData::E1, &GearPairData::E2, &GearPairData::Ny1, &GearPairData::Ny2,
});

// Record 47: gear bodies.
inline constexpr auto kBodyReals = std::to_array<RealMember>({
    &GearPairData::b1, &GearPairData::b2, &GearPairData::bs1, &GearPairData::bs2, &GearPairData::sr1,
    &GearPairData::sr2, &GearPairData::sd1, &GearPairData::sd2, &GearPairData::dh1, &GearPairData::dh2,
    &GearPairData::db,
});

/// A deviation: the limit value, its measured counterpart and the flag choosing between them.
struct Deviation {
    RealMember limit;
    RealMember measured;
    FlagMember given;
    bool onlyWithScheme;  // used only when KHbeta comes from a layout scheme
};

// Record 50, in the order of the file.
inline constexpr auto kDeviations = std::to_array<Deviation>({
    {&GearPairData::fpb1, &GearPairData::fpbr1, &GearPairData::fpb1Given, false},
    {&GearPairData::fpb2, &GearPairData::fpbr2, &GearPairData::fpb2Given, false},
    {&GearPairData::Fbeta1, &GearPairData::Fbetar1, &GearPairData::Fbeta1Given, true},
    {&GearPairData::Fbeta2, &GearPairData::Fbetar2, &GearPairData::Fbeta2Given, true},
    {&GearPairData::fx, &GearPairData::fxr, &GearPairData::fxGiven, true},
    {&GearPairData::fy, &GearPairData::fyr, &GearPairData::fyGiven, true},
});

// Record 52: notches and mandatory factors.
inline constexpr auto kMandatoryReals = std::to_array<RealMember>({
    &GearPairData::tg1, &GearPairData::tg2, &GearPairData::Rog1, &GearPairData::Rog2, &GearPairData::YT1,
    &GearPairData::YT2, &GearPairData::ZLZRZV, &GearPairData::ZR1, &GearPairData::ZR2,
});

/// A factor that may be entered directly, with its flag.
struct GivenFactor {
    RealMember value;
    FlagMember given;
};

// Record 53; the last two only in the current layout.
inline constexpr auto kGivenFactors = std::to_array<GivenFactor>({
    {&GearPairData::KFalfa, &GearPairData::KFalfaGiven}, {&GearPairData::KHalfa, &GearPairData::KHalfaGiven},
    {&GearPairData::KFv, &GearPairData::KFvGiven}, {&GearPairData::KHv, &GearPairData::KHvGiven},
    {&GearPairData::KFbeta, &GearPairData::KFbetaGiven},
    {&GearPairData::YFa1, &GearPairData::YFa1Given}, {&GearPairData::YFa2, &GearPairData::YFa2Given},
    {&GearPairData::YSa1, &GearPairData::YSa1Given}, {&GearPairData::YSa2, &GearPairData::YSa2Given},
    {&GearPairData::YFS1, &GearPairData::YFS1Given}, {&GearPairData::YFS2, &GearPairData::YFS2Given},
    {&GearPairData::YN1, &GearPairData::YN1Given}, {&GearPairData::YN2, &GearPairData::YN2Given},
    {&GearPairData::ZN1, &GearPairData::ZN1Given}, {&GearPairData::ZN2, &GearPairData::ZN2Given},
    {&GearPairData::ZB, &GearPairData::ZBGiven}, {&GearPairData::ZD, &GearPairData::ZDGiven},
    {&GearPairData::SigmaFlimb1, &GearPairData::SigmaFlimb1Given},
    {&GearPairData::SigmaFlimb2, &GearPairData::SigmaFlimb2Given},
    {&GearPairData::SigmaHlim1, &GearPairData::SigmaHlim1Given},
    {&GearPairData::SigmaHlim2, &GearPairData::SigmaHlim2Given},
});
inline constexpr auto kNewerGivenFactors = std::to_array<GivenFactor>({
    {&GearPairData::Yepsilon, &GearPairData::YepsilonGiven}, {&GearPairData::Zbeta, &GearPairData::ZbetaGiven},
});

// Record 54: factors of the maximum load, method "B" only.
inline constexpr auto kMaxLoadFactors = std::to_array<GivenFactor>({
    {&GearPairData::KFalfa1, &GearPairData::KFalfa1Given}, {&GearPairData::KHalfa1, &GearPairData::KHalfa1Given},
    {&GearPairData::KFv1, &GearPairData::KFv1Given}, {&GearPairData::KHv1, &GearPairData::KHv1Given},
    {&GearPairData::KFbeta1, &GearPairData::KFbeta1Given}, {&GearPairData::KHbeta1, &GearPairData::KHbeta1Given},
});

/// The layout schemes in the order of `SchemaIndex` (1-based).
inline constexpr auto kSchemes = std::to_array<std::string_view>({"1", "1a", "2", "2a", "3", "4", "5", "6", "7", "8"});

/// `SchemaIndex` of a scheme text, 0 when the text is not a scheme.
inline std::uint16_t schemeIndexOf(std::string_view schema) {
    const auto it = std::find(kSchemes.begin(), kSchemes.end(), schema);
    return it == kSchemes.end() ? 0 : static_cast<std::uint16_t>(it - kSchemes.begin() + 1);
}

/// Schemes with a second element on the wheel shaft (`dII`), and on the pinion shaft (`dI`).
inline bool schemeHas_dII(std::string_view s) { return schemeIndexOf(s) >= 5; }
inline bool schemeHas_dI(std::string_view s) { return s == "8"; }

/// Walks the records in file order. `Data` is `GearPairData` for reading and `const
/// GearPairData` for writing. The visitor provides header(), optionLine(data), real(x),
/// text(s), scheme(s), heatTreatments(a, b), integer(n, min, max), grades(a, b), levelsStep(F, N) and
/// newerLayout(); once it has failed it ignores the remaining calls.
template <class Data, class Visitor>
void walkProjectFile(Data& d, Visitor& v) {
    static_assert(std::is_same_v<std::remove_const_t<Data>, GearPairData>);
    v.header();
    v.optionLine(d);
    for (const auto m : kGeometryAndMaterialReals) v.real(d.*m);
    v.text(d.Material1);
    v.text(d.Material2);
    v.heatTreatments(d.Zpracovani1, d.Zpracovani2);

    // Record 46: loading.
    if (d.MetodaVypoctu == 'A') {
        v.real(d.SilyF ? d.F1 : d.T1);
        v.real(d.n1);
        v.real(d.NKvCyklech ? d.NK1 : d.NK1hod);
        v.real(d.NKvCyklech ? d.NK2 : d.NK2hod);
        v.real(d.YA1);
        v.real(d.YA2);
        v.real(d.KA);
        v.real(d.KAS);
    } else {
        v.real(d.SilyF ? d.Ft1 : d.T1);
        v.real(d.n1);
        if (d.ZadaniSil != kLoadsFromLevels) {
            v.real(d.NKvCyklech ? d.NK1 : d.NK1hod);
            v.real(d.NKvCyklech ? d.NK2 : d.NK2hod);
        }
        v.real(d.YA1);
        v.real(d.YA2);
        v.real(d.KA);
        if (d.ZadaniSil == kLoadsFromLevels) {
            v.integer(d.j, 1, static_cast<int>(kMaxLoadLevels));
            const std::size_t steps = std::min<std::size_t>(d.j, kMaxLoadLevels);
            for (std::size_t i = 0; i < steps; ++i) v.levelsStep(d.Fj[i], d.Nj[i]);
        } else if (d.ZadaniSil == kLoadsFromClasses) {
            v.integer(d.CHSZ1, kMinClass, kMaxClass);
            v.integer(d.CHSZ2, kMinClass, kMaxClass);
        }
        v.real(d.SilyF ? d.FtFe1 : d.TFe1);
        v.real(d.SilyF ? d.FtFe2 : d.TFe2);
        v.real(d.SilyF ? d.FtHe1 : d.THe1);
        v.real(d.SilyF ? d.FtHe2 : d.THe2);
    }

    for (const auto m : kBodyReals) v.real(d.*m);
    if (d.TetaGiven) {
        v.real(d.Teta1);
        v.real(d.Teta2);
    }
    if (d.CgamaGiven) v.real(d.Cgama);
    v.grades(d.IT1, d.IT2);

    // Record 50: entered limit deviations first, then the measured ones.
    bool fromScheme = true;
    switch (d.KHbetaFrom) {
        case KHbetaSource::Entered:
        case KHbetaSource::FromBcal: fromScheme = false; break;
        case KHbetaSource::FromScheme:
        case KHbetaSource::None: break;
    }
    for (const auto& dev : kDeviations)
        if (d.*dev.given && (!dev.onlyWithScheme || fromScheme)) v.real(d.*dev.limit);
    for (const auto& dev : kDeviations)
        if (!(d.*dev.given) && (!dev.onlyWithScheme || fromScheme)) v.real(d.*dev.measured);

    // Record 51: face load factor.
    switch (d.KHbetaFrom) {
        case KHbetaSource::Entered: v.real(d.KHbeta); break;
        case KHbetaSource::FromBcal: v.real(d.bcal); break;
        case KHbetaSource::FromScheme:
            v.scheme(d.Schema);
            v.real(d.s1);
            v.real(d.s2);
            v.real(d.lw1);
            v.real(d.lw2);
            v.real(d.dsh1);
            v.real(d.dsh2);
            if (schemeHas_dII(d.Schema)) v.real(d.dII);
            if (schemeHas_dI(d.Schema)) v.real(d.dI);
            break;
        case KHbetaSource::None: break;  // no file holds it: the option line refuses it
    }

    for (const auto m : kMandatoryReals) v.real(d.*m);
    for (const auto& f : kGivenFactors)
        if (d.*f.given) v.real(d.*f.value);
    if (v.newerLayout())
        for (const auto& f : kNewerGivenFactors)
            if (d.*f.given) v.real(d.*f.value);
    if (d.MetodaVypoctu == 'B')
        for (const auto& f : kMaxLoadFactors)
            if (d.*f.given) v.real(d.*f.value);
}

}  // namespace soukoli::files
