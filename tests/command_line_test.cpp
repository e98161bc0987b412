// The real programs' help texts, banners and command-line errors, byte for byte.
#include "run_program.h"

#include <gtest/gtest.h>

namespace {

const char* const rxHelp =
    "\nTarvel Mac OSX Receive Client - v0.4\n\n"
    "This application must be run as root!\n\n"
    "Usage:\tsudo tarvelrx [options]\n\n"
    "By default the Tarvel application will send all events using the broadcast address "
    "ff:ff:ff:ff.\n\n"
    "Options\n\n"
    "-i [interface]:  Selects the interface to bind to, default en0.\n\n"
    "-t [xx:xx:xx:xx]:  Sets the destination Node ID in the format specified.\n"
    "                   The Node ID must not start with ff.\n\n"
    "-v:  Displays version.\n\n"
    "-h:  Displays help (this).\n\n\n"
    "Example: sudo tarvelrx -i en1 -t 80:00:00:00\n\n"
    "On an iBook this creates a Tarvel interface bound to the \n"
    "802.11 interface with the destination address set to 80:00:00:00.\n\n"
    "\ntarvelrx - Mac OSX Receive Client - v0.4: Help\n\n"
    "This application acts as a binding agent between Tarvel and OS X physical and virtual MIDI "
    "devices.\n\n";

const char* const txHelp =
    "\nTarvel Mac OSX Transmit Client (alpha) - v0.4\n\n"
    "This application must be run as root!\n\n"
    "Usage:\tsudo tarveltx [options]\n\n"
    "By default the Tarvel application will send all events using the broadcast address "
    "ff:ff:ff:ff.\n\n"
    "Options\n\n"
    "-i [interface]:  Selects the interface to bind to, default en0.\n\n"
    "-t [xx:xx:xx:xx]:  Sets the destination Node ID in the format specified.\n"
    "                   The Node ID must not start with ff.\n\n"
    "-v:  Displays version.\n\n"
    "-h:  Displays help (this).\n\n\n"
    "Example: sudo tarveltx -i en1 -t 80:00:00:00\n\n"
    "On an iBook this creates a Tarvel interface bound to the \n"
    "802.11 interface with the destination address set to 80:00:00:00.\n\n";

struct TextCase {
    const char* name;
    std::vector<std::string> argv;
    std::string err;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class CommandLineText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CommandLineText, ExactStandardErrorAndStatusOne) {
    const TextCase& c = GetParam();
    const ProgramResult run = RunProgram(c.argv);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
}

const std::string rejected = "Wrong node ID.  ID must not start with ff.\n";

INSTANTIATE_TEST_SUITE_P(
    Programs, CommandLineText,
    ::testing::Values(
        TextCase{"rx_help", {TARVELRX_PATH, "-h"}, rxHelp},
        TextCase{"tx_help", {TARVELTX_PATH, "-h"}, txHelp},
        TextCase{"tx_help_after_node_id", {TARVELTX_PATH, "-t", "80:00:00:00", "-h"}, txHelp},
        TextCase{"rx_version",
                 {TARVELRX_PATH, "-v"},
                 "\nTARVELRX - Mac OSX Receive Client - v0.4 (alpha): https://tarvel.invalid/\n\n"},
        TextCase{"tx_version_before_help",
                 {TARVELTX_PATH, "-v", "-h"},
                 "\nTARVELTX - Mac OSX Receive Client - v0.4 (alpha): https://tarvel.invalid/\n\n"},
        TextCase{"rx_rejected", {TARVELRX_PATH, "-r", "ff:00:00:01"}, rejected},
        TextCase{"tx_rejected", {TARVELTX_PATH, "-t", "-1:00:00:00"}, rejected},
        TextCase{"rx_missing_interface", {TARVELRX_PATH, "-i"}, "Missing value for -i\n"},
        TextCase{"tx_missing_node_id", {TARVELTX_PATH, "-t"}, "Missing value for -t\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
