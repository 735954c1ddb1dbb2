#pragma once
// What the distributed-load tools keep for the run besides their operations, which are
// members of Cpp_DistributedLoadData (loads/distributed_load_data.h): the snap option and the
// stress step per wheel click of "Distributed Load Data Entry Options", and the drawing of the
// tools' figures after a full paint of the view.

int DistributedLoadSnapOption();
double DistributedLoadWheelStep();
// Makes the view's painting draw the running tool's figures again (once is enough).
void RegisterDistributedLoadToolDrawing();

class Cpp_Kliven4DataSet;

// The pore-water pressure at (x, y) of the piezometric line that the distributed-load bar
// names, among the current stage's lines. A line that is not there gives the notice "Piezometric
// line number %d does not exist for computing distributed loads." and false; a point beyond the
// line's ends false.
bool WaterPressureForDistributedLoad(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                     double& pressure);
