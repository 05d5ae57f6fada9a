#pragma once

#include "deco/ceilings.h"
#include "util/readout.h"
#include "util/rgb.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr Rgb kWindowColour {169, 209, 250};
inline constexpr Rgb kWarningRed {255, 0, 0};

/// What the decompression part of the console shows: the safe ascent depth
/// (Label62) with its background, the no-decompression time (Label63), the
/// ceiling bar (ProgressBar1), the warning (Label66) and the tissue table.
struct DecoView
{
    Readout safeAscentDepth {"0"};
    Rgb safeAscentBackground = kWindowColour;
    std::string noDecoTime {"0"};
    int ceilingBar = 100; ///< 0..100, filled from the bottom
    bool warningVisible = false;
    std::array<Readout, kCompartmentCount> ceilingCells; ///< Label43..Label58
    std::array<Readout, kCompartmentCount> heCells; ///< Label85..Label107
    std::array<Readout, kCompartmentCount> n2Cells; ///< Label27..Label42

    DecoView();
};

/// One step's look: values rounded for display, the bar, the warning when the
/// diver is shallower than the safe ascent depth.
void showDecoState(DecoView &view, const TissueState &tissues, const Ceilings &ceilings,
        double currentDepthM, const std::string &noDecoTimeText);

/// The idle look of the reset button; the nitrogen and helium cells take the
/// start fields' texts as they stand. The no-decompression time is kept.
void resetDecoDisplay(DecoView &view, std::string_view startN2Text, std::string_view startHeText);
