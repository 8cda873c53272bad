#pragma once

#include "CallerArguments.h"
#include "Currency.h"
#include "PriceRow.h"
#include "RemovalSettings.h"

#include <QString>
#include <optional>

enum class WorkKind { General, Removal, RemovalReuse };

// Everything the dialog holds when a line is to be sent.
struct EstimateChoice {
    QString bookPath;      // the chosen category's price book; empty before one is chosen
    int category = 0;      // 1..10
    QString materialShown; // the material name label
    int material = -1;     // the list selection, -1 for none
    int sheet = 0;         // 0..3
    QString sheetCaption;
    int row = 0;           // 0..14
    QString sizeShown;     // the size label
    QString sizeName;      // the stored size name, at most 10 characters
    WorkKind work = WorkKind::General;
    QString constructionType;
    int levelIndex = 0; // 0..4 for LEVEL1..LEVEL5; anything else reads as LEVEL1
    bool useComposite = false;
    bool appendSheet = false;
    bool appendConstruction = false;
    bool remarkOn = false;
    QString remark;
    QString netQuantityText; // as the field shows it: empty while 0
    Currency netQuantity;
    Currency offerQuantity;
    CallerMode mode;
    int systemNumber = 0;
    RemovalSettings removal;
};

// The values of one estimate line, as the record to the estimate program
// carries them.
struct EstimateLine {
    QString materialName;
    QString sizeText; // the size name, with a blank and the sheet when appended
    Currency priceA;  // cost, or the composite cost
    Currency priceB;  // the level's price, or its adopted price
    Currency netQuantity;
    Currency offerQuantity;
    Currency compositeCost;
    Currency adoptedPrice;
    int flag = 10;
    Currency lineCode;
    QString constructionRemark;
    Currency fitterRate;
    Currency listPrice;
    int systemNumber = 0;
    QString remark;
    QString sizeName;
    int sheet = 0;

    bool operator==(const EstimateLine&) const = default;
};

// The message of the first check that fails, in the order the dialog checks.
std::optional<QString> RefuseEstimateChoice(const EstimateChoice& choice);

// 10, or 20 when a quantity has a fraction; plus 5 with the remark option;
// plus 100 for the pickup program.
int FlagValue(Currency offerQuantity, Currency netQuantity, bool remarkOn, const CallerMode& mode);

// The record's position over all ten categories, from 1.
int LineNumber(int category, int material, int sheet, int row);

// The line number plus the system number / 10.
Currency LineCode(int lineNumber, int systemNumber);

// LEVEL1..LEVEL5 (1..5) of the level box index.
int LevelOfIndex(int levelIndex);

// Clears the removal work's costs and scales its pipe fitter rate.
void ApplyWorkKind(PriceRow& record, WorkKind work, const RemovalSettings& removal);

// The line from the record at the choice's position.
EstimateLine DeriveEstimateLine(const EstimateChoice& choice, PriceRow record);

// Reads that record (the file opened and closed for it) and derives the line.
EstimateLine LookupEstimateLine(const EstimateChoice& choice);
