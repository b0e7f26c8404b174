#include "FuzzSupport.h"
#include "canvas/decode/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    mimora::DecodePicture(mimora::FuzzInput(data, size), mimora::FuzzLimits());
    return 0;
}
