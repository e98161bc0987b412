// The option scan: the second character of a word decides, and -i and the node-ID option
// consume the next word whatever it looks like, so getopt does not fit.
#include "options.h"

#include <cstdio>
#include <cstdlib>

std::string gInterface = "en0";
std::string nodeIdText = "ff:ff:ff:ff";

static constexpr std::string_view rxHelp =
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
    "-h:  Displays help (this).\n"
    "\n\n"
    "Example: sudo tarvelrx -i en1 -t 80:00:00:00\n\n"
    "On an iBook this creates a Tarvel interface bound to the \n"
    "802.11 interface with the destination address set to 80:00:00:00.\n"
    "\n"
    "\ntarvelrx - Mac OSX Receive Client - v0.4: Help\n\n"
    "This application acts as a binding agent between Tarvel and OS X physical and virtual MIDI "
    "devices.\n"
    "\n";

static constexpr std::string_view txHelp =
    "\nTarvel Mac OSX Transmit Client (alpha) - v0.4\n\n"
    "This application must be run as root!\n\n"
    "Usage:\tsudo tarveltx [options]\n\n"
    "By default the Tarvel application will send all events using the "
    "broadcast address ff:ff:ff:ff.\n\n"
    "Options\n\n"
    "-i [interface]:  Selects the interface to bind to, default en0.\n\n"
    "-t [xx:xx:xx:xx]:  Sets the destination Node ID in the format specified.\n"
    "                   The Node ID must not start with ff.\n\n"
    "-v:  Displays version.\n\n"
    "-h:  Displays help (this).\n"
    "\n\n"
    "Example: sudo tarveltx -i en1 -t 80:00:00:00\n\n"
    "On an iBook this creates a Tarvel interface bound to the \n"
    "802.11 interface with the destination address set to 80:00:00:00.\n"
    "\n";

// The project has no public address yet.
#define TARVEL_WEB_ADDRESS "https://tarvel.invalid/"

const ProgramConstants receiveProgram{
    'r', rxHelp, "\nTARVELRX - Mac OSX Receive Client - v0.4 (alpha): " TARVEL_WEB_ADDRESS "\n\n"};
// The transmit client's banner says "Receive Client" too; users have seen it that way.
const ProgramConstants transmitProgram{
    't', txHelp, "\nTARVELTX - Mac OSX Receive Client - v0.4 (alpha): " TARVEL_WEB_ADDRESS "\n\n"};

static constexpr std::size_t node_id_word_bytes = 11;

static int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// strtol(field, nullptr, 16) without the C library's locale and overflow corners: blanks, a
// sign, an optional 0x, digits up to the first non-digit. A field is at most 11 bytes, so the
// value always fits; only its low 8 bits are kept.
static std::uint8_t ReadHexField(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    if (i + 1 < field.size() && field[i] == '0' && (field[i + 1] == 'x' || field[i + 1] == 'X') &&
        i + 2 < field.size() && HexDigitValue(field[i + 2]) >= 0)
        i += 2;
    long long value = 0;
    for (; i < field.size() && HexDigitValue(field[i]) >= 0; ++i)
        value = value * 16 + HexDigitValue(field[i]);
    if (negative)
        value = -value;
    return static_cast<std::uint8_t>(value & 0xff);
}

NodeIdParse ParseNodeId(std::string_view word) {
    NodeIdParse parse{NodeIdOutcome::ignored, BROADCAST_NODE};
    if (word.size() != node_id_word_bytes)
        return parse;

    std::string_view fields[4];
    std::size_t found = 0;
    std::size_t start = 0;
    while (found < 4 && start <= word.size()) {
        std::size_t colon = word.find(':', start);
        if (colon == std::string_view::npos)
            colon = word.size();
        if (colon > start)
            fields[found++] = word.substr(start, colon - start);
        start = colon + 1;
    }
    if (found < 4)
        return parse;

    for (std::size_t i = 0; i < 4; ++i)
        parse.id[i] = ReadHexField(fields[i]);
    parse.outcome = parse.id[0] == 0xff ? NodeIdOutcome::rejected : NodeIdOutcome::accepted;
    return parse;
}

static OptionScan Exit(OptionScan scan, std::string_view message) {
    scan.exits = true;
    scan.exitStatus = 1;
    scan.message = message;
    return scan;
}

OptionScan ScanOptions(int argc, const char* const argv[], const ProgramConstants& program) {
    OptionScan scan;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word.empty() || word[0] != '-')
            continue;
        const char letter = word.size() > 1 ? word[1] : '\0';
        if (letter == 'h')
            return Exit(scan, program.helpText);
        if (letter == 'v')
            return Exit(scan, program.versionBanner);
        if (letter != 'i' && letter != program.nodeIdLetter)
            continue;
        if (i + 1 >= argc)
            return Exit(scan, std::string("Missing value for -") + letter + "\n");
        const std::string_view value = argv[++i];
        if (letter == 'i') {
            scan.interface = value;
            continue;
        }
        const NodeIdParse parse = ParseNodeId(value);
        if (parse.outcome == NodeIdOutcome::rejected)
            return Exit(scan, "Wrong node ID.  ID must not start with ff.\n");
        if (parse.outcome == NodeIdOutcome::accepted) {
            scan.node = parse.id;
            scan.nodeIdText = value;
        }
    }
    return scan;
}

void ParseOptions(int argc, char* argv[], const ProgramConstants& program,
                  const std::array<std::uint8_t*, 4>& nodeBytes) {
    const OptionScan scan = ScanOptions(argc, argv, program);
    if (scan.exits) {
        std::fputs(scan.message.c_str(), stderr);
        std::exit(scan.exitStatus);
    }
    gInterface = scan.interface;
    nodeIdText = scan.nodeIdText;
    for (std::size_t i = 0; i < 4; ++i)
        *nodeBytes[i] = scan.node[i];
}

std::string FormatNodeId(const NodeId& id) {
    char text[12];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x", id[0], id[1], id[2], id[3]);
    return text;
}
