#include "tag_file.h"

#include <array>
#include <utility>

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavpackfile.h>

namespace {

template <typename File, typename... Options>
std::unique_ptr<TagLib::File> ValidOrNull(TagLib::IOStream& stream, Options... options) {
  auto file = std::make_unique<File>(&stream, options...);
  if (!file->isValid()) return nullptr;
  return file;
}

// An Ogg file's extension does not say which codec it holds; each reader
// checks the first packet, so trying them in turn costs one page read each.
std::unique_ptr<TagLib::File> OpenOgg(TagLib::IOStream& stream) {
  if (auto vorbis = ValidOrNull<TagLib::Ogg::Vorbis::File>(stream, false)) return vorbis;
  stream.clear();
  if (auto opus = ValidOrNull<TagLib::Ogg::Opus::File>(stream, false)) return opus;
  stream.clear();
  return ValidOrNull<TagLib::Ogg::FLAC::File>(stream, false);
}

}  // namespace

std::unique_ptr<TagLib::File> OpenTagFile(TagLib::IOStream& stream, TagFormat format) {
  auto* frames = TagLib::ID3v2::FrameFactory::instance();
  switch (format) {
    case TagFormat::Mpeg: return ValidOrNull<TagLib::MPEG::File>(stream, frames, false);
    case TagFormat::Ogg: return OpenOgg(stream);
    case TagFormat::Opus: return ValidOrNull<TagLib::Ogg::Opus::File>(stream, false);
    case TagFormat::Flac: return ValidOrNull<TagLib::FLAC::File>(stream, frames, false);
    case TagFormat::Mp4: return ValidOrNull<TagLib::MP4::File>(stream, false);
    case TagFormat::Asf: return ValidOrNull<TagLib::ASF::File>(stream, false);
    case TagFormat::Ape: return ValidOrNull<TagLib::APE::File>(stream, false);
    case TagFormat::WavPack: return ValidOrNull<TagLib::WavPack::File>(stream, false);
    case TagFormat::Musepack: return ValidOrNull<TagLib::MPC::File>(stream, false);
    case TagFormat::Aiff: return ValidOrNull<TagLib::RIFF::AIFF::File>(stream, false);
    case TagFormat::None: break;
  }
  return nullptr;
}
