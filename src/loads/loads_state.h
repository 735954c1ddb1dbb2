#pragma once
// The program-wide state of the loads subsystem back to its start (part of ResetProgramState):
// the arrow scales, the messages already given, the display defaults and pick filters; one part
// per file that keeps them.

void ResetLoadsState();

void ResetDistributedLoadDisplayDefaults();  // distributed_load_data.cpp
void ResetDistributedLoadPickFilters();      // distributed_load_drawing.cpp
void ResetLineLoadDisplayDefaults();         // line_load.cpp
void ResetLineLoadPickFilters();             // line_load_drawing.cpp
void ResetReinforcementDisplayDefaults();    // reinforcement_line_list.cpp
void ResetReinforcementPickFilters();        // reinforcement_drawing.cpp
void ResetNailPickFilters();                 // nail_drawing.cpp
void ResetGeogridPickFilters();              // geogrid_drawing.cpp
