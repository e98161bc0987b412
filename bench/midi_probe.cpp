// A JACK client that plays MIDI into one port and times what comes back on another: the demo's
// player and printer, and the JACK-to-JACK latency probe of the benchmarks.
//
//   midi_probe --to PORT --from PORT [--melody | --random N] [--quiet] [--csv FILE]
//
// --melody plays a short tune with real note lengths, a controller sweep and a small system
// exclusive message, and prints every message that comes back with its one-way latency;
// --random N sends N three-byte messages at random frame offsets. Both end with a summary.
// Exit status 0 only when every message came back, intact and in order.
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t max_message_bytes = 64;

struct Message {
    jack_nframes_t at; // frame time: when sent (scheduled), or when received
    std::uint8_t length;
    std::uint8_t bytes[max_message_bytes];
};

struct Probe {
    jack_client_t* client = nullptr;
    jack_port_t* out = nullptr;
    jack_port_t* in = nullptr;
    std::vector<Message> schedule;        // frames relative to the start, set before activation
    std::atomic<jack_nframes_t> start{0}; // frame time of the first cycle, 0 until running
    std::size_t nextToSend = 0;           // process thread only
    jack_ringbuffer_t* received = nullptr;
    std::atomic<std::uint32_t> overflows{0};
    std::atomic<std::uint32_t> xruns{0};
};

int Process(jack_nframes_t nframes, void* arg) {
    Probe& p = *static_cast<Probe*>(arg);
    const jack_nframes_t now = jack_last_frame_time(p.client);
    jack_nframes_t start = p.start.load(std::memory_order_relaxed);
    if (start == 0) {
        // Leave the connections made after activation time to settle before the first event.
        start = now + jack_get_sample_rate(p.client) / 5;
        p.start.store(start, std::memory_order_release);
    }

    void* outBuffer = jack_port_get_buffer(p.out, nframes);
    jack_midi_clear_buffer(outBuffer);
    while (p.nextToSend < p.schedule.size()) {
        const Message& m = p.schedule[p.nextToSend];
        const jack_nframes_t at = start + m.at;
        if (static_cast<std::int32_t>(at - (now + nframes)) >= 0)
            break;
        const jack_nframes_t offset =
            static_cast<std::int32_t>(at - now) < 0 ? 0 : at - now;
        jack_midi_event_write(outBuffer, offset, m.bytes, m.length);
        ++p.nextToSend;
    }

    void* inBuffer = jack_port_get_buffer(p.in, nframes);
    const std::uint32_t count = jack_midi_get_event_count(inBuffer);
    for (std::uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, inBuffer, i) != 0)
            continue;
        Message m{};
        m.at = now + event.time;
        m.length = static_cast<std::uint8_t>(std::min(event.size, max_message_bytes));
        std::memcpy(m.bytes, event.buffer, m.length);
        if (event.size > max_message_bytes || jack_ringbuffer_write_space(p.received) < sizeof m) {
            p.overflows.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        jack_ringbuffer_write(p.received, reinterpret_cast<const char*>(&m), sizeof m);
    }
    return 0;
}

int CountXrun(void* arg) {
    static_cast<Probe*>(arg)->xruns.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

Message Bytes(jack_nframes_t at, std::initializer_list<int> bytes) {
    Message m{};
    m.at = at;
    for (int b : bytes)
        m.bytes[m.length++] = static_cast<std::uint8_t>(b);
    return m;
}

// A short tune (the opening of a well-known nursery melody), then a controller sweep and a
// small system exclusive message.
std::vector<Message> Melody(jack_nframes_t rate) {
    std::vector<Message> s;
    const jack_nframes_t beat = rate * 3 / 10;
    const int notes[] = {60, 60, 67, 67, 69, 69, 67, 65, 65, 64, 64, 62, 62, 60};
    const int lengths[] = {1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 2};
    jack_nframes_t t = 0;
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        s.push_back(Bytes(t, {0x90, notes[i], 100}));
        t += beat * lengths[i] - beat / 5;
        s.push_back(Bytes(t, {0x80, notes[i], 0}));
        t += beat / 5;
    }
    for (int value = 0; value <= 127; value += 8) {
        s.push_back(Bytes(t, {0xb0, 74, value}));
        t += rate / 100;
    }
    s.push_back(Bytes(t, {0xb0, 74, 127}));
    t += rate / 10;
    s.push_back(Bytes(t, {0xf0, 0x7d, 0x54, 0x61, 0x72, 0x76, 0x65, 0x6c, 0xf7}));
    return s;
}

std::vector<Message> Random(std::size_t count, jack_nframes_t rate, jack_nframes_t period) {
    std::vector<Message> s;
    std::mt19937 random(1234);
    std::uniform_int_distribution<jack_nframes_t> gap(period / 2, rate / 500 + period);
    jack_nframes_t t = 0;
    for (std::size_t i = 0; i < count; ++i) {
        s.push_back(Bytes(t, {0xb0 | static_cast<int>(i % 16), static_cast<int>(i / 16 % 128),
                              static_cast<int>(i % 128)}));
        t += gap(random);
    }
    return s;
}

const char* const noteNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::string Describe(const Message& m) {
    char text[160];
    const int status = m.bytes[0] & 0xf0;
    if ((status == 0x90 || status == 0x80) && m.length == 3) {
        std::snprintf(text, sizeof text, "%-9s %-3s%d  velocity %3d",
                      status == 0x90 && m.bytes[2] ? "note on" : "note off",
                      noteNames[m.bytes[1] % 12], m.bytes[1] / 12 - 1, m.bytes[2]);
    } else if (status == 0xb0 && m.length == 3) {
        std::snprintf(text, sizeof text, "controller %3d = %3d", m.bytes[1], m.bytes[2]);
    } else {
        std::string hex = m.bytes[0] == 0xf0 ? "sysex    " : "message  ";
        for (std::size_t i = 0; i < m.length; ++i) {
            char b[4];
            std::snprintf(b, sizeof b, "%02x ", m.bytes[i]);
            hex += b;
        }
        return hex;
    }
    return text;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t i = static_cast<std::size_t>(p / 100.0 * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(i, values.size() - 1)];
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "midi_probe: %s\n", what);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[]) {
    std::string to, from, csv;
    bool melody = true, quiet = false;
    std::size_t randomCount = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Fail(("missing value for " + a).c_str());
            return argv[++i];
        };
        if (a == "--to")
            to = value();
        else if (a == "--from")
            from = value();
        else if (a == "--melody")
            melody = true;
        else if (a == "--random")
            melody = false, randomCount = std::strtoul(value().c_str(), nullptr, 10);
        else if (a == "--quiet")
            quiet = true;
        else if (a == "--csv")
            csv = value();
        else
            Fail(("unknown option " + a).c_str());
    }
    if (to.empty() || from.empty())
        Fail("usage: midi_probe --to PORT --from PORT [--melody | --random N] [--quiet] [--csv FILE]");

    Probe p;
    jack_status_t status;
    p.client = jack_client_open("tarvel-probe", JackNoStartServer, &status);
    if (!p.client)
        Fail("no JACK server");
    const jack_nframes_t rate = jack_get_sample_rate(p.client);
    const jack_nframes_t period = jack_get_buffer_size(p.client);
    p.schedule = melody ? Melody(rate) : Random(randomCount, rate, period);
    p.out = jack_port_register(p.client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    p.in = jack_port_register(p.client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    p.received = jack_ringbuffer_create(sizeof(Message) * 8192);
    if (!p.out || !p.in || !p.received)
        Fail("cannot register ports");
    jack_ringbuffer_mlock(p.received);
    jack_set_process_callback(p.client, Process, &p);
    jack_set_xrun_callback(p.client, CountXrun, &p);
    if (jack_activate(p.client) != 0)
        Fail("cannot activate");
    // EEXIST: already connected (a loop straight back to ourselves, for checking the probe).
    const int toDone = jack_connect(p.client, jack_port_name(p.out), to.c_str());
    if (toDone != 0 && toDone != EEXIST)
        Fail(("cannot connect to " + to).c_str());
    const int fromDone = jack_connect(p.client, from.c_str(), jack_port_name(p.in));
    if (fromDone != 0 && fromDone != EEXIST)
        Fail(("cannot connect from " + from).c_str());

    const double usPerFrame = 1e6 / rate;
    std::vector<Message> got;
    std::vector<double> latencies;
    const jack_nframes_t last = p.schedule.back().at;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::microseconds(static_cast<long>(last * usPerFrame)) +
                          std::chrono::seconds(2);
    bool intact = true;
    while (got.size() < p.schedule.size() && std::chrono::steady_clock::now() < deadline) {
        Message m;
        if (jack_ringbuffer_read_space(p.received) < sizeof m) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        jack_ringbuffer_read(p.received, reinterpret_cast<char*>(&m), sizeof m);
        const std::size_t i = got.size();
        const Message& sent = p.schedule[i];
        const bool same = m.length == sent.length && std::memcmp(m.bytes, sent.bytes, m.length) == 0;
        intact = intact && same;
        const double latency = static_cast<double>(static_cast<std::int32_t>(
                                   m.at - (p.start.load(std::memory_order_acquire) + sent.at))) *
                               usPerFrame;
        latencies.push_back(latency);
        got.push_back(m);
        if (!quiet)
            std::printf("  %-40s %7.3f ms%s\n", Describe(m).c_str(), latency / 1000,
                        same ? "" : "   (not what was sent!)");
    }
    jack_deactivate(p.client);
    jack_client_close(p.client);

    const std::size_t lost = p.schedule.size() - got.size();
    const double p50 = Percentile(latencies, 50), p99 = Percentile(latencies, 99);
    const double max = latencies.empty() ? 0 : *std::max_element(latencies.begin(), latencies.end());
    const double min = latencies.empty() ? 0 : *std::min_element(latencies.begin(), latencies.end());
    std::printf("\n  sent %zu, received %zu, lost %zu%s; period %u frames at %u Hz (%.0f us), "
                "xruns %u\n",
                p.schedule.size(), got.size(), lost, intact ? "" : ", SOME CHANGED", period, rate,
                period * usPerFrame, p.xruns.load());
    std::printf("  one-way latency: p50 %.0f us, p99 %.0f us, max %.0f us, spread %.0f us "
                "(p50 %.2f, p99 %.2f, max %.2f periods)\n",
                p50, p99, max, max - min, p50 / (period * usPerFrame), p99 / (period * usPerFrame),
                max / (period * usPerFrame));
    if (!csv.empty()) {
        if (FILE* f = std::fopen(csv.c_str(), "w")) {
            std::fprintf(f, "latency_us\n");
            for (double l : latencies)
                std::fprintf(f, "%.1f\n", l);
            std::fclose(f);
        }
    }
    return lost == 0 && intact && p.overflows.load() == 0 ? 0 : 1;
}
