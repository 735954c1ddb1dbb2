#pragma once
// The list of data sets the program holds and the current one. Data sets are owned by the list.
//
//     Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();  // creates data set 1 if none
//     Cpp_Kliven4Data::DeleteAllDataSets();                         // File New, opening a file

#include <vector>

#include "model/data_set.h"

class Cpp_Kliven4Data {
public:
    class Exc_CannotAllocateMemory {};
    class Exc_IllegalDataSetToSetCurrent {};

    // A new data set with that number, appended and made current; unless keep, every data set
    // is deleted first.
    static Cpp_Kliven4DataSet* NewDataSet(int number, bool keep);
    // The current data set; one is created (number = count + 1) when there is none.
    static Cpp_Kliven4DataSet* CurrentDataSet();
    static Cpp_Kliven4DataSet* CurrentDataSetOrNull();
    // True; throws Exc_IllegalDataSetToSetCurrent when the list does not hold the set.
    static bool SetCurrentDataSet(Cpp_Kliven4DataSet* dataSet);
    static Cpp_Kliven4DataSet* FirstDataSet();
    static int NumberOfDataSets();
    // Deletes the set and every set after it in the list.
    static void DeleteDataSetChain(Cpp_Kliven4DataSet* dataSet);
    static void DeleteAllDataSets();

    // Union of the extents of every data set; false when no set has extents.
    static bool ExtentsOfAllDataSets(double& xmin, double& xmax, double& ymin, double& ymax);
    // Display-scale maxima over every data set (stage 2 only for multi-stage sets); 0 when none.
    static double MaximumDistributedLoad();
    static double MaximumLineLoad();
    static double MaximumReinforcementForce();
    // The largest crack water force of the data sets' slices, and the largest value of a slice
    // entity (Cpp_Slices::MaxAbsValue, for the analysis data's stages) over the data sets with
    // results; 0 when none.
    static double MaximumSliceValue();
    static double MaximumSliceQuantity(int entity);

    // Guard of the radius tool: true when the current data set's analysis data are for circles;
    // otherwise a "Notice" box says what to enter first, and the result is false.
    static bool CheckCircleDataForRadius(WindowHandle parent);
    // Prepares the current data set's analysis data for circular (true) or noncircular slip
    // surfaces (Cpp_AnalysisComputationData::ChangeShape); false when the user refuses.
    static bool ChangeSlipSurfaceShape(WindowHandle parent, bool circular);

    // "Selections ...": the sheet on the current data set's flags (the defaults without one),
    // with one designation row per stage-1 interpolation set (kind, material, shown); after OK
    // each row's choice goes back to its set. False on Cancel, nothing changed.
    static bool EditDisplaySelections();
};
