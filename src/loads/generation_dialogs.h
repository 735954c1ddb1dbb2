#pragma once
// The dialogs that the generation of reinforcement from nails and geogrids runs, reached through
// one interface whose windows are registered in ReinforcementGenerationDialogsSlot(). The
// stand-in cancels every dialog.

#include "core/dialog_slot.h"

#include <vector>

struct s_GeogridGenerationOptions {
    enum { NumberOfIncrements = 0, IncrementDistance = 1 };
    int incrementOption = NumberOfIncrements;
    int numberOfIncrements = 100;
    double incrementDistance = 0.0;
    // Do not generate when the allowable force is not developed (curves crossing below it).
    bool stopIfNotDeveloped = true;
    int lengthUnit = 0;
    int forceUnit = 0;
};

class Cpp_ReinforcementGenerationDialogs {
public:
    virtual ~Cpp_ReinforcementGenerationDialogs() = default;
    // "Reinforcement Generation for Soil Nails": the length and force units of the forces.
    virtual bool EditNailGenerationUnits(int& lengthUnit, int& forceUnit) = 0;
    // "Reinforcement Generation for Geogrids": increments, stop flag and units.
    virtual bool EditGeogridGenerationOptions(s_GeogridGenerationOptions& options) = 0;
    // "Choose an X value": the index of the chosen value.
    virtual bool ChooseXValue(const std::vector<double>& values, int& index) = 0;
};

DialogSlot<Cpp_ReinforcementGenerationDialogs>& ReinforcementGenerationDialogsSlot();
// The registered dialogs, else the stand-in.
Cpp_ReinforcementGenerationDialogs& ReinforcementGenerationDialogs();
