#include <vector>

#include "graphics/WorkBitmap.h"

struct TacBitmapStorage {
  std::vector<TacPixel> Pixels;
};

TacBitmapStorage* CreateBitmapStorage(int32_t width, int32_t height, TacPixel*& bits) {
  auto* storage = new TacBitmapStorage{std::vector<TacPixel>(static_cast<size_t>(width) * static_cast<size_t>(height))};
  bits = storage->Pixels.data();
  return storage;
}

void TacBitmapStorageDeleter::operator()(TacBitmapStorage* storage) const { delete storage; }
