#pragma once

#include "CompositePrice.h"

#include <array>

// What the main window's setting controls show when a recompute is asked for.
struct CapturedControls {
    static constexpr int NoItem = -1;
    int ratePriceStepItem = NoItem;        // ComboBox1: 有効桁1 … 有効4桁
    int ratePriceDecimalItem = NoItem;     // ComboBox2: 小数以下切り上げ/切り捨て/四捨五入
    int ratePriceStepAddendItem = NoItem;  // ComboBox3: 有効桁以下切り上げ/切り捨て/四捨五入
    bool ratePricing = false;              // 単価に掛け率を使用
    std::array<double, SubmissionLevels> levelRates{}; // avr_1 … avr_5
    double costRate = 0;                               // avr_N
    // Base labour costs are yen amounts of the book: kept exactly.
    std::array<Currency, SubmissionLevels> levelLabour{}; // GPAYDAY1 … GPAYDAY5
    Currency costLabour;                                  // GPAYDAY_N
};

// The combo box items as setting values; a setting no item stands for gives
// NoItem.
Currency RatePriceStepForItem(int item);
Currency AddendForItem(int item);
int ItemForRatePriceStep(Currency step);
int ItemForAddend(Currency addend);

// Stores the control values in the settings and labour rows of the work set
// and of the book. A combo box without a selection leaves its setting.
void CaptureControls(MaterialInBook target, const CapturedControls& controls);

// Captures the controls, then computes rows 1 to 59.
void RecomputeMaterial(MaterialInBook target, const CapturedControls& controls);
