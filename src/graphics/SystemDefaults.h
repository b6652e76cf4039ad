#pragma once
#include <cstdint>

// What the platform answers when no test has replaced the query: the system
// itself on Windows, fixed answers elsewhere.
uint32_t DefaultSysColor(int index);
bool DefaultCompositionEnabled();
