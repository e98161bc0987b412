// Sends one discovery request on an interface and prints the announce frames that answer it.
//
//   discover_probe INTERFACE [seconds to wait, default 1]
//
// Exit status 0 when at least two announce frames arrived.
#include "frame.h"
#include "options.h"

#include <arpa/inet.h>
#include <linux/if_ether.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: discover_probe INTERFACE [seconds]\n");
        return 2;
    }
    const char* name = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 1.0;

    const int s = socket(AF_PACKET, SOCK_RAW, htons(TARVEL_ETHERTYPE));
    if (s < 0) {
        std::perror("discover_probe: socket");
        return 2;
    }
    ifreq request{};
    std::snprintf(request.ifr_name, sizeof request.ifr_name, "%s", name);
    if (ioctl(s, SIOCGIFHWADDR, &request) != 0) {
        std::perror("discover_probe: no such interface");
        return 2;
    }
    MacAddress own;
    std::memcpy(own.data(), request.ifr_hwaddr.sa_data, own.size());
    sockaddr_ll address{};
    address.sll_family = AF_PACKET;
    address.sll_protocol = htons(TARVEL_ETHERTYPE);
    address.sll_ifindex = static_cast<int>(if_nametoindex(name));
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::perror("discover_probe: bind");
        return 2;
    }

    FrameBuffer frame{};
    WriteFrameHeader(frame, own, DISCOVERY_NODE);
    const std::size_t length = PutReplyPayload(frame, {});
    if (sendto(s, frame.data(), length, 0, reinterpret_cast<sockaddr*>(&address), sizeof address) !=
        static_cast<ssize_t>(length)) {
        std::perror("discover_probe: send");
        return 2;
    }
    std::printf("  discovery request sent on %s (%zu bytes to node ff:ff:ff:fe)\n", name, length);

    int announces = 0;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::microseconds(static_cast<long>(seconds * 1e6));
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{s, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        std::uint8_t bytes[2048];
        sockaddr_ll from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = recvfrom(s, bytes, sizeof bytes, 0, reinterpret_cast<sockaddr*>(&from),
                                   &fromLength);
        if (n <= 0 || from.sll_pkttype == PACKET_OUTGOING)
            continue;
        const auto read = ReadFrame(std::span(bytes, static_cast<std::size_t>(n)),
                                    static_cast<std::size_t>(n));
        if (!read || read->node != DISCOVERY_NODE || IsDiscoveryRequest(*read))
            continue;
        ++announces;
        std::printf("  announce from %02x:%02x:%02x:%02x:%02x:%02x, %zd bytes, node %s, length "
                    "byte %u: \"%.*s\"\n",
                    bytes[6], bytes[7], bytes[8], bytes[9], bytes[10], bytes[11], n,
                    FormatNodeId(read->node).c_str(), bytes[frame::length_byte_offset],
                    static_cast<int>(read->payload.size()),
                    reinterpret_cast<const char*>(read->payload.data()));
    }
    close(s);
    return announces >= 2 ? 0 : 1;
}
