// Synthesises the game's nine sound effects into 16-bit mono WAV files:
//   TVX01.WAV  start jingle          TVX04.WAV  player 1 has finished
//   TVX02.WAV  farewell              TVX05.WAV  player 2 has finished
//   TVX03.WAV  a refused drop        TVX06.WAV  player 3 has finished
//   TVX07.WAV  player 4 has finished TVX08.WAV  player 5 has finished
//   TVX09.WAV  player 6 has finished
// Usage: tavolux-soundgen <folder>. The output is the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double TwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

enum class Timbre { Bell, Brass, Buzz };

// One note: when it starts and how long it lasts (seconds), its pitch (Hz)
// and its loudness relative to the others.
struct Note {
    double at, length, freq, gain;
};

double noteFrequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// A struck bell: slightly inharmonic partials, the higher ones dying sooner.
double bell(double phase, double t)
{
    static constexpr double Partials[][3] = {{1, 1.0, 2.6}, {2, 0.45, 4.5}, {3, 0.22, 6.5}, {4.16, 0.12, 9}, {5.43, 0.05, 12}};
    double sum = 0;
    for (const auto& [ratio, amp, decay] : Partials)
        sum += amp * std::exp(-decay * t) * std::sin(ratio * phase);
    return sum;
}

// A soft trumpet: harmonics that brighten during the attack.
double brass(double phase, double t)
{
    double sum = 0;
    for (int n = 1; n <= 10; ++n) {
        double swell = std::min(1.0, t / (0.015 + 0.008 * n));
        sum += swell * std::exp(-0.28 * n) / n * std::sin(n * phase);
    }
    return sum * 1.6;
}

// A dull buzz: the odd harmonics of a square wave, rolled off.
double buzz(double phase)
{
    double sum = 0;
    for (int n = 1; n <= 9; n += 2)
        sum += std::exp(-0.18 * n) / n * std::sin(n * phase);
    return sum;
}

double envelope(Timbre timbre, double t, double length)
{
    double attack = timbre == Timbre::Bell ? 0.004 : timbre == Timbre::Brass ? 0.025 : 0.006;
    double release = timbre == Timbre::Buzz ? 0.03 : 0.08;
    double level = std::min(1.0, t / attack) * std::min(1.0, (length - t) / release);
    if (timbre == Timbre::Brass)
        level *= 0.82 + 0.18 * std::exp(-8 * t);
    return std::max(0.0, level);
}

void addNote(Samples& out, const Note& note, Timbre timbre)
{
    auto first = size_t(note.at * Rate);
    auto count = size_t(note.length * Rate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / Rate;
        double freq = note.freq;
        if (timbre == Timbre::Brass)
            freq *= 1 + 0.004 * std::sin(TwoPi * 5.5 * t) * std::min(1.0, t / 0.3);
        if (timbre == Timbre::Buzz)
            freq *= 1 - 0.18 * t / note.length;
        phase += TwoPi * freq / Rate;
        double wave = timbre == Timbre::Bell ? bell(phase, t) : timbre == Timbre::Brass ? brass(phase, t) : buzz(phase);
        out[first + i] += note.gain * envelope(timbre, t, note.length) * wave;
    }
}

void addNotes(Samples& out, std::initializer_list<Note> notes, Timbre timbre)
{
    for (const Note& note : notes)
        addNote(out, note, timbre);
}

// A small room: four feedback echoes mixed in quietly, with a tail of tail seconds.
void addRoom(Samples& out, double tail, double wet)
{
    out.resize(out.size() + size_t(tail * Rate), 0.0);
    static constexpr double Delays[] = {0.0297, 0.0371, 0.0411, 0.0437};
    Samples echo(out.size(), 0.0);
    for (double delay : Delays) {
        auto d = size_t(delay * Rate);
        Samples comb(out.size(), 0.0);
        for (size_t i = d; i < out.size(); ++i)
            comb[i] = out[i - d] + 0.62 * comb[i - d];
        for (size_t i = 0; i < out.size(); ++i)
            echo[i] += comb[i] / 4;
    }
    for (size_t i = 0; i < out.size(); ++i)
        out[i] += wet * echo[i];
}

// Scales to the given peak and fades the last 15 ms so the end never clicks.
void finish(Samples& out, double targetPeak)
{
    double peak = 0;
    for (double s : out)
        peak = std::max(peak, std::abs(s));
    if (peak <= 0)
        return;
    const double scale = targetPeak / peak;
    const size_t fade = std::min(out.size(), size_t(0.015 * Rate));
    for (size_t i = 0; i < out.size(); ++i) {
        size_t left = out.size() - i;
        out[i] *= scale * (left < fade ? double(left) / fade : 1.0);
    }
}

void put16(std::ofstream& f, uint16_t v) { f.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream& f, uint32_t v) { put16(f, uint16_t(v & 0xffff)); put16(f, uint16_t(v >> 16)); }

bool writeWav(const std::string& path, const Samples& samples)
{
    std::ofstream f(path, std::ios::binary);
    const auto dataBytes = uint32_t(samples.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);            // PCM
    put16(f, 1);            // mono
    put32(f, Rate);
    put32(f, Rate * 2);     // bytes per second
    put16(f, 2);            // bytes per frame
    put16(f, 16);           // bits per sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (double s : samples)
        put16(f, uint16_t(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return bool(f);
}

// Semitones from A4 of the notes used below.
enum Pitch { C4 = -9, F4 = -4, G4 = -2, Bb4 = 1, A4 = 0, B4 = 2, C5 = 3, D5 = 5, Eb5 = 6, E5 = 7, F5 = 8, Fs5 = 9, G5 = 10, Gs5 = 11, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19 };

Note note(double at, double length, int pitch, double gain = 1.0) { return {at, length, noteFrequency(pitch), gain}; }

Samples startJingle()
{
    Samples s;
    addNotes(s, {note(0.00, 0.5, C5), note(0.11, 0.5, E5), note(0.22, 0.5, G5), note(0.33, 0.75, C6, 1.1),
                 note(0.33, 0.75, E5, 0.5), note(0.33, 0.75, G5, 0.45)}, Timbre::Bell);
    addRoom(s, 0.15, 0.35);
    return s;
}

Samples farewell()
{
    Samples s;
    addNotes(s, {note(0.00, 0.4, G5, 0.9), note(0.17, 0.4, E5, 0.9), note(0.34, 0.4, D5, 0.9),
                 note(0.51, 0.6, C5), note(0.51, 0.6, G4, 0.5), note(0.51, 0.6, C4, 0.45)}, Timbre::Bell);
    addRoom(s, 0.15, 0.35);
    return s;
}

Samples refused()
{
    Samples s;
    addNotes(s, {note(0.0, 0.11, -26), note(0.15, 0.14, -28)}, Timbre::Buzz);
    addRoom(s, 0.02, 0.1);
    return s;
}

Samples fanfarePlayer1()
{
    Samples s;
    addNotes(s, {note(0.00, 0.09, G4), note(0.11, 0.09, G4), note(0.22, 0.09, G4), note(0.33, 0.6, C5, 1.1),
                 note(0.33, 0.6, E5, 0.6), note(0.33, 0.6, G5, 0.5)}, Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

Samples fanfarePlayer2()
{
    Samples s;
    addNotes(s, {note(0.00, 0.12, D5), note(0.13, 0.12, Fs5), note(0.26, 0.12, A5), note(0.39, 0.55, D6, 1.1),
                 note(0.39, 0.55, Fs5, 0.6), note(0.39, 0.55, A5, 0.5)}, Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

Samples fanfarePlayer3()
{
    Samples s;
    addNotes(s, {note(0.00, 0.07, E5), note(0.07, 0.07, Fs5), note(0.14, 0.07, Gs5), note(0.21, 0.07, A5),
                 note(0.28, 0.12, B5), note(0.44, 0.55, E6, 1.1), note(0.44, 0.55, Gs5, 0.6), note(0.44, 0.55, B5, 0.5)},
             Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

// The seats across from the first three answer them a fourth lower, each in
// its own rhythm.
Samples fanfarePlayer4()
{
    Samples s;
    addNotes(s, {note(0.00, 0.16, C5), note(0.18, 0.16, G4), note(0.36, 0.6, F5, 1.1), note(0.36, 0.6, A5, 0.6),
                 note(0.36, 0.6, C5, 0.5)}, Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

Samples fanfarePlayer5()
{
    Samples s;
    addNotes(s, {note(0.00, 0.08, A4), note(0.09, 0.08, A4), note(0.18, 0.14, D5), note(0.36, 0.14, A4),
                 note(0.52, 0.55, D5, 1.1), note(0.52, 0.55, Fs5, 0.6), note(0.52, 0.55, A5, 0.5)}, Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

Samples fanfarePlayer6()
{
    Samples s;
    addNotes(s, {note(0.00, 0.1, F4), note(0.12, 0.1, Bb4), note(0.24, 0.1, D5), note(0.36, 0.1, F5),
                 note(0.48, 0.55, Bb4, 1.1), note(0.48, 0.55, D5, 0.6), note(0.48, 0.55, F5, 0.5)}, Timbre::Brass);
    addRoom(s, 0.12, 0.3);
    return s;
}

struct Sound {
    const char* name;
    Samples (*make)();
    double peak;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    // The buzz is dense, so it peaks lower to sound as loud as the rest.
    const Sound sounds[] = {
        {"TVX01.WAV", startJingle, 0.707},    {"TVX02.WAV", farewell, 0.707},       {"TVX03.WAV", refused, 0.35},
        {"TVX04.WAV", fanfarePlayer1, 0.707}, {"TVX05.WAV", fanfarePlayer2, 0.707}, {"TVX06.WAV", fanfarePlayer3, 0.707},
        {"TVX07.WAV", fanfarePlayer4, 0.707}, {"TVX08.WAV", fanfarePlayer5, 0.707}, {"TVX09.WAV", fanfarePlayer6, 0.707},
    };
    for (const auto& [name, make, peak] : sounds) {
        Samples samples = make();
        finish(samples, peak);
        if (!writeWav(folder + "/" + name, samples)) {
            std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
