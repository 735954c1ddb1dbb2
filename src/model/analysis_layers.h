#pragma once
// The analysis layer and the tension-crack layer of the data set's drawing, and the display
// flags they follow. Called from the registration point (model/subsystem_registration.h).

void RegisterAnalysisDrawing();
