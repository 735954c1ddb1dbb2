#pragma once
// What runs before the layers are drawn, each paint: subsystems that place labels per mapping
// (the material labels of the profile) register here; the painting of the view runs them.

class Cpp_Kliven4DataSet;

using ViewPreparation = void (*)(Cpp_Kliven4DataSet& dataSet);
// Adds a preparation; one registered twice runs once.
void RegisterViewPreparation(ViewPreparation preparation);
// Runs every preparation in registration order; one that fails is skipped. Never throws.
void RunViewPreparations(Cpp_Kliven4DataSet& dataSet);
