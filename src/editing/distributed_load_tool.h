#pragma once
// What the distributed-load tools keep for the run besides their operations, which are
// members of Cpp_DistributedLoadData (loads/distributed_load_data.h): the snap option and the
// stress step per wheel click of "Distributed Load Data Entry Options", and the drawing of the
// tools' figures after a full paint of the view.

int DistributedLoadSnapOption();
double DistributedLoadWheelStep();
// Makes the view's painting draw the running tool's figures again (once is enough).
void RegisterDistributedLoadToolDrawing();
