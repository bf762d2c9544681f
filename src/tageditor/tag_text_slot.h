#pragma once

#include <string>

#include <QString>

// The text one edit shows and the tag bytes behind it. A tag read from a file
// is shown decoded, which cannot always be undone exactly (Latin-1 and UTF-8
// readings of the same bytes, characters an edit does not keep), so a text
// the user leaves alone is written back as the very bytes it came from.
class CTagTextSlot {
 public:
  // `shown` is the text as the edit holds it after being set, and `bytes` the
  // tag bytes it stands for.
  void Show(const QString& shown, const std::string& bytes);

  // The bytes to store for the edit's current text: the original bytes when
  // the text is the one shown, else the text encoded for a tag.
  std::string BytesFor(const QString& current) const;

  // True when the edit's text is no longer the one shown.
  bool Changed(const QString& current) const { return current != m_strShown; }

 private:
  QString m_strShown;
  std::string m_strBytes;
};

// A tag text as the tag memory carries it from one file to another.
struct RememberedTag {
  QString text;
  std::string bytes;
};
