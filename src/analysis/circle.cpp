#include "analysis/circle.h"

#include <cmath>
