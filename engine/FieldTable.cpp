// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The table of named numeric fields. Each entry is written once through a macro that turns the
// member name into the printed name (a trailing `_star` is printed as `*`).
#include "engine/FieldTable.h"

#include <array>
#include <cmath>
#include <limits>
#include <type_traits>

namespace soukoli {

namespace {

#define F(member) NumericField{#member, &GearPairData::member}
#define STAR(base) NumericField{#base "*", &GearPairData::base##_star}
#define CHOICE(name, member, value) NumericField{#name, ChoiceFlag<decltype(value)>{&GearPairData::member, value}}

constexpr auto kFields = std::to_array<NumericField>({
    // Options held as numbers, and flags
    F(TypSoukoli), F(ZadaniSil), F(SchemaIndex),
    CHOICE(StandardCSN, standard, Standard::CSN), CHOICE(StandardDIN_B, standard, Standard::DIN_B),
    CHOICE(StandardDIN_C, standard, Standard::DIN_C), F(Zjednoduseny), F(SilyF), F(NKvCyklech),
    F(awGiven), F(da1Given), F(da2Given), F(PlnyPastorek), F(PlneKolo), F(TetaGiven), F(CgamaGiven),
    F(fpb1Given), F(fpb2Given), F(Fbeta1Given), F(Fbeta2Given), F(fxGiven), F(fyGiven),
    CHOICE(KHbetaPrimo, KHbetaFrom, KHbetaSource::Entered), CHOICE(KHbetaZbcal, KHbetaFrom, KHbetaSource::FromBcal),
    CHOICE(KHbetaZeSchematu, KHbetaFrom, KHbetaSource::FromScheme),
    CHOICE(SpektrumAbs, levelsForm, LevelsForm::Absolute),
    CHOICE(SpektrumPomer1j, levelsForm, LevelsForm::RatioF1Fj),
    CHOICE(SpektrumPomerj1, levelsForm, LevelsForm::RatioFjF1),
    CHOICE(SpektrumPomerjmin, levelsForm, LevelsForm::RatioFjFmin), F(SpektrumNAbs),
    F(FtFe1Given), F(FtFe2Given), F(FtHe1Given), F(FtHe2Given), F(runFlag), F(TenkyVenec1), F(TenkyVenec2),
    F(KFalfaGiven), F(KHalfaGiven), F(KFvGiven), F(KHvGiven), F(KFbetaGiven),
    F(KFalfa1Given), F(KHalfa1Given), F(KFv1Given), F(KHv1Given), F(KFbeta1Given), F(KHbeta1Given),
    F(YFa1Given), F(YFa2Given), F(YSa1Given), F(YSa2Given), F(YFS1Given), F(YFS2Given),
    F(YN1Given), F(YN2Given), F(ZN1Given), F(ZN2Given), F(ZBGiven), F(ZDGiven),
    F(SigmaFlimb1Given), F(SigmaFlimb2Given), F(SigmaHlim1Given), F(SigmaHlim2Given),
    F(YepsilonGiven), F(ZbetaGiven),
    // Geometry inputs
    F(z1), F(z2), F(mn), F(Alfan), F(Beta), F(x1), F(x2), F(aw), F(da1), F(da2),
    STAR(ha1), STAR(ha2), STAR(ca1), STAR(ca2), STAR(Rof1), STAR(Rof2), F(z0), F(x0),
    // Derived geometry
    F(d1), F(d2), F(db1), F(db2), F(df1), F(df2), F(ha1), F(ha2), F(hf1), F(hf2),
    STAR(hFfP1), STAR(hFfP2), F(hFfP1), F(hFfP2), F(a), F(xs), F(xmez), F(k), F(u), F(zv1), F(zv2),
    F(alfat), F(alfatw), F(invalfat), F(invalfatw), F(betab), F(Epsalfa), F(Epsbeta), F(Epsgama),
    F(srmin),
    // Materials
    F(Zpracovani1), F(Zpracovani2), F(Sigma0Flimb1), F(Sigma0Flimb2), F(Sigma0Hlim1), F(Sigma0Hlim2),
    F(VHV1), F(VHV2), F(JHV1), F(JHV2), F(Rm1), F(Rm2), F(Re1), F(Re2), F(qF1), F(qF2), F(qH1), F(qH2),
    F(NFlim1), F(NFlim2), F(NHlim1), F(NHlim2), F(E1), F(E2), F(Ny1), F(Ny2),
    // Loading
    F(F1), F(T1), F(Ft1), F(n1), F(NK1), F(NK2), F(NK1hod), F(NK2hod), F(YA1), F(YA2), F(KA), F(KAS),
    F(CHSZ1), F(CHSZ2), F(FtFe1), F(FtFe2), F(FtHe1), F(FtHe2), F(TFe1), F(TFe2), F(THe1), F(THe2),
    F(FtH), F(FtF), F(j),
    // Gear bodies
    F(b1), F(b2), F(bs1), F(bs2), F(sr1), F(sr2), F(sd1), F(sd2), F(dh1), F(dh2), F(db),
    F(Teta1), F(Teta2), F(Cgama), F(b), F(bwF1), F(bwF2), F(bwFmin), F(sR1), F(sR2), F(mass1), F(mass2),
    // Accuracy
    F(IT1), F(IT2), F(fpb1), F(fpb2), F(Fbeta1), F(Fbeta2), F(fx), F(fy),
    F(fpbr1), F(fpbr2), F(Fbetar1), F(Fbetar2), F(fxr), F(fyr),
    // Face load factor
    F(KHbeta), F(bcal), F(s1), F(s2), F(lw1), F(lw2), F(dsh1), F(dsh2), F(dI), F(dII),
    // Mandatory factors
    F(tg1), F(tg2), F(Rog1), F(Rog2), F(YT1), F(YT2), F(ZLZRZV), F(ZR1), F(ZR2),
    // Factors that may be entered directly
    F(KFalfa), F(KHalfa), F(KFv), F(KHv), F(KFbeta),
    F(KFalfa1), F(KHalfa1), F(KFv1), F(KHv1), F(KFbeta1), F(KHbeta1),
    F(YFa1), F(YFa2), F(YSa1), F(YSa2), F(YFS1), F(YFS2), F(YN1), F(YN2), F(ZN1), F(ZN2), F(ZB), F(ZD),
    F(SigmaFlimb1), F(SigmaFlimb2), F(SigmaHlim1), F(SigmaHlim2), F(Yepsilon), F(Zbeta),
    // Results and computed factors
    F(SigmaF1), F(SigmaF2), F(SigmaFP1), F(SigmaFP2), F(SF1), F(SF2),
    F(SigmaFmax1), F(SigmaFmax2), F(SigmaFPmax1), F(SigmaFPmax2),
    F(SigmaH1), F(SigmaH2), F(SigmaHP1), F(SigmaHP2), F(SH1), F(SH2),
    F(SigmaHmax1), F(SigmaHmax2), F(SigmaHPmax1), F(SigmaHPmax2),
    F(KF), F(KH), F(KF1), F(KH1), F(YFe1), F(YFe2), F(YSe1), F(YSe2), F(YSarel1), F(YSarel2),
    F(Ybeta), F(YX1), F(YX2), F(Ydelta1), F(Ydelta2), F(YS1), F(YS2),
    F(YdeltaSt1), F(YdeltaSt2), F(YdeltaStT1), F(YdeltaStT2), F(Zepsilon), F(ZE), F(ZH),
    // Further intermediate values
    F(v), F(CR), F(cs), F(mred), F(nE1), STAR(ha01), STAR(ha02), F(sFn1), F(sFn2),
    F(hFa1), F(hFa2), F(hFe1), F(hFe2), F(RoFn1), F(RoFn2), F(FIe1), F(FIe2), F(FIe),
    F(Ac1), F(Ac2), F(Bc1), F(Bc2), F(E), F(G), F(H),
    F(alfaFan1), F(alfaFan2), F(alfaFen1), F(alfaFen2), F(qs1), F(qs2),
    // Contact and bending stages
    F(M1), F(M2), F(SigmaHO1), F(SigmaHO2), F(NF), F(SigmaFSt1), F(SigmaFSt2), F(Epsalfan),
    F(dn), F(dbn), F(dan), F(den), F(alfaen), F(gamae), F(alfaan), F(gamaa), F(L),
    // Geometry stages: cutter of an internal wheel, undercut, effective tip diameters
    F(a0w), F(alfa0w), F(da0), F(xmin1), F(xmin2), F(dNu1), F(dNu2), F(alfaNu1), F(alfaNu2),
    F(da1eff), F(da2eff), F(Podrez1), F(Podrez2),
    // Loads, dynamics and load factors
    F(fpbeff), F(yalfa1), F(yalfa2), F(yalfa), F(fsh), F(fma), F(ybeta), F(Fbx), F(Wbeta),
});

#undef F
#undef STAR
#undef CHOICE

template <class Option>
bool writeChoice(GearPairData& data, const ChoiceFlag<Option>& flag, double value) {
    if (value == 1) {
        data.*flag.member = flag.value;
        return true;
    }
    // 0 leaves the choice as it is; it cannot leave the option without a value.
    return value == 0 && data.*flag.member != flag.value;
}

// Overloads of the value of each kind of member, for std::visit.
struct FieldReader {
    const GearPairData& data;
    template <class T>
    double operator()(T GearPairData::*member) const {
        if constexpr (std::is_enum_v<T>)
            return static_cast<double>(static_cast<std::underlying_type_t<T>>(data.*member));
        else
            return static_cast<double>(data.*member);
    }
    template <class Option>
    double operator()(const ChoiceFlag<Option>& flag) const {
        return data.*flag.member == flag.value ? 1 : 0;
    }
};

}  // namespace

std::span<const NumericField> numericFields() { return kFields; }

const NumericField* findNumericField(std::string_view name) {
    for (const auto& f : kFields)
        if (f.name == name) return &f;
    return nullptr;
}

double readField(const GearPairData& data, const NumericField& field) { return std::visit(FieldReader{data}, field.member); }

bool isFlag(const NumericField& field) {
    return std::holds_alternative<bool GearPairData::*>(field.member) ||
           std::holds_alternative<ChoiceFlag<Standard>>(field.member) ||
           std::holds_alternative<ChoiceFlag<KHbetaSource>>(field.member) ||
           std::holds_alternative<ChoiceFlag<LevelsForm>>(field.member);
}

bool isWholeNumber(const NumericField& field) {
    return std::holds_alternative<std::uint16_t GearPairData::*>(field.member) ||
           std::holds_alternative<Toothing GearPairData::*>(field.member);
}

bool writeField(GearPairData& data, const NumericField& field, double value) {
    if (const auto* d = std::get_if<double GearPairData::*>(&field.member)) {
        data.**d = value;
        return true;
    }
    if (const auto* flag = std::get_if<bool GearPairData::*>(&field.member)) {
        if (value != 0 && value != 1) return false;
        data.**flag = value == 1;
        return true;
    }
    if (const auto* toothing = std::get_if<Toothing GearPairData::*>(&field.member)) {
        if (value != 1 && value != 2) return false;
        data.**toothing = value == 2 ? Toothing::Internal : Toothing::External;
        return true;
    }
    if (const auto* choice = std::get_if<ChoiceFlag<Standard>>(&field.member)) return writeChoice(data, *choice, value);
    if (const auto* choice = std::get_if<ChoiceFlag<KHbetaSource>>(&field.member))
        return writeChoice(data, *choice, value);
    if (const auto* choice = std::get_if<ChoiceFlag<LevelsForm>>(&field.member))
        return writeChoice(data, *choice, value);
    const auto member = std::get<std::uint16_t GearPairData::*>(field.member);
    if (!(value >= 0 && value <= std::numeric_limits<std::uint16_t>::max()) || std::trunc(value) != value)
        return false;
    data.*member = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace soukoli
