// Fuzzes the frame reader with arbitrary bytes and arbitrary captured and wire lengths.
#include "frame.h"

#include <cstdlib>
#include <cstring>

// Input: two bytes of wire length (big-endian), then the captured bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t wireLength = (std::size_t{data[0]} << 8 | data[1]) & 0x3fff;
    // A copy of exactly the captured length, so AddressSanitizer sees any read past it.
    const std::size_t captured = size - 2;
    std::uint8_t* bytes = static_cast<std::uint8_t*>(std::malloc(captured ? captured : 1));
    std::memcpy(bytes, data + 2, captured);

    const auto read = ReadFrame(std::span(bytes, captured), wireLength);
    if (read) {
        // The payload lies within the frame and within what was captured.
        if (read->payload.data() != bytes + frame::payload_offset ||
            frame::header_bytes + read->payload.size() > wireLength ||
            frame::header_bytes + read->payload.size() > captured)
            std::abort();
        if (wireLength <= frame::length_byte_max_frame_bytes) {
            if (read->payload.size() != bytes[frame::length_byte_offset])
                std::abort();
        } else if (read->payload.size() != wireLength - frame::header_bytes) {
            std::abort();
        }
        volatile std::uint8_t sink = 0;
        for (std::uint8_t b : read->payload)
            sink = sink ^ b;
        (void)IsDiscoveryRequest(*read);
    }
    std::free(bytes);
    return 0;
}
