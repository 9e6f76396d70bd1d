#pragma once

// The answer texts of the three concept pages, each one paragraph without line
// breaks. Leading and trailing blanks are part of the texts.

namespace fc::texts {

// Cardiac function curve page
extern const char *const kCfcWhatIs;        // row 2
extern const char *const kCfcContractility; // row 4
extern const char *const kCfcLargeCvp;      // row 6

// Vascular function curve page
extern const char *const kVfcWhatIs;        // row 2
extern const char *const kVfcRegion1;       // row 3
extern const char *const kVfcRegion2;       // row 4
extern const char *const kVfcRegions3And4;  // row 5
extern const char *const kVfcRelationships; // row 6

// Interactions and changes page
extern const char *const kTpr;          // row 2
extern const char *const kVolume;       // row 3
extern const char *const kContractility;// row 4
extern const char *const kBloodLoss;    // row 5
extern const char *const kOrthostatic;  // row 6
extern const char *const kHeartFailure; // row 7

}  // namespace fc::texts
