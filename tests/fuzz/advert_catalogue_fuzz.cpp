// The catalogue of other games: any text read without reading past it, into at least four
// entries (four different ones are shown) or none.
#include "fuzz_support.h"
#include "online/advert_catalogue.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<std::vector<Advert>> adverts = ReadAdvertCatalogue(fuzz::Bytes(data, size));
  if (!adverts) return 0;
  FUZZ_CHECK(adverts->size() > 3 && adverts->size() <= 999);
  return 0;
}
