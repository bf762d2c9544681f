#pragma once

#include <string>

#include "riff_builder.h"

// The raw bytes of one tag (identifier such as "INAM") as a read-only
// CWaveInfoFile sees them; empty when the tag is absent.
std::string ReadTag(const std::string& path, const std::string& id);

// A tagged WAVE file with an ID3v1 block after its RIFF chunk: a layout the
// writer refuses.
Bytes TrailedWave();
