#pragma once

double PassThroughDouble(double value);
inline double PassThroughDouble2(double value) { return PassThroughDouble(value); }
