#pragma once

#include <string>

// The path of the benchmark database of that size ("bench-1an", "bench-10ans"), generated
// with seed 1 into the cache folder the first time it is asked for.
std::string baseDeBench(const std::string& taille);
