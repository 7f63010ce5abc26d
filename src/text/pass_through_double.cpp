#include "text/pass_through_double.h"

double PassThroughDouble(double value) { return value; }
