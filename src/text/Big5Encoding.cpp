#include "text/Big5Encoding.h"

#include "text/DoubleByteCodec.h"

std::string Big5ToUtf8(std::string_view big5) { return DoubleByteToUtf8(Big5Table, big5); }
