#include <cstddef>
#include <cstdint>
#include <span>

#include "base/Exception.h"
#include "skin/ImageDecoders.h"

// Any bytes as a PNG, a JPEG and a BMP: each decoder may refuse them, but
// must never read past them or allocate for sizes the data cannot hold.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (const char* name : {"F.PNG", "F.JPG", "F.BMP"}) {
    try {
      DecodeSkinImage(bytes, name);
    } catch (const Exception&) {
    }
  }
  return 0;
}
