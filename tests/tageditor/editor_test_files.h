#pragma once

#include <string>

#include "riff_builder.h"

// The raw bytes of one tag (identifier such as "INAM") as a read-only
// CWaveInfoFile sees them; empty when the tag is absent.
std::string ReadTag(const std::string& path, const std::string& id);

// A WAVE file whose "data" lies past the first 128 bytes, behind a JUNK
// chunk: a layout the writer refuses.
Bytes LateDataWave();
