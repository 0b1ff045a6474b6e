#include "papers/LineReader.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qlx {

uint64_t LineReader::NewlineBits(const char* block, const char* end) {
    const auto available = std::min<std::size_t>(64, static_cast<std::size_t>(end - block));
    char tail[64];
    if (available < 64) { // the last block: read a zero-padded copy, never past the text
        std::memset(tail, 0, sizeof tail);
        std::memcpy(tail, block, available);
        block = tail;
    }
    uint64_t bits = 0;
#if defined(__SSE2__)
    const __m128i newline = _mm_set1_epi8('\n');
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
        const auto found = static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline)));
        bits |= uint64_t{found} << (16 * i);
    }
#else
    for (int i = 0; i < 64; ++i) {
        bits |= uint64_t{block[i] == '\n'} << i;
    }
#endif
    return bits;
}

} // namespace qlx
