// SPDX-License-Identifier: MIT
#include "ui/control_geometry.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace isr {

namespace {

constexpr ControlGeometry kGeometry[] = {
    // Navigation bar, on the window. Shape1's height is set when the window loads.
    {"shapeBtn(0)", 240, 120, 975, 375},
    {"shapeBtn(1)", 1320, 120, 975, 375},
    {"shapeBtn(2)", 2400, 120, 2175, 375},
    {"Shape1", 120, 480, 8775, 0},
    {"picBtn(0)", 250, 130, 945, 365},
    {"picBtn(1)", 1340, 130, 945, 345},
    {"picBtn(2)", 2410, 130, 2145, 345},
    {"lblBtn(0)", 0, 75, 945, 195},
    {"lblBtn(1)", 0, 75, 945, 195},
    {"lblBtn(2)", 0, 75, 2145, 195},
    {"frame(0)", 240, 600, 8535, 7455},
    {"frame(1)", 240, 600, 8535, 6615},
    {"frame(2)", 240, 600, 8535, 6615},

    // Calculation panel, frame(0).
    {"cmbTarifa", 2040, 0, 1935, 315},
    {"txtBase", 2040, 360, 1935, 285},
    {"txtPagos", 7080, 0, 1335, 285},
    {"cmdCalc", 7200, 840, 1215, 375},
    {"txtISR08(0)", 2640, 1680, 1335, 285},
    {"txtISR08(1)", 2640, 2040, 1335, 285},
    {"txtISR08(2)", 2640, 2400, 1335, 285},
    {"txtISR08(3)", 7080, 1680, 1335, 285},
    {"txtISR08(4)", 7080, 2400, 1335, 285},
    {"txtSUB08(0)", 2640, 3360, 1335, 285},
    {"txtSUB08(1)", 2640, 3720, 1335, 285},
    {"txtSUB08(2)", 7080, 3600, 1335, 285},
    {"txtRet08(0)", 6600, 6360, 1695, 375},
    {"lbl(17)", 120, 0, 990, 195},
    {"lbl(13)", 4200, 120, 2115, 195},
    {"lbl(1)", 120, 360, 1245, 195},
    {"lbl(3)", 120, 1320, 1755, 195},
    {"lbl(4)", 120, 1680, 990, 195},
    {"lbl(8)", 5280, 1680, 735, 195},
    {"lbl(5)", 120, 2040, 2055, 195},
    {"lbl(6)", 120, 2400, 2265, 195},
    {"lbl(7)", 5280, 2400, 1635, 195},
    {"lbl(22)", 5280, 3240, 705, 195},
    {"lbl(11)", 120, 3360, 990, 195},
    {"lbl(10)", 5280, 3600, 1050, 195},
    {"lbl(12)", 120, 3720, 1050, 195},
    {"lbl(31)", 6525, 6000, 1725, 195},
    {"Line1", 0, 1440, 8520, 0},
    {"Line2", 0, 1455, 8520, 0},
    {"Line4", 0, 3120, 8520, 0},
    {"Line3", 0, 3135, 8520, 0},
    {"Line5", 0, 4560, 8520, 0},
    {"Line6", 0, 4570, 8520, 0},
    {"Line7", 0, 5760, 8520, 0},
    {"Line8", 0, 5770, 8520, 0},
    {"Image1", 120, 5880, 3000, 750},
    {"lbl(23)", 840, 6360, 3570, 195},
    {"lbllink(0)", 240, 6720, 1530, 195},
    {"lbllink(1)", 240, 6960, 1230, 195},

    // Tariffs panel, frame(1).
    {"Text1", 0, 0, 8295, 5655},
    {"Image2", 120, 5880, 3000, 750},
    {"lbl(24)", 840, 6360, 3570, 195},
    {"lbllink(3)", 2760, 6120, 1530, 195},
    {"lbl(25)", 4800, 5880, 2385, 195},
    {"lbl(26)", 4800, 6120, 3255, 435},

    // Products panel, frame(2).
    {"Image3", 120, 0, 3000, 750},
    {"lbl(27)", 840, 480, 3570, 195},
    {"lbllink(2)", 2760, 240, 1530, 195},
    {"lbl(28)", 6480, 0, 1935, 195},
    {"lbl(29)", 6860, 240, 1560, 195},
    {"lbl(30)", 5040, 480, 1380, 195},
    {"lblProdlink(5)", 6480, 480, 2460, 195},
    {"shapeProd(0)", 0, 720, 8535, 5820},
    {"imgProd(0)", 120, 1080, 645, 645},
    {"lblProdlink(0)", 960, 1080, 4710, 195},
    {"lblProd(1)", 960, 1320, 7170, 795},
    {"shapeProd(1)", 120, 2400, 4095, 1095},
    {"imgProd(2)", 240, 2520, 480, 480},
    {"lblProdlink(1)", 840, 2520, 2895, 195},
    {"lblProd(0)", 840, 2760, 3210, 675},
    {"shapeProd(3)", 4320, 2400, 4095, 1095},
    {"imgProd(3)", 4440, 2520, 480, 480},
    {"lblProdlink(3)", 5040, 2520, 945, 195},
    {"lblProd(3)", 5040, 2760, 3210, 675},
    {"shapeProd(2)", 120, 3600, 4095, 1095},
    {"imgProd(1)", 240, 3720, 480, 480},
    {"lblProdlink(2)", 840, 3720, 2670, 195},
    {"lblProd(2)", 840, 3960, 3210, 675},
    {"shapeProd(4)", 4320, 3600, 4095, 1095},
    {"imgProd(4)", 4440, 3720, 480, 480},
    {"lblProdlink(4)", 5040, 3720, 915, 195},
    {"lblProd(4)", 5040, 3960, 3210, 675},
    {"lblProd(5)", 120, 4920, 900, 195},
    // The services: one line each, as wide as the space up to the next column or the edge.
    {"lblProd(6)", 120, 5160, 3360, 195},
    {"lblProd(7)", 120, 5400, 3360, 195},
    {"lblProd(8)", 120, 5640, 3360, 195},
    {"lblProd(9)", 120, 5880, 3360, 195},
    {"lblProd(10)", 120, 6120, 3360, 195},
    {"lblProd(15)", 3600, 5160, 4815, 195},
    {"lblProd(14)", 3600, 5400, 4815, 195},
    {"lblProd(13)", 3600, 5640, 4815, 195},
    {"lblProd(12)", 3600, 5880, 4815, 195},
    {"lblProd(11)", 3600, 6120, 4815, 195},
};

}  // namespace

std::span<const ControlGeometry> AllControlGeometry() {
    return kGeometry;
}

const ControlGeometry& GeometryOf(std::string_view name) {
    const auto* found = std::find_if(std::begin(kGeometry), std::end(kGeometry),
                                     [name](const ControlGeometry& g) { return g.name == name; });
    if (found == std::end(kGeometry)) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace isr
