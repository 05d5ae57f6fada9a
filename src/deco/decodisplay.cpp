#include "deco/decodisplay.h"

#include "util/numtext.h"

DecoView::DecoView()
{
    ceilingCells.fill(Readout("0"));
    heCells.fill(Readout("0"));
    n2Cells.fill(Readout("0,79"));
}

void showDecoState(DecoView &view, const TissueState &tissues, const Ceilings &ceilings,
        double currentDepthM, const std::string &noDecoTimeText)
{
    using numtext::nearest;
    using numtext::nearest1;
    using numtext::nearest2;
    const double safeDepth = ceilings.safeAscentDepth;
    view.safeAscentDepth.setNumber(nearest1(safeDepth));
    if (view.noDecoTime != noDecoTimeText)
        view.noDecoTime = noDecoTimeText;
    // The bar pins at its ends; a NaN position would show an empty bar.
    const double bar = 100.0 - nearest(safeDepth);
    view.ceilingBar = bar > 100.0 ? 100 : (bar >= 0.0 ? int(bar) : 0);
    const bool warning = currentDepthM < safeDepth;
    view.warningVisible = warning;
    view.safeAscentBackground = warning ? kWarningRed : kWindowColour;
    for (int i = 0; i < kCompartmentCount; ++i) {
        view.n2Cells[i].setNumber(nearest2(tissues.n2[i]));
        view.heCells[i].setNumber(nearest2(tissues.he[i]));
        view.ceilingCells[i].setNumber(nearest2(ceilings.ceiling[i]));
    }
}

void resetDecoDisplay(DecoView &view, std::string_view startN2Text, std::string_view startHeText)
{
    view.warningVisible = false;
    view.safeAscentBackground = kWindowColour;
    view.safeAscentDepth.setText("0");
    view.ceilingBar = 100;
    for (int i = 0; i < kCompartmentCount; ++i) {
        view.n2Cells[i].setText(startN2Text);
        view.heCells[i].setText(startHeText);
        view.ceilingCells[i].setText("0");
    }
}
