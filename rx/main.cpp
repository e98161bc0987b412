// tarvelrx: plays Tarvel frames addressed to this node as MIDI.
#include <cstdint>
#include <cstdio>

#include "options.h"

// Own node ID, first to last byte.
std::uint8_t rxn1 = 0xff, rxn2 = 0xff, rxn3 = 0xff, rxn4 = 0xff;

int main(int argc, char* argv[]) {
    ParseOptions(argc, argv, receiveProgram, {&rxn1, &rxn2, &rxn3, &rxn4});
    // Capture and MIDI delivery are not built yet: show what the command line gave.
    std::fprintf(stderr, "|| Node ID: [%02x:%02x:%02x:%02x]  Interface: [%s]  ||\n", rxn1, rxn2,
                 rxn3, rxn4, gInterface.c_str());
    return 0;
}
