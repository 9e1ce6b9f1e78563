// A deal's number as a person types it.
#pragma once

#include <cstdint>
#include <string>

namespace durak {

// Digits only (spaces around them allowed), 0..4294967295; false for anything else.
bool ParseDealNumber(const std::string& text, uint32_t* number);

}  // namespace durak
