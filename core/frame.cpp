// Tarvel frame header writer, payload writers and the checked reader.
#include "frame.h"

#include <algorithm>
#include <cstring>

void WriteFrameHeader(FrameBuffer& frame, const MacAddress& source, const NodeId& node) {
    std::fill_n(frame.begin(), frame::mac_bytes, 0xff);
    std::copy(source.begin(), source.end(), frame.begin() + frame::source_offset);
    frame[frame::ethertype_offset] = TARVEL_ETHERTYPE >> 8;
    frame[frame::ethertype_offset + 1] = TARVEL_ETHERTYPE & 0xff;
    std::copy(node.begin(), node.end(), frame.begin() + frame::node_offset);
    std::fill_n(frame.begin() + frame::reserved_offset, 6, 0xff);
}

static void PutPayload(FrameBuffer& frame, std::span<const std::uint8_t> payload) {
    // memcpy, not std::copy: the sanitizers and the optimiser both like the plain call here.
    if (!payload.empty())
        std::memcpy(frame.data() + frame::payload_offset, payload.data(), payload.size());
}

std::size_t PutTransmitPayload(FrameBuffer& frame, std::span<const std::uint8_t> payload) {
    frame[frame::length_byte_offset] = TransmitLengthByte(payload.size());
    PutPayload(frame, payload);
    return TransmitFrameLength(payload.size());
}

std::size_t PutReplyPayload(FrameBuffer& frame, std::span<const std::uint8_t> payload) {
    frame[frame::length_byte_offset] = ReplyLengthByte(payload.size());
    PutPayload(frame, payload);
    return ReplyFrameLength(payload.size());
}

std::optional<ReceivedFrame> ReadFrame(std::span<const std::uint8_t> captured,
                                       std::size_t wireLength) {
    // A frame the capture cut short is dropped whole: half a MIDI message is worse than none.
    if (wireLength < frame::header_bytes || captured.size() < wireLength)
        return std::nullopt;
    const long n = ReadPayloadLength(wireLength, captured[frame::length_byte_offset]);
    if (n < 0 || frame::header_bytes + static_cast<std::size_t>(n) > wireLength)
        return std::nullopt;
    ReceivedFrame received;
    std::copy_n(captured.begin() + frame::node_offset, 4, received.node.begin());
    received.payload = captured.subspan(frame::payload_offset, static_cast<std::size_t>(n));
    return received;
}

bool IsDiscoveryRequest(const ReceivedFrame& received) {
    return received.node == DISCOVERY_NODE &&
           received.payload.size() <= frame::discovery_max_payload_bytes;
}
