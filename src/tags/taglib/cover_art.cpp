#include "cover_art.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/xiphcomment.h>

#include "tag_file.h"

namespace {

std::string Text(const TagLib::ByteVector& bytes) { return std::string(bytes.data(), bytes.size()); }

// Picks from a list of (is the front cover, mime type, bytes): the first front
// cover, else the first picture.
class PictureChoice {
 public:
  void Offer(bool front, const TagLib::String& mime, const TagLib::ByteVector& bytes) {
    if (bytes.isEmpty() || m_bFront || (m_bChosen && !front)) return;
    m_art = {mime.to8Bit(true), Text(bytes)};
    m_bChosen = true;
    m_bFront = front;
  }
  int Take(CoverArt& art) {
    art = std::move(m_art);
    return m_bChosen ? 1 : 0;
  }

 private:
  CoverArt m_art;
  bool m_bChosen = false;
  bool m_bFront = false;
};

void OfferId3v2(const TagLib::ID3v2::Tag* tag, PictureChoice& choice) {
  if (tag == nullptr) return;
  for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
    const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
    if (picture == nullptr) continue;
    choice.Offer(picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover, picture->mimeType(),
                 picture->picture());
  }
}

void OfferFlac(const TagLib::List<TagLib::FLAC::Picture*>& pictures, PictureChoice& choice) {
  for (const TagLib::FLAC::Picture* picture : pictures) {
    choice.Offer(picture->type() == TagLib::FLAC::Picture::FrontCover, picture->mimeType(), picture->data());
  }
}

const char* Mp4MimeType(TagLib::MP4::CoverArt::Format format) {
  switch (format) {
    case TagLib::MP4::CoverArt::JPEG: return "image/jpeg";
    case TagLib::MP4::CoverArt::PNG: return "image/png";
    case TagLib::MP4::CoverArt::GIF: return "image/gif";
    case TagLib::MP4::CoverArt::BMP: return "image/bmp";
    default: return "";
  }
}

// MP4 marks no picture as the front cover; the first one is it.
void OfferMp4(const TagLib::MP4::Tag* tag, PictureChoice& choice) {
  if (tag == nullptr || !tag->contains("covr")) return;
  for (const TagLib::MP4::CoverArt& cover : tag->item("covr").toCoverArtList()) {
    choice.Offer(true, Mp4MimeType(cover.format()), cover.data());
  }
}

void OfferAsf(const TagLib::ASF::Tag* tag, PictureChoice& choice) {
  if (tag == nullptr) return;
  for (const TagLib::ASF::Attribute& attribute : tag->attribute("WM/Picture")) {
    const TagLib::ASF::Picture picture = attribute.toPicture();
    if (!picture.isValid()) continue;
    choice.Offer(picture.type() == TagLib::ASF::Picture::FrontCover, picture.mimeType(), picture.picture());
  }
}

void OfferPictures(TagLib::File& file, TagFormat format, PictureChoice& choice) {
  switch (format) {
    case TagFormat::Mpeg: OfferId3v2(static_cast<TagLib::MPEG::File&>(file).ID3v2Tag(), choice); break;
    case TagFormat::Aiff: OfferId3v2(static_cast<TagLib::RIFF::AIFF::File&>(file).tag(), choice); break;
    case TagFormat::Flac: OfferFlac(static_cast<TagLib::FLAC::File&>(file).pictureList(), choice); break;
    case TagFormat::Ogg:
    case TagFormat::Opus:
      if (auto* comment = dynamic_cast<TagLib::Ogg::XiphComment*>(file.tag())) OfferFlac(comment->pictureList(), choice);
      break;
    case TagFormat::Mp4: OfferMp4(static_cast<TagLib::MP4::File&>(file).tag(), choice); break;
    case TagFormat::Asf: OfferAsf(static_cast<TagLib::ASF::File&>(file).tag(), choice); break;
    default: break;  // APE tags keep pictures under names no two writers agree on
  }
}

}  // namespace

int ReadCoverArt(const std::string& path, CoverArt& art) {
  art = {};
  const TagFormat format = TagFormatOfPath(path);
  if (format == TagFormat::None) return 0;
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return 0;
  const auto file = OpenTagFile(stream, format);
  if (!file) return 0;
  PictureChoice choice;
  OfferPictures(*file, format, choice);
  return choice.Take(art);
}
