#pragma once

#include <memory>

#include <taglib/tfile.h>
#include <taglib/tiostream.h>

#include "tag_format.h"

// The file read from stream as format, with no audio properties read; nullptr
// when the stream does not hold a valid file of that format. The stream must
// outlive the file.
std::unique_ptr<TagLib::File> OpenTagFile(TagLib::IOStream& stream, TagFormat format);
