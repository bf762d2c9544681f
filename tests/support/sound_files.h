#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Sound files written by sox at test time, and sox's decoding of any sound
// file: an independent writer and reader to hold what is played against.

bool HaveSox();

// A sine tone of the given length, frequency and sample rate, 16-bit stereo;
// the format follows path's extension (wav, flac, ogg). false when sox fails.
bool WriteTone(const std::string& path, double seconds, int frequency, int rate = 44100);

// Every sample of the file, decoded by sox to 16-bit integers at the file's
// own rate and channels, interleaved; empty when sox cannot read it.
std::vector<std::int16_t> DecodedSamples(const std::string& path);

