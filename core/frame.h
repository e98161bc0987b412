// Tarvel frame layout: header, special node IDs, the two writers' length rules and the reader's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// A node ID travels as 4 raw bytes at offsets 14 to 17, first byte first.
using NodeId = std::array<std::uint8_t, 4>;

inline constexpr std::uint16_t TARVEL_ETHERTYPE = 0x1199;
inline constexpr NodeId BROADCAST_NODE{0xff, 0xff, 0xff, 0xff};
inline constexpr NodeId DISCOVERY_NODE{0xff, 0xff, 0xff, 0xfe};

// Payloads of the two announce frames that answer a discovery request, in sending order.
inline constexpr char ANNOUNCE_TRANSMIT_TEXT[] = "Tarvel - (OS X) | Transmit Client |";
inline constexpr char ANNOUNCE_RECEIVE_TEXT[] = "Tarvel - (OS X) | Recieve Client |";

namespace frame {
inline constexpr std::size_t source_offset = 6;
inline constexpr std::size_t ethertype_offset = 12;
inline constexpr std::size_t node_offset = 14;
inline constexpr std::size_t reserved_offset = 18;
inline constexpr std::size_t length_byte_offset = 24;
inline constexpr std::size_t payload_offset = 25;
inline constexpr std::size_t header_bytes = 25;
inline constexpr std::size_t mac_bytes = 6;

inline constexpr std::size_t max_frame_bytes = 1500;
inline constexpr std::size_t max_payload_bytes = max_frame_bytes - header_bytes; // 1475
inline constexpr std::size_t transmit_min_frame_bytes = 64;
inline constexpr std::size_t reply_min_frame_bytes = 60;
// Frames up to this wire length carry their payload length in the length byte.
inline constexpr std::size_t length_byte_max_frame_bytes = 64;
inline constexpr std::size_t discovery_max_payload_bytes = 3;
} // namespace frame

using FrameBuffer = std::array<std::uint8_t, frame::max_frame_bytes>;
using MacAddress = std::array<std::uint8_t, frame::mac_bytes>;

// Writes bytes 0 to 23: broadcast destination, source address, ethertype, node ID, reserved ff.
void WriteFrameHeader(FrameBuffer& frame, const MacAddress& source, const NodeId& node);

// Transmit writer: length byte n up to 39, else 255; frame at least 64 bytes.
constexpr std::uint8_t TransmitLengthByte(std::size_t n) {
    return frame::header_bytes + n <= frame::transmit_min_frame_bytes ? static_cast<std::uint8_t>(n)
                                                                      : 0xff;
}
constexpr std::size_t TransmitFrameLength(std::size_t n) {
    return frame::header_bytes + n < frame::transmit_min_frame_bytes ? frame::transmit_min_frame_bytes
                                                                     : frame::header_bytes + n;
}

// Reply writer: length byte n modulo 256; frame at least 60 bytes.
constexpr std::uint8_t ReplyLengthByte(std::size_t n) { return static_cast<std::uint8_t>(n & 0xff); }
constexpr std::size_t ReplyFrameLength(std::size_t n) {
    return frame::header_bytes + n < frame::reply_min_frame_bytes ? frame::reply_min_frame_bytes
                                                                  : frame::header_bytes + n;
}

// Reading rule: frames of 12 to 64 bytes on the wire carry n in the length byte, longer ones
// are exactly 25 + n bytes. Negative for frames too short to hold a header.
constexpr long ReadPayloadLength(std::size_t wireLength, std::uint8_t lengthByte) {
    if (wireLength >= 12 && wireLength <= frame::length_byte_max_frame_bytes)
        return lengthByte;
    return static_cast<long>(wireLength) - static_cast<long>(frame::header_bytes);
}

// Puts the length byte and the payload (at most 1475 bytes) after a written header and
// returns the frame length by each writer's rule. Bytes past the payload are left as they are.
std::size_t PutTransmitPayload(FrameBuffer& frame, std::span<const std::uint8_t> payload);
std::size_t PutReplyPayload(FrameBuffer& frame, std::span<const std::uint8_t> payload);

struct ReceivedFrame {
    NodeId node;
    std::span<const std::uint8_t> payload; // points into the captured bytes
};

// The reader's rule with every length checked against the bytes really captured: frames
// shorter than a header, cut by the capture, or whose length byte claims more than the frame
// holds give nothing.
std::optional<ReceivedFrame> ReadFrame(std::span<const std::uint8_t> captured,
                                       std::size_t wireLength);

bool IsDiscoveryRequest(const ReceivedFrame& received);
