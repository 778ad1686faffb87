// Lays resources out in the embedded blob format and writes the C++ source that carries it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rc_model.h"

std::vector<uint8_t> SerializeResources(const std::vector<Resource>& resources);
std::string EmitResourceSource(const std::vector<uint8_t>& blob, const std::string& scriptName);
