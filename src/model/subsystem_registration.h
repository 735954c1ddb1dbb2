#pragma once
// The one registration point of the subsystems (profile, pore pressure, loads, analysis): their
// block readers, block writers, block checks and drawing layers go into the registries of
// src/registry/ from here. The program calls RegisterSubsystems at start-up, and so do the
// benchmarks and the tests that read, write, check or draw whole data sets. Each part may be
// called on its own and again: a second call changes nothing.
// The construction items (CON block) live above the model, in editing/: the program registers
// their reader and writer with RegisterConstructionBlocks (editing/construction_items.h) right
// after RegisterSubsystems.

// Everything below.
void RegisterSubsystems();

// The reader of every block word (and the pore-pressure queries of the point stresses); the
// reader calls it before a file is read.
void InitializeBlockReaders();
// The writer of every block, where none is registered yet; the writer calls it before it
// writes.
void InitializeBlockWriters();
// The check of every block, where none is registered yet; the data check calls it before it
// runs.
void InitializeBlockChecks();
// The drawing layers of the profile, pore pressure, loads and analysis, with their display
// flags and the placing of the material labels before each paint.
void RegisterDrawingLayers();
