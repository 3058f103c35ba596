#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The soukoli developers
# Writes the sample projects of examples/ with soukoli-cli (build it first with ./test.sh).
# Each example is the project of a new program start changed by a few settings, so that the
# command below says exactly what a sample holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${SOUKOLI_CLI:-$root/build/cli/soukoli-cli}
out=$root/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$cli" --defaults default-external.PEV
"$cli" --defaults --internal default-internal.PEV

# Saves the project `base` changed by the remaining arguments as examples/<name>.PEV.
sample() {
    local name=$1 base=$2
    shift 2
    "$cli" "$base" "$@" --save "$name" >/dev/null
}

sample helical-din-b-spektrum default-external.PEV \
    --standard din-b --set z1=23 --set z2=61 --set Beta=15deg --set mn=3 --set sr1=15 \
    --set MetodaVypoctu=B --set ZadaniSil=1 \
    --set 'Fj[1]=5000' --set 'Fj[2]=3500' --set 'Fj[3]=2000' \
    --set 'Nj[1]=100000' --set 'Nj[2]=5000000' --set 'Nj[3]=100000000' \
    --set KHbeta1Given=1 --set KHbeta1=1.35
sample chsz-classes default-external.PEV \
    --set MetodaVypoctu=B --set ZadaniSil=2 --set CHSZ1=5 --set CHSZ2=5 \
    --set SilyF=0 --set T1=180 --set NKvCyklech=0 --set NK1hod=20000 --set NK2hod=20000 \
    --set KHbeta1Given=1 --set KHbeta1=1.4
sample layout-scheme-measured default-external.PEV \
    --set KHbetaZeSchematu=1 --set Schema=4 \
    --set s1=30 --set s2=40 --set lw1=200 --set lw2=220 --set dsh1=45 --set dsh2=55 --set dII=50 \
    --set fpb1Given=0 --set fpb2Given=0 --set Fbeta1Given=0 --set Fbeta2Given=0 --set fxGiven=0 --set fyGiven=0 \
    --set fpbr1=9 --set fpbr2=10 --set Fbetar1=12 --set Fbetar2=14 --set fxr=10 --set fyr=5
sample simplified default-external.PEV --simplified --set KHbeta=1.25 --set F1=6000

mkdir -p "$out"
cp ./*.PEV "$out"/
echo "Wrote $(ls ./*.PEV | wc -l) sample projects to $out"
