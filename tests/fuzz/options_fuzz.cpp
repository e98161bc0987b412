// Fuzzes the option scan and the node-ID parser with arbitrary argument vectors.
#include "options.h"

#include <cstdlib>
#include <string>
#include <vector>

// Input: the argument words after the program name, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words{"prog"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());

    for (const ProgramConstants* program : {&receiveProgram, &transmitProgram}) {
        const OptionScan scan = ScanOptions(static_cast<int>(argv.size()), argv.data(), *program);
        if (scan.exits) {
            if (scan.exitStatus != 1 || scan.message.empty())
                std::abort();
            continue;
        }
        // An accepted node ID never starts with ff and its text is the 11-byte word typed.
        const bool defaulted = scan.nodeIdText == "ff:ff:ff:ff" && scan.node == BROADCAST_NODE;
        if (!defaulted && (scan.node[0] == 0xff || scan.nodeIdText.size() != 11))
            std::abort();
    }
    for (const std::string& w : words) {
        const NodeIdParse parse = ParseNodeId(w);
        if (parse.outcome != NodeIdOutcome::ignored && w.size() != 11)
            std::abort();
        if ((parse.outcome == NodeIdOutcome::rejected) != (parse.outcome != NodeIdOutcome::ignored &&
                                                            parse.id[0] == 0xff))
            std::abort();
    }
    return 0;
}
