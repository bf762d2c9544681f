#include "file_tags.h"

#include <taglib/asftag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include "tag_file.h"

namespace {

std::string JoinedText(const TagLib::PropertyMap& properties, const char* key) {
  const auto found = properties.find(key);
  if (found == properties.end()) return {};
  return found->second.toString(" / ").to8Bit(true);
}

// An MP3 file's ID3v1 block is read elsewhere, so only its ID3v2 tag counts
// here; TagLib would otherwise answer from the ID3v1 or APE tag when the
// ID3v2 tag is missing.
TagLib::PropertyMap PropertiesOf(TagLib::File& file, TagFormat format) {
  if (format != TagFormat::Mpeg) return file.properties();
  auto& mpeg = static_cast<TagLib::MPEG::File&>(file);
  if (!mpeg.hasID3v2Tag()) return {};
  return mpeg.ID3v2Tag()->properties();
}

void AddIfMissing(TagLib::PropertyMap& properties, const char* key, const TagLib::StringList& values) {
  if (!values.isEmpty() && !properties.contains(key)) properties.insert(key, values);
}

// Fields some writers keep under other names: Vorbis comments name the
// comment DESCRIPTION, and ffmpeg stores a WMA file's comment and date as the
// ASF attributes "Description" and "date", which TagLib leaves unnamed.
void AddOtherNames(TagLib::File& file, TagLib::PropertyMap& properties) {
  AddIfMissing(properties, "COMMENT", properties["DESCRIPTION"]);
  const auto* asf = dynamic_cast<const TagLib::ASF::Tag*>(file.tag());
  if (asf == nullptr) return;
  for (const auto& [attribute, key] : {std::pair{"Description", "COMMENT"}, std::pair{"date", "DATE"}}) {
    TagLib::StringList values;
    for (const TagLib::ASF::Attribute& value : asf->attribute(attribute)) values.append(value.toString());
    AddIfMissing(properties, key, values);
  }
}

}  // namespace

int CFileTags::Read(const std::string& path) {
  *this = {};
  const TagFormat format = TagFormatOfPath(path);
  if (format == TagFormat::None) return 0;
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return 0;
  return ReadFrom(stream, format);
}

int CFileTags::ReadBytes(std::string_view name, const std::string& bytes) {
  *this = {};
  const TagFormat format = TagFormatOfPath(name);
  if (format == TagFormat::None) return 0;
  TagLib::ByteVector data(bytes.data(), static_cast<unsigned int>(bytes.size()));
  TagLib::ByteVectorStream stream(data);
  return ReadFrom(stream, format);
}

int CFileTags::ReadFrom(TagLib::IOStream& stream, TagFormat format) {
  const auto file = OpenTagFile(stream, format);
  if (!file) return 0;
  TagLib::PropertyMap properties = PropertiesOf(*file, format);
  AddOtherNames(*file, properties);
  m_strTitle = JoinedText(properties, "TITLE");
  m_strArtist = JoinedText(properties, "ARTIST");
  m_strAlbum = JoinedText(properties, "ALBUM");
  m_strGenre = JoinedText(properties, "GENRE");
  m_strDate = JoinedText(properties, "DATE");
  m_strComment = JoinedText(properties, "COMMENT");
  for (const std::string* text : {&m_strTitle, &m_strArtist, &m_strGenre, &m_strDate, &m_strComment}) {
    if (!text->empty()) return 1;
  }
  return 0;
}
