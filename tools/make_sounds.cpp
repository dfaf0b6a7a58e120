// Synthesizes the program's nine sounds as 16-bit PCM mono 22050 Hz wave files.
//
//   gaugewright-make-sounds OUTPUT_DIRECTORY
//
// The samples use only exactly rounded arithmetic (no sin, exp or pow of the C
// library, whose last bits differ between platforms), so every platform writes the
// same bytes and the committed files can be compared with a fresh run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
// Loudest sample of every sound, as a fraction of full scale.
constexpr double kPeak = 0.6;

using Samples = std::vector<double>;

// sin(2 pi cycles) from a polynomial, exact to about 1e-7.
double Sine(double cycles) {
    cycles -= std::floor(cycles);
    // Fold into [-1/4, 1/4] cycle, where the Taylor series converges fast.
    double x = cycles;
    if (x > 0.75) {
        x -= 1.0;
    } else if (x > 0.25) {
        x = 0.5 - x;
    }
    const double r = 2.0 * kPi * x;
    const double r2 = r * r;
    return r * (1.0 -
                r2 / 6.0 *
                    (1.0 - r2 / 20.0 * (1.0 - r2 / 42.0 * (1.0 - r2 / 72.0 * (1.0 - r2 / 110.0)))));
}

// A falling curve from 1 at u = 0 to 0 at u = 1, steeper for a larger power.
double Fall(double u, int power) {
    u = std::clamp(u, 0.0, 1.0);
    double value = 1.0;
    for (int i = 0; i < power; ++i) {
        value *= 1.0 - u;
    }
    return value;
}

// Attack, hold and release envelope over a note of the given length (seconds).
double Envelope(double t, double length, double attack, double release) {
    if (t < 0.0 || t > length) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    if (t > length - release) {
        return (length - t) / release;
    }
    return 1.0;
}

// A small deterministic noise source.
class CNoise {
public:
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t m_state = 0x1234567u;
};

Samples Silence(double seconds) {
    return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

// Adds a tone whose frequency glides linearly from -> to over its length; partials
// are the amplitudes of the harmonics 1, 2, 3, ...; shape gives the envelope.
void AddTone(Samples& out, double start, double length, double from, double to,
             const std::vector<double>& partials, double amplitude,
             const std::function<double(double)>& shape) {
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = from + (to - from) * (t / length);
        double value = 0.0;
        for (std::size_t h = 0; h < partials.size(); ++h) {
            value += partials[h] * Sine(phase * static_cast<double>(h + 1));
        }
        out[first + i] += amplitude * shape(t) * value;
        phase += frequency / kRate;
        phase -= std::floor(phase);
    }
}

// A struck bell: a fundamental and an inharmonic overtone that dies sooner.
void AddBell(Samples& out, double start, double length, double frequency, double amplitude) {
    AddTone(out, start, length, frequency, frequency, {1.0}, amplitude,
            [length](double t) { return Envelope(t, length, 0.002, 0.01) * Fall(t / length, 3); });
    AddTone(out, start, length * 0.5, frequency * 2.76, frequency * 2.76, {1.0}, amplitude * 0.35,
            [length](double t) {
                return Envelope(t, length * 0.5, 0.002, 0.01) * Fall(t / (length * 0.5), 4);
            });
}

// Adds low-passed noise (smoothing 0..1, smaller is darker) under an envelope.
void AddNoise(Samples& out, double start, double length, double smoothing, double amplitude,
              const std::function<double(double)>& shape) {
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(length * kRate);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    CNoise noise;
    double filtered = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        filtered += smoothing * (noise.Next() - filtered);
        out[first + i] += amplitude * shape(static_cast<double>(i) / kRate) * filtered;
    }
}

// A steam whistle: three chime pipes sounding a major chord, with a little breath.
void AddWhistle(Samples& out, double start, double length, double root, double endRoot) {
    const double ratios[] = {1.0, 1.25, 1.5};
    auto shape = [length](double t) { return Envelope(t, length, 0.04, 0.08); };
    for (double ratio : ratios) {
        AddTone(out, start, length, root * ratio, endRoot * ratio, {1.0, 0.18, 0.05}, 0.3, shape);
    }
    AddNoise(out, start, length, 0.5, 0.06, shape);
}

Samples StartUp() {
    Samples out;
    AddWhistle(out, 0.0, 0.22, 440.0, 446.0);
    AddWhistle(out, 0.3, 0.55, 440.0, 446.0);
    return out;
}

Samples Exit() {
    Samples out;
    AddWhistle(out, 0.0, 0.9, 466.0, 330.0);
    return out;
}

Samples Cash() {
    Samples out;
    // The drawer's mechanical clack, then the bell.
    AddNoise(out, 0.0, 0.05, 0.6, 0.5, [](double t) { return Fall(t / 0.05, 2); });
    AddTone(out, 0.0, 0.06, 180.0, 120.0, {1.0}, 0.4, [](double t) { return Fall(t / 0.06, 2); });
    AddBell(out, 0.06, 0.75, 2093.0, 0.45);
    AddBell(out, 0.09, 0.7, 2637.0, 0.3);
    return out;
}

Samples Coin() {
    Samples out;
    AddBell(out, 0.0, 0.6, 1568.0, 0.6);
    return out;
}

Samples Loss() {
    Samples out;
    // Three falling notes of a muted horn whose brightness opens and closes.
    const double notes[][2] = {{196.0, 0.3}, {185.0, 0.3}, {174.6, 0.65}};
    double start = 0.0;
    for (const auto& note : notes) {
        const double length = note[1];
        auto shape = [length](double t) { return Envelope(t, length, 0.03, 0.08); };
        const double frequency = note[0];
        // The fundamental stays; the upper harmonics follow the wah.
        AddTone(out, start, length, frequency, frequency * 0.985, {1.0}, 0.45, shape);
        AddTone(out, start, length, frequency, frequency * 0.985, {0.0, 0.5, 0.33, 0.25, 0.2}, 0.45,
                [shape, length](double t) {
                    const double wah = 0.5 - 0.5 * Sine(t / length * (length > 0.5 ? 2.0 : 1.0));
                    return shape(t) * wah;
                });
        start += length;
    }
    return out;
}

Samples Best() {
    Samples out;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 0.6 : 0.3;
        AddTone(
            out, 0.1 * i, length, notes[i], notes[i], {1.0, 0.3, 0.12}, 0.35,
            [length](double t) { return Envelope(t, length, 0.005, 0.02) * Fall(t / length, 2); });
    }
    return out;
}

Samples Delete() {
    Samples out;
    AddTone(out, 0.0, 0.3, 110.0, 45.0, {1.0, 0.2}, 0.8,
            [](double t) { return Envelope(t, 0.3, 0.004, 0.02) * Fall(t / 0.3, 3); });
    AddNoise(out, 0.0, 0.08, 0.08, 0.6, [](double t) { return Fall(t / 0.08, 2); });
    return out;
}

Samples IntegrityOk() {
    Samples out;
    auto shape = [](double t) { return Envelope(t, 0.22, 0.01, 0.06); };
    AddTone(out, 0.0, 0.22, 659.25, 659.25, {1.0, 0.25}, 0.5, shape);
    AddTone(out, 0.22, 0.3, 880.0, 880.0, {1.0, 0.25}, 0.5,
            [](double t) { return Envelope(t, 0.3, 0.01, 0.12); });
    return out;
}

Samples IntegrityProblem() {
    Samples out;
    // Odd harmonics make the hard, square edge of a buzzer.
    const std::vector<double> square = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.11};
    for (int i = 0; i < 2; ++i) {
        AddTone(out, 0.28 * i, 0.2, 150.0, 150.0, square, 0.5,
                [](double t) { return Envelope(t, 0.2, 0.005, 0.02); });
    }
    return out;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// The RIFF wave image of the samples, scaled so that the loudest one is kPeak.
std::string WaveImage(Samples samples) {
    // A short tail of silence keeps players from clicking at the end.
    const Samples tail = Silence(0.02);
    samples.insert(samples.end(), tail.begin(), tail.end());
    double loudest = 0.0;
    for (double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const double scale = loudest > 0.0 ? kPeak / loudest : 0.0;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);        // format chunk size
    PutLittleEndian(bytes, 1, 2);         // PCM
    PutLittleEndian(bytes, 1, 2);         // mono
    PutLittleEndian(bytes, kRate, 4);     // sample rate
    PutLittleEndian(bytes, kRate * 2, 4); // bytes per second
    PutLittleEndian(bytes, 2, 2);         // block align
    PutLittleEndian(bytes, 16, 2);        // bits per sample
    bytes += "data";
    PutLittleEndian(bytes, dataSize, 4);
    for (double sample : samples) {
        const long value = std::clamp(std::lround(sample * scale * 32767.0), -32767L, 32767L);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return bytes;
}

struct SoundFile {
    const char* name;
    Samples (*make)();
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "make_sounds") << " OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::cerr << directory.string() << ": " << error.message() << '\n';
        return 1;
    }
    const SoundFile sounds[] = {
        {"GAUGEWRT.WAV", StartUp},
        {"GAUGEEND.WAV", Exit},
        {"GAUGECSH.WAV", Cash},
        {"GAUGECOI.WAV", Coin},
        {"GAUGEWST.WAV", Loss},
        {"GAUGESTR.WAV", Best},
        {"GAUGEDEL.WAV", Delete},
        {"GAUGEIOK.WAV", IntegrityOk},
        {"GAUGEINT.WAV", IntegrityProblem},
    };
    for (const SoundFile& sound : sounds) {
        const std::filesystem::path path = directory / sound.name;
        const std::string image = WaveImage(sound.make());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(image.data(), static_cast<std::streamsize>(image.size()));
        file.close();
        if (!file) {
            std::cerr << path.string() << ": cannot be written\n";
            return 1;
        }
    }
    return 0;
}
