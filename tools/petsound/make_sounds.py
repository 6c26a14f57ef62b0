#!/usr/bin/env python3
"""Synthesises the sample pet's short sounds and writes them as WAV files.

Usage: make_sounds.py OUTPUT_FOLDER [SOUNDS_TXT]

Every sound is made from sine waves, a few harmonics and seeded noise, so the files come out
the same on every run. With SOUNDS_TXT (the [RES_SOUND] lines that petart writes: index ; name ;
file ; remark) it also checks that every file the pet script names is made here.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def envelope(t, length, attack=0.01, release=0.05):
    """A soft start and end so that no sound clicks."""
    if t < attack:
        return t / attack
    if t > length - release:
        return max(0.0, (length - t) / release)
    return 1.0


def render(length, sample):
    """Samples sample(t) for `length` seconds."""
    return [sample(i / RATE) * envelope(i / RATE, length) for i in range(int(length * RATE))]


class Oscillator:
    """A sine oscillator whose frequency may change every sample."""

    def __init__(self):
        self.phase = 0.0

    def __call__(self, frequency):
        self.phase += 2 * math.pi * frequency / RATE
        return math.sin(self.phase)


class LowPass:
    def __init__(self, cutoff):
        self.set(cutoff)
        self.value = 0.0

    def set(self, cutoff):
        self.alpha = 1 - math.exp(-2 * math.pi * cutoff / RATE)

    def __call__(self, x):
        self.value += self.alpha * (x - self.value)
        return self.value


def chirp():
    osc = Oscillator()

    def sample(t):
        part = t % 0.09
        if part > 0.065:
            return 0.0
        frequency = 1900 + 1500 * part / 0.065
        return 0.5 * osc(frequency) * math.sin(math.pi * part / 0.065)

    return render(0.18, sample)


def pop():
    osc = Oscillator()
    return render(0.09, lambda t: 0.7 * osc(900 - 6000 * t) * math.exp(-t * 45))


def purr(noise):
    osc = Oscillator()
    low = LowPass(300)

    def sample(t):
        rumble = 0.5 * osc(48) + 0.3 * low(noise.uniform(-1, 1))
        flutter = 0.55 + 0.45 * math.sin(2 * math.pi * 23 * t)
        breath = 0.6 + 0.4 * math.sin(math.pi * t / 0.35) ** 2
        return 0.5 * rumble * flutter * breath

    return render(0.7, sample)


def boing():
    osc = Oscillator()

    def sample(t):
        frequency = 170 + 260 * t + 60 * math.sin(2 * math.pi * 11 * t) * math.exp(-t * 4)
        return 0.6 * osc(frequency) * math.exp(-t * 5)

    return render(0.5, sample)


def whoosh(noise):
    low, band = LowPass(400), LowPass(100)

    def sample(t):
        centre = 350 + 1800 * math.sin(math.pi * t / 0.45)
        low.set(centre)
        band.set(centre / 3)
        value = low(noise.uniform(-1, 1))
        return 1.6 * (value - band(value)) * math.sin(math.pi * t / 0.45)

    return render(0.45, sample)


def munch(noise):
    low = LowPass(1800)

    def sample(t):
        part = t % 0.11
        if part > 0.05:
            return 0.0
        return 1.2 * low(noise.uniform(-1, 1)) * math.exp(-part * 70)

    return render(0.32, sample)


def yawn():
    osc = [Oscillator() for _ in range(4)]

    def sample(t):
        frequency = 520 - 330 * t / 0.85 + 12 * math.sin(2 * math.pi * 6 * t)
        voice = sum(o(frequency * (k + 1)) / (k + 1) ** 1.5 for k, o in enumerate(osc))
        swell = math.sin(math.pi * t / 0.85)
        return 0.35 * voice * swell

    return render(0.85, sample)


def thud(noise):
    osc = Oscillator()
    low = LowPass(500)

    def sample(t):
        body = osc(95 - 80 * t) * math.exp(-t * 14)
        hit = low(noise.uniform(-1, 1)) * math.exp(-t * 60)
        return 0.7 * body + 0.6 * hit

    return render(0.25, sample)


def tada():
    notes = [(0.00, 1047), (0.08, 1319), (0.16, 1568), (0.26, 2093)]
    osc = [[Oscillator() for _ in range(3)] for _ in notes]

    def sample(t):
        value = 0.0
        for (start, frequency), harmonics in zip(notes, osc):
            if t < start:
                continue
            held = t - start
            decay = math.exp(-held * (3 if start == notes[-1][0] else 9))
            tone = sum(h(frequency * (2 * k + 1)) / (2 * k + 1) ** 2 for k, h in enumerate(harmonics))
            value += 0.22 * tone * decay
        return value

    return render(0.75, sample)


# The file names the pet script's [RES_SOUND] list gives, with the drawing of each.
SOUNDS = {
    "CHIRP.WAV": lambda noise: chirp(),
    "POP.WAV": lambda noise: pop(),
    "PURR.WAV": purr,
    "BOING.WAV": lambda noise: boing(),
    "WHOOSH.WAV": whoosh,
    "MUNCH.WAV": munch,
    "YAWN.WAV": lambda noise: yawn(),
    "THUD.WAV": thud,
    "TADA.WAV": lambda noise: tada(),
}


PEAK = 0.6  # every sound as loud as the others, well below the top


def wav_bytes(samples):
    """16-bit mono PCM, scaled to the common peak."""
    top = max(max(abs(s) for s in samples), 1e-9)
    return b"".join(struct.pack("<h", round(s / top * PEAK * 32767)) for s in samples)


def write_wav(path, samples):
    with wave.open(path + ".tmp", "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(wav_bytes(samples))
    os.replace(path + ".tmp", path)


def listed_files(path):
    """The file names (field 2) of the [RES_SOUND] lines in `path`."""
    names = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = [f.strip() for f in line.split(";")]
            if len(fields) >= 3 and fields[2]:
                names.append(fields[2])
    return names


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    folder = argv[1]
    if len(argv) == 3:
        missing = [name for name in listed_files(argv[2]) if name.upper() not in SOUNDS]
        if missing:
            sys.stderr.write("make_sounds.py: %s names sounds made nowhere: %s\n" %
                             (argv[2], ", ".join(missing)))
            return 1
    os.makedirs(folder, exist_ok=True)
    for name, make in SOUNDS.items():
        write_wav(os.path.join(folder, name), make(random.Random(name)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
