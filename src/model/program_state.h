#pragma once
// The program-wide state of the model library back to its start, as if the program had just
// begun: no data sets, stage 1, the drawing state, cursor mode, files, listing, preferences and
// units at their defaults, the platform services and every dialog slot back to their stand-ins.
// What the subsystems register (block readers and writers, checks, drawing layers, display
// owners, scale participants) stays.
//
//     ResetProgramState();   // the tests' listener, after every test

void ResetProgramState();

// State kept above the model library's lower layers (the tool dialog bars of editing) adds its
// reset once, when it is first made; ResetProgramState runs these first, in the order added.
void AddProgramStateReset(void (*reset)());
