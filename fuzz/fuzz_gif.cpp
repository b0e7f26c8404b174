#include "FuzzSupport.h"
#include "canvas/decode/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The decoder alone, without recognition in front: it must refuse anything by itself.
    mimora::GifDecoder().decode(mimora::FuzzInput(data, size), mimora::FuzzLimits());
    return 0;
}
