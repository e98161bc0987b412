// Console menus: entries from the MIDI system's endpoint lists, and a prompt that never loops
// for ever on bad input nor goes on without a number.
#include "menu.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

void PrintEndpointEntries(ItemCount count, MIDIEndpointRef (*lookup)(ItemCount index)) {
    for (ItemCount j = 0; j < count; ++j) {
        const MIDIEndpointRef endpoint = lookup(j);
        if (endpoint == 0)
            continue;
        std::string name;
        if (MIDIObjectGetName(endpoint, &name) != 0)
            name = "(no name)";
        std::fprintf(stderr, "||  [%u] %s\n", j + 1, name.c_str());
    }
}

// One blank-separated word from standard input, or false at the end of input.
static bool ReadWord(std::string* word) {
    word->clear();
    int c;
    while ((c = std::getchar()) != EOF && std::isspace(c))
        ;
    while (c != EOF && !std::isspace(c)) {
        word->push_back(static_cast<char>(c));
        c = std::getchar();
    }
    return !word->empty();
}

int ReadMenuChoice(const char* prompt, int highest, int boundShown) {
    for (;;) {
        std::fputs(prompt, stderr);
        std::string word;
        if (!ReadWord(&word)) {
            std::fputs("\nNo selection made\n", stderr);
            std::exit(1);
        }
        int choice = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), choice);
        if (error == std::errc::result_out_of_range && word[0] != '-') {
            std::fprintf(stderr, "||\n||  The number must be smaller than %d\n", boundShown);
            continue;
        }
        if (error != std::errc() || end != word.data() + word.size() || choice < 1)
            continue;
        if (choice > highest) {
            std::fprintf(stderr, "||\n||  The number must be smaller than %d\n", boundShown);
            continue;
        }
        return choice;
    }
}
