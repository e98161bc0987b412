// Frame writers and reader: layout, both length rules, and the reader's checks.
#include "frame.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

const MacAddress source{0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const NodeId node{0x80, 0x00, 0x00, 0x01};

std::vector<std::uint8_t> Payload(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST(FrameHeader, WritesEveryHeaderByte) {
    FrameBuffer f{};
    WriteFrameHeader(f, source, node);
    const std::uint8_t expected[24] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x02, 0x11,
                                       0x22, 0x33, 0x44, 0x55, 0x11, 0x99, 0x80, 0x00,
                                       0x00, 0x01, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), f.begin()));
    EXPECT_EQ(f[24], 0) << "the header writer leaves the length byte to the payload writers";
}

struct WriterCase {
    std::size_t n;
    std::size_t transmitLength;
    std::uint8_t transmitLengthByte;
    std::size_t replyLength;
    std::uint8_t replyLengthByte;
};

void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.n; }

class FrameWriters : public ::testing::TestWithParam<WriterCase> {};

TEST_P(FrameWriters, LengthRulesPaddingAndReader) {
    const WriterCase c = GetParam();
    const std::vector<std::uint8_t> payload = Payload(c.n);

    struct Writer {
        std::size_t (*put)(FrameBuffer&, std::span<const std::uint8_t>);
        std::size_t length;
        std::uint8_t lengthByte;
    };
    for (const Writer w : {Writer{PutTransmitPayload, c.transmitLength, c.transmitLengthByte},
                           Writer{PutReplyPayload, c.replyLength, c.replyLengthByte}}) {
        FrameBuffer f{};
        WriteFrameHeader(f, source, node);
        const std::size_t length = w.put(f, payload);
        EXPECT_EQ(length, w.length);
        EXPECT_EQ(f[24], w.lengthByte);
        EXPECT_TRUE(std::equal(payload.begin(), payload.end(), f.begin() + 25));
        for (std::size_t i = 25 + c.n; i < length; ++i)
            ASSERT_EQ(f[i], 0) << "padding byte " << i;

        const auto read = ReadFrame(std::span(f.data(), length), length);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->node, node);
        EXPECT_EQ(read->payload.size(), c.n);
        EXPECT_TRUE(std::equal(payload.begin(), payload.end(), read->payload.begin()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    PayloadLengths, FrameWriters,
    ::testing::Values(WriterCase{0, 64, 0, 60, 0}, WriterCase{3, 64, 3, 60, 3},
                      WriterCase{35, 64, 35, 60, 35}, WriterCase{36, 64, 36, 61, 36},
                      WriterCase{39, 64, 39, 64, 39}, WriterCase{40, 65, 255, 65, 40},
                      WriterCase{262, 287, 255, 287, 6}, WriterCase{263, 288, 255, 288, 7},
                      WriterCase{1475, 1500, 255, 1500, 1475 % 256}),
    [](const auto& info) { return "n" + std::to_string(info.param.n); });

TEST(FrameWriters, TransmitPaddingKeepsBytesOfALongerEarlierPayload) {
    FrameBuffer f{};
    WriteFrameHeader(f, source, node);
    const std::uint8_t first[] = {0x90, 0x3c, 0x64};
    const std::uint8_t second[] = {0xf8};
    PutTransmitPayload(f, first);
    EXPECT_EQ(PutTransmitPayload(f, second), 64u);
    EXPECT_EQ(f[24], 1);
    EXPECT_EQ(f[25], 0xf8);
    EXPECT_EQ(f[26], 0x3c);
    EXPECT_EQ(f[27], 0x64);
}

struct ReadCase {
    const char* name;
    std::size_t wireLength;
    std::size_t captured; // bytes the capture kept
    std::uint8_t lengthByte;
    long expected; // payload length, or -1 for a dropped frame
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class FrameReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FrameReader, PayloadLengthOrDrop) {
    const ReadCase c = GetParam();
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(c.captured, 25), 0xaa);
    bytes[24] = c.lengthByte;
    const auto read = ReadFrame(std::span(bytes.data(), c.captured), c.wireLength);
    if (c.expected < 0) {
        EXPECT_FALSE(read.has_value());
    } else {
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(static_cast<long>(read->payload.size()), c.expected);
        EXPECT_EQ(read->payload.data(), bytes.data() + 25);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameReader,
    ::testing::Values(ReadCase{"sixty_bytes_length_three", 60, 60, 3, 3},
                      ReadCase{"sixty_four_bytes_length_39", 64, 64, 39, 39},
                      ReadCase{"sixty_five_bytes_ignores_length_byte", 65, 65, 3, 40},
                      ReadCase{"hundred_bytes", 100, 100, 255, 75},
                      ReadCase{"largest_frame", 1500, 1500, 255, 1475},
                      ReadCase{"header_only", 25, 25, 0, 0},
                      ReadCase{"shorter_than_header", 24, 24, 0, -1},
                      ReadCase{"fourteen_bytes", 14, 14, 0, -1},
                      ReadCase{"length_byte_claims_past_frame", 60, 60, 36, -1},
                      ReadCase{"length_byte_255_in_short_frame", 64, 64, 255, -1},
                      ReadCase{"cut_by_capture", 1600, 1500, 255, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameReader, DiscoveryRequestIsThreeBytesOrLessToDiscoveryNode) {
    std::uint8_t bytes[64]{};
    std::copy(DISCOVERY_NODE.begin(), DISCOVERY_NODE.end(), bytes + 14);
    for (std::uint8_t lengthByte = 0; lengthByte <= 4; ++lengthByte) {
        bytes[24] = lengthByte;
        const auto read = ReadFrame(bytes, 64);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(IsDiscoveryRequest(*read), lengthByte <= 3) << int(lengthByte);
    }
    bytes[17] = 0xfd;
    bytes[24] = 0;
    EXPECT_FALSE(IsDiscoveryRequest(*ReadFrame(bytes, 64)));
}

} // namespace
