#pragma once
// The three point-stress windows ("Vertical Effective Stress Computation", "Overburden Pressure
// Computation", "Pore Water Pressure Computation"): the user types points one after another
// and reads the results; nothing of the data changes. The openers start the first two at the
// given point (the command passes the first selected point item, else (0, 0)).

#include "core/dialog_slot.h"

class Cpp_Kliven4DataSet;

class Cpp_PointStressDialogs {
public:
    virtual ~Cpp_PointStressDialogs() = default;
    virtual void RunVerticalEffectiveStress(const Cpp_Kliven4DataSet& dataSet, double x,
                                            double y) = 0;
    virtual void RunOverburdenPressure(const Cpp_Kliven4DataSet& dataSet, double x, double y) = 0;
    virtual void RunPoreWaterPressure(const Cpp_Kliven4DataSet& dataSet) = 0;
};

// The registered windows; the stand-in shows nothing.
DialogSlot<Cpp_PointStressDialogs>& PointStressDialogsSlot();

// Always true.
bool ShowVerticalEffectiveStressDialog(const Cpp_Kliven4DataSet& dataSet, double x, double y);
bool ShowOverburdenPressureDialog(const Cpp_Kliven4DataSet& dataSet, double x, double y);
bool ShowPoreWaterPressureDialog(const Cpp_Kliven4DataSet& dataSet);
