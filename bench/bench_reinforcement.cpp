// Reinforcement generated for a tall nailed wall (200 nails in 8 layouts) and a reinforced fill
// (100 geogrid layers of 100 increments), moved into a reinforcement line list.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "graphics/line.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"

namespace {

Cpp_Line Wall(double height) {
    Cpp_Line slope;
    slope.AddPoint(-50, 0);
    slope.AddPoint(0, 0);
    slope.AddPoint(0, height);
    slope.AddPoint(400, height);
    return slope;
}

Cpp_NailData NailWall() {
    Cpp_NailData data;
    Cpp_NailProperties p;
    p.name = "Bar";
    p.capacityOption = Cpp_NailProperties::ByYieldForce;
    p.barYieldForce = {30000, ForcePounds};
    p.nailHeadStrength = {10000, ForcePounds};
    p.pulloutOption = Cpp_NailProperties::ByResistancePerLength;
    p.resistancePerLength = {2000, 0};
    data.Properties().push_back(p);
    for (int slot = 0; slot < Cpp_NailData::MaximumLayouts; ++slot) {
        Cpp_NailLayout& l = data.Layouts()[static_cast<size_t>(slot)];
        l.propertySet = 1;
        l.horizontalSpacing = 1.5;
        l.numberOfNails = 25;
        l.verticalSpacing = 1;
        l.topOfSlope = 200 - 25 * slot;
        l.distanceFromTop = 0.5;
        l.inclination = 15;
        l.nailLength = 30;
    }
    return data;
}

Cpp_GeogridData Fill() {
    Cpp_GeogridData data;
    Cpp_GeogridProperties p;
    p.name = "Grid";
    p.allowableStrength = {2000, 0};
    p.fStar = 0.5;
    data.Properties().push_back(p);
    Cpp_GeogridLayout l;
    l.lowestElevation = {1, 0};
    l.verticalSpacing = {1.5, 0};
    l.lowestLength = {50, 0};
    l.highestLength = {60, 0};
    l.numberOfLayers = 100;
    data.Layouts().push_back(l);
    data.options.numberOfIncrements = 100;
    data.options.stopIfNotDeveloped = false;
    return data;
}

void BM_GenerateReinforcement(benchmark::State& state) {
    const Cpp_Line nailWall = Wall(200);
    const Cpp_Line fillWall = Wall(160);
    Cpp_NailData nails = NailWall();
    Cpp_GeogridData grids = Fill();
    const OverburdenStressFunction overburden = [](double, double y, double surface,
                                                   double& stress) {
        stress = 120.0 * (surface - y);
        return true;
    };
    const int unit = ForcePerLengthUnitIndex(LengthFeet, ForcePounds);
    for (auto _ : state) {
        Cpp_ReinforcementLineList list;
        list.AddGeneratedLines(nails.GenerateForLayouts(nailWall), false);
        std::vector<s_GeneratedReinforcementLine> lines;
        if (!grids.GenerateLayoutReinforcement(overburden, fillWall, unit, lines))
            state.SkipWithError("geogrid generation stopped");
        list.AddGeneratedLines(lines, true);
        if (list.Count() != 300) state.SkipWithError("wrong number of lines");
        benchmark::DoNotOptimize(list.TotalPoints());
    }
}
BENCHMARK(BM_GenerateReinforcement)->Unit(benchmark::kMillisecond);

// The 300 generated lines written as a REI block, read back and checked against the slope.
void BM_ReadAndCheckReinforcement(benchmark::State& state) {
    const Cpp_Line nailWall = Wall(200);
    Cpp_NailData nails = NailWall();
    Cpp_ReinforcementLineList generated;
    generated.AddGeneratedLines(nails.GenerateForLayouts(nailWall), false);
    std::FILE* file = std::tmpfile();
    if (!file) {
        state.SkipWithError("no temporary file");
        return;
    }
    generated.WriteKLIVEN4InputDataFile(file);
    for (auto _ : state) {
        std::rewind(file);
        char command[64];
        if (!std::fgets(command, sizeof command, file)) state.SkipWithError("empty block");
        Cpp_ReinforcementLineList list;
        if (!list.ReadInput(file, nullptr, false)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(list.Check(1e-8, &nailWall, nullptr));
    }
    std::fclose(file);
}
BENCHMARK(BM_ReadAndCheckReinforcement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
