// SPDX-License-Identifier: MIT
// The result boxes of the calculation panel, held as the texts they show. Every figure of a
// calculation travels through these texts, so later steps work with the displayed (cent-rounded)
// values; the window only displays them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace isr {

struct ResultBoxes {
    // "0" is what every box shows before the first calculation.
    std::array<std::string, 5> txtISR08{"0", "0", "0", "0", "0"};
    std::array<std::string, 3> txtSUB08{"0", "0", "0"};
    std::array<std::string, 1> txtRet08{"0"};

    bool operator==(const ResultBoxes&) const = default;
};

// Describes one result box for every front end that names the boxes: the caption beside it in the
// window and the key it carries in the command line's JSON and CSV output.
struct ResultBoxInfo {
    std::string_view array;  // "txtISR08", "txtSUB08" or "txtRet08"
    int index;
    std::string_view caption;
    std::string_view group;      // JSON object the key belongs to, empty for the top level
    std::string_view key;        // JSON key inside `group`
    std::string_view csvColumn;  // column of the batch output
};

// All nine boxes, in the order the window lists them.
extern const std::array<ResultBoxInfo, 9> kResultBoxes;

// The text of a box described in kResultBoxes.
const std::string& BoxText(const ResultBoxes& boxes, const ResultBoxInfo& box);

}  // namespace isr
