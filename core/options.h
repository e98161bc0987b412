// Command line of both programs: option scan, node-ID words, help texts and version banners.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame.h"

// What differs between the two programs' command lines.
struct ProgramConstants {
    char nodeIdLetter;         // 'r' for the receive client, 't' for the transmit client
    std::string_view helpText; // printed whole for -h
    std::string_view versionBanner;
};

extern const ProgramConstants receiveProgram;
extern const ProgramConstants transmitProgram;

// Set by ParseOptions, fixed for the life of the process.
extern std::string gInterface; // default "en0"
extern std::string nodeIdText; // the accepted node-ID word as typed, else "ff:ff:ff:ff"

enum class NodeIdOutcome {
    ignored,  // not 11 bytes, or not four non-empty fields: nothing changes
    accepted, // bytes stand
    rejected, // first byte ff: the program ends
};

struct NodeIdParse {
    NodeIdOutcome outcome;
    NodeId id;
};

NodeIdParse ParseNodeId(std::string_view word);

// The whole scan without side effects, so every case can be checked in memory.
struct OptionScan {
    bool exits = false;  // -h, -v, a rejected node ID, a missing value
    int exitStatus = 0;
    std::string message; // for standard error when the scan exits
    std::string interface = "en0";
    NodeId node = BROADCAST_NODE;
    std::string nodeIdText = "ff:ff:ff:ff";
};

OptionScan ScanOptions(int argc, const char* const argv[], const ProgramConstants& program);

// Runs the scan on the process's arguments: prints and exits for -h, -v and the errors,
// otherwise sets gInterface, nodeIdText and the program's four node-ID bytes.
void ParseOptions(int argc, char* argv[], const ProgramConstants& program,
                  const std::array<std::uint8_t*, 4>& nodeBytes);

// "%02x:%02x:%02x:%02x"
std::string FormatNodeId(const NodeId& id);
