// Writes the program's four short wave files. Usage: lexaro_make_sounds <program folder>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;

struct Note
{
    double frequency; // Hz
    double seconds;
};

// A soft bell-like tone per note: quick attack, exponential decay, a quiet octave above.
std::vector<std::int16_t> render(const std::vector<Note>& notes)
{
    std::vector<std::int16_t> samples;
    for (const Note& note : notes) {
        const int count = int(note.seconds * SampleRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / SampleRate;
            const double attack = std::min(1.0, t / 0.008);
            const double decay = std::exp(-4.0 * t / note.seconds);
            const double w = 2.0 * std::numbers::pi * note.frequency * t;
            const double v = attack * decay * (0.8 * std::sin(w) + 0.2 * std::sin(2.0 * w));
            samples.push_back(std::int16_t(v * 0.5 * 32767.0));
        }
    }
    return samples;
}

void put32(std::ofstream& out, std::uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.write(b, 4);
}

void put16(std::ofstream& out, std::uint16_t v)
{
    const char b[2] = {char(v), char(v >> 8)};
    out.write(b, 2);
}

bool writeWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, std::uint16_t(s));
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: lexaro_make_sounds <program folder>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    const bool ok =
        // Critical: two low, falling notes.
        writeWave(root / "Message box" / "Critical.wav", render({{392.0, 0.18}, {262.0, 0.35}})) &&
        // Warning: the same middle note twice.
        writeWave(root / "Message box" / "Warning.wav", render({{587.0, 0.14}, {587.0, 0.22}})) &&
        // Information: a rising major third and fifth.
        writeWave(root / "Message box" / "Information.wav",
                  render({{523.0, 0.12}, {659.0, 0.12}, {784.0, 0.3}})) &&
        // Notification: one high, soft chime.
        writeWave(root / "Notification" / "Notification.wav", render({{1047.0, 0.45}}));
    return ok ? 0 : 1;
}
