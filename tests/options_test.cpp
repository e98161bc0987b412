// Option scan and node-ID words, in memory.
#include "options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ScanCase {
    const char* name;
    const ProgramConstants* program;
    std::vector<const char*> args; // after the program name
    // expected
    bool exits = false;
    std::string message = {}; // when it exits
    std::string interface = {};
    NodeId node = {};
    std::string nodeIdText = {};
};

const ProgramConstants* const rx = &receiveProgram;
const ProgramConstants* const tx = &transmitProgram;
const std::string help = "help";  // placeholders resolved per program below
const std::string banner = "banner";
const std::string rejected = "Wrong node ID.  ID must not start with ff.\n";
const NodeId all_ff = BROADCAST_NODE;

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class OptionScanTable : public ::testing::TestWithParam<ScanCase> {};

TEST_P(OptionScanTable, Scan) {
    const ScanCase& c = GetParam();
    std::vector<const char*> argv{"prog"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const OptionScan scan = ScanOptions(static_cast<int>(argv.size()), argv.data(), *c.program);

    EXPECT_EQ(scan.exits, c.exits);
    if (c.exits) {
        EXPECT_EQ(scan.exitStatus, 1);
        std::string expected = c.message;
        if (expected == help)
            expected = c.program->helpText;
        if (expected == banner)
            expected = c.program->versionBanner;
        EXPECT_EQ(scan.message, expected);
        return;
    }
    EXPECT_EQ(scan.interface, c.interface);
    EXPECT_EQ(scan.node, c.node);
    EXPECT_EQ(scan.nodeIdText, c.nodeIdText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionScanTable,
    ::testing::Values(
        ScanCase{"no_arguments", tx, {}, false, "", "en0", all_ff, "ff:ff:ff:ff"},
        ScanCase{"tx_node_id", tx, {"-t", "80:00:00:00"}, false, "", "en0", {0x80, 0, 0, 0},
                 "80:00:00:00"},
        ScanCase{"rx_node_id", rx, {"-r", "80:00:00:00"}, false, "", "en0", {0x80, 0, 0, 0},
                 "80:00:00:00"},
        ScanCase{"upper_case_kept_as_typed", tx, {"-t", "0A:0B:0C:0D"}, false, "", "en0",
                 {0x0a, 0x0b, 0x0c, 0x0d}, "0A:0B:0C:0D"},
        ScanCase{"short_word_ignored", tx, {"-t", "8:0:0:0"}, false, "", "en0", all_ff,
                 "ff:ff:ff:ff"},
        ScanCase{"extra_fields_ignored", tx, {"-t", "1:2:3:4:5:6"}, false, "", "en0",
                 {1, 2, 3, 4}, "1:2:3:4:5:6"},
        ScanCase{"empty_fields_skipped", tx, {"-t", "::1:2::3:4:"}, false, "", "en0",
                 {1, 2, 3, 4}, "::1:2::3:4:"},
        ScanCase{"hex_prefix_sign_and_blanks", tx, {"-t", " 0x1:+2:3:4"}, false, "", "en0",
                 {1, 2, 3, 4}, " 0x1:+2:3:4"},
        ScanCase{"low_eight_bits_of_1ff_rejected", tx, {"-t", "1ff:-1:2:03"}, true, rejected},
        ScanCase{"minus_one_rejected", tx, {"-t", "-1:00:00:00"}, true, rejected},
        ScanCase{"ff_rejected_tx", tx, {"-t", "ff:00:00:01"}, true, rejected},
        ScanCase{"ff_rejected_rx", rx, {"-r", "ff:00:00:01"}, true, rejected},
        ScanCase{"negative_field_later_is_fine", tx, {"-t", "01:-1:00:0g"}, false, "", "en0",
                 {1, 0xff, 0, 0}, "01:-1:00:0g"},
        ScanCase{"rx_does_not_know_t", rx, {"-i", "en1", "-t", "80:00:00:00"}, false, "", "en1",
                 all_ff, "ff:ff:ff:ff"},
        ScanCase{"last_node_id_wins", rx, {"-r", "80:00:00:00", "-r", "81:00:00:00"}, false, "",
                 "en0", {0x81, 0, 0, 0}, "81:00:00:00"},
        ScanCase{"ignored_word_keeps_earlier", rx, {"-r", "80:00:00:00", "-r", "1"}, false, "",
                 "en0", {0x80, 0, 0, 0}, "80:00:00:00"},
        ScanCase{"last_interface_wins", tx, {"-i", "eth0", "-i", "eth1"}, false, "", "eth1",
                 all_ff, "ff:ff:ff:ff"},
        ScanCase{"interface_unchecked", tx, {"-i", "a-very-long-interface-name"}, false, "",
                 "a-very-long-interface-name", all_ff, "ff:ff:ff:ff"},
        ScanCase{"second_character_decides", tx, {"-iX", "eth2", "-tnode", "80:00:00:01"},
                 false, "", "eth2", {0x80, 0, 0, 1}, "80:00:00:01"},
        ScanCase{"interface_consumes_option_word", tx, {"-i", "-t", "80:00:00:00"}, false, "",
                 "-t", all_ff, "ff:ff:ff:ff"},
        ScanCase{"node_id_consumes_help", tx, {"-t", "-h"}, false, "", "en0", all_ff,
                 "ff:ff:ff:ff"},
        ScanCase{"lone_dash_and_words_skipped", tx, {"-", "word", "-x", "--"}, false, "", "en0",
                 all_ff, "ff:ff:ff:ff"},
        ScanCase{"no_colon_eleven_bytes_ignored", tx, {"-t", "80000000000"}, false, "", "en0",
                 all_ff, "ff:ff:ff:ff"},
        ScanCase{"three_fields_eleven_bytes_ignored", tx, {"-t", "800:000:000"}, false, "",
                 "en0", all_ff, "ff:ff:ff:ff"},
        ScanCase{"help", tx, {"-h"}, true, help},
        ScanCase{"help_word", rx, {"-help"}, true, help},
        ScanCase{"version", rx, {"-v"}, true, banner},
        ScanCase{"version_before_help", tx, {"-v", "-h"}, true, banner},
        ScanCase{"help_before_version", tx, {"-h", "-v"}, true, help},
        ScanCase{"help_after_node_id", tx, {"-t", "80:00:00:00", "-h"}, true, help},
        ScanCase{"reject_stops_scan", tx, {"-t", "ff:00:00:00", "-h"}, true, rejected},
        ScanCase{"missing_interface", rx, {"-i"}, true, "Missing value for -i\n"},
        ScanCase{"missing_node_id_tx", tx, {"-t"}, true, "Missing value for -t\n"},
        ScanCase{"missing_node_id_rx", rx, {"-i", "en1", "-r"}, true, "Missing value for -r\n"},
        ScanCase{"rx_trailing_t_is_unknown", rx, {"-t"}, false, "", "en0", all_ff,
                 "ff:ff:ff:ff"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNodeId, OutcomesAndBytes) {
    struct Case {
        const char* word;
        NodeIdOutcome outcome;
        NodeId id;
    } cases[] = {
        {"80:00:00:00", NodeIdOutcome::accepted, {0x80, 0, 0, 0}},
        {"1ff:02:03:4", NodeIdOutcome::rejected, {0xff, 2, 3, 4}},
        {"7f:ff:ff:fe", NodeIdOutcome::accepted, {0x7f, 0xff, 0xff, 0xfe}},
        {"0x:0X:xx:zz", NodeIdOutcome::accepted, {0, 0, 0, 0}},
        {"ab:cd:ef:01", NodeIdOutcome::accepted, {0xab, 0xcd, 0xef, 0x01}},
        {"80:00:00:0", NodeIdOutcome::ignored, {}},
        {"80:00:00:000", NodeIdOutcome::ignored, {}},
        {"", NodeIdOutcome::ignored, {}},
        {":::::::::::", NodeIdOutcome::ignored, {}},
    };
    for (const Case& c : cases) {
        const NodeIdParse parse = ParseNodeId(c.word);
        EXPECT_EQ(parse.outcome, c.outcome) << c.word;
        if (c.outcome != NodeIdOutcome::ignored) {
            EXPECT_EQ(parse.id, c.id) << c.word;
        }
    }
}

TEST(FormatNodeId, LowerCaseHexWithColons) {
    EXPECT_EQ(FormatNodeId({0x0a, 0x0b, 0xc0, 0xff}), "0a:0b:c0:ff");
}

} // namespace
