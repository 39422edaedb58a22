// SPDX-License-Identifier: MIT
// What "&Calcular" runs, for every front end: the enabled entry fields formatted as on leaving
// them, their texts read and calculated with the chosen tables, each result box shown.
#pragma once

#include <functional>
#include <string_view>

#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "entry/text_field.h"
#include "tariffs/table_set.h"

namespace isr {

// How a front end puts a box's text in its place.
using ShowBox = std::function<void(ResultBox box, std::string_view text)>;

// Every box of `withholding`, in the order of kResultBoxes.
void ShowBoxes(const Withholding& withholding, const ShowBox& show);

// The fields are formatted first, so that the calculation reads what they show. With no period
// selected (list position -1) nothing is calculated and the boxes keep what they show.
void Calcular(const TableSet& tables, int periodListIndex, TextField& base, TextField& subsidySum,
              const ShowBox& show);

}  // namespace isr
