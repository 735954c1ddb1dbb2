#include "porepressure/porepressure_blocks.h"

#include "model/data_set.h"

bool ReadPiezometricLineBlock(s_BlockReadContext& context) {
    return context.dataSet.PiezometricLines(context.stage)
        ->ReadInput(context.input, context.listing, context.echo);
}

bool ReadInterpolationBlock(s_BlockReadContext& context) {
    return context.dataSet.InterpolationData(context.stage)
        ->ReadInput(context.input, context.listing, context.echo, context.parent);
}

bool ReadExternalFileBlock(s_BlockReadContext& context) {
    return context.dataSet.ReadExternalFileNames(context.input);
}
