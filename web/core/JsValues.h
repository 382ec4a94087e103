#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

// The binding's conversions: bytes come and go as Uint8Array, lists of texts as arrays of strings.

inline std::vector<uint8_t> BytesFrom(const emscripten::val& array)
{
    return emscripten::convertJSArrayToNumberVector<uint8_t>(array);
}

// A copy the page keeps: a view into the module's memory would change under it.
inline emscripten::val ByteArray(const uint8_t* bytes, size_t size)
{
    return emscripten::val(emscripten::typed_memory_view(size, bytes)).call<emscripten::val>("slice");
}

inline emscripten::val ByteArray(const std::vector<uint8_t>& bytes) { return ByteArray(bytes.data(), bytes.size()); }

inline emscripten::val TextArray(const std::vector<std::string>& texts)
{
    emscripten::val array = emscripten::val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}
