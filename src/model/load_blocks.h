#pragma once
// The input-format blocks of loads and reinforcement as the reader dispatcher and the writers
// of the data set reach them.
//
// Readers (registered in model/subsystem_registration.cpp): DIS (and SUR in the older format),
// LIN (and FOR), REI, NAI and GEO. Writers: the blocks of one stage (DIS, LIN), the REI block (both
// file forms, after the stage-1 load blocks) and the document's own NAI and GEO blocks (before
// the units line; never in the computation input).

#include <cstdio>

struct s_BlockReadContext;
class Cpp_LoadsData;

bool ReadDistributedLoadsBlock(s_BlockReadContext& context);
bool ReadLineLoadsBlock(s_BlockReadContext& context);
bool ReadReinforcementBlock(s_BlockReadContext& context);
bool ReadNailsBlock(s_BlockReadContext& context);
bool ReadGeogridsBlock(s_BlockReadContext& context);

// DIS then LIN of the stage.
bool WriteLoadBlocksOfStage(const Cpp_LoadsData& loads, int stage, std::FILE* file);
bool WriteReinforcementBlock(const Cpp_LoadsData& loads, std::FILE* file);
// NAI then GEO (document only).
bool WriteNailAndGeogridBlocks(const Cpp_LoadsData& loads, std::FILE* file);

// Registers the writers of NAI, GEO, DIS, LIN and REI with the data set's writer, and whether
// the second stage holds distributed loads or line loads.
void RegisterLoadBlockWriters();
