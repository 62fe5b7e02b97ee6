// One libFuzzer program per loader; RX_FUZZ_TARGET names its input handler.
#include "fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RX_FUZZ_TARGET(data, size);
  return 0;
}
