#include "porepressure/porepressure_blocks.h"

#include "model/data_set.h"

bool ReadPiezometricLineBlock(s_BlockReadContext& context) {
    return context.dataSet.PiezometricLines(context.stage)
        ->ReadInput(context.input, context.listing, context.echo);
}
